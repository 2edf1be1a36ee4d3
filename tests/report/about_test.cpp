#include "report/about.h"
#include "report/pyramid.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/report_buffer_helpers.h"

namespace {
// The four status lines the About box shows for a history; today is 6 December 2026.
std::vector<std::string> Status(const PerformanceHistory &history) {
    auto report = NewReport();
    report->count = 99; // the content starts the report over
    WriteAboutContent(*report, history, {2026, 12, 6});
    EXPECT_EQ(report->count, kAboutLines);
    EXPECT_STREQ(report->line[17], "\006Status");
    std::vector<std::string> lines = Lines(*report);
    return std::vector<std::string>(lines.begin() + 18, lines.end());
}

TEST(About, StatusLinesInDaysHoursMinutesEvenFromADamagedHistory) {
    PerformanceHistory history = {};
    history.monitoredSeconds = 90061; // a day, an hour, a minute and a second
    history.activeSeconds = 3599;
    history.day = 9, history.month = 3, history.year = 2001;
    EXPECT_EQ(Status(history),
              (std::vector<std::string>{"Running (dd:hh:mm)\t\00301:01:01", "Date Last Used\t\00303/09/01",
                                        "Used (dd:hh:mm)\t\00300:00:59", "Dates Used\t\0031"}));
    history.daysSeen = 4000000000u;
    EXPECT_EQ(Status(history)[3], "Dates Used\t\0034000000000");
    // A damaged history may hold any float: durations show zero or the longest one.
    auto shown = [](float seconds) {
        char out[32] = "unchanged";
        FormatDuration(seconds, out, sizeof out);
        return std::string(out);
    };
    EXPECT_EQ(shown(-5.0f) + " " + shown(std::numeric_limits<float>::quiet_NaN()) + " " +
                  shown(std::numeric_limits<float>::infinity()),
              "00:00:00 00:00:00 24855:03:14");
}

TEST(About, StoredDateOrTodayWhenImplausible) {
    const struct {
        uint32_t day, month, year;
        const char *shown;
    } cases[] = {{31, 12, 1995, "12/31/95"}, {1, 1, 2100, "01/01/00"},  {9, 3, 1, "03/09/01"},
                 {9, 0, 2001, "12/06/26"},   {9, 13, 2001, "12/06/26"}, {0, 3, 2001, "12/06/26"},
                 {32, 3, 2001, "12/06/26"},  {9, 3, 0, "12/06/26"},     {9, 3, 2101, "12/06/26"}};
    for (const auto &c : cases) {
        PerformanceHistory history = {};
        history.day = c.day, history.month = c.month, history.year = c.year;
        EXPECT_EQ(Status(history)[1], std::string("Date Last Used\t\003") + c.shown)
            << c.day << "/" << c.month << "/" << c.year;
    }
}

TEST(PyramidGeometry, PointsScaleWithThePictureWhichCentresOverTheMainWindow) {
    const struct {
        PicturePoint got, expected;
    } cases[] = {
        {PyramidLevelPoint(0, 300, 300), {30, 280}},     {PyramidLevelPoint(8, 300, 300), {150, 30}},
        {PyramidLevelPoint(6, 150, 100), {60, 32}},      {PyramidBackgroundPoint(1, 300, 300), {290, 10}},
        {PyramidBackgroundPoint(0, 299, 299), {9, 9}},   {CentredPicture(640, 480, 300, 300), {170, 90}},
        {CentredPicture(640, 480, 151, 151), {245, 165}}};
    for (const auto &c : cases)
        EXPECT_EQ(std::pair(c.got.x, c.got.y), std::pair(c.expected.x, c.expected.y));
}
} // namespace
