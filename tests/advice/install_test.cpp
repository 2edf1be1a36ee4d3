// The Install reports: one whole report, and what sets the others apart.
#include <gtest/gtest.h>

#include "advice/install.h"
#include "tests/report_buffer_helpers.h"

namespace {

TEST(Install, PrinterReport) {
    auto report = NewReport();
    ASSERT_TRUE(WriteInstallReport(*report, 6));
    EXPECT_EQ(ReportText(*report),
              "\6Installing Printer\n"
              "NOVICE difficulty\t\3Low\nEXPERIENCED difficulty\t\3Low\nEXPERT difficulty\t\3Low\n\n"
              "\6Skills Required\n\3Plugging in parallel cable\n\3Installing ink cartridge\n"
              "\3Running setup program\n\n"
              "\6Tools Required\n\3None\n\n"
              "\6Problems\nRisk from problems\t\3Low\nLikelihood of problems\t\3Low\n"
              "Frustration rating\t\3Low\n\n"
              "\6Potential Problems\n\3Incorrect cable type\n\3Out-of-date printer driver\n\n"
              "\6Time Estimate\nTime if NOVICE\t\00320 minutes\nTime if EXPERIENCED\t\00310 minutes\n"
              "Time if EXPERT\t\00310 minutes\n\n"
              "\6Should You Get Help\nNOVICE needs help\t\3No\nEXPERIENCED needs help\t\3No\n"
              "EXPERT needs help\t\3No\nHelp cost estimate\t\3$0\n");
}

TEST(Install, ComponentsTimesAndIndexes) {
    auto report = NewReport();
    const struct {
        int index;
        const char *first, *line;
    } rows[] = {
        {0, "\6Installing Hard Disks", "\3FDISK without specifying active partition"},
        {4, "\6Installing Motherboard", "EXPERIENCED needs help\t\3Suggested"},
        {5, "\6Installing I/O Card", "\3Locating the old I/O card"},
        {7, "\6Installing Software", "Time if EXPERT\t\00310 - 120 minutes"},
    };
    for (const auto &r : rows) {
        ASSERT_TRUE(WriteInstallReport(*report, r.index));
        std::vector<std::string> lines = Lines(*report);
        EXPECT_EQ(lines.front(), r.first);
        EXPECT_NE(std::find(lines.begin(), lines.end(), r.line), lines.end()) << r.line;
    }
    report->count = 5;
    EXPECT_FALSE(WriteInstallReport(*report, -1));
    EXPECT_FALSE(WriteInstallReport(*report, kInstallToolCount));
    EXPECT_EQ(report->count, 5);
}

} // namespace
