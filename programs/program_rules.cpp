// The Programs family's rules.
#include "programs/program_rules.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

namespace {

uint16_t Word(const unsigned char *bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Long(const unsigned char *bytes, size_t at) {
    return static_cast<uint32_t>(Word(bytes, at)) | static_cast<uint32_t>(Word(bytes, at + 2)) << 16;
}

bool ReadWhole(const ByteReader &reader, uint32_t offset, unsigned char *out) {
    size_t got = 0;
    return reader.read(reader.context, offset, out, kExecutableHeaderBytes, &got) &&
           got == kExecutableHeaderBytes;
}

constexpr uint16_t kNewExecutable = 0x454E;      // "NE"
constexpr uint16_t kPortableExecutable = 0x4550; // "PE"
constexpr uint16_t kLibraryModule = 0x8000;      // NE flags word, offset 12
constexpr uint16_t kDynamicLibrary = 0x2000;     // PE file header characteristics, offset 22

int CompareIgnoringCase(const char *a, const char *b) {
    for (;; ++a, ++b) {
        int ca = tolower(static_cast<unsigned char>(*a)), cb = tolower(static_cast<unsigned char>(*b));
        if (ca != cb || !ca)
            return ca - cb;
    }
}

struct ProgramView {
    int command;
    uint32_t (PerformanceHistory::*field)[kSoftwareSlots];
    int fullScale;
};
const ProgramView kProgramViews[] = {{3104, &PerformanceHistory::modules, 460},
                                     {3106, &PerformanceHistory::processes, 50},
                                     {3107, &PerformanceHistory::threads, 460},
                                     {3108, &PerformanceHistory::windows, 80}};
constexpr int kPrioritiesView = 3105;
constexpr int kPriorityScale = 32;

} // namespace

ExecutableKind ClassifyExecutable(const ByteReader &reader) {
    unsigned char bytes[kExecutableHeaderBytes];
    if (!ReadWhole(reader, 0, bytes))
        return kKindDos;
    // The offset is a signed value in the file: a negative one points nowhere.
    uint32_t offset = Long(bytes, 60);
    if (offset > INT32_MAX || !ReadWhole(reader, offset, bytes))
        return kKindDos;
    uint16_t signature = Word(bytes, 0);
    if (signature == kNewExecutable && !(Word(bytes, 12) & kLibraryModule))
        return kKindWindows3;
    if (signature == kPortableExecutable && !(Word(bytes, 22) & kDynamicLibrary))
        return kKindWindows95;
    return kKindDos;
}

void AddProgramHeading(ReportBuffer &report) {
    AddReportLine(report, "%cName\t%cSize\t%cCreated\t%cAccessed\t%cWritten\t%cPath", kHeadingMark,
                  kHeadingMark, kHeadingMark, kHeadingMark, kHeadingMark, kHeadingMark);
}

void AddProgramLine(ReportBuffer &report, const ProgramEntry &program) {
    char dates[3][16];
    const ProgramDate *date[3] = {&program.created, &program.accessed, &program.written};
    for (int i = 0; i < 3; ++i)
        snprintf(dates[i], sizeof dates[i], "%.2u/%.2u/%.2u", date[i]->month % 100, date[i]->day % 100,
                 static_cast<unsigned>(TwoDigitYear(static_cast<int>(date[i]->year % 10000))));
    size_t length = strlen(program.directory);
    const char *separator = length > 0 && program.directory[length - 1] == '\\' ? "" : "\\";
    AddReportLine(report, "%c%s\t%c%u\t%c%s\t%c%s\t%c%s\t%c%s%s%s", kBlue, program.name, kBlue,
                  static_cast<unsigned>(program.size), kBlue, dates[0], kBlue, dates[1], kBlue, dates[2],
                  kBlue, program.directory, separator, program.name);
}

void SortProgramLines(ReportBuffer &report) {
    if (report.count > 2)
        SortReportLines(report, 1, report.count - 1, CompareIgnoringCase);
}

bool ProgramViewHistogram(const PerformanceHistory &history, int command, uint32_t out[kUsageSlots]) {
    if (command == kPrioritiesView) {
        PercentHistogram(history.priority, kPrioritySlots, kPriorityScale, out);
        return true;
    }
    for (const ProgramView &view : kProgramViews)
        if (view.command == command) {
            PercentHistogram(history.*view.field, kSoftwareSlots, view.fullScale, out);
            return true;
        }
    return false;
}

const PatternReadings kProgramReadings = {
    {"Slows entire PC", "Drains resources", "Consumes excessive memory", "Wastes CPU cycles",
     "Impacts user productivity"},
    {"Coach suggestion impact", "Closing programs", "Closing some windows", "More integrated software"},
    nullptr,
    {{{0, 0, 0, 0, 0}, {"Very Low", "Unnecessary", "Unnecessary", "Unnecessary"}},
     {{0, 0, 0, 1, 0}, {"Moderate", "Unused programs only", "Unused programs only", "Unnecessary"}},
     {{0, 1, 1, 1, 0}, {"High", "Unused programs only", "Unused programs only", "Optional"}},
     {{1, 1, 1, 1, 1}, {"Very High", "All possible", "All possible", "Recommended"}},
     {{0, 0, 0, 0, 0}, {"Moderate", "Unused programs only", "Unused programs only", "Optional"}},
     {{0, 0, 0, 0, 0},
      {"High", "Large programs only", "Large programs only", "Suitable programs unlikely to exist"}},
     {{0, 0, 0, 0, 0}, {"Low", "All possible", "All possible", "Optional"}}}};
