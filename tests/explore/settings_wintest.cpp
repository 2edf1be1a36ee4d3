// The startup settings, environment, ports and memory reports against Wine's real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
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

std::vector<std::string> ReportLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < g_report->count; ++i)
        lines.push_back(g_report->line[i]);
    return lines;
}

std::vector<std::string> RunReport(void (*tool)(HWND)) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    tool(g_app.mainScreen);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), g_report->count);
    return ReportLines();
}

// The lines of a Quick Help text resource.

// Every line the report wrote whose first column is one of the tool's own captions finds its
// explanation; lines from first to last (exclusive) hold data (names from the system) and are skipped.
void ExpectHelpForEveryCaption(int helpId, const std::vector<std::string> &lines,
                               bool (*isData)(const std::string &line) = nullptr) {
    std::vector<std::string> help = QuickHelpLines(helpId);
    ASSERT_GT(help.size(), 10u);
    EXPECT_EQ(help[0], "OVERVIEW");
    for (const std::string &line : lines) {
        if (isData && isData(line))
            continue;
        char key[kHelpKeyLength + 1];
        if (!BuildHelpSearchKey(line.c_str(), key))
            continue;
        bool matched = false;
        for (const std::string &h : help)
            matched = matched || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(matched) << "no Quick Help caption for \"" << key << "\"";
    }
}

bool StartsWith(const std::string &text, const std::string &prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(ExploreStartupSettingsReport, ElevenEntriesUnderTheHeading) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string ini = std::string(windows) + "\\system.ini";
    char before[256];
    GetPrivateProfileStringA("boot.description", "mouse.drv", "", before, sizeof before, ini.c_str());
    bool added = before[0] == 0 &&
                 WritePrivateProfileStringA("boot.description", "mouse.drv", "Test Mouse", ini.c_str());

    auto lines = RunReport(ExploreStartupSettings);
    if (added)
        WritePrivateProfileStringA("boot.description", "mouse.drv", nullptr, ini.c_str());

    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "\006Windows Startup Settings");
    const char *captions[] = {"Video Card Driver",    "Video Card Installer Info",
                              "Video Aspect Ratios",  "Keyboard Type",
                              "Mouse Driver",         "Language",
                              "Operating System",     "Code Page",
                              "Default Font",         "Network Driver",
                              "Second Network Driver"};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(captions[i]);
        EXPECT_TRUE(StartsWith(lines[i + 1], std::string(captions[i]) + "\t\003")) << lines[i + 1];
        EXPECT_GT(lines[i + 1].size(), strlen(captions[i]) + 2);
    }
    if (added) {
        EXPECT_EQ(lines[5], "Mouse Driver\t\003Test Mouse");
    }
    EXPECT_EQ(lines[11], "Second Network Driver\t\003None"); // not written by Wine
    ExpectHelpForEveryCaption(2253, lines);
}

bool EnvironmentData(const std::string &line) {
    return line.find("\t\003") != std::string::npos; // a name from the system and its value
}

TEST(ExploreEnvironmentReport, EntriesAndDosDevices) {
    SetEnvironmentVariableA("QVTEST_EQUALS", "a=b=c");
    SetEnvironmentVariableA("qvtest_lower", "x");
    auto lines = RunReport(ExploreEnvironment);
    SetEnvironmentVariableA("QVTEST_EQUALS", nullptr);
    SetEnvironmentVariableA("qvtest_lower", nullptr);

    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "\006Environment Setting\t\006Value");
    int blank = -1;
    for (int i = 1; i < static_cast<int>(lines.size()); ++i)
        if (lines[i].empty()) {
            blank = i;
            break;
        }
    ASSERT_GT(blank, 1);
    for (int i = 1; i < blank; ++i)
        EXPECT_NE(lines[i].find("\t\003"), std::string::npos) << lines[i];
    EXPECT_EQ(lines[blank + 1], "\006DOS Devices Setting\t\006Value");
    for (size_t i = blank + 2; i < lines.size(); ++i) {
        EXPECT_NE(lines[i].find("\t\003"), std::string::npos) << lines[i];
        EXPECT_LT(lines[i].size(), 256u);
    }
    std::vector<std::string> env(lines.begin() + 1, lines.begin() + blank);
    EXPECT_NE(std::find(env.begin(), env.end(), "QVTEST_EQUALS\t\003a=b=c"), env.end());
    EXPECT_NE(std::find(env.begin(), env.end(), "QVTEST_LOWER\t\003x"), env.end());
    bool path = false;
    for (const std::string &line : env)
        path = path || StartsWith(line, "PATH\t\003");
    EXPECT_TRUE(path);
    ExpectHelpForEveryCaption(2254, lines, EnvironmentData);
}

TEST(ExploreEnvironmentReport, DriveFolderEntriesShowTheDrive) {
    // Entries of the form "=X:=X:\folder" are how the current folder of each drive is kept.
    bool set = SetEnvironmentVariableA("=Q:", "Q:\\qvdir");
    auto lines = RunReport(ExploreEnvironment);
    SetEnvironmentVariableA("=Q:", nullptr);
    if (!set)
        GTEST_SKIP() << "this system does not keep drive folder entries";
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Q:\t\003Q:\\qvdir"), lines.end());
}

struct SavedPorts {
    uint32_t present[5];
};

SavedPorts PresentPorts(bool com1, bool com2, bool com3, bool com4) {
    SavedPorts saved;
    memcpy(saved.present, g_equipment->comPresent, sizeof saved.present);
    g_equipment->comPresent[1] = com1;
    g_equipment->comPresent[2] = com2;
    g_equipment->comPresent[3] = com3;
    g_equipment->comPresent[4] = com4;
    return saved;
}

void RestorePorts(const SavedPorts &saved) {
    memcpy(g_equipment->comPresent, saved.present, sizeof saved.present);
}

// Checks one port's block starting at line at; returns the line after its closing empty line.
size_t ExpectPortBlock(const std::vector<std::string> &lines, size_t at, int n, bool inUse) {
    SCOPED_TRACE(n);
    char header[32];
    snprintf(header, sizeof header, "\006\002Serial Port\t\002COM%d", n);
    EXPECT_LT(at + 2, lines.size());
    if (at + 2 >= lines.size())
        return lines.size();
    EXPECT_EQ(lines[at], header);
    if (inUse) {
        EXPECT_EQ(lines[at + 1], "Status\t\003In Use");
        EXPECT_EQ(lines[at + 2], "");
        return at + 3;
    }
    EXPECT_TRUE(lines[at + 1] == "Status\t\003Free" || lines[at + 1] == "Status\t\003In Use")
        << lines[at + 1];
    size_t i = at + 2;
    if (lines[at + 1] == "Status\t\003Free") {
        if (lines[i] == "Port Settings\t\002Could Not Be Read") {
            ++i;
        } else {
            EXPECT_TRUE(StartsWith(lines[i], "Baud Rate\t\003")) << lines[i];
            EXPECT_TRUE(StartsWith(lines[i + 23], "Event Character\t\003")) << lines[i + 23];
            i += 24;
        }
        if (lines[i] == "Port Capabilities\t\002Could Not Be Read") {
            ++i;
        } else {
            EXPECT_TRUE(StartsWith(lines[i], "Packet Length\t\003")) << lines[i];
            while (i < lines.size() && !StartsWith(lines[i], "Device Specific 3\t\003"))
                ++i;
            ++i;
        }
    }
    EXPECT_LT(i, lines.size());
    if (i < lines.size()) {
        EXPECT_EQ(lines[i], "");
    }
    return i + 1;
}

TEST(ExplorePortsReport, NoPortsPresentWritesNothing) {
    SavedPorts saved = PresentPorts(false, false, false, false);
    auto lines = RunReport(ExplorePorts);
    RestorePorts(saved);
    EXPECT_TRUE(lines.empty());
}

TEST(ExplorePortsReport, EveryPresentPortHasItsBlock) {
    SavedPorts saved = PresentPorts(true, false, true, true);
    auto lines = RunReport(ExplorePorts);
    RestorePorts(saved);
    size_t at = 0;
    at = ExpectPortBlock(lines, at, 1, false);
    at = ExpectPortBlock(lines, at, 3, false);
    at = ExpectPortBlock(lines, at, 4, false);
    EXPECT_EQ(at, lines.size());
    ExpectHelpForEveryCaption(2264, lines);
}

TEST(ExplorePortsReport, PortHeldByAnotherHandleIsInUse) {
    HANDLE held = CreateFileA("COM2", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        GTEST_SKIP() << "COM2 cannot be opened here";
    HANDLE second = CreateFileA("COM2", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    bool exclusive = second == INVALID_HANDLE_VALUE;
    if (!exclusive)
        CloseHandle(second);
    SavedPorts saved = PresentPorts(false, true, false, false);
    auto lines = RunReport(ExplorePorts);
    RestorePorts(saved);
    CloseHandle(held);
    if (!exclusive)
        GTEST_SKIP() << "this system shares serial ports";
    ExpectPortBlock(lines, 0, 2, true);
    EXPECT_EQ(lines.size(), 3u);
}

TEST(ExploreMemoryReport, TwelveLinesOfFigures) {
    auto lines = RunReport(ExploreMemory);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "\006Current Memory Status");
    EXPECT_TRUE(StartsWith(lines[1], "Memory Load\t\003"));
    EXPECT_EQ(lines[1].back(), '%');
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "\006Bytes Free");
    const char *captions[] = {"RAM Free", "Page File Free", "Virtual Space Free"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(captions[i]);
        const std::string &bytes = lines[4 + i];
        EXPECT_TRUE(StartsWith(bytes, std::string(captions[i]) + "\t\003"));
        EXPECT_EQ(bytes.substr(bytes.size() - 6), " bytes");
        const std::string &percent = lines[9 + i];
        EXPECT_TRUE(StartsWith(percent, std::string(captions[i]) + "\t\003"));
        unsigned whole = 0, hundredths = 0;
        char sign = 0;
        bool number =
            sscanf(percent.c_str() + strlen(captions[i]) + 2, "%u.%2u%c", &whole, &hundredths, &sign) == 3 &&
            sign == '%';
        EXPECT_TRUE(number || percent.substr(strlen(captions[i]) + 2) == "Not Available") << percent;
    }
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "\006Percent Free");
    ExpectHelpForEveryCaption(2262, lines);
}

} // namespace
