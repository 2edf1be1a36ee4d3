// The Bottle tools' wait times and their text (the mean loads are checked in the window test).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "advice/bottle.h"

namespace {

TEST(Bottle, WaitTimesAndTheirText) {
    auto history = std::make_unique<PerformanceHistory>();
    history->cpu[100] = 90061;        // 90061 s
    history->displayActivity[50] = 2; // 1 s
    history->displayActivity[0] = 99; // never counts
    WaitTimes times = ComputeWaitTimes(*history);
    EXPECT_DOUBLE_EQ(times.total, 90062);
    EXPECT_EQ(times.bar[0], 99);
    EXPECT_EQ(times.bar[6], 0);
    EXPECT_EQ(times.percent, 0) << "no active seconds yet";
    history->activeSeconds = 180124;
    EXPECT_EQ(ComputeWaitTimes(*history).percent, 50);
    struct Case {
        double seconds;
        const char *text;
    } cases[] = {{90061, "01:01:01"},          {0, "00:00:00"}, {3599.9, "00:00:59"}, {86399, "00:23:59"},
                 {86400 * 120.0, "120:00:00"}, {-5, "00:00:00"}};
    for (const Case &c : cases) {
        char text[16];
        FormatWaitTime(c.seconds, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.seconds;
    }
}

} // namespace
