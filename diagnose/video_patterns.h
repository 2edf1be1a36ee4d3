// The video test's patterns without window types: the colour distortion series and the colour
// calibration chart.
#pragma once

#include <cstdint>

struct PatternColour {
    uint8_t red, green, blue;
};

// The colour distortion test: seven series (red, magenta, yellow, green, cyan, blue, grey) of nine
// levels 0, 32, ..., 224 and 256 taken modulo 256, each field held 200 ms.
constexpr int kColourFields = 63;
constexpr int kColourFieldMs = 200;
PatternColour ColourField(int index);

// The colour calibration chart: sixteen named colours in rows 1 and 3, columns 1, 3, ..., 15 of a
// grid of 17 x 5 cells over the screen.
constexpr int kCalibrationColours = 16;
struct CalibrationCell {
    const char *name;
    PatternColour colour;
    int left, top, right, bottom;                 // the swatch
    int nameLeft, nameTop, nameRight, nameBottom; // the name is centred in this
};
CalibrationCell CalibrationCellAt(int index, int screenWidth, int screenHeight);
