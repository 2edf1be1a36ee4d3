#include "report/about.h"
#include "report/pyramid.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <limits>
#include <string>

namespace {

std::string Line(const ReportBuffer &r, int i) {
    return r.line[i];
}

struct AboutFixture : testing::Test {
    std::unique_ptr<ReportBuffer> report = std::make_unique<ReportBuffer>();
    PerformanceHistory history = {};
    CalendarDate today = {2026, 12, 6};
};

TEST_F(AboutFixture, EighteenFixedLinesThenFourStatusLines) {
    report->count = 99;
    WriteAboutContent(*report, history, today);
    ASSERT_EQ(report->count, kAboutLines);
    EXPECT_EQ(Line(*report, 0), "Quorvex");
    EXPECT_EQ(Line(*report, 1), "For Windows 95");
    EXPECT_EQ(Line(*report, 3), "Version 1.0");
    EXPECT_EQ(Line(*report, 4), " ");
    EXPECT_EQ(Line(*report, 5)[0], '\006');
    EXPECT_EQ(Line(*report, 11), "\006Designed and Written by");
    EXPECT_EQ(Line(*report, 14), "\006Technical Support");
    EXPECT_EQ(Line(*report, 15), "\003See the README.TXT file on the Installation Disk");
    EXPECT_EQ(Line(*report, 17), "\006Status");
    EXPECT_EQ(Line(*report, 18), "Running (dd:hh:mm)\t\00300:00:00");
    EXPECT_EQ(Line(*report, 20), "Used (dd:hh:mm)\t\00300:00:00");
}

TEST_F(AboutFixture, DurationsInDaysHoursMinutes) {
    history.monitoredSeconds = 90061; // one day, one hour, one minute and a second
    history.activeSeconds = 3599;
    WriteAboutContent(*report, history, today);
    EXPECT_EQ(Line(*report, 18), "Running (dd:hh:mm)\t\00301:01:01");
    EXPECT_EQ(Line(*report, 20), "Used (dd:hh:mm)\t\00300:00:59");
}

TEST_F(AboutFixture, DamagedSecondsShowZeroOrTheLongestDuration) {
    char out[32];
    FormatDuration(-5.0f, out, sizeof out);
    EXPECT_STREQ(out, "00:00:00");
    FormatDuration(std::numeric_limits<float>::quiet_NaN(), out, sizeof out);
    EXPECT_STREQ(out, "00:00:00");
    FormatDuration(std::numeric_limits<float>::infinity(), out, sizeof out);
    EXPECT_STREQ(out, "24855:03:14");
}

TEST_F(AboutFixture, StoredDateOrTodayWhenImplausible) {
    history.day = 9;
    history.month = 3;
    history.year = 2001;
    WriteAboutContent(*report, history, today);
    EXPECT_EQ(Line(*report, 19), "Date Last Used\t\00303/09/01");
    history.year = 2000;
    WriteAboutContent(*report, history, today);
    EXPECT_EQ(Line(*report, 19), "Date Last Used\t\00303/09/00");
    history.year = 1995;
    history.month = 12; // the last month is plausible too
    history.day = 31;
    WriteAboutContent(*report, history, today);
    EXPECT_EQ(Line(*report, 19), "Date Last Used\t\00312/31/95");
    struct Bad {
        uint32_t day, month, year;
    } bad[] = {{0, 0, 0}, {9, 0, 2001}, {9, 13, 2001}, {0, 3, 2001}, {32, 3, 2001}, {9, 3, 0}, {9, 3, 2101}};
    for (const Bad &b : bad) {
        history.day = b.day;
        history.month = b.month;
        history.year = b.year;
        WriteAboutContent(*report, history, today);
        EXPECT_EQ(Line(*report, 19), "Date Last Used\t\00312/06/26")
            << b.day << "/" << b.month << "/" << b.year;
    }
}

TEST_F(AboutFixture, DatesUsedIsAtLeastOne) {
    WriteAboutContent(*report, history, today);
    EXPECT_EQ(Line(*report, 21), "Dates Used\t\0031");
    history.daysSeen = 4000000000u;
    WriteAboutContent(*report, history, today);
    EXPECT_EQ(Line(*report, 21), "Dates Used\t\0034000000000");
}

TEST(PyramidGeometry, PointsScaleWithThePicture) {
    EXPECT_EQ(PyramidLevelPoint(0, 300, 300).x, 30);
    EXPECT_EQ(PyramidLevelPoint(0, 300, 300).y, 280);
    EXPECT_EQ(PyramidLevelPoint(8, 300, 300).x, 150);
    EXPECT_EQ(PyramidLevelPoint(8, 300, 300).y, 30);
    EXPECT_EQ(PyramidLevelPoint(6, 150, 100).x, 60);
    EXPECT_EQ(PyramidLevelPoint(6, 150, 100).y, 32);
    EXPECT_EQ(PyramidBackgroundPoint(1, 300, 300).x, 290);
    EXPECT_EQ(PyramidBackgroundPoint(0, 299, 299).x, 9);
}

TEST(PyramidGeometry, PicturesCentreOverTheMainWindow) {
    EXPECT_EQ(CentredPicture(640, 480, 300, 300).x, 170);
    EXPECT_EQ(CentredPicture(640, 480, 300, 300).y, 90);
    EXPECT_EQ(CentredPicture(640, 480, 151, 151).x, 320 - 75);
}

} // namespace
