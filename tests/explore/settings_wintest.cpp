// The startup settings, environment, ports and memory reports against Wine's real system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "explore/settings.h"
#include "inventory/equipment.h"
#include "tests/wintest_env.h"

namespace {

TEST(ExploreStartupSettingsReport, ReadsSystemIniWithNoneForMissingKeys) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string ini = std::string(windows) + "\\system.ini";
    char before[256];
    GetPrivateProfileStringA("boot.description", "mouse.drv", "", before, sizeof before, ini.c_str());
    WritePrivateProfileStringA("boot.description", "mouse.drv", "Test Mouse", ini.c_str());
    auto lines = RunTool(ExploreStartupSettings);
    WritePrivateProfileStringA("boot.description", "mouse.drv", before[0] ? before : nullptr, ini.c_str());
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[5], "Mouse Driver\t\003Test Mouse");
    EXPECT_EQ(lines[11], "Second Network Driver\t\003None"); // not written by Wine
    ExpectClicksFindCaptions(2253, lines);
}

TEST(ExploreEnvironmentReport, EntriesAndDosDevices) {
    SetEnvironmentVariableA("QVTEST_EQUALS", "a=b=c");
    SetEnvironmentVariableA("qvtest_lower", "x");
    auto lines = RunTool(ExploreEnvironment);
    SetEnvironmentVariableA("QVTEST_EQUALS", nullptr);
    SetEnvironmentVariableA("qvtest_lower", nullptr);

    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "\006Environment Setting\t\006Value");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "QVTEST_EQUALS\t\003a=b=c"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "QVTEST_LOWER\t\003x"), lines.end());
    auto dos = std::find(lines.begin(), lines.end(), "\006DOS Devices Setting\t\006Value");
    ASSERT_NE(dos, lines.end());
    // The names of settings and devices come from the system: only the two headings are captions.
    ExpectClicksFindCaptions(2254, {lines[0], *dos});
}

TEST(ExplorePortsReport, PresentPortsOnlyEachWithItsStatus) {
    uint32_t saved[5];
    memcpy(saved, g_equipment->comPresent, sizeof saved);
    const uint32_t present[5] = {0, 1, 0, 1, 1};
    memcpy(g_equipment->comPresent, present, sizeof saved);
    auto lines = RunTool(ExplorePorts);
    memcpy(g_equipment->comPresent, saved, sizeof saved);
    std::vector<std::string> shown;
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].rfind("\006\002Serial Port\t\002", 0) == 0 && lines[i + 1].rfind("Status\t\003", 0) == 0)
            shown.push_back(lines[i].substr(lines[i].size() - 4));
    EXPECT_EQ(shown, (std::vector<std::string>{"COM1", "COM3", "COM4"}));

    // Every caption of a port that could be read, and of one that could not.
    PortState ports[5] = {};
    ports[1] = {true, true, true, {}, true, {}};
    ports[1].properties = {1,          2,   1,      1, 1, 0x10000000, 1, 0xFF, 0x7F,
                           0xFFFFFFFF, 0xF, 0x1F07, 0, 0, 0,          0, 'x'};
    ports[2] = {true, true, false, {}, false, {}};
    BeginReport(*g_report);
    WritePortsReport(*g_report, ports);
    lines = ReportLines();
    lines.push_back("Serial Port"); // shown as a red heading, but a caption all the same
    ExpectClicksFindCaptions(2264, lines);
}

TEST(ExploreMemoryReport, TwelveLinesOfFigures) {
    auto lines = RunTool(ExploreMemory);
    ASSERT_EQ(lines.size(), 12u);
    unsigned load = 101;
    EXPECT_TRUE(sscanf(lines[1].c_str(), "Memory Load\t\003%u%%", &load) == 1 && load <= 100) << lines[1];
    ExpectClicksFindCaptions(2262, lines);
}

} // namespace
