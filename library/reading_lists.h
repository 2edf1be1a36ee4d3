// The six reading lists of the Info library: fixed titles of magazines, books, software and on-line
// sources on a computing topic, written as report lines. No window types here.
#pragma once

struct ReportBuffer;

constexpr int kReadingListCount = 6; // Data Protection .. Windows 95, in tool order
constexpr int kReadingSectionCount = 4;

// The section headings, in the order the sections are written.
extern const char *const kReadingSectionHeading[kReadingSectionCount];

// Number of entries of one section of one list (0 for indexes out of range).
int ReadingSectionSize(int list, int section);

// Writes list 0..5 from slot 0: each section's heading (code 6), its entries (code 3), and an empty
// line between two sections. Returns the line count; an index out of range writes nothing.
int WriteReadingList(ReportBuffer &report, int list);
