// The rules of the Action windows: list lines, display names, the class questions, thread icons and
// the tiling and cascading geometry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "action/window_rules.h"

namespace {

TEST(ItemLine, CarriesItsNumberWhateverTheNameLength) {
    struct Case {
        const char *name;
        uint64_t number;
        size_t size;
        const char *expected;
    } cases[] = {
        {"Notepad", 1234, 64, "Notepad\t1234"},
        {"Notepad", 18446744073709551615ull, 64, "Notepad\t18446744073709551615"},
        {"Notepad", 1234, 9, "Not\t1234"},
        {"Notepad", 1234, 6, "\t1234"},
        {nullptr, 7, 64, "\t7"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        char line[64];
        FormatItemLine(c.name, c.number, line, c.size);
        EXPECT_STREQ(line, c.expected);
        uint64_t value = 0;
        EXPECT_TRUE(ItemLineNumber(line, &value));
        EXPECT_EQ(value, c.number);
    }
    uint64_t untouched = 5;
    EXPECT_FALSE(ItemLineNumber("no number", &untouched));
    EXPECT_FALSE(ItemLineNumber("name\t", &untouched));
    EXPECT_EQ(untouched, 5u);
}

TEST(ProcessDisplayName, CaptionThenModuleStemInCapitalsThenUnknown) {
    struct Case {
        const char *caption, *module, *expected;
    } cases[] = {
        {"Untitled", "notepad.exe", "Untitled"}, {"", "kernel32.dll", "KERNEL32"},
        {nullptr, "services.exe", "SERVICES"},   {"", "noext", "NOEXT"},
        {"", ".hidden", "Unknown Program"},      {"", nullptr, "Unknown Program"},
    };
    for (const Case &c : cases) {
        char name[32];
        ProcessDisplayName(c.caption, c.module, name, sizeof name);
        EXPECT_STREQ(name, c.expected) << (c.module ? c.module : "(none)");
    }
}

TEST(PriorityChoice, ButtonsClassesAndQuestions) {
    struct Case {
        int button;
        unsigned long cls;
        const char *caption;
    } cases[] = {{12001, 0x40, "Idle Priority"},
                 {12002, 0x20, nullptr},
                 {12003, 0x80, nullptr},
                 {12004, 0x100, "Maximum Priority"}};
    for (const Case &c : cases) {
        const PriorityChoice *choice = PriorityChoiceOfButton(c.button);
        ASSERT_NE(choice, nullptr) << c.button;
        EXPECT_EQ(choice->cls, c.cls);
        EXPECT_EQ(choice->caption ? std::string(choice->caption) : "", c.caption ? c.caption : "");
        EXPECT_EQ(choice->question != nullptr, c.caption != nullptr);
        EXPECT_EQ(ButtonOfPriorityClass(c.cls), c.button);
    }
    EXPECT_EQ(PriorityChoiceOfButton(12005), nullptr);
    EXPECT_EQ(ButtonOfPriorityClass(0x4000), 0); // below normal: no button
    EXPECT_TRUE(NeedsKernelWarning("KERNEL32\t12"));
    EXPECT_TRUE(NeedsKernelWarning("MYKERNELX\t12"));
    EXPECT_FALSE(NeedsKernelWarning("Kernel32\t12"));
}

TEST(ThreadPriorityIcon, SumsAboveThirtyOneAndNegativeSumsShowTheTop) {
    const struct {
        long base, delta;
        int icon;
    } cases[] = {{0, 0, 1700}, {8, 2, 1710}, {31, 0, 1731}, {30, 2, 1732}, {15, 17, 1732}, {1, -2, 1732}};
    for (const auto &c : cases)
        EXPECT_EQ(ThreadPriorityIcon(c.base, c.delta), c.icon) << c.base << "+" << c.delta;
}

std::string Rects(const ScreenRect *r, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(r[i].left) + "," + std::to_string(r[i].top) + "," +
                std::to_string(r[i].right) + "," + std::to_string(r[i].bottom) + " ";
    return text;
}

TEST(TileRects, ColumnsOverTheWholeWorkArea) {
    const ScreenRect work = {0, 10, 900, 610};
    const struct {
        int count;
        const char *expected;
    } cases[] = {
        {1, "0,10,900,610 "},
        {3, "0,10,300,610 300,10,600,610 600,10,900,610 "},
        {4, "0,10,450,310 0,310,450,610 450,10,900,310 450,310,900,610 "},
        {5, "0,10,300,610 300,10,600,310 300,310,600,610 600,10,900,310 600,310,900,610 "},
        {7, "0,10,300,310 0,310,300,610 300,10,600,310 300,310,600,610 600,10,900,210 600,210,900,410 "
            "600,410,900,610 "},
    };
    for (const auto &c : cases) {
        ScreenRect out[8];
        TileRects(work, c.count, out);
        EXPECT_EQ(Rects(out, c.count), c.expected) << c.count;
    }
}

TEST(CascadeRects, StepsFromTopLeftAndStartsAgainAtTheEdge) {
    ScreenRect out[4];
    // 600 x 300 work area: windows 400 x 200, room for three steps of 50 before the bottom.
    CascadeRects({10, 20, 610, 320}, 50, 4, out);
    EXPECT_EQ(Rects(out, 4), "10,20,410,220 60,70,460,270 110,120,510,320 10,20,410,220 ");
}

} // namespace
