#include "monitor/input_counting.h"

#include <gtest/gtest.h>

#include <cstring>

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
        {"F2", kKeyDown, 0x71, false, {0, 0, 1, 0, 0, 1, 0}},
        {"F12 as a system key", kSysKeyDown, 0x7B, false, {0, 0, 1, 0, 0, 1, 0}},
        {"F13 is a plain key", kKeyDown, 0x7C, false, {0, 0, 1, 0, 0, 0, 0}},
        {"keypad 8, Num Lock on", kKeyDown, 0x68, true, {0, 0, 1, 0, 0, 0, 0}},
        {"keypad 5 is always typed", kKeyDown, 0x65, false, {0, 0, 1, 0, 0, 0, 0}},
        {"keypad 0, Num Lock off", kKeyDown, 0x60, false, {1, 1, 0, 0, 0, 0, 0}},
        {"keypad 9, Num Lock off", kKeyDown, 0x69, false, {1, 1, 0, 0, 0, 0, 0}},
        {"keypad * is typed", kKeyDown, 0x6A, false, {0, 0, 1, 0, 0, 0, 0}},
        {"the key before keypad 0 is typed", kKeyDown, 0x5F, false, {0, 0, 1, 0, 0, 0, 0}},
        {"Clear", kKeyDown, 0x0C, true, {1, 1, 0, 0, 0, 0, 0}},
        {"Home is typed", kKeyDown, 0x24, false, {0, 0, 1, 0, 0, 0, 0}},
        {"key code in the low byte only", kKeyDown, 0x1770, false, {0, 0, 1, 1, 0, 0, 0}},
        {"left click", kLeftDown, 0, false, {1, 0, 0, 0, 0, 0, 0}},
        {"right click", kRightDown, 0, false, {1, 0, 0, 0, 1, 0, 0}},
        {"title bar click", kNonClientLeftDown, 0, false, {1, 1, 0, 0, 0, 0, 0}},
        {"mouse move counts nothing", 0x0200, 0, false, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        InputCounters counters = {};
        CountInputEvent(counters, c.message, c.key, c.numLock);
        EXPECT_EQ(memcmp(&counters, &c.expected, sizeof counters), 0) << c.what;
    }
}
} // namespace
