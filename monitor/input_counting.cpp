#include "monitor/input_counting.h"

namespace {

enum VirtualKey : unsigned {
    kClear = 0x0C,
    kPageUp = 0x21,
    kPageDown = 0x22,
    kEnd = 0x23,
    kLeft = 0x25,
    kUp = 0x26,
    kRight = 0x27,
    kDown = 0x28,
    kPad0 = 0x60,
    kPad5 = 0x65,
    kPad9 = 0x69,
    kF1 = 0x70,
    kF2 = 0x71,
    kF12 = 0x7B,
};

void Navigation(InputCounters &c) {
    ++c.pointerActions;
    ++c.navigationActions;
}

void CountKey(InputCounters &c, unsigned key, bool numLockOn) {
    switch (key) {
        // Home is not a navigation key here: it counts as typed.
        case kClear:
        case kPageUp:
        case kPageDown:
        case kEnd:
        case kLeft:
        case kUp:
        case kRight:
        case kDown:
            Navigation(c);
            return;
        default:
            break;
    }
    if (key >= kPad0 && key <= kPad9 && key != kPad5) {
        // The keypad moves the cursor unless Num Lock is on.
        if (numLockOn)
            ++c.keystrokes;
        else
            Navigation(c);
        return;
    }
    if (key == kF1) {
        ++c.helpKeys;
        ++c.keystrokes;
        return;
    }
    if (key >= kF2 && key <= kF12) {
        ++c.keystrokes;
        ++c.functionKeys;
        return;
    }
    ++c.keystrokes;
}

} // namespace

void CountInputEvent(InputCounters &c, unsigned message, unsigned virtualKey, bool numLockOn) {
    switch (message) {
        case kNonClientLeftDown:
            Navigation(c);
            break;
        case kNonClientRightDown:
        case kRightDown:
            ++c.pointerActions;
            ++c.rightClicks;
            break;
        case kLeftDown:
            ++c.pointerActions;
            break;
        case kKeyDown:
        case kSysKeyDown:
            CountKey(c, virtualKey & 0xFF, numLockOn);
            break;
        default:
            break;
    }
}
