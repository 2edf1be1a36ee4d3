// The Check tools against Wine's real lists and windows, and the installation checks against folders
// laid out like a Windows 95 installation.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "check/check_win.h"
#include "platform/globals_win.h"
#include "tests/wintest_env.h"

namespace {

std::vector<std::string> Lines(const ReportBuffer &report) {
    return std::vector<std::string>(report.line, report.line + report.count);
}

void RegistryWithoutDevices(HWND) {
    CheckRegistry([](const char *) { return 0; });
}

TEST(CheckReports, EveryToolWritesItsLinesAndExplainsThem) {
    struct Case {
        void (*tool)(HWND);
        int help;
        size_t firstTest, tests;
    } cases[] = {{CheckHeapList, 2451, 2, 5},          {CheckHeapIntegrity, 2452, 2, 8},
                 {CheckProcessList, 2454, 2, 8},       {CheckModuleList, 2455, 2, 11},
                 {CheckThreadList, 2456, 2, 7},        {CheckWindowChain, 2453, 2, 12},
                 {CheckDirectoryTree, 2458, 1, 28},    {CheckSystemFiles, 2457, 1, 7},
                 {RegistryWithoutDevices, 2459, 1, 12}};
    for (const Case &c : cases) {
        c.tool(g_app.mainScreen);
        auto lines = Lines(*g_report);
        SCOPED_TRACE(c.help);
        ASSERT_GE(lines.size(), c.firstTest + c.tests);
        for (size_t i = c.firstTest; i < c.firstTest + c.tests; ++i)
            EXPECT_TRUE(lines[i].ends_with("\t\003Passed") || lines[i].ends_with("\t\002Failed")) << lines[i];
        // Owner lines (in red) name a process or window, not a caption.
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [](const std::string &l) { return !l.empty() && l[0] == kRed; }),
                    lines.end());
        ExpectClicksFindCaptions(c.help, lines);
    }
    // Without heap lists the heap walks examine nothing and never reach for the blocks.
    CheckHeapIntegrity(g_app.mainScreen);
    EXPECT_STREQ(g_report->line[1], "Heaps checked\t\0030");
}

TEST(CheckReports, AFailingWindowIsNamedByItsRootOwner) {
    HWND owner = CreateWindowExA(0, "STATIC", "Ledger - March", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND failing = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_SYSMENU, 10, 10, 50, 50, owner, nullptr,
                                   nullptr, nullptr);
    CheckWindowChain(g_app.mainScreen);
    DestroyWindow(failing);
    DestroyWindow(owner);
    auto lines = Lines(*g_report);
    ASSERT_GT(lines.size(), 16u);
    EXPECT_EQ(lines[5], "Sysmenu + No Caption test\t\002Failed");
    EXPECT_EQ(lines[15], "\006Failing Windows\t\006File name");
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    EXPECT_NE(std::find(lines.begin() + 16, lines.end(), std::string("\002Ledger\t\002") + exe), lines.end());
}

void RemoveTree(const std::string &path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        std::string name = path + "\\" + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA(name.c_str());
        else if (found.cFileName[0] != '.')
            RemoveTree(name);
    }
    FindClose(search);
    RemoveDirectoryA(path.c_str());
}

std::vector<std::string> Failed(void (*write)(ReportBuffer &, const InstallationPlaces &),
                                const InstallationPlaces &places) {
    BeginReport(*g_report);
    write(*g_report, places);
    std::vector<std::string> failed;
    for (const std::string &line : Lines(*g_report))
        if (line.ends_with("\t\002Failed"))
            failed.push_back(line.substr(0, line.find('\t')));
    return failed;
}

TEST(InstallationChecks, AWindows95LayoutInAFolderNamedWithPercentSigns) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string base = std::string(temp) + "qv%s%d" + std::to_string(GetCurrentProcessId());
    // Folders end in a backslash; the root files are spread over two roots, C and D.
    std::string layout =
        "|C\\|D\\|W\\|W\\Command\\|W\\Config\\|W\\Cursors\\|W\\Desktop\\|W\\Fonts\\|W\\Help\\|W\\Inf\\|"
        "W\\Media\\|W\\Pif\\|W\\Recent\\|W\\Sendto\\|W\\Spool\\|W\\Spool\\Printers\\|W\\Start Menu\\|"
        "W\\Start Menu\\Programs\\|W\\Start Menu\\Programs\\Accessories\\|W\\Start Menu\\Programs\\Games\\|"
        "W\\Start Menu\\Programs\\Multimedia\\|W\\Start Menu\\Programs\\System\\|"
        "W\\Start Menu\\Programs\\Startup\\|W\\Sysbckup\\|W\\System\\|W\\System\\Color\\|"
        "W\\System\\Iosubsys\\|W\\System\\Viewers\\|W\\System\\Vmm32\\|W\\Temp\\|W\\WIN.COM|W\\SYSTEM.DAT|"
        "W\\SYSTEM.DA0|W\\USER.DAT|W\\EXPLORER.EXE|C\\COMMAND.COM|C\\IO.SYS|C\\SETUPLOG.TXT|C\\DETLOG.TXT|"
        "D\\BOOTLOG.TXT|";
    for (const char *file :
         {"GDI32.DLL",    "USER32.DLL",   "KERNEL32.DLL", "GDI.EXE",      "USER.EXE",    "KRNL386.EXE",
          "VMM32.VXD",    "ADVAPI32.DLL", "MPR.DLL",      "MPREXE.EXE",   "MPRSERV.DLL", "WINSPOOL.DRV",
          "LINKINFO.DLL", "VERSION.DLL",  "SHELL32.DLL",  "COMCTL32.DLL", "SYSTRAY.EXE", "WINMM.DLL",
          "SPOOL32.EXE",  "SPOOLSS.DLL",  "COMDLG32.DLL"})
        layout += std::string("W\\System\\") + file + "|";
    for (size_t at = 0, end; (end = layout.find('|', at)) != std::string::npos; at = end + 1) {
        std::string full = base + "\\" + layout.substr(at, end - at);
        if (full.back() == '\\')
            CreateDirectoryA(full.c_str(), nullptr);
        else
            CloseHandle(CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    InstallationPlaces places = {};
    snprintf(places.windows, sizeof places.windows, "%s\\W", base.c_str());
    snprintf(places.system, sizeof places.system, "%s\\W\\System", base.c_str());
    snprintf(places.roots[0], sizeof places.roots[0], "%s\\C\\", base.c_str());
    snprintf(places.roots[1], sizeof places.roots[1], "%s\\D", base.c_str());
    places.rootCount = 2;

    EXPECT_EQ(Failed(WriteDirectoryTree, places), std::vector<std::string>{});
    EXPECT_EQ(Failed(WriteSystemFiles, places), (std::vector<std::string>{"SYSTEM.NEW", "USER.NEW"}));
    RemoveTree(base + "\\W\\Start Menu\\Programs\\Games");
    DeleteFileA((base + "\\W\\System\\VMM32.VXD").c_str());
    DeleteFileA((base + "\\D\\BOOTLOG.TXT").c_str());
    EXPECT_EQ(Failed(WriteDirectoryTree, places), std::vector<std::string>{"                \\Games"});
    EXPECT_EQ(Failed(WriteSystemFiles, places),
              (std::vector<std::string>{"SYSTEM.NEW", "USER.NEW", "VMM32.VXD", "BOOTLOG.TXT"}));
    RemoveTree(base);
}

} // namespace
