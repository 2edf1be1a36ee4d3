// The desktop set-up reports: Input Devices, Colors, Palettes, Windows Modules, Video Metrics, Fonts.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "platform/globals_win.h"
#include "explore/display_info.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "report/main_screen_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"

void ExploreInputDevices(HWND) {
    BeginReport(*g_report);
    InputSettings settings = {};
    GetProfileStringA("windows", "KeyboardDelay", "None", settings.keyboardDelay, kProfileTextSize);
    GetProfileStringA("windows", "KeyboardSpeed", "None", settings.keyboardSpeed, kProfileTextSize);
    CleanOutsideText(settings.keyboardDelay);
    CleanOutsideText(settings.keyboardSpeed);
    settings.buttonsSwapped = GetSystemMetrics(SM_SWAPBUTTON);
    settings.mouseThreshold1 = static_cast<int>(GetProfileIntA("windows", "MouseThreshold1", 0));
    settings.mouseThreshold2 = static_cast<int>(GetProfileIntA("windows", "MouseThreshold2", 0));
    settings.mouseSpeed = static_cast<int>(GetProfileIntA("windows", "MouseSpeed", 0));
    settings.doubleClickWidth = GetSystemMetrics(SM_CXDOUBLECLK);
    settings.doubleClickHeight = GetSystemMetrics(SM_CYDOUBLECLK);
    settings.doubleClickSpeed = static_cast<int>(GetProfileIntA("windows", "DoubleClickSpeed", 0));
    settings.joysticks = g_equipment ? g_equipment->joysticks : 0;
    if (settings.joysticks != 0) {
        JOYCAPSA caps = {};
        if (joyGetDevCapsA(JOYSTICKID1, &caps, sizeof caps) == JOYERR_NOERROR) {
            settings.joystickCapsRead = true;
            const unsigned long values[kJoystickValueCount] = {caps.wXmin,      caps.wXmax,     caps.wYmin,
                                                               caps.wYmax,      caps.wZmin,     caps.wZmax,
                                                               caps.wPeriodMin, caps.wPeriodMax};
            for (int i = 0; i < kJoystickValueCount; ++i)
                settings.joystick[i] = values[i];
        }
    }
    WriteInputReport(*g_report, settings);
    ShowReport();
}

void ExploreColors(HWND) {
    BeginReport(*g_report);
    AddColorHeading(*g_report);
    for (const ColorElement &element : kColorElements)
        AddColorLine(*g_report, element.name, GetSysColor(element.index));
    ShowReport();
}

void ExplorePalettes(HWND mainScreen) {
    BeginReport(*g_report);
    PALETTEENTRY read[kSystemPaletteShown] = {};
    int count = 0;
    if (HDC dc = GetDC(mainScreen)) {
        count = static_cast<int>(GetSystemPaletteEntries(dc, 0, kSystemPaletteShown, read));
        ReleaseDC(mainScreen, dc);
    }
    if (count < 0)
        count = 0;
    if (count > kSystemPaletteShown)
        count = kSystemPaletteShown;
    PaletteColour entries[kSystemPaletteShown] = {};
    for (int i = 0; i < count; ++i)
        entries[i] = {read[i].peRed, read[i].peGreen, read[i].peBlue};
    WritePaletteReport(*g_report, entries, count);
    ShowReport();
}

void ExploreVideoMetrics(HWND) {
    BeginReport(*g_report);
    AddMetricHeading(*g_report);
    for (const MetricRow &row : kMetricRows)
        AddMetricLine(*g_report, row.caption, GetSystemMetrics(row.metric));
    AddCheckMarkLines(*g_report, static_cast<uint32_t>(GetMenuCheckMarkDimensions()));
    ShowReport();
}

// ---- Windows Modules ----------------------------------------------------------------------------

namespace {

const char *QueryVersionString(void *context, const char *path, bool *found) {
    void *value = nullptr;
    UINT length = 0;
    *found = VerQueryValueA(context, path, &value, &length) != 0;
    return *found ? static_cast<const char *>(value) : nullptr;
}

bool DeclaredTranslation(void *context, char out[9]) {
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(context, "\\VarFileInfo\\Translation", &value, &length) || !value || length < 4)
        return false;
    const auto *pair = static_cast<const WORD *>(value);
    FormatTranslation(pair[0], pair[1], out);
    return true;
}

} // namespace

void WriteWindowsModulesReport(const char *directory, const char *translation) {
    BeginReport(*g_report);
    auto *shared = static_cast<char *>(AllocZeroed(GPTR, kVersionBufferSize));
    char pattern[MAX_PATH + 8];
    snprintf(pattern, sizeof pattern, "%s\\*.DLL", directory);
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            // Only the name: the version functions find the module in the system directory.
            DWORD ignored = 0;
            DWORD size = GetFileVersionInfoSizeA(found.cFileName, &ignored);
            size_t bufferSize = VersionBufferFor(size);
            if (bufferSize == 0)
                continue;
            char *record = shared;
            if (bufferSize > kVersionBufferSize)
                record = static_cast<char *>(AllocZeroed(GPTR, bufferSize));
            if (GetFileVersionInfoA(found.cFileName, 0, static_cast<DWORD>(bufferSize), record)) {
                VersionReader reader = {record, QueryVersionString, DeclaredTranslation};
                WriteModuleVersionLines(*g_report, directory, found.cFileName, translation, reader);
            }
            if (record != shared)
                GlobalFree(record);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    GlobalFree(shared);
}

void ExploreWindowsModules(HWND) {
    ShowAnalyzingBox();
    char directory[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory)
        directory[0] = 0;
    WriteWindowsModulesReport(directory, kVersionTranslation);
    ShowReport();
    HideAnalyzingBox();
}

// ---- Fonts --------------------------------------------------------------------------------------

namespace {

int CALLBACK AddFontFamily(const LOGFONTA *font, const TEXTMETRICA *, DWORD, LPARAM) {
    char face[LF_FACESIZE];
    CopyOutsideText(font->lfFaceName, face, sizeof face);
    // Past the last slot the report is cut short; stop enumerating.
    return AddReportLine(*g_report, "\003%s", face) ? 1 : 0;
}

int CompareIgnoringCase(const char *a, const char *b) {
    return lstrcmpiA(a, b);
}

} // namespace

void ExploreFonts(HWND mainScreen) {
    ShowAnalyzingBox();
    BeginReport(*g_report);
    AddReportLine(*g_report, "%s", kFontHeading);
    if (HDC dc = GetDC(mainScreen)) {
        EnumFontFamiliesA(dc, nullptr, AddFontFamily, 0);
        ReleaseDC(mainScreen, dc);
    }
    SortReportLines(*g_report, 1, g_report->count - 1, CompareIgnoringCase);
    ShowReport();
    HideAnalyzingBox();
}
