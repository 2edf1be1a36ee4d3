// The process, module, priority and window views against the processes, threads, modules and windows
// that really run here. The tests check the shape of the reports and our own process's entries.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "explore/explore_win.h"
#include "tests/wintest_env.h"

namespace {

bool StartsWith(const std::string &text, const std::string &prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string Upper(std::string text) {
    CharUpperA(text.data());
    return text;
}

std::string OwnExePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return Upper(path);
}

size_t OwnThreadCount() {
    size_t n = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        n += thread.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return n;
}

TEST(ProcessMemory, OurProcessWithItsPathAndId) {
    auto lines = RunTool(ExploreProcessMemory);
    auto own =
        std::find(lines.begin(), lines.end(), "Process ID\t\003" + std::to_string(GetCurrentProcessId()));
    ASSERT_NE(own, lines.end());
    EXPECT_EQ(Upper(own[-1]), "MODULE PATH\t\003" + OwnExePath());
    ExpectClicksFindCaptions(2256, lines);
}

TEST(ProcessList, SummaryCountsTheBlocksUnderIt) {
    auto lines = RunTool(ExploreProcessList);
    ASSERT_GT(lines.size(), 5u);
    long blocks = 0, threads = 0;
    for (const std::string &line : lines) {
        blocks += StartsWith(line, "\006\002");
        threads += StartsWith(line, "Threads\t\003") ? std::atol(line.c_str() + 9) : 0;
    }
    EXPECT_EQ(lines[1], "Active Processes\t\003" + std::to_string(blocks));
    EXPECT_EQ(lines[2], "Active Threads\t\003" + std::to_string(threads));
    auto own = std::find_if(lines.begin() + 1, lines.end(), [](const std::string &line) {
        return Upper(line) == "FILE NAME\t\003" + OwnExePath();
    });
    ASSERT_NE(own, lines.end());
    EXPECT_EQ(Upper(own[-1]), "\006\002QV_WINDOW_TESTS");
    EXPECT_EQ(own[2], "Threads\t\003" + std::to_string(OwnThreadCount()));
    ExpectClicksFindCaptions(2255, lines);
}

TEST(ModuleList, EveryLoadedFileOursAmongThem) {
    auto lines = RunTool(ExploreModuleList);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Active Modules\t\003" + std::to_string(lines.size() - 3));
    EXPECT_TRUE(std::count_if(lines.begin() + 3, lines.end(), [](const std::string &line) {
        return Upper(line) == "\003QV_WINDOW_TESTS\t\003" + OwnExePath();
    }));
    ExpectClicksFindCaptions(2258, lines);
}

// Our own block of the Priority List: the class line (or empty line), the heading and the threads.
std::vector<std::string> OwnPriorityBlock() {
    auto lines = RunTool(ExplorePriorityList);
    auto own = std::find_if(lines.begin(), lines.end(),
                            [](const std::string &line) { return Upper(line) == "\006\002QV_WINDOW_TESTS"; });
    if (lines.end() - own < 4)
        return {"no block of our own"};
    return std::vector<std::string>(own + 1, std::find(own + 4, lines.end(), ""));
}

TEST(PriorityList, ClassAndOneLinePerThreadOfOurProcess) {
    auto block = OwnPriorityBlock();
    ASSERT_EQ(block.size(), 3 + OwnThreadCount());
    EXPECT_EQ(block[0], "Process Priority Class\t\003NORMAL");
    EXPECT_EQ(block[2], "\006Threads\t\006Base Priority\t\006Current Priority");
    // The main thread owns the main window: its line shows the window's text, not the thread's id.
    EXPECT_TRUE(std::count_if(block.begin() + 3, block.end(), [](const std::string &line) {
        return line.find_first_not_of("0123456789", 1) < line.find('\t');
    }));
    ExpectClicksFindCaptions(2257, ReportLines());

    ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS));
    EXPECT_EQ(OwnPriorityBlock()[0], "Process Priority Class\t\003HIGH");
    ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS));
}

// The seven lines of the window whose title line is "\006\002" + title.
std::vector<std::string> WindowBlock(const std::vector<std::string> &lines, const std::string &title) {
    EXPECT_EQ(lines.size() % 7, 0u);
    for (size_t i = 0; i + 7 <= lines.size(); i += 7)
        if (lines[i] == "\006\002" + title)
            return std::vector<std::string>(lines.begin() + i, lines.begin() + i + 7);
    ADD_FAILURE() << "no block for " << title;
    return std::vector<std::string>(7);
}

TEST(WindowList, OurWindowsDescribed) {
    HWND plain = CreateWindowExA(0, "STATIC", "Window List Probe", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200,
                                 nullptr, nullptr, g_app.instance, nullptr);
    HWND focus = CreateWindowExA(0, "STATIC", "Window List Focus Probe", WS_OVERLAPPEDWINDOW, 10, 20, 300,
                                 200, nullptr, nullptr, g_app.instance, nullptr);
    ShowWindow(focus, SW_SHOWMAXIMIZED);
    SetFocus(focus);
    PumpMessages();
    ASSERT_EQ(GetFocus(), focus);
    RECT client;
    GetClientRect(plain, &client);
    auto lines = RunTool(ExploreWindowList);
    EXPECT_EQ(
        WindowBlock(lines, "Window List Probe"),
        (std::vector<std::string>{
            "\006\002Window List Probe", "Owner\t\003qv_window_tests",
            "Window Style\t\003OVERLAPPED, BORDER, CAPTION, MAXIMIZE BOX, MINIMIZE BOX, SYSTEM MENU",
            "Window Dimensions\t\003300 x 200",
            "Client Dimensions\t\003" + std::to_string(client.right) + " x " + std::to_string(client.bottom),
            "Status\t\003Windowed, Hidden", ""}));
    EXPECT_EQ(WindowBlock(lines, "Window List Focus Probe")[5], "Status\t\003Maximized, Visible, Focus");
    ExpectClicksFindCaptions(2260, lines);

    DestroyWindow(plain);
    DestroyWindow(focus);
    PumpMessages();
}

TEST(ProcessViews, MissingToolHelpEntriesGiveOneLine) {
    void (*tools[])(HWND) = {ExploreProcessMemory, ExploreProcessList, ExploreModuleList, ExplorePriorityList,
                             ExploreWindowList};
    const int help[] = {2256, 2255, 2258, 2257, 2260};
    ToolHelpTable saved = g_toolhelp;
    for (int i = 0; i < 5; ++i) {
        g_toolhelp.Process32Next = nullptr;
        auto lines = RunTool(tools[i]);
        g_toolhelp = saved;
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(StartsWith(lines[0], "Tool Help Unavailable\t"));
        ExpectClicksFindCaptions(help[i], lines);
    }
    g_toolhelp.Heap32First = nullptr;
    EXPECT_EQ(RunTool(ExploreProcessMemory).size(), 1u);
    g_toolhelp = saved;
}

} // namespace
