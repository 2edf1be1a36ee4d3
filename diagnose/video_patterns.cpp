#include "diagnose/video_patterns.h"

PatternColour ColourField(int index) {
    static const PatternColour kSeries[7] = {{1, 0, 0}, {1, 0, 1}, {1, 1, 0}, {0, 1, 0},
                                             {0, 1, 1}, {0, 0, 1}, {1, 1, 1}};
    const PatternColour &s = kSeries[(index / 9) % 7];
    uint8_t v = static_cast<uint8_t>((index % 9) * 32 % 256);
    return {static_cast<uint8_t>(s.red * v), static_cast<uint8_t>(s.green * v),
            static_cast<uint8_t>(s.blue * v)};
}

CalibrationCell CalibrationCellAt(int index, int screenWidth, int screenHeight) {
    static const struct {
        const char *name;
        PatternColour colour;
    } kChart[kCalibrationColours] = {
        {"White", {255, 255, 255}}, {"Red", {255, 0, 0}},          {"Magenta", {255, 0, 255}},
        {"Yellow", {255, 255, 0}},  {"Green", {0, 255, 0}},        {"Cyan", {0, 255, 255}},
        {"Blue", {0, 0, 255}},      {"Lt Gray", {192, 192, 192}},  {"Dk Gray", {128, 128, 128}},
        {"Dk Red", {128, 0, 0}},    {"Dk Magenta", {128, 0, 128}}, {"Brown", {128, 128, 0}},
        {"Dk Green", {0, 128, 0}},  {"Dk Cyan", {0, 128, 128}},    {"Dk Blue", {0, 0, 128}},
        {"Black", {0, 0, 0}}};
    int i = index < 0 ? 0 : index % kCalibrationColours;
    int w = screenWidth / 17, h = screenHeight / 5;
    int r = i < 8 ? 1 : 3, c = 1 + 2 * (i % 8);
    return {kChart[i].name, kChart[i].colour, c * w,           r * h, (c + 1) * w, (r + 1) * h, c * w - 10,
            r * h - 30,     (c + 1) * w + 10, (r + 1) * h - 10};
}
