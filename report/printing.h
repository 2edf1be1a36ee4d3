// Printing the screens without window types: the printed text of a report line, the page layout and
// the page rhythm of a print job (the title on row 0 of every page, row 1 blank, the lines from row 2).
#pragma once

#include <cstddef>

constexpr int kPrintLeftMargin = 10;  // device units from the page's left edge
constexpr int kPrintFirstBodyRow = 2; // row 0 holds the title, row 1 stays blank
constexpr int kPrintTitleSize = 256;  // a title bar's text: 255 characters and the zero

// Whole rows of the given height that fit the printable height; 0 for a row height of 0 or less.
int RowsPerPage(int printableHeight, int rowHeight);

// The printed text of a report line: marker bytes 1 to 7 and "&" are dropped, each tab becomes ", ",
// every other byte is kept (a swatch's three colour bytes, a bar graph's "%" and digits). Cut to fit
// size; the destination is always terminated. Returns the printed length.
size_t PrintedReportText(const char *line, char *destination, size_t size);

// The text in upper case (ASCII letters; other bytes unchanged), cut to fit size.
void UpperCaseText(const char *text, char *destination, size_t size);

// What a print job does on the printer. Starting and ending a page return false when the printer
// reports an error; a row that cannot be drawn is not an error of the job.
struct PageSink {
    void *context;
    bool (*startPage)(void *context);
    bool (*endPage)(void *context);
    void (*printRow)(void *context, int row, const char *text);
};

// One document being printed, page by page.
struct PrintJob {
    const char *title;
    int rowsPerPage;
    int row;   // next row on the open page; 0 when no page is open
    int pages; // pages started
    PageSink sink;
};

PrintJob BeginPrintJob(const char *title, int rowsPerPage, const PageSink &sink);
// Prints one line, starting a page with the title first when none is open and ending the page when it
// is full. A page too small for the title, the blank row and one line still takes one line a page.
// False when a page call failed: the job is then over and nothing more may be printed.
bool PrintJobLine(PrintJob &job, const char *text);
// Ends the page still open, if any. False when that failed.
bool EndPrintJob(PrintJob &job);
