#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {
// Every tool is found again from its command id, in its own family and in id order; ids just outside
// a family's range find nothing; help texts are distinct but for the Boost tools' shared one.
TEST(Catalogue, EveryToolIsFoundFromItsCommandIdInItsFamily) {
    std::set<int> helps;
    for (int i = 0; i < kToolCount; ++i) {
        const ToolInfo &t = ToolByIndex(i);
        const FamilyInfo *f = FamilyOfTool(t.id);
        ASSERT_NE(f, nullptr) << t.id;
        EXPECT_EQ(&f->tools[t.id - f->base - 1], &t);
        EXPECT_STREQ(ToolTipText(t.id), t.name) << "the tool's name, not its menu text";
        EXPECT_TRUE(i == 0 || ToolByIndex(i - 1).id < t.id) << t.id;
        EXPECT_TRUE(f->family == kFamilyBoost ? t.helpId == 2950 : helps.insert(t.helpId).second) << t.id;
    }
    int total = 0;
    for (int n = 0; n < kFamilyCount; ++n) {
        const FamilyInfo &f = FamilyAt(n);
        EXPECT_EQ(f.family, n);
        for (int id : {f.base, f.base + f.toolCount + 1})
            EXPECT_TRUE(!FamilyOfTool(id) && !ToolOfCommand(id) && !ToolTipText(id)) << id;
        total += f.toolCount;
    }
    EXPECT_EQ(total, kToolCount);
    const ToolInfo &ups = *ToolOfCommand(2519); // a name, menu text and help of their own
    EXPECT_EQ(std::string(ups.name) + "|" + ups.menuText + "|" + std::to_string(ups.helpId),
              "Uninterruptable Power Supply|UPS|2569");
}

TEST(Catalogue, ToolbarsBottomButtonsBarMenuOnlyToolsTopInFamilyOrder) {
    for (int n = 0; n < kFamilyCount; ++n) {
        const FamilyInfo &f = FamilyAt(n);
        int menuOnly = n == kFamilyBottle ? 2 : n == kFamilyAction ? 1 : 0;
        EXPECT_EQ(f.buttonCount, f.toolCount - menuOnly) << f.name;
        for (int i = 0; i < f.buttonCount; ++i)
            EXPECT_EQ(FamilyOfTool(f.buttons[i]), &f) << f.buttons[i];
    }
    EXPECT_EQ(FamilyAt(kFamilyBottle).buttons[0], 2703) << "Overall and Wait Time are menu-only";
    EXPECT_EQ(FamilyAt(kFamilyAction).buttons[3], 3304) << "Keep Monitors On Top has no button";
    // The families stand in top-toolbar order, then Print Screen and Help.
    const int *top = TopButtonIds();
    for (int i = 0; i < kFamilyCount; ++i) {
        EXPECT_EQ(FamilyAt(i).topButtonId, top[i]);
        EXPECT_EQ(FamilyOfTopButton(top[i]), &FamilyAt(i));
        EXPECT_STREQ(ToolTipText(top[i]), FamilyAt(i).topTooltip);
    }
    EXPECT_EQ(std::string(ToolTipText(top[12])) + "|" + ToolTipText(top[13]), "Print Screen|Help");
    for (int id : {0, 1902, 2000, 2009, 2024, 2100, 2150, 3399, 3400, 5000})
        EXPECT_EQ(ToolTipText(id), nullptr) << id;
}
} // namespace
