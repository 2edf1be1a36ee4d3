// System Overview in the real Main Screen, read from Wine's own settings.
#include <gtest/gtest.h>

#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "tests/wintest_env.h"

namespace {

TEST(SystemOverviewOnWine, VersionFromTheEquipmentRecordTheRestFromTheSystem) {
    EquipmentRecord saved = *g_equipment;
    g_equipment->windowsVersion = 4.0f;
    g_equipment->windowsBuild = 950.0f;
    g_equipment->windowsPlatform = '9';
    auto lines = RunTool(ExploreSystemOverview);
    *g_equipment = saved;
    ASSERT_GE(lines.size(), 46u);
    EXPECT_EQ(lines[1], "Windows Version\t\0034.00");
    EXPECT_EQ(lines[2], "Windows Build\t\003950");
    EXPECT_EQ(lines[3], "Windows Type\t\003Windows 95");
    char windows[MAX_PATH] = "", system[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(lines[4], std::string("Windows Directory\t\003") + windows);
    EXPECT_EQ(lines[5], std::string("System Directory\t\003") + system);
    int border = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETBORDER, 0, &border, 0));
    EXPECT_EQ(lines[21], "Window Border Width\t\003" + std::to_string(border));
    LOGFONTA font = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0));
    EXPECT_EQ(lines[31], std::string("Icon Title Font\t\003") + font.lfFaceName);
    // Wine does not answer the low power time-out.
    int timeout = 0;
    bool answered = SystemParametersInfoA(SPI_GETLOWPOWERTIMEOUT, 0, &timeout, 0) != FALSE;
    EXPECT_EQ(lines[42], "Low Power Time-Out\t\003" + (answered ? std::to_string(timeout) : "Unknown"));
    // Wine answers every accessibility query, each asked with its record's own size (the sound
    // sentry's holds a pointer, so it is larger in 64 bits): all six sections follow.
    std::vector<std::string> headings;
    for (size_t i = 46; i < lines.size(); ++i)
        if (lines[i][0] == '\006')
            headings.push_back(lines[i].substr(1) + "@" + std::to_string(i));
    EXPECT_EQ(headings,
              (std::vector<std::string>{"Accessibility Features@46", "Filter Keys@52", "Sound Sentry@63",
                                        "Sticky Keys@68", "Toggle Keys@77", "Mouse Keys@83"}));
    EXPECT_EQ(lines.size(), 92u);
    ExpectClicksFindCaptions(2251, lines);
}

} // namespace
