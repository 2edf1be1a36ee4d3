// Tip records of COACH.DAT and BOOST.DAT, the Boost rules and the tip reports.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "advice/tips.h"
#include "tests/report_buffer_helpers.h"

namespace {

TipRecord Tip(uint32_t tool, int value, int effort, const char *name, const char *downside = "",
              const char *description = "") {
    TipRecord tip = {};
    tip.tool = tool;
    tip.value = value;
    tip.effort = effort;
    snprintf(tip.name, sizeof tip.name, "%s", name);
    snprintf(tip.downside, sizeof tip.downside, "%s", downside);
    snprintf(tip.description, sizeof tip.description, "%s", description);
    return tip;
}

TEST(TipFile, SizesAndPaths) {
    for (uint64_t size : {0, 651, 1000, 1305})
        EXPECT_FALSE(TipFileSizeGood(size)) << size;
    EXPECT_TRUE(TipFileSizeGood(652) && TipFileSizeGood(1304));
    char path[16];
    EXPECT_TRUE(TipFilePath("C:\\QV", "BOOST.DAT", path, sizeof path)); // 15 characters
    EXPECT_STREQ(path, "C:\\QV\\BOOST.DAT");
    EXPECT_FALSE(TipFilePath("C:\\QVX", "BOOST.DAT", path, sizeof path));
}

TEST(TipFile, RecordsAtTheirOffsetsAndNeverReadPastAField) {
    unsigned char image[2 * kTipRecordBytes];
    EncodeTipRecord(Tip(3, 4, -2, "Add memory", "Costs money", "Line one\nline two"), image);
    EncodeTipRecord(Tip(7, 1, 1, "Other"), image + kTipRecordBytes);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(image), 12),
              std::string("\3\0\0\0\4\0\0\0\xfe\xff\xff\xff", 12));
    EXPECT_STREQ(reinterpret_cast<char *>(image + 140), "Line one\nline two");
    // Fields filled to their ends without a zero, and control bytes in the columns.
    memset(image + 12, 'N', 64);
    memset(image + 76, 'D', 64);
    image[76] = '\t';
    memset(image + 140, 'X', 512);
    TipRecord tips[3];
    ASSERT_EQ(SelectTips(image, sizeof image - 1, 3, tips, 3), 1); // the cut second record is not read
    EXPECT_EQ(tips[0].value, 4);
    EXPECT_EQ(tips[0].effort, -2);
    EXPECT_EQ(std::string(tips[0].name), std::string(64, 'N'));
    EXPECT_EQ(std::string(tips[0].downside), " " + std::string(63, 'D'));
    EXPECT_EQ(std::string(tips[0].description), std::string(512, 'X'));
    EXPECT_EQ(SelectTips(image, sizeof image, 7, tips, 3), 1);
    EXPECT_STREQ(tips[0].name, "Other");
    EXPECT_EQ(SelectTips(image, sizeof image, 3, tips, 0), 0);
}

TEST(Boost, ShownValueFollowsTheLoadAndColourTheEffort) {
    struct Row {
        int value, load, shown;
    } rows[] = {{3, 7, 4}, {3, 3, 3}, {3, 2, 2}, {1, -4, 1}, {5, 9, 5}, {5, 4, 4}, {0, 0, 1}, {9, 10, 5}};
    for (const Row &r : rows)
        EXPECT_EQ(ShownBoostValue(r.value, r.load), r.shown) << r.value << " at " << r.load;
    EXPECT_EQ(BoostColour(4, 4), kGrey);
    EXPECT_EQ(BoostColour(4, 3), kBlue);
    EXPECT_EQ(BoostColour(4, 5), kGrey);
}

TEST(Boost, LoadLevelsFromTheHistogramMeans) {
    auto h = std::make_unique<PerformanceHistory>();
    h->cpu[73] = 5;            // CPU Speed: 7
    h->physicalFree[92] = 1;   // Memory Free: 5 - 9
    h->printPages[40] = 2;     // both printer tools
    h->displayActivity[9] = 1; // below ten: 0
    EXPECT_EQ(BoostLoadLevel(*h, 0), 7);
    EXPECT_EQ(BoostLoadLevel(*h, 3), -4);
    EXPECT_EQ(BoostLoadLevel(*h, 6), 4);
    EXPECT_EQ(BoostLoadLevel(*h, 7), 4);
    EXPECT_EQ(BoostLoadLevel(*h, 9), 0);
    EXPECT_EQ(BoostLoadLevel(*h, 10), 0);
    EXPECT_EQ(BoostToolIndex("Video Display"), 9);
    EXPECT_EQ(BoostToolIndex("Memory"), -1);
}

TEST(TipReports, BoostCoachAndTheirQuickHelp) {
    const TipRecord tips[] = {Tip(0, 3, 4, "Defragment", "Slow", "Moves files."),
                              Tip(0, 3, 3, "Add memory", "Costs money", "More room.")};
    auto report = NewReport();
    WriteBoostReport(*report, tips, 2, 7);
    EXPECT_EQ(ReportText(*report), "\6Tip\t\6Value\t\6Effort\t\6Downside\n"
                                   "&Defragment\t&4\t&4\t&Slow\n"
                                   "\3Add memory\t\0034\t\0033\t\3Costs money\n");
    WriteCoachReport(*report, "Typing Rate", tips, 2);
    EXPECT_EQ(ReportText(*report), "\6Ways To Improve Typing Rate\n\3Defragment\n\3Add memory\n");
    char help[200];
    size_t length = BuildTipsHelp("Intro", tips, 2, help, sizeof help);
    EXPECT_EQ(length, strlen(help));
    EXPECT_STREQ(help, "Intro\n \nDEFRAGMENT\nMoves files.\n \nADD MEMORY\nMore room.\n \n");
    EXPECT_EQ(BuildTipsHelp("Intro", tips, 2, help, 12), 11u);
    EXPECT_STREQ(help, "Intro\n \nDEF");
    EXPECT_EQ(BuildTipsHelp(nullptr, tips, 0, help, sizeof help), 3u);
}

} // namespace
