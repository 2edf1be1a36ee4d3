#include "app/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {
std::array<int, 4> Rect(const ChildRect &r) {
    return {r.x, r.y, r.width, r.height};
}

TEST(MainLayout, ScreensShareTheWidthTwoThirdsToOneThirdTitlesAbove) {
    // A 632 x 434 client area and 26-pixel toolbars: W = 602; 401.3 and 200.66 are truncated.
    MainLayout l = ComputeMainLayout(632, 434, 26);
    EXPECT_EQ(Rect(l.mainScreen), (std::array<int, 4>{10, 56, 401, 352}));
    EXPECT_EQ(Rect(l.mainTitle), (std::array<int, 4>{10, 28, 401, 25}));
    EXPECT_EQ(Rect(l.helpScreen), (std::array<int, 4>{421, 56, 200, 352}));
    EXPECT_EQ(Rect(l.helpTitle), (std::array<int, 4>{421, 28, 200, 25}));
    // The multipliers are exact, not thirds: 3000 gives 2000 and 999 (a true third would give 1000).
    l = ComputeMainLayout(3030, 500, 20);
    EXPECT_EQ(std::pair(l.mainScreen.width, l.helpScreen.width), std::pair(2000, 999));
}
} // namespace
