// Report lines: the shared buffer that every report tool fills and the Main Screen draws from, and the
// parsing of one line into columns and marker codes. No window types here.
#pragma once

#include <cstddef>

constexpr int kReportSlots = 3000;
constexpr int kReportSlotSize = 256; // 255 characters and the terminating zero
constexpr int kReportColumns = 9;

// Marker codes at the start of a column.
constexpr char kHeadingMark = 6;
constexpr char kBlack = 1;
constexpr char kRed = 2;
constexpr char kBlue = 3;
constexpr char kGreen = 4;
constexpr char kOlive = 5;
constexpr char kSwatch = 7;
constexpr char kBarGraph = '%';
constexpr char kGrey = '&';

struct ReportBuffer {
    int count;  // slots the current report uses
    int damage; // kReportLineCut / kReportLinesDropped since BeginReport
    char line[kReportSlots][kReportSlotSize];
};

constexpr int kReportLineCut = 1;      // a line was longer than 255 characters
constexpr int kReportLinesDropped = 2; // lines past the 3000th were not written

// The caption of the line that says a report was cut short.
constexpr char kReportCutCaption[] = "Report Cut Short";
// Its second column: why the report was cut.
constexpr char kReportLinesCutText[] = "\002Lines longer than 255 characters were cut";
constexpr char kReportLinesDroppedText[] = "\002Only the first 2999 lines are shown";

// Starts a report: no lines, nothing cut.
void BeginReport(ReportBuffer &report);
// Ends a report: when a line was cut or lines were dropped, the last line says so (it replaces the
// 3000th line of a full report). Returns the line count.
int EndReport(ReportBuffer &report);

// Left edge of each column, relative to the line's left edge.
extern const int kColumnX[kReportColumns];

// Writes one line into the next slot (printf-style, cut at 255 characters) and counts it.
// Returns false, writing nothing, once the report holds kReportSlots lines.
bool AddReportLine(ReportBuffer &report, const char *format, ...) __attribute__((format(printf, 2, 3)));
// Appends the lines of a text of size bytes (it may end early at a zero byte): runs of line feeds
// are one separator, a carriage return before a line feed is dropped, a line longer than 255
// characters is cut. Stops when the report is full; returns the line count.
int AddReportText(ReportBuffer &report, const char *text, size_t size);
// Sorts slots first..last of the report in ascending order of their text with the given comparison
// (the Fonts report compares without regard to case).
void SortReportLines(ReportBuffer &report, int first, int last, int (*compare)(const char *, const char *));
// Makes slot i an empty line.
void BlankReportLine(ReportBuffer &report, int i);
// Copies text into slot i, cut at 255 characters.
void SetReportLine(ReportBuffer &report, int i, const char *text);

// Code 3 and "Yes" for non-zero, code 3 and "No" for zero.
const char *YesNoMark(unsigned long value);
// Code 2 and "Failed" for non-zero failure flags, code 3 and "Passed" for zero.
const char *PassFailMark(unsigned long failed);

// One column of a line: where its text lies in the line.
struct ColumnPiece {
    const char *text;
    int length;
};

// Splits a line at tabs; runs of tabs are one separator and leading tabs are skipped, so the n-th
// non-empty piece is column n. Returns the number of columns (at most kReportColumns; later pieces
// are not drawn).
int SplitReportColumns(const char *line, ColumnPiece columns[kReportColumns]);

enum ColumnColour {
    kColourBlack,
    kColourRed,
    kColourBlue,
    kColourGreen,
    kColourOlive,
    kColourSwatch,
    kColourBar,
    kColourGrey
};

struct ColumnStyle {
    bool heading; // underlined heading font
    ColumnColour colour;
    unsigned char rgb[3]; // swatch colour
    int barValue;         // bar graph value 0..99
    const char *text;     // the text to draw (for a bar, its label)
    int length;
};

// Reads the marker codes at the start of a column.
ColumnStyle ParseReportColumn(ColumnPiece column);

// Horizontal geometry of a bar graph in column n with the given value, relative to the line's left
// edge: the bar runs from left to right (no bar when right <= left), the label starts at labelX.
struct BarGeometry {
    int left;
    int right;
    int labelX;
};
BarGeometry ReportBarGeometry(int column, int value);

// A line as printed: marker bytes (1 to 7 and "&") dropped, every other byte kept, tabs included.
void PlainReportText(const char *line, char *out, size_t outSize);
// A line as headless output writes it: as printed, but a swatch's three colour bytes written as its
// colour in hex ("#RRGGBB"), so that they can never break the line.
void HeadlessReportText(const char *line, char *out, size_t outSize);
// A line byte for byte, every byte below 32 other than tab and every byte above 126 written as \xNN,
// at most 255 characters in all (an escape is never split). Returns true when the line was cut.
bool RawReportText(const char *line, char *out, size_t outSize);
