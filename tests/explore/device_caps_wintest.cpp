// Video and Printers in the real Main Screen, read from Wine's display driver and printer list.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/globals_win.h"
#include "report/report_lines.h"
#include "explore/device_caps.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "platform/printers_win.h"
#include "report/quick_help.h"
#include "tests/wintest_env.h"

namespace {

constexpr int kVideoHelp = 2269;
constexpr int kPrintersHelp = 2265;
constexpr int kCapsBlockLines = 2 + 20 + 5 + 15 + 8 + 8 + 8 + 16;

std::vector<std::string> ReportLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < g_report->count; ++i)
        lines.push_back(g_report->line[i]);
    return lines;
}

std::vector<std::string> RunVideo() {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ExploreVideo(g_app.mainScreen);
    return ReportLines();
}

std::vector<std::string> RunPrinters() {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ExplorePrinters(g_app.mainScreen);
    return ReportLines();
}

// Every caption line of the report (all but the device name headings) finds its explanation.
void ExpectQuickHelpForEveryCaption(const std::vector<std::string> &lines, int helpId) {
    auto help = QuickHelpLines(helpId);
    ASSERT_GT(help.size(), 50u);
    EXPECT_EQ(help[0], "OVERVIEW");
    for (const auto &line : lines) {
        if (line.rfind("\006\002", 0) == 0)
            continue; // the device's own name
        char key[kHelpKeyLength + 1];
        if (!BuildHelpSearchKey(line.c_str(), key))
            continue;
        SCOPED_TRACE(key);
        bool found = false;
        for (const auto &h : help)
            found = found || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(found);
    }
    bool cut = false;
    for (const auto &h : help)
        cut = cut || h == "Report Cut Short";
    EXPECT_TRUE(cut);
}

// The capability block from slot first on: captions, codes and group lines.
void ExpectCapsBlock(const std::vector<std::string> &lines, size_t first) {
    ASSERT_GE(lines.size(), first + kCapsBlockLines);
    EXPECT_EQ(lines[first].rfind("Driver Version\t\003", 0), 0u);
    EXPECT_EQ(lines[first + 1].rfind("Technology\t\003", 0), 0u);
    for (int i = 0; i < kDeviceCapsLineCount; ++i) {
        SCOPED_TRACE(kDeviceCapsLines[i].caption);
        EXPECT_EQ(lines[first + 2 + i].rfind(std::string(kDeviceCapsLines[i].caption) + "\t\003", 0), 0u);
    }
    size_t slot = first + 2 + kDeviceCapsLineCount;
    for (int g = 0; g < kCapabilityGroupCount; ++g) {
        SCOPED_TRACE(kCapabilityGroups[g].title);
        EXPECT_EQ(lines[slot++], kCapabilityGroups[g].title);
        for (int b = 0; b < kCapabilityGroups[g].bitCount; ++b) {
            const std::string &line = lines[slot++];
            std::string caption = std::string("     ") + kCapabilityGroups[g].bits[b].caption + "\t\003";
            EXPECT_EQ(line.rfind(caption, 0), 0u) << line;
            std::string word = line.substr(caption.size());
            EXPECT_TRUE(word == "Yes" || word == "No") << line;
        }
    }
}

TEST(VideoOnWine, CardNameThenTheDisplaysCapabilities) {
    EquipmentRecord saved = *g_equipment;
    strcpy(g_equipment->videoCardName, "Test Video Card");
    auto lines = RunVideo();
    *g_equipment = saved;
    ASSERT_EQ(lines.size(), static_cast<size_t>(1 + kCapsBlockLines));
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(lines.size()));
    EXPECT_EQ(lines[0], "\006\002Test Video Card");
    ExpectCapsBlock(lines, 1);
    EXPECT_EQ(lines[2], "Technology\t\003Raster Display");
    HDC dc = GetDC(g_app.mainScreen);
    int width = GetDeviceCaps(dc, HORZRES);
    int palette = GetDeviceCaps(dc, SIZEPALETTE);
    ReleaseDC(g_app.mainScreen, dc);
    EXPECT_EQ(lines[5], "Horizontal Resolution\t\003" + std::to_string(width));
    EXPECT_EQ(lines[20], "System Palette Entries\t\003" + std::to_string(palette));
    EXPECT_EQ(g_report->damage, 0);
}

TEST(VideoOnWine, EveryCaptionHasItsQuickHelp) {
    ExpectQuickHelpForEveryCaption(RunVideo(), kVideoHelp);
}

TEST(PrintersOnWine, OnlyPrintersOnParallelPortsAreListed) {
    DWORD count = 0;
    const PRINTER_INFO_2A *printers = GetPrinterList(&count);
    std::vector<std::string> expectedNames;
    for (DWORD i = 0; printers && i < count; ++i)
        if (printers[i].pPortName && strstr(printers[i].pPortName, "LP"))
            expectedNames.push_back(std::string("\006\002") + printers[i].pPrinterName);
    auto lines = RunPrinters();
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(lines.size()));
    if (expectedNames.empty()) {
        EXPECT_TRUE(lines.empty());
        return;
    }
    std::vector<std::string> names;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("\006\002", 0) == 0) {
            names.push_back(lines[i]);
            ASSERT_LT(i + 3, lines.size());
            EXPECT_EQ(lines[i + 1].rfind("Driver\t\003", 0), 0u);
            EXPECT_EQ(lines[i + 2].rfind("Port\t\003", 0), 0u);
            EXPECT_NE(lines[i + 2].find("LP"), std::string::npos);
            EXPECT_EQ(lines[i + 3].rfind("Description\t\003", 0), 0u);
            ExpectCapsBlock(lines, i + 4);
            EXPECT_EQ(lines[i + 4 + kCapsBlockLines].rfind("Driver Version\t\003", 0), 0u);
            EXPECT_EQ(lines[i + 5 + kCapsBlockLines].rfind("Paper Sizes Supported\t\003", 0), 0u);
        }
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(lines.back(), "");
    ExpectQuickHelpForEveryCaption(lines, kPrintersHelp);
}

DWORD WINAPI TryPrinterLock(void *) {
    if (!TryEnterCriticalSection(&g_app.printerLock))
        return 0;
    LeaveCriticalSection(&g_app.printerLock);
    return 1;
}

TEST(PrintersOnWine, ThePrinterLockIsFreeAfterTheReport) {
    RunPrinters();
    HANDLE thread = CreateThread(nullptr, 0, TryPrinterLock, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    DWORD free = 0;
    GetExitCodeThread(thread, &free);
    CloseHandle(thread);
    EXPECT_EQ(free, 1u);
}

TEST(PrintersOnWine, QuickHelpCoversEveryPrinterCaption) {
    // Build the lines of a printer with papers and resolutions, so that every caption is checked
    // even when the machine has no printer on a parallel port.
    BeginReport(*g_report);
    AddReportLine(*g_report, "\006\002%s", "Some Printer");
    AddReportLine(*g_report, "Driver\t\003%s", "Some Driver");
    AddReportLine(*g_report, "Port\t\003%s", "LPT1:");
    AddReportLine(*g_report, "Description\t\003%s", "");
    DeviceCapsValues caps = {};
    WriteDeviceCapsBlock(*g_report, caps);
    const uint16_t papers[] = {1, 9};
    const int32_t resolutions[] = {300, 300};
    PaperInfo paper = {0x400, 2, papers, 2, 1, resolutions, 1, 1, 0};
    WritePaperBlock(*g_report, paper);
    ExpectQuickHelpForEveryCaption(ReportLines(), kPrintersHelp);
}

} // namespace
