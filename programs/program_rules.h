// The Programs family's rules: the kind of an executable by its headers, the inventory's report lines,
// the views' percentage histograms and what each usage pattern says about the programs. No window
// types here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/performance.h"
#include "report/report_lines.h"
#include "report/usage_pattern.h"

enum ExecutableKind {
    kKindDos = 1,       // also every file that cannot be opened or read
    kKindWindows3 = 2,  // a Windows 3.x (NE) program
    kKindWindows95 = 3, // a 32-bit (PE) program
};

// Reads up to size bytes at offset into out; false when the read fails. got says how many came.
struct ByteReader {
    bool (*read)(void *context, uint32_t offset, unsigned char *out, size_t size, size_t *got);
    void *context;
};

// The header size read at the start of the file and at the new-style header.
constexpr size_t kExecutableHeaderBytes = 64;

// The kind by the header whose offset stands at offset 60: "NE" without the library flag is a
// Windows 3.x program, "PE" without the DLL flag a 32-bit program, anything else (a library, an
// offset that is negative or past the end, a short file) a DOS program.
ExecutableKind ClassifyExecutable(const ByteReader &reader);

// A file date as the inventory shows it; all zero for a time that was not set.
struct ProgramDate {
    unsigned month, day, year; // year in full (1995), or 0
};

struct ProgramEntry {
    const char *name;
    uint32_t size; // the low 32 bits
    ProgramDate created, accessed, written;
    const char *directory;
};

// The heading line, then one line per program: name, size, the three dates ("03/01/95") and the path.
void AddProgramHeading(ReportBuffer &report);
void AddProgramLine(ReportBuffer &report, const ProgramEntry &program);
// Sorts the program lines (all but the heading) by name, ignoring case.
void SortProgramLines(ReportBuffer &report);

// The percentage histogram of a view tool (3104..3108); false, out untouched, for any other command.
bool ProgramViewHistogram(const PerformanceHistory &history, int command, uint32_t out[kUsageSlots]);

// What each usage pattern says about the programs that run.
extern const PatternReadings kProgramReadings;
