#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

TEST(Catalogue, FamiliesHoldAll148ToolsInIdOrderFromTheirBase) {
    struct Expect {
        Family family;
        int base, count, bitmap, top;
        const char *tooltip;
    } expected[] = {
        {kFamilyAction, 3300, 5, 1502, 2021, "Action"},
        {kFamilyCoach, 3000, 13, 1503, 2013, "Coach"},
        {kFamilyExplore, 2200, 19, 1504, 2015, "Explore"},
        {kFamilyCheck, 2400, 9, 1505, 2010, "Troubleshoot"},
        {kFamilyBoost, 2900, 10, 1506, 2011, "Boost"},
        {kFamilyMonitor, 2800, 6, 1510, 2012, "Monitor"},
        {kFamilyDiagnose, 2300, 17, 1501, 2014, "Diagnose"},
        {kFamilyBottle, 2700, 20, 1511, 2016, "Bottlenecks"},
        {kFamilyPrograms, 3100, 8, 1509, 2019, "Programs"},
        {kFamilyUpgrade, 2500, 21, 1508, 2017, "Upgrade"},
        {kFamilyInstall, 2600, 9, 1507, 2018, "Install"},
        {kFamilyInfo, 3200, 11, 1512, 2020, "Info"},
    };
    int total = 0;
    for (const Expect &e : expected) {
        const FamilyInfo &f = FamilyAt(e.family);
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.family, e.family);
        EXPECT_EQ(f.base, e.base);
        ASSERT_EQ(f.toolCount, e.count);
        EXPECT_EQ(f.bitmapId, e.bitmap);
        EXPECT_EQ(f.topButtonId, e.top);
        EXPECT_STREQ(f.topTooltip, e.tooltip);
        for (int i = 0; i < f.toolCount; ++i) {
            EXPECT_EQ(f.tools[i].id, f.base + 1 + i);
            EXPECT_EQ(ToolOfCommand(f.tools[i].id), &f.tools[i]) << "entry C - base - 1";
            EXPECT_EQ(FamilyOfTool(f.tools[i].id), &f);
        }
        total += f.toolCount;
    }
    EXPECT_EQ(total, kToolCount);
}

TEST(Catalogue, NamesMenuTextsAndHelpIdsOfSampleTools) {
    struct Expect {
        int id;
        const char *name, *menu;
        int help;
    } expected[] = {
        {2201, "Colors", "Colors", 2266},
        {2204, "Input Devices", "Input Settings", 2261},
        {2215, "System Overview", "System Overview", 2251},
        {2302, "CD-ROM Drives", "CD-ROM Drive", 2354},
        {2409, "Window Chain", "Window Chain", 2453},
        {2519, "Uninterruptable Power Supply", "UPS", 2569},
        {2701, "Overall", "Overview", 2769},
        {2718, "Printer Spooler", "Print Spooler", 2767},
        {2806, "System Monitor", "System Monitor", 2851},
        {2910, "Video Display", "Video Display", 2950},
        {3011, "Typing Rate", "Typing Speed", 3061},
        {3108, "Windows", "Windows", 3158},
        {3211, "Windows 95 Shortcuts", "Windows 95 Shortcuts", 3260},
        {3302, "Riduzu Zire", "Zariziv Eved", 3352},
        {3305, "Keep Monitors On Top", "Keep Monitors On Top", 3358},
    };
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.id);
        const ToolInfo *t = ToolOfCommand(e.id);
        ASSERT_NE(t, nullptr);
        EXPECT_STREQ(t->name, e.name);
        EXPECT_STREQ(t->menuText, e.menu);
        EXPECT_EQ(t->helpId, e.help);
    }
}

TEST(Catalogue, IdsOutsideTheToolRangesFindNothing) {
    for (int id : {0,    1,    2,    1100, 1902, 2010, 2023, 2200, 2220, 2318,  2410, 2522,
                   2610, 2721, 2807, 2911, 3014, 3109, 3212, 3306, 3402, 99999, -5}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(ToolOfCommand(id), nullptr);
        EXPECT_EQ(FamilyOfTool(id), nullptr);
    }
}

TEST(Catalogue, HelpIdsAreDistinctExceptBoostsSharedText) {
    std::set<int> ids, helps;
    for (int i = 0; i < kToolCount; ++i) {
        const ToolInfo &t = ToolByIndex(i);
        EXPECT_TRUE(ids.insert(t.id).second) << t.id;
        if (t.id < 2901 || t.id > 2910) {
            EXPECT_TRUE(helps.insert(t.helpId).second) << t.id;
        } else {
            EXPECT_EQ(t.helpId, 2950);
        }
        if (i > 0) {
            EXPECT_LT(ToolByIndex(i - 1).id, t.id);
        }
    }
    EXPECT_EQ(ids.size(), 148u);
}

TEST(Catalogue, BottomButtonsLeaveOutMenuOnlyTools) {
    const FamilyInfo &bottle = FamilyAt(kFamilyBottle);
    ASSERT_EQ(bottle.buttonCount, 18);
    EXPECT_EQ(bottle.buttons[0], 2703);
    EXPECT_EQ(bottle.buttons[17], 2720);
    const FamilyInfo &action = FamilyAt(kFamilyAction);
    ASSERT_EQ(action.buttonCount, 4);
    for (int i = 0; i < action.buttonCount; ++i)
        EXPECT_NE(action.buttons[i], 3305);
    for (int f = 0; f < kFamilyCount; ++f) {
        const FamilyInfo &fam = FamilyAt(f);
        if (f != kFamilyBottle && f != kFamilyAction) {
            EXPECT_EQ(fam.buttonCount, fam.toolCount) << fam.name;
        }
        for (int i = 0; i < fam.buttonCount; ++i)
            EXPECT_EQ(FamilyOfTool(fam.buttons[i]), &fam) << fam.buttons[i];
    }
}

TEST(Catalogue, TopToolbarOrderAndTooltips) {
    const int expected[kTopButtonCount] = {2021, 2013, 2015, 2010, 2011, 2012, 2014,
                                           2016, 2019, 2017, 2018, 2020, 2022, 2023};
    const char *tips[kTopButtonCount] = {"Action",  "Coach",    "Explore",      "Troubleshoot", "Boost",
                                         "Monitor", "Diagnose", "Bottlenecks",  "Programs",     "Upgrade",
                                         "Install", "Info",     "Print Screen", "Help"};
    for (int i = 0; i < kTopButtonCount; ++i) {
        EXPECT_EQ(TopButtonIds()[i], expected[i]);
        EXPECT_STREQ(ToolTipText(expected[i]), tips[i]);
        if (i < 12) {
            EXPECT_EQ(FamilyAt(i).topButtonId, expected[i]) << "families stand in top-toolbar order";
        }
    }
}

TEST(Catalogue, BottomTooltipsShowTheToolNameNotTheMenuText) {
    EXPECT_STREQ(ToolTipText(2204), "Input Devices");
    EXPECT_STREQ(ToolTipText(2302), "CD-ROM Drives");
    EXPECT_STREQ(ToolTipText(2519), "Uninterruptable Power Supply");
    EXPECT_STREQ(ToolTipText(2901), "CPU Speed");
    EXPECT_STREQ(ToolTipText(2910), "Video Display");
    EXPECT_STREQ(ToolTipText(3302), "Riduzu Zire");
    EXPECT_STREQ(ToolTipText(3011), "Typing Rate");
    // Every tool's button id yields its own name.
    for (int i = 0; i < kToolCount; ++i)
        EXPECT_STREQ(ToolTipText(ToolByIndex(i).id), ToolByIndex(i).name);
}

TEST(Catalogue, TooltipsOfUnknownIdsAreIgnored) {
    for (int id :
         {0, 1902, 2000, 2009, 2024, 2099, 2100, 2150, 2200, 2299, 2911, 3306, 3399, 3400, 3402, 5000})
        EXPECT_EQ(ToolTipText(id), nullptr) << id;
}

} // namespace
