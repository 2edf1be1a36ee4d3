// How the desktop is set up: the text tables and line building of the Input Devices, Colors,
// Palettes, Windows Modules, Video Metrics and Fonts reports. No window types here: the readings are
// handed in as plain values and the lines go into a report buffer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "report/report_lines.h"

// ---- Colors -------------------------------------------------------------------------------------

struct ColorElement {
    const char *name;
    int index; // system colour index (COLOR_...)
};
constexpr int kColorElementCount = 19;
extern const ColorElement kColorElements[kColorElementCount];

// A colour component inside a swatch: 0 is written as 1 so the line stays one zero-terminated text.
unsigned char SwatchByte(unsigned value);

// "Element", "Sample", "Red", "Green", "Blue" as heading columns.
void AddColorHeading(ReportBuffer &report);
// Name, swatch with "Sample", then red (code 2), green (code 4) and blue (code 3) in decimal.
// The colour is a COLORREF: red in the low byte, green in the second, blue in the third.
void AddColorLine(ReportBuffer &report, const char *name, uint32_t colour);

// ---- Palettes -----------------------------------------------------------------------------------

constexpr int kSystemPaletteShown = 20;

struct PaletteColour {
    unsigned char red, green, blue;
};

// The heading, then one line per entry read (" %d", swatch, red, green, blue); no entries leaves the
// heading alone, as on a display without a palette.
void WritePaletteReport(ReportBuffer &report, const PaletteColour *entries, int count);

// ---- Video Metrics ------------------------------------------------------------------------------

struct MetricRow {
    const char *caption;
    int metric; // GetSystemMetrics index
};
constexpr int kMetricRowCount = 56;
extern const MetricRow kMetricRows[kMetricRowCount];

// The two heading columns "Element" and "Pixels".
void AddMetricHeading(ReportBuffer &report);
// "caption \t", code 3, the value.
void AddMetricLine(ReportBuffer &report, const char *caption, int value);
// The width (low word) and height (high word) of the menu check mark.
void AddCheckMarkLines(ReportBuffer &report, uint32_t dimensions);

// ---- Input Devices ------------------------------------------------------------------------------

constexpr int kProfileTextSize = 256;

// Shown, in red, in place of the eight joystick values when joystick 1's capabilities cannot be read.
constexpr char kJoystickUnavailableCaption[] = "Joystick Capabilities";
constexpr char kJoystickUnavailableText[] = "Not Available";

constexpr int kJoystickValueCount = 8;
extern const char *const kJoystickCaptions[kJoystickValueCount];

struct InputSettings {
    char keyboardDelay[kProfileTextSize]; // win.ini texts, "None" when missing
    char keyboardSpeed[kProfileTextSize];
    int buttonsSwapped;
    int mouseThreshold1;
    int mouseThreshold2;
    int mouseSpeed;
    int doubleClickWidth;
    int doubleClickHeight;
    int doubleClickSpeed;
    int joysticks;                               // joystick count of the equipment record
    bool joystickCapsRead;                       // joystick 1's capabilities were read
    unsigned long joystick[kJoystickValueCount]; // xmin, xmax, ymin, ymax, zmin, zmax, period min, max
};

void WriteInputReport(ReportBuffer &report, const InputSettings &settings);

// ---- Windows Modules ----------------------------------------------------------------------------

// The translation whose strings the report reads (US English, Windows multilingual code page).
constexpr char kVersionTranslation[] = "040904E4";
// Version records up to this size are read into the shared buffer.
constexpr size_t kVersionBufferSize = 20000;
// Larger records get a buffer of their own up to this size; still larger ones are skipped.
constexpr size_t kVersionRecordLimit = 1024 * 1024;

constexpr int kVersionCaptionCount = 9;
extern const char *const kVersionCaptions[kVersionCaptionCount];

// The buffer a version record of this size needs: the shared size when it fits there, its own size up
// to the limit, 0 (skip the file) for an empty or oversized record.
size_t VersionBufferFor(size_t recordSize);

// The value name of a caption: its words without the blanks ("Legal Trademarks" -> "LegalTrademarks").
void VersionValueName(const char *caption, char *out, size_t outSize);
// "\StringFileInfo\<translation>\<value name>".
void VersionQueryPath(const char *translation, const char *valueName, char *out, size_t outSize);
// Whether a company name holds "MICROSOFT" in any letter case.
bool IsMicrosoftCompany(const char *company);

// Reads one string of a version record: the text, or null when the value is missing.
struct VersionReader {
    void *context;
    // found: the lookup succeeded; the returned text may still be null.
    const char *(*query)(void *context, const char *path, bool *found);
    // The first translation the record declares as eight hex digits (language, code page), false when
    // it declares none. May be null.
    bool (*declared)(void *context, char out[9]);
};

// Eight upper-case hex digits: language then code page ("040904B0").
void FormatTranslation(unsigned language, unsigned codePage, char out[9]);

// The lines of one DLL: nothing without a company name; an empty line for another vendor; for a
// Microsoft module with a description, its description as a red heading, the file's path and the
// nine version strings that are present, then the empty line. Strings and names are cleaned (see
// CleanOutsideText). A record without a company name in the given translation is read in the
// translation it declares (current systems label their strings 040904B0).
void WriteModuleVersionLines(ReportBuffer &report, const char *directory, const char *fileName,
                             const char *translation, const VersionReader &reader);

// Implemented with the Windows glue: the report over the DLLs of one directory, read in the given
// translation (the Windows Modules tool uses the system directory and kVersionTranslation).
void WriteWindowsModulesReport(const char *directory, const char *translation);

// ---- Fonts --------------------------------------------------------------------------------------

constexpr char kFontHeading[] = "\006Font Name";
