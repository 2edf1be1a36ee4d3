// The desktop set-up reports run against the real system: Input Devices, Colors, Palettes, Windows
// Modules, Video Metrics and Fonts.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "platform/globals_win.h"
#include "explore/display_info.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "report/report_lines.h"
#include "tests/wintest_env.h"

namespace {

TEST(DisplayInfoReport, ColorsShowEveryElementWithItsColour) {
    auto lines = RunTool(ExploreColors);
    ASSERT_EQ(lines.size(), 1u + kColorElementCount);
    for (int i = 0; i < kColorElementCount; ++i) {
        COLORREF colour = GetSysColor(kColorElements[i].index);
        unsigned r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
        char expected[256];
        snprintf(expected, sizeof expected, "%s\t\a%c%c%cSample\t\002%u\t\004%u\t\003%u",
                 kColorElements[i].name, SwatchByte(r), SwatchByte(g), SwatchByte(b), r, g, b);
        EXPECT_EQ(lines[i + 1], expected);
    }
    ExpectClicksFindCaptions(2266, lines);
}

TEST(DisplayInfoReport, PalettesShowTheirEntriesAndTheHelpExplainsThem) {
    EXPECT_EQ(RunTool(ExplorePalettes).size(), 1u) << "a display of 24 bits has no palette";
    PaletteColour colours[kSystemPaletteShown] = {};
    BeginReport(*g_report);
    WritePaletteReport(*g_report, colours, kSystemPaletteShown);
    ExpectClicksFindCaptions(2267, ReportLines());
}

TEST(DisplayInfoReport, VideoMetricsReadEveryRow) {
    auto lines = RunTool(ExploreVideoMetrics);
    ASSERT_EQ(lines.size(), 1u + kMetricRowCount + 2);
    for (int i = 0; i < kMetricRowCount; ++i)
        EXPECT_EQ(lines[i + 1], std::string(kMetricRows[i].caption) + " \t\003" +
                                    std::to_string(GetSystemMetrics(kMetricRows[i].metric)));
    LONG check = GetMenuCheckMarkDimensions();
    EXPECT_EQ(lines[57], "Menu Check Mark Width\t\003" + std::to_string(LOWORD(check)));
    EXPECT_EQ(lines[58], "Menu Check Mark Height\t\003" + std::to_string(HIWORD(check)));
    ExpectClicksFindCaptions(2270, lines);
}

TEST(DisplayInfoReport, InputDevicesFromWinIniAndTheSystemMetrics) {
    const char *keys[] = {"KeyboardDelay",   "KeyboardSpeed", "MouseThreshold1",
                          "MouseThreshold2", "MouseSpeed",    "DoubleClickSpeed"};
    const char *values[] = {"2", nullptr, "7", "9", "1", "452"}; // a missing text shows None
    char saved[6][64];
    for (int i = 0; i < 6; ++i) {
        GetProfileStringA("windows", keys[i], "", saved[i], sizeof saved[i]);
        WriteProfileStringA("windows", keys[i], values[i]);
    }
    int joysticks = g_equipment->joysticks;
    g_equipment->joysticks = 0;
    auto lines = RunTool(ExploreInputDevices);
    g_equipment->joysticks = 1;
    auto joystick = RunTool(ExploreInputDevices);
    g_equipment->joysticks = joysticks;
    for (int i = 0; i < 6; ++i)
        WriteProfileStringA("windows", keys[i], saved[i][0] ? saved[i] : nullptr);

    std::string x = std::to_string(GetSystemMetrics(SM_CXDOUBLECLK)),
                y = std::to_string(GetSystemMetrics(SM_CYDOUBLECLK));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "\006Keyboard", "Delay Rate\t\0032", "Repeat Speed\t\003None", "", "\006Mouse",
                         std::string("Mouse Buttons Swapped\t") + YesNoMark(GetSystemMetrics(SM_SWAPBUTTON)),
                         "Mouse Threshold 1\t\0037", "Mouse Threshold 2\t\0039", "Mouse Speed\t\0031",
                         "Double Click X Width\t\003" + x, "Double Click Y Width\t\003" + y,
                         "Double Click Speed\t\003452", ""}));
    // With a joystick in the record, its section follows; Wine has no joystick to answer.
    lines.push_back("\006Joystick");
    lines.push_back("Joystick Capabilities\t\002Not Available");
    EXPECT_EQ(joystick, lines);
    ExpectClicksFindCaptions(2261, joystick);
    // The joystick's values, as a machine whose joystick answers shows them.
    InputSettings settings = {"1", "2", 0, 0, 0, 0, 0, 0, 0, 1, true, {}};
    BeginReport(*g_report);
    WriteInputReport(*g_report, settings);
    ExpectClicksFindCaptions(2261, ReportLines());
}

// Each module is a red heading (its description) over the path of a DLL of the directory, then its
// version strings. Returns the number of modules.
int ModuleBlocks(const std::vector<std::string> &lines, const std::string &directory) {
    int modules = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].rfind("\006\002", 0) == 0) {
            ++modules;
            std::string path = lines[i + 1].substr(lines[i + 1].find('\t') + 2);
            EXPECT_EQ(lines[i + 1], "File Name and Path\t\003" + path);
            EXPECT_TRUE(path.rfind(directory + "\\", 0) == 0 &&
                        GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
                << path;
        }
    return modules;
}

TEST(DisplayInfoReport, WindowsModulesReadTheSystemFoldersVersionRecords) {
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, sizeof directory);
    // Wine's own libraries carry their strings in the translation they declare (040904B0) only.
    auto lines = RunTool(ExploreWindowsModules);
    EXPECT_GT(ModuleBlocks(lines, directory), 10);
    ExpectClicksFindCaptions(2252, lines);
}

int CALLBACK CollectFamily(const LOGFONTA *font, const TEXTMETRICA *, DWORD, LPARAM data) {
    reinterpret_cast<std::multiset<std::string> *>(data)->insert(std::string("\003") + font->lfFaceName);
    return 1;
}

TEST(DisplayInfoReport, FontsAreTheFamiliesSortedWithoutRegardToCase) {
    auto lines = RunTool(ExploreFonts);
    ASSERT_GE(lines.size(), 2u) << "the test prefix has fonts";
    EXPECT_EQ(lines[0], kFontHeading);
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_LE(lstrcmpiA(lines[i - 1].c_str(), lines[i].c_str()), 0)
            << lines[i - 1] << " before " << lines[i];
    std::multiset<std::string> own;
    HDC dc = GetDC(g_app.mainScreen);
    EnumFontFamiliesA(dc, nullptr, CollectFamily, reinterpret_cast<LPARAM>(&own));
    ReleaseDC(g_app.mainScreen, dc);
    EXPECT_EQ(std::multiset<std::string>(lines.begin() + 1, lines.end()), own);
    ExpectClicksFindCaptions(2268, lines);
}

} // namespace
