#include "app/layout.h"

#include <gtest/gtest.h>

namespace {

TEST(MainLayout, ScreensShareTheWidthTwoThirdsToOneThirdWithTruncation) {
    // A 640 x 480 window with a 26-pixel toolbar leaves a client area of about 632 x 434.
    MainLayout l = ComputeMainLayout(632, 434, 26);
    // W = 602: 602 x 0.66667 = 401.3 and 602 x 0.33333 = 200.66, both truncated.
    EXPECT_EQ(l.mainScreen.x, 10);
    EXPECT_EQ(l.mainScreen.y, 56);
    EXPECT_EQ(l.mainScreen.width, 401);
    EXPECT_EQ(l.mainScreen.height, 434 - 56 - 26);
    EXPECT_EQ(l.helpScreen.x, 10 + 401 + 10);
    EXPECT_EQ(l.helpScreen.y, 56);
    EXPECT_EQ(l.helpScreen.width, 200);
    EXPECT_EQ(l.helpScreen.height, l.mainScreen.height);
}

TEST(MainLayout, TitlesStandAboveTheirScreens) {
    MainLayout l = ComputeMainLayout(632, 434, 28);
    EXPECT_EQ(l.mainTitle.x, l.mainScreen.x);
    EXPECT_EQ(l.mainTitle.width, l.mainScreen.width);
    EXPECT_EQ(l.mainTitle.y, l.mainScreen.y - 28);
    EXPECT_EQ(l.mainTitle.height, 25);
    EXPECT_EQ(l.helpTitle.x, l.helpScreen.x);
    EXPECT_EQ(l.helpTitle.width, l.helpScreen.width);
    EXPECT_EQ(l.helpTitle.y, l.helpScreen.y - 28);
    EXPECT_EQ(l.helpTitle.height, 25);
}

TEST(MainLayout, MultipliersAreExactNotTwoThirds) {
    // 3000 x 0.66667 = 2000.01 -> 2000, 3000 x 0.33333 = 999.99 -> 999 (a true third would give 1000).
    MainLayout l = ComputeMainLayout(3030, 500, 20);
    EXPECT_EQ(l.mainScreen.width, 2000);
    EXPECT_EQ(l.helpScreen.width, 999);
}

} // namespace
