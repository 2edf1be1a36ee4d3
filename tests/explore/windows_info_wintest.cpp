// System Overview in the real Main Screen, read from Wine's own settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/globals_win.h"
#include "report/report_lines.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "report/quick_help.h"
#include "tests/wintest_env.h"

namespace {

constexpr int kSystemOverviewHelp = 2251;
constexpr int kLinesBeforeAccessibility = 46;

std::vector<std::string> RunReport() {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ExploreSystemOverview(g_app.mainScreen);
    std::vector<std::string> lines;
    for (int i = 0; i < g_report->count; ++i)
        lines.push_back(g_report->line[i]);
    return lines;
}

bool Answers(UINT action, UINT size) {
    std::vector<unsigned char> buffer(size, 0);
    memcpy(buffer.data(), &size, sizeof size);
    return SystemParametersInfoA(action, size, buffer.data(), 0) != FALSE;
}

// Every line is a heading, an empty line, or a caption and one value in blue.
void ExpectLineShapes(const std::vector<std::string> &lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i << ": " << lines[i]);
        const std::string &line = lines[i];
        if (line.empty() || line[0] == '\006') {
            EXPECT_EQ(line.find('\t'), std::string::npos);
            continue;
        }
        size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos);
        EXPECT_GT(tab, 0u);
        EXPECT_EQ(line.find('\t', tab + 1), std::string::npos);
        ASSERT_LT(tab + 1, line.size());
        EXPECT_EQ(line[tab + 1], '\003');
        EXPECT_GT(line.size(), tab + 2);
    }
}

TEST(SystemOverviewOnWine, SectionsInOrderAndShownInTheMainScreen) {
    auto lines = RunReport();
    ASSERT_GE(lines.size(), static_cast<size_t>(kLinesBeforeAccessibility));
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(lines.size()));
    const struct {
        int slot;
        const char *text;
    } headings[] = {{0, "\006Windows Information"},
                    {7, "\006Windows Current State"},
                    {16, "\006Sounds"},
                    {20, "\006Graphics"},
                    {25, "\006Features"},
                    {29, "\006Icons"},
                    {36, "\006Screen Saver"},
                    {40, "\006Energy Saving Features"}};
    for (const auto &h : headings) {
        SCOPED_TRACE(h.text);
        EXPECT_EQ(lines[h.slot], h.text);
        if (h.slot > 0) {
            EXPECT_EQ(lines[h.slot - 1], "");
        }
    }
    EXPECT_EQ(lines[kLinesBeforeAccessibility - 1], "");
    EXPECT_EQ(lines[8], "CPU Mode\t\003Protected");
    ExpectLineShapes(lines);
    EXPECT_EQ(g_report->damage, 0);
}

TEST(SystemOverviewOnWine, VersionFromTheEquipmentRecordAndDirectoriesFromWindows) {
    EquipmentRecord saved = *g_equipment;
    g_equipment->windowsVersion = 4.0f;
    g_equipment->windowsBuild = 950.0f;
    g_equipment->windowsPlatform = '9';
    auto lines = RunReport();
    *g_equipment = saved;
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[1], "Windows Version\t\0034.00");
    EXPECT_EQ(lines[2], "Windows Build\t\003950");
    EXPECT_EQ(lines[3], "Windows Type\t\003Windows 95");
    char windows[MAX_PATH] = "", system[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(lines[4], std::string("Windows Directory\t\003") + windows);
    EXPECT_EQ(lines[5], std::string("System Directory\t\003") + system);
}

TEST(SystemOverviewOnWine, ValuesFollowTheSystemsAnswers) {
    auto lines = RunReport();
    ASSERT_GE(lines.size(), static_cast<size_t>(kLinesBeforeAccessibility));
    // Wine does not answer the low power time-out.
    int timeout = 0;
    bool answered = SystemParametersInfoA(SPI_GETLOWPOWERTIMEOUT, 0, &timeout, 0) != FALSE;
    EXPECT_EQ(lines[42], answered ? "Low Power Time-Out\t\003" + std::to_string(timeout)
                                  : std::string("Low Power Time-Out\t\003Unknown"));
    int border = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETBORDER, 0, &border, 0));
    EXPECT_EQ(lines[21], "Window Border Width\t\003" + std::to_string(border));
    LOGFONTA font = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0));
    EXPECT_EQ(lines[31], std::string("Icon Title Font\t\003") + font.lfFaceName);
    int arrange = GetSystemMetrics(SM_ARRANGE);
    EXPECT_EQ(lines[32].rfind("Icon Title Wrap\t\003O", 0), 0u);
    EXPECT_EQ(lines[33].rfind("Arrangement Start\t\003", 0), 0u);
    EXPECT_EQ(lines[33].find("Hidden") != std::string::npos, (arrange & ARW_HIDE) != 0);
    EXPECT_EQ(lines[34].rfind("Arrangement Direction\t\003", 0), 0u);
}

TEST(SystemOverviewOnWine, AccessibilitySectionsFollowTheQueries) {
    auto lines = RunReport();
    const struct {
        UINT action;
        UINT size;
        const char *heading;
        int lineCount; // heading, items and the empty line
    } sections[] = {
        // The records' own sizes: the sound sentry's holds a pointer, so it is larger in 64 bits.
        {SPI_GETACCESSTIMEOUT, sizeof(ACCESSTIMEOUT), "\006Accessibility Features", 6},
        {SPI_GETFILTERKEYS, sizeof(FILTERKEYS), "\006Filter Keys", 11},
        {SPI_GETSOUNDSENTRY, sizeof(SOUNDSENTRYA), "\006Sound Sentry", 5},
        {SPI_GETSTICKYKEYS, sizeof(STICKYKEYS), "\006Sticky Keys", 9},
        {SPI_GETTOGGLEKEYS, sizeof(TOGGLEKEYS), "\006Toggle Keys", 6},
        {SPI_GETMOUSEKEYS, sizeof(MOUSEKEYS), "\006Mouse Keys", 9},
    };
    size_t slot = kLinesBeforeAccessibility;
    for (const auto &s : sections) {
        SCOPED_TRACE(s.heading + 1);
        if (!Answers(s.action, s.size))
            continue;
        ASSERT_LT(slot, lines.size());
        EXPECT_EQ(lines[slot], s.heading);
        slot += s.lineCount;
        EXPECT_EQ(lines[slot - 1], "");
    }
    EXPECT_EQ(slot, lines.size());
}

TEST(SystemOverviewOnWine, EveryCaptionHasItsQuickHelp) {
    auto lines = RunReport();
    auto help = QuickHelpLines(kSystemOverviewHelp);
    ASSERT_GT(help.size(), 50u);
    EXPECT_EQ(help[0], "OVERVIEW");
    int checked = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        char key[kHelpKeyLength + 1];
        if (!BuildHelpSearchKey(lines[i].c_str(), key))
            continue;
        SCOPED_TRACE(key);
        bool found = false;
        for (const auto &h : help)
            found = found || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(found);
        ++checked;
    }
    EXPECT_GE(checked, 38);
    // The line that says a report was cut short is explained too.
    bool cut = false;
    for (const auto &h : help)
        cut = cut || h == "Report Cut Short";
    EXPECT_TRUE(cut);
}

} // namespace
