#include "report/utilities.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DebugTraceText, EachKindFormatsItsValue) {
    char out[256];
    FormatTrace(out, sizeof out, kTraceBool, "flag", 1);
    EXPECT_STREQ(out, "flag = TRUE");
    FormatTrace(out, sizeof out, kTraceBool, "flag", 2);
    EXPECT_STREQ(out, "flag = FALSE") << "only exactly 1 is TRUE";
    FormatTrace(out, sizeof out, kTraceBool, "flag", 0);
    EXPECT_STREQ(out, "flag = FALSE");
    FormatTrace(out, sizeof out, kTraceInt, "n", -42);
    EXPECT_STREQ(out, "n = -42");
    FormatTrace(out, sizeof out, kTraceText, "Main...", "Initialize");
    EXPECT_STREQ(out, "Main... = Initialize");
    FormatTrace(out, sizeof out, kTraceFloat, "f", 3.14159);
    EXPECT_STREQ(out, "f =  3.14");
    FormatTrace(out, sizeof out, kTraceULong, "u", 4000000000UL);
    EXPECT_STREQ(out, "u = 4000000000");
    FormatTrace(out, sizeof out, kTraceChar, "c", 'A');
    EXPECT_STREQ(out, "c = A");
    FormatTrace(out, sizeof out, kTraceUInt, "u", 4294967295U);
    EXPECT_STREQ(out, "u = 4294967295");
    FormatTrace(out, sizeof out, kTraceDouble, "d", 123.456);
    EXPECT_STREQ(out, "d = 123.46");
}

TEST(DebugTraceText, LongTextIsCutToTheBuffer) {
    std::string value(1000, 'x');
    char out[256];
    FormatTrace(out, sizeof out, kTraceText, "label", value.c_str());
    EXPECT_EQ(std::string(out).size(), 255u);
    EXPECT_EQ(std::string(out).substr(0, 8), "label = ");
}

TEST(CenteredPosition, OverAnotherWindow) {
    ScreenRect desktop = {0, 0, 800, 600};
    ScreenRect other = {100, 100, 500, 400};
    ScreenPoint p = CenteredPosition(200, 100, &other, desktop);
    EXPECT_EQ(p.x, 300 - 100);
    EXPECT_EQ(p.y, 250 - 50);
}

TEST(CenteredPosition, NegativeBecomesZeroAndRightEdgeIsKept) {
    ScreenRect desktop = {0, 0, 800, 600};
    // Centre 50 pixels from the left edge: a 200-wide window would start at -50.
    ScreenRect nearLeft = {0, 0, 100, 100};
    EXPECT_EQ(CenteredPosition(200, 50, &nearLeft, desktop).x, 0);
    EXPECT_EQ(CenteredPosition(200, 150, &nearLeft, desktop).y, 0);
    ScreenRect nearRight = {700, 500, 800, 600};
    ScreenPoint p = CenteredPosition(200, 150, &nearRight, desktop);
    EXPECT_EQ(p.x, 600);
    EXPECT_EQ(p.y, 450);
}

TEST(CenteredPosition, OverTheDesktop) {
    ScreenRect desktop = {0, 0, 1024, 768};
    ScreenPoint p = CenteredPosition(301, 101, nullptr, desktop);
    EXPECT_EQ(p.x, 512 - 150);
    EXPECT_EQ(p.y, 384 - 50);
    p = CenteredPosition(2000, 1000, nullptr, desktop);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

} // namespace
