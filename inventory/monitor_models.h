// The monitor model table: Windows 95 knows the monitor only by a description, so the "Monitor" stage
// looks that description up in a built-in table of models for the screen size, dot pitch and widest
// usable resolution. The Diagnose video report and the upgrade advisor read the results.
#pragma once

#include <cstddef>
#include <cstdint>

struct MonitorModel {
    const char *model; // text looked for in the monitor description, up to 55 characters
    float size;        // diagonal, inches
    float dotPitch;    // mm
    int32_t maxWidth;  // largest horizontal resolution, pixels
};

constexpr size_t kMonitorModelCount = 91;
extern const MonitorModel kMonitorModels[kMonitorModelCount];

// What a monitor not found in the table is taken to be.
constexpr float kDefaultMonitorSize = 15.0f;
constexpr float kDefaultMonitorDotPitch = 0.28f;
constexpr int32_t kDefaultMonitorMaxWidth = 800;

// The screen area figure the reports use: size x size x 0.48.
float MonitorArea(float size);

// The first row, in table order, whose model text the description contains (ignoring case; the first
// 255 characters of the description count), or null when none does.
const MonitorModel *FindMonitorModel(const char *description);
