// The desktop set-up reports run against the real system: Input Devices, Colors, Palettes, Windows
// Modules, Video Metrics and Fonts.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/globals_win.h"
#include "explore/display_info.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "report/quick_help.h"
#include "tests/wintest_env.h"
#include "report/report_lines.h"

namespace {

std::string Line(int i) {
    return g_report->line[i];
}

std::vector<std::string> Columns(int i) {
    ColumnPiece pieces[kReportColumns];
    int n = SplitReportColumns(g_report->line[i], pieces);
    std::vector<std::string> columns;
    for (int c = 0; c < n; ++c)
        columns.emplace_back(pieces[c].text, pieces[c].length);
    return columns;
}

// The help text's lines, as the Quick Help Screen holds them before wrapping.

// Every line of the current report whose first column is a caption (not a finding listed as data)
// finds its explanation in the help text.
void ExpectHelpForEveryCaption(int helpId, bool (*isData)(const char *line) = nullptr) {
    std::vector<std::string> help = QuickHelpLines(helpId);
    ASSERT_FALSE(help.empty()) << helpId;
    for (int i = 0; i < g_report->count; ++i) {
        if (isData && isData(g_report->line[i]))
            continue;
        char key[kHelpKeyLength + 1];
        if (!BuildHelpSearchKey(g_report->line[i], key))
            continue;
        bool matched = false;
        for (const std::string &h : help)
            matched = matched || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(matched) << "no help for line " << i << " key \"" << key << "\"";
    }
}

// The help texts explain the captions that appear on other machines too.
void ExpectHelpForCaptions(int helpId, const std::vector<std::string> &captions) {
    std::vector<std::string> help = QuickHelpLines(helpId);
    ASSERT_FALSE(help.empty()) << helpId;
    for (const std::string &caption : captions) {
        std::string line = caption + "\t\0031";
        char key[kHelpKeyLength + 1];
        ASSERT_TRUE(BuildHelpSearchKey(line.c_str(), key)) << caption;
        bool matched = false;
        for (const std::string &h : help)
            matched = matched || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(matched) << helpId << ": no help for \"" << caption << "\"";
    }
}

unsigned char Swatch(unsigned v) {
    return static_cast<unsigned char>(v ? v : 1);
}

// ---- Colors -------------------------------------------------------------------------------------

TEST(DisplayInfoReport, ColorsShowEveryElementWithItsColour) {
    // As a tool run does: the Main Screen starts empty.
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ExploreColors(g_app.mainScreen);
    ASSERT_EQ(g_report->count, 1 + kColorElementCount);
    EXPECT_EQ(Line(0), "\006Element\t\006Sample\t\006Red\t\006Green\t\006Blue");
    for (int i = 0; i < kColorElementCount; ++i) {
        SCOPED_TRACE(kColorElements[i].name);
        COLORREF colour = GetSysColor(kColorElements[i].index);
        unsigned r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
        char expected[256];
        snprintf(expected, sizeof expected, "%s\t\a%c%c%cSample\t\002%u\t\004%u\t\003%u",
                 kColorElements[i].name, Swatch(r), Swatch(g), Swatch(b), r, g, b);
        EXPECT_EQ(Line(i + 1), expected);
        EXPECT_EQ(Columns(i + 1).size(), 5u);
    }
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), g_report->count);
    ExpectHelpForEveryCaption(2266);
    ExpectHelpForCaptions(2266, {kReportCutCaption});
}

// ---- Palettes -----------------------------------------------------------------------------------

TEST(DisplayInfoReport, PalettesFollowTheDisplay) {
    HDC dc = GetDC(g_app.mainScreen);
    bool palette = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(g_app.mainScreen, dc);
    ExplorePalettes(g_app.mainScreen);
    ASSERT_GE(g_report->count, 1);
    EXPECT_EQ(Line(0), "\006System Palette Entries\t\006Sample\t\006Red\t\006Green\t\006Blue");
    if (!palette) {
        EXPECT_EQ(g_report->count, 1) << "a display without a palette shows the heading alone";
    } else {
        EXPECT_EQ(g_report->count, 1 + kSystemPaletteShown);
        for (int i = 1; i < g_report->count; ++i) {
            SCOPED_TRACE(i);
            std::vector<std::string> columns = Columns(i);
            ASSERT_EQ(columns.size(), 5u);
            EXPECT_EQ(columns[0], " " + std::to_string(i - 1));
        }
    }
    ExpectHelpForEveryCaption(2267);
    std::vector<std::string> captions = {"System Palette Entries", "Sample", "Red", "Green", "Blue",
                                         kReportCutCaption};
    for (int i = 0; i < kSystemPaletteShown; ++i)
        captions.push_back(" " + std::to_string(i));
    ExpectHelpForCaptions(2267, captions);
}

// ---- Video Metrics ------------------------------------------------------------------------------

TEST(DisplayInfoReport, VideoMetricsReadEveryRow) {
    ExploreVideoMetrics(g_app.mainScreen);
    ASSERT_EQ(g_report->count, 1 + kMetricRowCount + 2);
    EXPECT_EQ(Line(0), "\006Element\t\006Pixels");
    for (int i = 0; i < kMetricRowCount; ++i) {
        SCOPED_TRACE(kMetricRows[i].caption);
        char expected[128];
        snprintf(expected, sizeof expected, "%s \t\003%d", kMetricRows[i].caption,
                 GetSystemMetrics(kMetricRows[i].metric));
        EXPECT_EQ(Line(i + 1), expected);
    }
    EXPECT_EQ(Line(1), "Screen Width \t\003" + std::to_string(GetSystemMetrics(SM_CXSCREEN)));
    LONG check = GetMenuCheckMarkDimensions();
    EXPECT_EQ(Line(57), "Menu Check Mark Width\t\003" + std::to_string(LOWORD(check)));
    EXPECT_EQ(Line(58), "Menu Check Mark Height\t\003" + std::to_string(HIWORD(check)));
    ExpectHelpForEveryCaption(2270);
    ExpectHelpForCaptions(2270, {"Element", "Pixels", kReportCutCaption});
}

// ---- Input Devices ------------------------------------------------------------------------------

const std::vector<std::string> kInputCaptions = {
    "Keyboard",
    "Delay Rate",
    "Repeat Speed",
    "Mouse",
    "Mouse Buttons Swapped",
    "Mouse Threshold 1",
    "Mouse Threshold 2",
    "Mouse Speed",
    "Double Click X Width",
    "Double Click Y Width",
    "Double Click Speed",
    "Joystick",
};

// Sets (or, with a null value, removes) one win.ini value for the life of the object.
struct ProfileValue {
    const char *key;
    char saved[256];
    bool had;
    ProfileValue(const char *k, const char *value) : key(k) {
        GetProfileStringA("windows", key, "\001", saved, sizeof saved);
        had = !(saved[0] == 1 && saved[1] == 0);
        WriteProfileStringA("windows", key, value);
    }
    ~ProfileValue() { WriteProfileStringA("windows", key, had ? saved : nullptr); }
};

TEST(DisplayInfoReport, InputDevicesWithoutJoystick) {
    ProfileValue delay("KeyboardDelay", "2");
    ProfileValue speed("KeyboardSpeed", nullptr);
    ProfileValue threshold("MouseThreshold1", "7");
    ProfileValue doubleClick("DoubleClickSpeed", nullptr);
    int saved = g_equipment->joysticks;
    g_equipment->joysticks = 0;
    ExploreInputDevices(g_app.mainScreen);
    g_equipment->joysticks = saved;
    ASSERT_EQ(g_report->count, 13);
    EXPECT_EQ(Line(0), "\006Keyboard");
    EXPECT_EQ(Line(1), "Delay Rate\t\0032");
    EXPECT_EQ(Line(2), "Repeat Speed\t\003None");
    EXPECT_EQ(Line(3), "");
    EXPECT_EQ(Line(4), "\006Mouse");
    EXPECT_EQ(Line(5), std::string("Mouse Buttons Swapped\t") + YesNoMark(GetSystemMetrics(SM_SWAPBUTTON)));
    EXPECT_EQ(Line(6), "Mouse Threshold 1\t\0037");
    EXPECT_EQ(Line(7).rfind("Mouse Threshold 2\t\003", 0), 0u);
    EXPECT_EQ(Line(8).rfind("Mouse Speed\t\003", 0), 0u);
    EXPECT_EQ(Line(9), "Double Click X Width\t\003" + std::to_string(GetSystemMetrics(SM_CXDOUBLECLK)));
    EXPECT_EQ(Line(10), "Double Click Y Width\t\003" + std::to_string(GetSystemMetrics(SM_CYDOUBLECLK)));
    EXPECT_EQ(Line(11), "Double Click Speed\t\0030");
    EXPECT_EQ(Line(12), "");
    ExpectHelpForEveryCaption(2261);
    std::vector<std::string> captions = kInputCaptions;
    for (const char *c : kJoystickCaptions)
        captions.push_back(c);
    captions.push_back(kJoystickUnavailableCaption);
    captions.push_back(kReportCutCaption);
    ExpectHelpForCaptions(2261, captions);
}

TEST(DisplayInfoReport, InputDevicesWithJoystick) {
    int saved = g_equipment->joysticks;
    g_equipment->joysticks = 1;
    ExploreInputDevices(g_app.mainScreen);
    g_equipment->joysticks = saved;
    ASSERT_GE(g_report->count, 15);
    EXPECT_EQ(Line(13), "\006Joystick");
    JOYCAPSA caps = {};
    if (joyGetDevCapsA(JOYSTICKID1, &caps, sizeof caps) != JOYERR_NOERROR) {
        ASSERT_EQ(g_report->count, 15);
        EXPECT_EQ(Line(14), "Joystick Capabilities\t\002Not Available");
    } else {
        ASSERT_EQ(g_report->count, 14 + kJoystickValueCount);
        for (int i = 0; i < kJoystickValueCount; ++i)
            EXPECT_EQ(Line(14 + i).rfind(std::string(kJoystickCaptions[i]) + "\t\003", 0), 0u);
    }
    ExpectHelpForEveryCaption(2261);
}

// ---- Windows Modules ----------------------------------------------------------------------------

bool IsModuleHeading(const char *line) {
    return line[0] == kHeadingMark && line[1] == kRed;
}

// Every line is empty, a red description heading, a known caption or the cut-short line; the path
// line follows each heading and names a DLL of the directory.
void ExpectModuleShape(const char *directory) {
    std::set<std::string> captions = {"File Name and Path", kReportCutCaption};
    for (const char *c : kVersionCaptions)
        captions.insert(c);
    std::string pathPrefix = std::string("File Name and Path\t\003") + directory + "\\";
    for (int i = 0; i < g_report->count; ++i) {
        SCOPED_TRACE(i);
        const char *line = g_report->line[i];
        EXPECT_LE(strlen(line), 255u);
        if (line[0] == 0)
            continue;
        if (IsModuleHeading(line)) {
            if (i + 1 < g_report->count && strncmp(g_report->line[i + 1], kReportCutCaption, 16) != 0) {
                EXPECT_EQ(Line(i + 1).rfind(pathPrefix, 0), 0u) << Line(i + 1);
            }
            continue;
        }
        std::vector<std::string> columns = Columns(i);
        ASSERT_GE(columns.size(), 2u) << line;
        EXPECT_TRUE(captions.count(columns[0])) << columns[0];
        if (columns[0] == "File Name and Path") {
            std::string path = columns[1].substr(1);
            EXPECT_EQ(path.size() > 4 ? _stricmp(path.c_str() + path.size() - 4, ".dll") : 1, 0) << path;
            EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
        }
    }
}

TEST(DisplayInfoReport, WindowsModulesReadUsEnglishRecords) {
    ExploreWindowsModules(g_app.mainScreen);
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, sizeof directory);
    ExpectModuleShape(directory);
    ExpectHelpForEveryCaption(2252, IsModuleHeading);
    std::vector<std::string> captions = {"File Name and Path", kReportCutCaption};
    for (const char *c : kVersionCaptions)
        captions.push_back(c);
    ExpectHelpForCaptions(2252, captions);
}

TEST(DisplayInfoReport, WindowsModulesInAnotherTranslation) {
    // Wine's own libraries carry their strings in the Unicode translation only: read those to see a
    // full report, which on a large system folder runs past the Main Screen's lines.
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, sizeof directory);
    WriteWindowsModulesReport(directory, "040904B0");
    int count = EndReport(*g_report);
    ASSERT_GT(count, 0);
    ExpectModuleShape(directory);
    int headings = 0;
    for (int i = 0; i < count; ++i)
        headings += IsModuleHeading(g_report->line[i]);
    EXPECT_GT(headings, 10);
    EXPECT_LE(count, kReportSlots);
    if (count == kReportSlots) {
        EXPECT_EQ(Line(count - 1),
                  std::string(kReportCutCaption) + "\t\002Only the first 2999 lines are shown");
    }
    ExpectHelpForEveryCaption(2252, IsModuleHeading);
}

TEST(DisplayInfoReport, WindowsModulesOfAnEmptyFolder) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    strncat(folder, "qv_no_dlls", sizeof folder - strlen(folder) - 1);
    CreateDirectoryA(folder, nullptr);
    WriteWindowsModulesReport(folder, kVersionTranslation);
    EXPECT_EQ(g_report->count, 0);
    RemoveDirectoryA(folder);
}

// ---- Fonts --------------------------------------------------------------------------------------

bool IsFontName(const char *line) {
    return line[0] == kBlue;
}

int CALLBACK CollectFamily(const LOGFONTA *font, const TEXTMETRICA *, DWORD, LPARAM data) {
    reinterpret_cast<std::multiset<std::string> *>(data)->insert(font->lfFaceName);
    return 1;
}

TEST(DisplayInfoReport, FontsSortedWithoutRegardToCase) {
    ExploreFonts(g_app.mainScreen);
    ASSERT_GE(g_report->count, 2) << "the test prefix has fonts";
    EXPECT_EQ(Line(0), "\006Font Name");
    std::multiset<std::string> names;
    for (int i = 1; i < g_report->count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_report->line[i][0], kBlue);
        EXPECT_EQ(Columns(i).size(), 1u);
        names.insert(Line(i).substr(1));
        if (i > 1) {
            EXPECT_LE(lstrcmpiA(g_report->line[i - 1], g_report->line[i]), 0)
                << Line(i - 1) << " before " << Line(i);
        }
    }
    // The same families as an enumeration of our own.
    std::multiset<std::string> own;
    HDC dc = GetDC(g_app.mainScreen);
    EnumFontFamiliesA(dc, nullptr, CollectFamily, reinterpret_cast<LPARAM>(&own));
    ReleaseDC(g_app.mainScreen, dc);
    EXPECT_EQ(names, own);
    ExpectHelpForEveryCaption(2268, IsFontName);
    ExpectHelpForCaptions(2268, {"Font Name", kReportCutCaption});
}

} // namespace
