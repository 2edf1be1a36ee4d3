// The Help tours: their steps, where the bar stands for each, and how the bar lays itself out and
// flips at the main window's right edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/help_tours.h"

namespace {

std::string Heading(int topic, int step) {
    std::string text = TourStepText(topic, step);
    return text.substr(0, text.find('\n'));
}

TEST(HelpTours, TopicsHaveTheirStepsInOrder) {
    const struct {
        int topic;
        std::vector<std::string> headings; // the first and the last where the list is long
        int count;
    } cases[] = {
        {kTopicScreenOverview,
         {"MAIN MENU", "TOP TOOLBAR", "MAIN SCREEN", "QUICK HELP SCREEN", "BOTTOM TOOLBAR", "POPUPS"},
         6},
        {kTopicMainScreen,
         {"MAIN SCREEN", "CLICKING", "SCROLL BARS", "TEST RESULTS", "INFORMATION", "GRAPHS"},
         6},
        {kTopicMenus, {"MAIN MENU", "FILE", "ACTION", "ACTION", "HELP"}, 5},
        {kTopicQuickHelp,
         {"QUICK HELP SCREEN", "SCROLLING", "LAYOUT", "OVERVIEW", "MORE INFORMATION", "DESCRIPTION", "USES",
          "WARNINGS"},
         8},
        {kTopicToolbars,
         {"ACTION", "COACH", "EXPLORE", "CHECK", "BOOST", "MONITOR", "DIAGNOSE", "BOTTLE", "PROGRAMS",
          "UPGRADE", "INSTALL", "INFO", "PRINT", "BOTTOM TOOLBAR"},
         14},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(TourStepCount(c.topic), c.count) << kHelpTopicName[c.topic];
        for (int step = 0; step < c.count; ++step) {
            EXPECT_EQ(Heading(c.topic, step), c.headings[step]);
            std::string text = TourStepText(c.topic, step);
            EXPECT_GT(text.size(), c.headings[step].size() + 20)
                << "an explanation follows " << c.headings[step];
        }
        EXPECT_EQ(TourStepText(c.topic, c.count), nullptr);
    }
    EXPECT_EQ(TourStepCount(kHelpTopicCount), 0);
}

TourFrame SampleFrame() {
    TourFrame f = {};
    f.main = {100, 50, 740, 530};
    f.captionHeight = 18;
    f.topToolbar = {104, 90, 736, 118};
    for (int i = 0; i < kTourToolbarButtons; ++i)
        f.topButton[i] = {104 + 39 * i, 92, 143 + 39 * i, 114};
    f.bottomToolbar = {104, 498, 736, 526};
    f.mainScreen = {110, 140, 420, 490};
    f.helpScreen = {430, 140, 730, 490};
    f.helpWindow = {200, 200, 340, 290};
    f.barHeight = 27;
    return f;
}

TEST(HelpTours, StepsStandNextToTheirItems) {
    const TourFrame f = SampleFrame();
    const struct {
        int topic, step, x, y, buttonWidth;
    } cases[] = {
        {kTopicScreenOverview, 0, 150, 68, 0},  {kTopicScreenOverview, 2, 210, 190, 0},
        {kTopicScreenOverview, 3, 480, 190, 0}, {kTopicScreenOverview, 4, 150, 471, 0},
        {kTopicScreenOverview, 5, 250, 250, 0}, {kTopicMainScreen, 0, 210, 140, 0},
        {kTopicMainScreen, 1, 210, 200, 0},     {kTopicMainScreen, 5, 210, 320, 0},
        {kTopicMenus, 0, 100, 68, 0},           {kTopicMenus, 4, 300, 68, 0},
        {kTopicQuickHelp, 0, 480, 140, 0},      {kTopicQuickHelp, 7, 480, 380, 0},
        {kTopicToolbars, 0, 143, 92, 39},       {kTopicToolbars, 12, 611, 92, 39},
        {kTopicToolbars, 13, 150, 471, 0},
    };
    for (const auto &c : cases) {
        TourPlace place = {};
        ASSERT_TRUE(TourStepPlace(c.topic, c.step, f, &place));
        EXPECT_EQ(place.x, c.x) << kHelpTopicName[c.topic] << " step " << c.step;
        EXPECT_EQ(place.y, c.y) << kHelpTopicName[c.topic] << " step " << c.step;
        EXPECT_EQ(place.buttonWidth, c.buttonWidth) << kHelpTopicName[c.topic] << " step " << c.step;
    }
    TourPlace place = {};
    EXPECT_FALSE(TourStepPlace(kTopicMenus, 5, f, &place));
    EXPECT_FALSE(TourStepPlace(kTopicMenus, -1, f, &place));
}

TEST(HelpTours, BarFlipsWhenItWouldPassTheRightEdge) {
    const int width[kBarControlCount] = {32, 150, 30, 30}; // icon, list, Done, Next
    const int barWidth = 32 + 150 + 30 + 30 + 2 * 3 + 2;
    const struct {
        int x;
        bool flipped;
        int left;
    } cases[] = {{0, false, 0},
                 {1000 - barWidth, false, 1000 - barWidth},
                 {1001 - barWidth, true, 1001 - 2 * barWidth - 39}};
    for (const auto &c : cases) {
        HelpBarLayout layout = LayOutHelpBar(c.x, 1000, width, 3, 39);
        EXPECT_EQ(layout.width, barWidth);
        EXPECT_EQ(layout.flipped, c.flipped) << c.x;
        EXPECT_EQ(layout.x, c.left) << c.x;
        if (c.flipped) {
            EXPECT_EQ(layout.left[kBarNext], 1);
            EXPECT_EQ(layout.left[kBarDone], 31);
            EXPECT_EQ(layout.left[kBarList], 61);
            EXPECT_EQ(layout.left[kBarIcon], 211);
        } else {
            EXPECT_EQ(layout.left[kBarIcon], 1);
            EXPECT_EQ(layout.left[kBarList], 33);
            EXPECT_EQ(layout.left[kBarDone], 183);
            EXPECT_EQ(layout.left[kBarNext], 213);
        }
    }
}

} // namespace
