// Small shared routines that need no window types: the debug trace text and the centring arithmetic.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

// Trace kinds: how the value of a trace is shown.
enum TraceKind {
    kTraceBool = 0,   // "%s = TRUE" when the value is exactly 1, else "%s = FALSE"
    kTraceInt = 1,    // int
    kTraceText = 2,   // const char *
    kTraceFloat = 3,  // float (passed as double)
    kTraceULong = 4,  // unsigned long
    kTraceChar = 5,   // char (passed as int)
    kTraceUInt = 6,   // unsigned int
    kTraceDouble = 7, // double
};

// Formats "label = value" for one trace into out (cut to fit). The value follows in args as the kind says.
void FormatTraceV(char *out, size_t outSize, int kind, const char *label, va_list args);
void FormatTrace(char *out, size_t outSize, int kind, const char *label, ...);

// The system's memory figures in bytes, whatever the program's width (more than 4 GB is told as it is).
struct MemoryFigures {
    uint32_t memoryLoad;
    uint64_t totalPhys, availPhys;
    uint64_t totalPageFile, availPageFile;
    uint64_t totalVirtual, availVirtual;
};

struct ScreenRect {
    int left, top, right, bottom;
};

struct ScreenPoint {
    int x, y;
};

// Where a window of the given size goes when centred over another window's rectangle, or over the
// desktop when other is null: never at a negative coordinate and, over another window, never past the
// desktop's right or bottom edge.
ScreenPoint CenteredPosition(int width, int height, const ScreenRect *other, const ScreenRect &desktop);

// A 64-bit size as a 32-bit figure: values past the 32-bit range read as the largest 32-bit value,
// as a 32-bit program is shown them, never wrapped.
inline uint32_t SaturateToU32(uint64_t value) {
    return value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
}

// The year as every date shows it: two digits, the year modulo 100 (2026 shows 26, 2000 shows 00).
inline int TwoDigitYear(int year) {
    return (year % 100 + 100) % 100;
}

// Text from outside the program (registry values, the environment, window captions, files, device
// and driver names) made safe for a report line: bytes 1-31 (tab, line feed and carriage return
// included) become spaces, so such a value can never add a column or a line, nor pass for a marker.
void CleanOutsideText(char *text);
// Copies at most size - 1 characters of source, cleaned as above; the destination is always
// terminated. With no source the destination becomes empty.
void CopyOutsideText(const char *source, char *destination, size_t size);
// length bytes of a binary value as hex pairs separated by spaces ("0a 00 ff"), cut to whole pairs
// that fit in size - 1 characters.
void FormatHexBytes(const unsigned char *bytes, size_t length, char *destination, size_t size);

// Copies at most size - 1 characters of source, upper-cased; the destination is always terminated.
// With no source the destination is left untouched.
void CopyUpper(const char *source, char *destination, size_t size);

// A window caption made readable: the part before the first "-" (leading dashes skipped), without
// trailing white space, cut to size - 1 characters. "Report.txt - Editor" gives "Report.txt".
void CleanCaptionText(const char *caption, char *destination, size_t size);

// The weighted mean bucket of a histogram of 32-bit counts: sum of i x count[i] over i >= 1, divided by
// the sum of those counts (or 1 when they are all zero). Entry 0 is ignored.
unsigned HistogramMean(const uint32_t *counts, size_t sizeInBytes);

// Sorts the index range first..last (inclusive) ascending by less, moving elements only through swap.
void QuickSort(int first, int last, bool (*less)(void *context, int i, int j),
               void (*swap)(void *context, int i, int j), void *context);
