// Coach and Boost tips: the 652-byte records of COACH.DAT and BOOST.DAT, the Boost load levels and
// colours, and the reports and Quick Help texts built from the tips. No window types here.
//
// A tip file is a whole, non-zero number of records and nothing else:
//   offset 0    uint32 LE   tool index the tip belongs to (Boost 0..9, Coach 0..12)
//   offset 4    int32 LE    Value (Boost only)
//   offset 8    int32 LE    Effort (Boost only)
//   offset 12   64 bytes    tip name, zero-terminated
//   offset 76   64 bytes    downside (Boost only), zero-terminated
//   offset 140  512 bytes   description, zero-terminated
// A text field that fills its whole width without a zero ends at the field's end.
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/performance.h"
#include "report/report_lines.h"

constexpr int kTipRecordBytes = 652;
constexpr int kTipNameBytes = 64;
constexpr int kTipDownsideBytes = 64;
constexpr int kTipDescriptionBytes = 512;

constexpr char kBoostFileName[] = "BOOST.DAT";
constexpr char kCoachFileName[] = "COACH.DAT";
constexpr char kTipErrorCaption[] = "Error!";
// Filled with the file name.
constexpr char kTipFileErrorFormat[] =
    "Unable to find or read data file %s. Replace the file with a good copy.";
constexpr char kBoostIndexErrorText[] =
    "Unable to show tips due to error. If this occurs again call Technical Support.";

constexpr int kBoostToolCount = 10;
constexpr int kBoostValueLow = 1;
constexpr int kBoostValueHigh = 5;

struct TipRecord {
    uint32_t tool;
    int32_t value;
    int32_t effort;
    char name[kTipNameBytes + 1];
    char downside[kTipDownsideBytes + 1];
    char description[kTipDescriptionBytes + 1];
};

// Whether a file of this size can be a tip file: a whole, non-zero multiple of the record size.
bool TipFileSizeGood(uint64_t size);
// The file's path: "%s\%s" with the program's directory and the file name. False when it does not fit.
bool TipFilePath(const char *directory, const char *fileName, char *path, size_t size);
// Reads one record. Name and downside become report columns, so their control bytes (tabs, line feeds)
// turn into spaces; the description keeps its line feeds for the Quick Help.
void DecodeTipRecord(const unsigned char *bytes, TipRecord &tip);
// Writes one record: every byte of it, texts cut to their width less the terminating zero.
void EncodeTipRecord(const TipRecord &tip, unsigned char *bytes);
// Appends the records of the image (whole records only) whose tool index is the one wanted to tips,
// which has room for capacity records. Returns how many it appended.
int SelectTips(const unsigned char *image, size_t size, uint32_t tool, TipRecord *tips, int capacity);

// ---- Boost ----

// The index of the Boost tool of this name ("CPU Speed" 0 .. "Video Display" 9), or -1.
int BoostToolIndex(const char *toolName);
// How heavily the history says the part behind a Boost tool is loaded: a mean of its histogram divided
// by ten (0..10); for Memory Free, 5 less the tenth of the mean free physical memory (-5..5).
int BoostLoadLevel(const PerformanceHistory &history, int index);
// The Value shown for a tip under load level L: one lower when L is below it, one higher when L is
// above it, kept in 1..5.
int ShownBoostValue(int value, int load);
// Grey (a tip whose Effort is at least its shown Value) or blue.
char BoostColour(int shownValue, int effort);
// The Boost report: the heading line, then one coloured line per tip in file order.
void WriteBoostReport(ReportBuffer &report, const TipRecord *tips, int count, int load);

// ---- Coach ----

// The Coach report: "Ways To Improve <tool>", then one blue line per tip name.
void WriteCoachReport(ReportBuffer &report, const char *toolName, const TipRecord *tips, int count);

// The Quick Help text of a tip list: the intro, "\n \n", then per tip its name in upper case, "\n",
// its description and "\n \n". Cut to size - 1 characters; returns the length.
size_t BuildTipsHelp(const char *intro, const TipRecord *tips, int count, char *out, size_t size);
