// Text tables and line building of the desktop set-up reports.
#include "explore/display_info.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

// ---- Colors -------------------------------------------------------------------------------------

const ColorElement kColorElements[kColorElementCount] = {
    {"Active Border Color", 10},
    {"Active Window Caption", 2},
    {"MDI Background Color", 12},
    {"Desktop", 1},
    {"Button Face", 15},
    {"Button Edge", 16},
    {"Button Text", 18},
    {"Caption Text", 9},
    {"Disabled Text", 17},
    {"Highlight", 13},
    {"Highlight Text", 14},
    {"Inactive Border", 11},
    {"Inactive Caption", 3},
    {"Menu Background", 4},
    {"Menu Text", 7},
    {"Scroll Bar", 0},
    {"Window Background", 5},
    {"Window Frame", 6},
    {"Window Text", 8},
};

unsigned char SwatchByte(unsigned value) {
    value &= 0xFF;
    return static_cast<unsigned char>(value ? value : 1);
}

namespace {

// Name, swatch and the three components of one colour.
void AddSwatchLine(ReportBuffer &report, const char *name, unsigned red, unsigned green, unsigned blue) {
    AddReportLine(report, "%s\t\a%c%c%cSample\t\002%u\t\004%u\t\003%u", name, SwatchByte(red),
                  SwatchByte(green), SwatchByte(blue), red & 0xFF, green & 0xFF, blue & 0xFF);
}

} // namespace

void AddColorHeading(ReportBuffer &report) {
    AddReportLine(report, "\006Element\t\006Sample\t\006Red\t\006Green\t\006Blue");
}

void AddColorLine(ReportBuffer &report, const char *name, uint32_t colour) {
    AddSwatchLine(report, name, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// ---- Palettes -----------------------------------------------------------------------------------

void WritePaletteReport(ReportBuffer &report, const PaletteColour *entries, int count) {
    AddReportLine(report, "\006System Palette Entries\t\006Sample\t\006Red\t\006Green\t\006Blue");
    for (int i = 0; entries && i < count; ++i) {
        char number[16];
        snprintf(number, sizeof number, " %d", i);
        AddSwatchLine(report, number, entries[i].red, entries[i].green, entries[i].blue);
    }
}

// ---- Video Metrics ------------------------------------------------------------------------------

const MetricRow kMetricRows[kMetricRowCount] = {
    {"Screen Width", 0},
    {"Screen Height", 1},
    {"Window Caption Height", 4},
    {"Small Caption Height", 51},
    {"Max Client Area Width", 16},
    {"Max Client Area Height", 17},
    {"Min Tracking Width", 34},
    {"Min Tracking Height", 35},
    {"Min Window Width", 28},
    {"Min Window Height", 29},
    {"Title Bitmaps Width", 30},
    {"Title Bitmaps Height", 31},
    {"Max Window Width", 61},
    {"Max Window Height", 62},
    {"Max Tracking Width", 59},
    {"Max Tracking Height", 60},
    {"Minimized Window Width", 57},
    {"Minimized Window Height", 58},
    {"Menu Height", 15},
    {"Menu Drop Alignment", 40},
    {"Menu Check Width", 71},
    {"Menu Check Height", 72},
    {"Menu Size Width", 54},
    {"Menu Size Height", 55},
    {"Horizontal Icon Spacing", 38},
    {"Vertical Icon Spacing", 39},
    {"Icon Width", 11},
    {"Icon Height", 12},
    {"Min Icon Spacing Width", 47},
    {"Min Icon Spacing Height", 48},
    {"Small Icon Width", 52},
    {"Small Icon Height", 53},
    {"Window Frame Width", 32},
    {"Window Frame Height", 33},
    {"Window Border Width", 5},
    {"Window Border Height", 6},
    {"Dialog Frame Width", 7},
    {"Dialog Frame Height", 8},
    {"Horizontal 3D Border Size", 45},
    {"Vertical 3D Border Size", 46},
    {"Sizing Frame Width", 32},
    {"Sizing Frame Height", 33},
    {"Vertical Scroll Arrow Width", 2},
    {"Vertical Scroll Arrow Height", 20},
    {"Horizontal Scroll Arrow Width", 21},
    {"Horizontal Scroll Arrow Height", 3},
    {"Horizontal Thumb Width", 10},
    {"Vertical Thumb Height", 9},
    {"Horizontal Scroll Bar Width", 21},
    {"Horizontal Scroll Bar Height", 3},
    {"Vertical Scroll Bar Width", 2},
    {"Vertical Scroll Bar Height", 20},
    {"Cursor Width", 13},
    {"Cursor Height", 14},
    {"Horizontal Drag Rectangle Size", 68},
    {"Vertical Drag Rectangle Size", 69},
};

void AddMetricHeading(ReportBuffer &report) {
    AddReportLine(report, "\006Element\t\006Pixels");
}

void AddMetricLine(ReportBuffer &report, const char *caption, int value) {
    AddReportLine(report, "%s \t\003%d", caption, value);
}

void AddCheckMarkLines(ReportBuffer &report, uint32_t dimensions) {
    AddReportLine(report, "Menu Check Mark Width\t\003%d", static_cast<int>(dimensions & 0xFFFF));
    AddReportLine(report, "Menu Check Mark Height\t\003%d", static_cast<int>((dimensions >> 16) & 0xFFFF));
}

// ---- Input Devices ------------------------------------------------------------------------------

const char *const kJoystickCaptions[kJoystickValueCount] = {
    "Minimum X Coordinate", "Maximum X Coordinate", "Minimum Y Coordinate", "Maximum Y Coordinate",
    "Minimum Z Coordinate", "Maximum Z Coordinate", "Minimum Polling Rate", "Maximum Polling Rate",
};

void WriteInputReport(ReportBuffer &report, const InputSettings &settings) {
    AddReportLine(report, "\006Keyboard");
    AddReportLine(report, "Delay Rate\t\003%s", settings.keyboardDelay);
    AddReportLine(report, "Repeat Speed\t\003%s", settings.keyboardSpeed);
    AddReportLine(report, "%s", "");
    AddReportLine(report, "\006Mouse");
    AddReportLine(report, "Mouse Buttons Swapped\t%s",
                  YesNoMark(static_cast<unsigned long>(settings.buttonsSwapped)));
    AddReportLine(report, "Mouse Threshold 1\t\003%d", settings.mouseThreshold1);
    AddReportLine(report, "Mouse Threshold 2\t\003%d", settings.mouseThreshold2);
    AddReportLine(report, "Mouse Speed\t\003%d", settings.mouseSpeed);
    AddReportLine(report, "Double Click X Width\t\003%d", settings.doubleClickWidth);
    AddReportLine(report, "Double Click Y Width\t\003%d", settings.doubleClickHeight);
    AddReportLine(report, "Double Click Speed\t\003%d", settings.doubleClickSpeed);
    AddReportLine(report, "%s", "");
    if (settings.joysticks == 0)
        return;
    AddReportLine(report, "\006Joystick");
    if (!settings.joystickCapsRead) {
        AddReportLine(report, "%s\t\002%s", kJoystickUnavailableCaption, kJoystickUnavailableText);
        return;
    }
    for (int i = 0; i < kJoystickValueCount; ++i)
        AddReportLine(report, "%s\t\003%lu", kJoystickCaptions[i], settings.joystick[i]);
}

// ---- Windows Modules ----------------------------------------------------------------------------

const char *const kVersionCaptions[kVersionCaptionCount] = {
    "Company Name",     "File Description",  "File Version", "Internal Name",   "Legal Copyright",
    "Legal Trademarks", "Original Filename", "Product Name", "Product Version",
};

size_t VersionBufferFor(size_t recordSize) {
    if (recordSize == 0 || recordSize > kVersionRecordLimit)
        return 0;
    return recordSize <= kVersionBufferSize ? kVersionBufferSize : recordSize;
}

void VersionValueName(const char *caption, char *out, size_t outSize) {
    if (!out || outSize == 0)
        return;
    size_t n = 0;
    for (const char *p = caption ? caption : ""; *p && n + 1 < outSize; ++p)
        if (*p != ' ')
            out[n++] = *p;
    out[n] = 0;
}

void VersionQueryPath(const char *translation, const char *valueName, char *out, size_t outSize) {
    if (!out || outSize == 0)
        return;
    snprintf(out, outSize, "\\StringFileInfo\\%s\\%s", translation ? translation : "",
             valueName ? valueName : "");
}

bool IsMicrosoftCompany(const char *company) {
    char upper[512];
    upper[0] = 0;
    CopyUpper(company, upper, sizeof upper);
    return strstr(upper, "MICROSOFT") != nullptr;
}

namespace {

// The value for one value name: found reports whether the lookup succeeded.
const char *QueryVersionValue(const VersionReader &reader, const char *translation, const char *valueName,
                              bool *found) {
    char path[128];
    VersionQueryPath(translation, valueName, path, sizeof path);
    *found = false;
    const char *value = reader.query(reader.context, path, found);
    return *found ? value : nullptr;
}

} // namespace

void FormatTranslation(unsigned language, unsigned codePage, char out[9]) {
    snprintf(out, 9, "%04X%04X", language & 0xFFFFu, codePage & 0xFFFFu);
}

void WriteModuleVersionLines(ReportBuffer &report, const char *directory, const char *fileName,
                             const char *translation, const VersionReader &reader) {
    bool found = false;
    const char *company = QueryVersionValue(reader, translation, "CompanyName", &found);
    char declared[9] = "";
    if (!found && reader.declared && reader.declared(reader.context, declared) &&
        strcmp(declared, translation ? translation : "") != 0) {
        translation = declared;
        company = QueryVersionValue(reader, translation, "CompanyName", &found);
    }
    if (!found)
        return;
    if (company && IsMicrosoftCompany(company)) {
        bool hasDescription = false;
        const char *description = QueryVersionValue(reader, translation, "FileDescription", &hasDescription);
        if (hasDescription) {
            // The version strings, the directory and the file name are copied cleaned into the lines.
            char text[kReportSlotSize];
            if (description) {
                CopyOutsideText(description, text, sizeof text);
                AddReportLine(report, "\006\002%s", text);
            }
            snprintf(text, sizeof text, "%s\\%s", directory ? directory : "", fileName ? fileName : "");
            CleanOutsideText(text);
            AddReportLine(report, "File Name and Path\t\003%s", text);
            for (const char *caption : kVersionCaptions) {
                char name[32];
                VersionValueName(caption, name, sizeof name);
                bool present = false;
                const char *value = QueryVersionValue(reader, translation, name, &present);
                if (present && value) {
                    CopyOutsideText(value, text, sizeof text);
                    AddReportLine(report, "%s\t\003%s", caption, text);
                }
            }
        }
    }
    AddReportLine(report, "%s", "");
}

// ---- Fonts --------------------------------------------------------------------------------------
