// The counting rules of the keyboard and mouse usage hook: which recorded input event raises which
// counter. The message and key numbers are those of Windows.
#pragma once

#include <cstdint>

struct InputCounters {
    uint32_t pointerActions;    // button presses and navigation keys
    uint32_t navigationActions; // non-client left presses and navigation keys
    uint32_t keystrokes;        // every other key press
    uint32_t helpKeys;          // F1
    uint32_t rightClicks;       // right presses, client and non-client
    uint32_t functionKeys;      // F2..F12
    uint32_t commNotifications; // communication notifications of the main window
};

// Input event messages the hook counts.
enum InputMessage : unsigned {
    kKeyDown = 0x0100,
    kSysKeyDown = 0x0104,
    kNonClientLeftDown = 0x00A1,
    kNonClientRightDown = 0x00A4,
    kLeftDown = 0x0201,
    kRightDown = 0x0204,
};

// Counts one recorded event: its message, the virtual-key code of a key event, and whether Num Lock
// is on at that moment.
void CountInputEvent(InputCounters &counters, unsigned message, unsigned virtualKey, bool numLockOn);
