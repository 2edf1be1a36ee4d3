#include "report/printing.h"

#include <cstring>

int RowsPerPage(int printableHeight, int rowHeight) {
    if (rowHeight <= 0 || printableHeight <= 0)
        return 0;
    return printableHeight / rowHeight;
}

size_t PrintedReportText(const char *line, char *destination, size_t size) {
    if (size == 0)
        return 0;
    size_t n = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(line); *p; ++p) {
        if ((*p >= 1 && *p <= 7) || *p == '&')
            continue;
        const char *piece = *p == '\t' ? ", " : reinterpret_cast<const char *>(p);
        size_t length = *p == '\t' ? 2 : 1;
        if (n + length > size - 1)
            break;
        memcpy(destination + n, piece, length);
        n += length;
    }
    destination[n] = 0;
    return n;
}

void UpperCaseText(const char *text, char *destination, size_t size) {
    if (size == 0)
        return;
    size_t n = 0;
    for (; text[n] && n + 1 < size; ++n)
        destination[n] = text[n] >= 'a' && text[n] <= 'z' ? static_cast<char>(text[n] - 'a' + 'A') : text[n];
    destination[n] = 0;
}

PrintJob BeginPrintJob(const char *title, int rowsPerPage, const PageSink &sink) {
    return PrintJob{title, rowsPerPage, 0, 0, sink};
}

bool PrintJobLine(PrintJob &job, const char *text) {
    if (job.row == 0) {
        if (!job.sink.startPage(job.sink.context))
            return false;
        ++job.pages;
        job.sink.printRow(job.sink.context, 0, job.title);
        job.row = kPrintFirstBodyRow;
    }
    job.sink.printRow(job.sink.context, job.row, text);
    ++job.row;
    if (job.row >= job.rowsPerPage) {
        job.row = 0;
        return job.sink.endPage(job.sink.context);
    }
    return true;
}

bool EndPrintJob(PrintJob &job) {
    if (job.row == 0)
        return true;
    job.row = 0;
    return job.sink.endPage(job.sink.context);
}
