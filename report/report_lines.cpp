#include "report/report_lines.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

const int kColumnX[kReportColumns] = {10, 220, 290, 360, 430, 500, 570, 640, 710};

bool AddReportLine(ReportBuffer &report, const char *format, ...) {
    if (report.count < 0)
        report.count = 0;
    if (report.count >= kReportSlots) {
        report.damage |= kReportLinesDropped;
        return false;
    }
    va_list args;
    va_start(args, format);
    int n = vsnprintf(report.line[report.count], kReportSlotSize, format, args);
    va_end(args);
    if (n < 0)
        report.line[report.count][0] = 0;
    if (n >= kReportSlotSize)
        report.damage |= kReportLineCut;
    ++report.count;
    return true;
}

void BeginReport(ReportBuffer &report) {
    report.count = 0;
    report.damage = 0;
}

int EndReport(ReportBuffer &report) {
    if (report.damage) {
        if (report.count >= kReportSlots)
            report.count = kReportSlots - 1;
        const char *why =
            (report.damage & kReportLinesDropped) ? kReportLinesDroppedText : kReportLinesCutText;
        snprintf(report.line[report.count], kReportSlotSize, "%s\t%s", kReportCutCaption, why);
        ++report.count;
        report.damage = 0;
    }
    return report.count;
}

void BlankReportLine(ReportBuffer &report, int i) {
    if (i >= 0 && i < kReportSlots)
        report.line[i][0] = 0;
}

void SetReportLine(ReportBuffer &report, int i, const char *text) {
    if (i < 0 || i >= kReportSlots)
        return;
    snprintf(report.line[i], kReportSlotSize, "%s", text ? text : "");
}

const char *YesNoMark(unsigned long value) {
    return value ? "\003Yes" : "\003No";
}

const char *PassFailMark(unsigned long failed) {
    return failed ? "\002Failed" : "\003Passed";
}

int SplitReportColumns(const char *line, ColumnPiece columns[kReportColumns]) {
    int n = 0;
    const char *p = line;
    // A slot holds at most 255 characters; never read past its end even if unterminated.
    const char *end = line + strnlen(line, kReportSlotSize - 1);
    while (p < end && n < kReportColumns) {
        while (p < end && *p == '\t')
            ++p;
        if (p >= end)
            break;
        const char *start = p;
        while (p < end && *p != '\t')
            ++p;
        columns[n].text = start;
        columns[n].length = static_cast<int>(p - start);
        ++n;
    }
    return n;
}

ColumnStyle ParseReportColumn(ColumnPiece column) {
    ColumnStyle style = {};
    const char *p = column.text;
    int left = column.length;
    if (left > 0 && *p == kHeadingMark) {
        style.heading = true;
        ++p;
        --left;
    }
    style.colour = kColourBlack;
    if (left > 0) {
        switch (*p) {
            case kBlack:
                style.colour = kColourBlack;
                break;
            case kRed:
                style.colour = kColourRed;
                break;
            case kBlue:
                style.colour = kColourBlue;
                break;
            case kGreen:
                style.colour = kColourGreen;
                break;
            case kOlive:
                style.colour = kColourOlive;
                break;
            case kSwatch:
                style.colour = kColourSwatch;
                break;
            case kBarGraph:
                style.colour = kColourBar;
                break;
            case kGrey:
                style.colour = kColourGrey;
                break;
            default:
                // Any other byte is text in black, itself included.
                style.text = p;
                style.length = left;
                return style;
        }
        ++p;
        --left;
    }
    if (style.colour == kColourSwatch) {
        // Three colour bytes follow; a column cut short has zero for the missing ones.
        for (int i = 0; i < 3; ++i) {
            if (left > 0) {
                style.rgb[i] = static_cast<unsigned char>(*p++);
                --left;
            }
        }
    } else if (style.colour == kColourBar) {
        // The next two characters are the label; their leading digits give the value.
        int labelLength = left < 2 ? left : 2;
        int value = 0;
        for (int i = 0; i < labelLength && p[i] >= '0' && p[i] <= '9'; ++i)
            value = value * 10 + (p[i] - '0');
        style.barValue = value > 99 ? 99 : value;
        style.text = p;
        style.length = labelLength;
        return style;
    }
    style.text = p;
    style.length = left;
    return style;
}

BarGeometry ReportBarGeometry(int column, int value) {
    if (column < 0)
        column = 0;
    if (column >= kReportColumns)
        column = kReportColumns - 1;
    if (value < 0)
        value = 0;
    if (value > 99)
        value = 99;
    // A full bar spans two columns; past the last column the spacing of 70 pixels goes on.
    int x = kColumnX[column];
    int x2 = column + 2 < kReportColumns ? kColumnX[column + 2]
                                         : kColumnX[kReportColumns - 1] + 70 * (column + 3 - kReportColumns);
    int full = x2 - x;
    BarGeometry bar;
    bar.left = x + 1;
    bar.right = x + value * full / 100 - 1;
    bar.labelX = bar.right + 5;
    return bar;
}

void PlainReportText(const char *line, char *out, size_t outSize) {
    if (outSize == 0)
        return;
    size_t n = 0;
    bool markers = true; // '&' is a code only among a column's leading codes, as the Main Screen reads it
    for (const char *p = line; *p && n + 1 < outSize; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if ((c >= 1 && c <= 7) || (c == '&' && markers))
            continue;
        markers = c == '\t';
        out[n++] = *p;
    }
    out[n] = 0;
}

void HeadlessReportText(const char *line, char *out, size_t outSize) {
    if (outSize == 0)
        return;
    size_t n = 0;
    bool columnStart = true;
    for (const char *p = line; *p && n + 1 < outSize;) {
        if (columnStart) {
            const char *q = p;
            if (*q == kHeadingMark)
                ++q;
            if (*q == kSwatch) {
                // The colour bytes follow the code; a column cut short has zero for the missing ones.
                unsigned char rgb[3] = {};
                ++q;
                for (int i = 0; i < 3 && *q; ++i)
                    rgb[i] = static_cast<unsigned char>(*q++);
                if (n + 7 >= outSize)
                    break;
                snprintf(out + n, outSize - n, "#%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
                n += 7;
                p = q;
                columnStart = false;
                continue;
            }
        }
        unsigned char c = static_cast<unsigned char>(*p++);
        bool marker = (c >= 1 && c <= 7) || (c == '&' && columnStart);
        columnStart = c == '\t' || (marker && columnStart);
        if (marker)
            continue;
        out[n++] = static_cast<char>(c);
    }
    out[n] = 0;
}

bool RawReportText(const char *line, char *out, size_t outSize) {
    if (outSize == 0)
        return *line != 0;
    // No more than a report line holds, escapes included.
    size_t limit =
        outSize < static_cast<size_t>(kReportSlotSize) ? outSize : static_cast<size_t>(kReportSlotSize);
    size_t n = 0;
    const char *p = line;
    for (; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if ((c < 32 && c != '\t') || c > 126) {
            if (n + 4 >= limit)
                break;
            snprintf(out + n, outSize - n, "\\x%02X", c);
            n += 4;
        } else {
            if (n + 1 >= limit)
                break;
            out[n++] = *p;
        }
    }
    out[n] = 0;
    return *p != 0;
}

namespace {

struct SortContext {
    ReportBuffer *report;
    int (*compare)(const char *, const char *);
};

bool LineLess(void *context, int i, int j) {
    auto *sort = static_cast<SortContext *>(context);
    return sort->compare(sort->report->line[i], sort->report->line[j]) < 0;
}

void SwapLines(void *context, int i, int j) {
    auto *sort = static_cast<SortContext *>(context);
    char hold[kReportSlotSize];
    memcpy(hold, sort->report->line[i], kReportSlotSize);
    memcpy(sort->report->line[i], sort->report->line[j], kReportSlotSize);
    memcpy(sort->report->line[j], hold, kReportSlotSize);
}

} // namespace

void SortReportLines(ReportBuffer &report, int first, int last, int (*compare)(const char *, const char *)) {
    if (first < 0)
        first = 0;
    if (last >= report.count)
        last = report.count - 1;
    if (!compare || first >= last)
        return;
    SortContext context = {&report, compare};
    QuickSort(first, last, LineLess, SwapLines, &context);
}

int AddReportText(ReportBuffer &report, const char *text, size_t size) {
    // Runs of line feeds are one separator; a carriage return before a line feed is dropped.
    size_t at = 0;
    while (text && at < size && report.count < kReportSlots) {
        while (at < size && text[at] == '\n')
            ++at;
        if (at >= size || text[at] == 0)
            break;
        size_t end = at;
        while (end < size && text[end] != '\n' && text[end] != 0)
            ++end;
        size_t length = end - at;
        if (length && text[at + length - 1] == '\r')
            --length;
        char line[kReportSlotSize];
        size_t kept = length < sizeof line - 1 ? length : sizeof line - 1;
        memcpy(line, text + at, kept);
        line[kept] = 0;
        SetReportLine(report, report.count++, line);
        if (end < size && text[end] == 0)
            break;
        at = end + 1;
    }
    return report.count;
}
