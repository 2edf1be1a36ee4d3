// The keyboard test's table: each key cap of dialog 12300 with the key that clears it. No window types.
#pragma once

// code below 10000: a virtual key found by polling its state; 1xxxx: virtual key xxxx in a key-down
// message without the extended-key bit; 2xxxx: the same with the bit (the second Enter, the arrows
// beside the keypad, the right Ctrl and Alt). Keypad keys are listed twice: as the navigation key and
// as the digit.
struct KeyCapPair {
    int code;
    int capId;
};
constexpr int kKeyCapPairs = 112;
extern const KeyCapPair kKeyCapTable[kKeyCapPairs];

// Whether a key-down message for the virtual key, with or without the extended bit, clears the pair.
bool KeyDownClears(int code, unsigned virtualKey, bool extended);
// Whether the pair is found by polling the key's state.
bool PolledKey(int code);
