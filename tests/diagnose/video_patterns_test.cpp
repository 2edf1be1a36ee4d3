// The video test's colour chart geometry.
#include "diagnose/video_patterns.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(VideoPatterns, CalibrationCellsSitInRowsOneAndThreeOnOddColumns) {
    const struct {
        int index;
        const char *name;
        int left, top, right, bottom, nameLeft, nameTop;
    } cases[] = {{0, "White", 60, 120, 120, 240, 50, 90},
                 {7, "Lt Gray", 900, 120, 960, 240, 890, 90},
                 {8, "Dk Gray", 60, 360, 120, 480, 50, 330},
                 {15, "Black", 900, 360, 960, 480, 890, 330}};
    for (const auto &c : cases) {
        CalibrationCell cell = CalibrationCellAt(c.index, 1024, 600); // cells of 60 x 120
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::string(cell.name), c.name);
        EXPECT_EQ(cell.left, c.left);
        EXPECT_EQ(cell.top, c.top);
        EXPECT_EQ(cell.right, c.right);
        EXPECT_EQ(cell.bottom, c.bottom);
        EXPECT_EQ(cell.nameLeft, c.nameLeft);
        EXPECT_EQ(cell.nameTop, c.nameTop);
        EXPECT_EQ(cell.nameRight, c.right + 10);
        EXPECT_EQ(cell.nameBottom, c.bottom - 10);
    }
}

} // namespace
