#include "monitor/input_counting.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *what;
    unsigned message, key;
    bool numLock;
    InputCounters expected;
};

TEST(InputCounting, EachEventRaisesItsCounters) {
    // pointer, navigation, keystrokes, help, right, function, comm
    const Case cases[] = {
        {"F1", kKeyDown, 0x70, false, {0, 0, 1, 1, 0, 0, 0}},
        {"F5", kKeyDown, 0x74, false, {0, 0, 1, 0, 0, 1, 0}},
        {"F12 as a system key", kSysKeyDown, 0x7B, false, {0, 0, 1, 0, 0, 1, 0}},
        {"F13 is a plain key", kKeyDown, 0x7C, false, {0, 0, 1, 0, 0, 0, 0}},
        {"keypad 8, Num Lock on", kKeyDown, 0x68, true, {0, 0, 1, 0, 0, 0, 0}},
        {"keypad 8, Num Lock off", kKeyDown, 0x68, false, {1, 1, 0, 0, 0, 0, 0}},
        {"keypad 5 is always typed", kKeyDown, 0x65, false, {0, 0, 1, 0, 0, 0, 0}},
        {"keypad 0, Num Lock off", kKeyDown, 0x60, false, {1, 1, 0, 0, 0, 0, 0}},
        {"Page Down", kKeyDown, 0x22, false, {1, 1, 0, 0, 0, 0, 0}},
        {"Clear", kKeyDown, 0x0C, true, {1, 1, 0, 0, 0, 0, 0}},
        {"Home is typed", kKeyDown, 0x24, false, {0, 0, 1, 0, 0, 0, 0}},
        {"letter A", kKeyDown, 0x41, false, {0, 0, 1, 0, 0, 0, 0}},
        {"key code in the low byte only", kKeyDown, 0x1770, false, {0, 0, 1, 1, 0, 0, 0}},
        {"left click", kLeftDown, 0, false, {1, 0, 0, 0, 0, 0, 0}},
        {"right click", kRightDown, 0, false, {1, 0, 0, 0, 1, 0, 0}},
        {"title bar click", kNonClientLeftDown, 0, false, {1, 1, 0, 0, 0, 0, 0}},
        {"title bar right click", kNonClientRightDown, 0, false, {1, 0, 0, 0, 1, 0, 0}},
        {"key up counts nothing", 0x0101, 0x41, false, {0, 0, 0, 0, 0, 0, 0}},
        {"mouse move counts nothing", 0x0200, 0, false, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        InputCounters counters = {};
        CountInputEvent(counters, c.message, c.key, c.numLock);
        EXPECT_EQ(counters.pointerActions, c.expected.pointerActions);
        EXPECT_EQ(counters.navigationActions, c.expected.navigationActions);
        EXPECT_EQ(counters.keystrokes, c.expected.keystrokes);
        EXPECT_EQ(counters.helpKeys, c.expected.helpKeys);
        EXPECT_EQ(counters.rightClicks, c.expected.rightClicks);
        EXPECT_EQ(counters.functionKeys, c.expected.functionKeys);
        EXPECT_EQ(counters.commNotifications, 0u);
    }
}

TEST(InputCounting, CountsAccumulate) {
    InputCounters counters = {};
    for (int i = 0; i < 3; ++i)
        CountInputEvent(counters, kKeyDown, 0x41, false);
    CountInputEvent(counters, kRightDown, 0, false);
    CountInputEvent(counters, kKeyDown, 0x25, false);
    EXPECT_EQ(counters.keystrokes, 3u);
    EXPECT_EQ(counters.pointerActions, 2u);
    EXPECT_EQ(counters.navigationActions, 1u);
    EXPECT_EQ(counters.rightClicks, 1u);
}

} // namespace
