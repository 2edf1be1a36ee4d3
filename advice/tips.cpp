#include "advice/tips.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

namespace {

constexpr int kNameOffset = 12;
constexpr int kDownsideOffset = 76;
constexpr int kDescriptionOffset = 140;

uint32_t ReadU32(const unsigned char *p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void WriteU32(uint32_t v, unsigned char *p) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// Copies a text field up to its first zero or its end, whichever comes first; out has width + 1 bytes.
void ReadField(const unsigned char *field, int width, char *out) {
    int n = 0;
    while (n < width && field[n])
        ++n;
    memcpy(out, field, n);
    out[n] = 0;
}

void WriteField(const char *text, int width, unsigned char *field) {
    size_t n = strnlen(text, width - 1);
    memcpy(field, text, n);
}

const char *const kBoostNames[kBoostToolCount] = {
    "CPU Speed",   "Disk Space",    "Disk Speed",    "Memory Free", "Memory Speed",
    "Modem Speed", "Print Spooler", "Printer Speed", "Video Speed", "Video Display"};

unsigned Mean(const uint32_t (&histogram)[kUsageSlots]) {
    return HistogramMean(histogram, sizeof histogram);
}

void AddHelpText(const char *text, char *out, size_t size, size_t &length) {
    for (; *text && length + 1 < size; ++text)
        out[length++] = *text;
    out[length] = 0;
}

} // namespace

bool TipFileSizeGood(uint64_t size) {
    return size > 0 && size % kTipRecordBytes == 0;
}

bool TipFilePath(const char *directory, const char *fileName, char *path, size_t size) {
    int n = snprintf(path, size, "%s\\%s", directory, fileName);
    return n >= 0 && static_cast<size_t>(n) < size;
}

void DecodeTipRecord(const unsigned char *bytes, TipRecord &tip) {
    tip.tool = ReadU32(bytes);
    tip.value = static_cast<int32_t>(ReadU32(bytes + 4));
    tip.effort = static_cast<int32_t>(ReadU32(bytes + 8));
    ReadField(bytes + kNameOffset, kTipNameBytes, tip.name);
    ReadField(bytes + kDownsideOffset, kTipDownsideBytes, tip.downside);
    ReadField(bytes + kDescriptionOffset, kTipDescriptionBytes, tip.description);
    CleanOutsideText(tip.name);
    CleanOutsideText(tip.downside);
}

void EncodeTipRecord(const TipRecord &tip, unsigned char *bytes) {
    memset(bytes, 0, kTipRecordBytes);
    WriteU32(tip.tool, bytes);
    WriteU32(static_cast<uint32_t>(tip.value), bytes + 4);
    WriteU32(static_cast<uint32_t>(tip.effort), bytes + 8);
    WriteField(tip.name, kTipNameBytes, bytes + kNameOffset);
    WriteField(tip.downside, kTipDownsideBytes, bytes + kDownsideOffset);
    WriteField(tip.description, kTipDescriptionBytes, bytes + kDescriptionOffset);
}

int SelectTips(const unsigned char *image, size_t size, uint32_t tool, TipRecord *tips, int capacity) {
    int count = 0;
    for (size_t at = 0; at + kTipRecordBytes <= size && count < capacity; at += kTipRecordBytes)
        if (ReadU32(image + at) == tool)
            DecodeTipRecord(image + at, tips[count++]);
    return count;
}

int BoostToolIndex(const char *toolName) {
    for (int i = 0; toolName && i < kBoostToolCount; ++i)
        if (strcmp(toolName, kBoostNames[i]) == 0)
            return i;
    return -1;
}

int BoostLoadLevel(const PerformanceHistory &h, int index) {
    switch (index) {
        case 0:
            return static_cast<int>(Mean(h.cpu) / 10);
        case 1:
            return static_cast<int>(Mean(h.diskFree) / 10);
        case 2:
            return static_cast<int>(Mean(h.transfers) / 10);
        case 3:
            return 5 - static_cast<int>(Mean(h.physicalFree) / 10);
        case 4:
            return static_cast<int>(Mean(h.paging) / 10);
        case 5:
            return static_cast<int>(Mean(h.modem) / 10);
        case 6:
        case 7:
            return static_cast<int>(Mean(h.printPages) / 10);
        case 8:
            return static_cast<int>(Mean(h.screenChange) / 10);
        case 9:
            return static_cast<int>(Mean(h.displayActivity) / 10);
        default:
            return 0;
    }
}

int ShownBoostValue(int value, int load) {
    int v = value;
    if (load < v)
        v = v - 1;
    else if (load > v)
        v = v + 1;
    return v < kBoostValueLow ? kBoostValueLow : v > kBoostValueHigh ? kBoostValueHigh : v;
}

char BoostColour(int shownValue, int effort) {
    return effort >= shownValue ? kGrey : kBlue;
}

void WriteBoostReport(ReportBuffer &report, const TipRecord *tips, int count, int load) {
    BeginReport(report);
    AddReportLine(report, "%cTip\t%cValue\t%cEffort\t%cDownside", kHeadingMark, kHeadingMark, kHeadingMark,
                  kHeadingMark);
    for (int i = 0; i < count; ++i) {
        int v = ShownBoostValue(tips[i].value, load);
        char c = BoostColour(v, tips[i].effort);
        AddReportLine(report, "%c%s\t%c%d\t%c%d\t%c%s", c, tips[i].name, c, v, c,
                      static_cast<int>(tips[i].effort), c, tips[i].downside);
    }
}

void WriteCoachReport(ReportBuffer &report, const char *toolName, const TipRecord *tips, int count) {
    BeginReport(report);
    AddReportLine(report, "%cWays To Improve %s", kHeadingMark, toolName);
    for (int i = 0; i < count; ++i)
        AddReportLine(report, "%c%s", kBlue, tips[i].name);
}

size_t BuildTipsHelp(const char *intro, const TipRecord *tips, int count, char *out, size_t size) {
    if (!size)
        return 0;
    size_t length = 0;
    out[0] = 0;
    AddHelpText(intro ? intro : "", out, size, length);
    AddHelpText("\n \n", out, size, length);
    for (int i = 0; i < count; ++i) {
        char name[kTipNameBytes + 1];
        CopyUpper(tips[i].name, name, sizeof name);
        AddHelpText(name, out, size, length);
        AddHelpText("\n", out, size, length);
        AddHelpText(tips[i].description, out, size, length);
        AddHelpText("\n \n", out, size, length);
    }
    return length;
}
