// The process, module, priority and window views against the processes, threads, modules and windows
// that really run here. The tests check the shape of the reports, not the particular numbers.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/globals_win.h"
#include "report/report_lines.h"
#include "platform/toolhelp_win.h"
#include "explore/explore_win.h"
#include "report/quick_help.h"
#include "tests/wintest_env.h"

namespace {

std::string Line(int i) {
    return g_report->line[i];
}

bool StartsWith(const std::string &text, const char *prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The value after "caption\t\003".
std::string ValueOf(const std::string &line, const char *caption) {
    std::string head = std::string(caption) + "\t\003";
    EXPECT_TRUE(StartsWith(line, head.c_str())) << "line \"" << line << "\" is not " << caption;
    return StartsWith(line, head.c_str()) ? line.substr(head.size()) : std::string();
}

unsigned long NumberOf(const std::string &line, const char *caption) {
    std::string value = ValueOf(line, caption);
    EXPECT_FALSE(value.empty()) << caption;
    for (char c : value)
        EXPECT_TRUE(isdigit(static_cast<unsigned char>(c))) << line;
    return std::strtoul(value.c_str(), nullptr, 10);
}

int MainScreenCount() {
    return static_cast<int>(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0));
}

void RunReport(void (*tool)(HWND)) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    tool(g_app.mainScreen);
    PumpMessages();
    ASSERT_EQ(MainScreenCount(), g_report->count) << "every line is shown";
    for (int i = 0; i < g_report->count; ++i)
        EXPECT_FALSE(StartsWith(Line(i), "Report Cut Short")) << "nothing cut in an ordinary report";
}

std::string OwnExePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string Upper(std::string text) {
    for (char &c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

unsigned long OwnThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    unsigned long n = 0;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        if (thread.th32OwnerProcessID == GetCurrentProcessId())
            ++n;
    CloseHandle(snapshot);
    return n;
}

TEST(ProcessMemory, SevenLinesPerProcessOursAmongThem) {
    RunReport(ExploreProcessMemory);
    int n = g_report->count;
    ASSERT_GT(n, 0);
    ASSERT_EQ(n % 7, 0);
    bool ours = false;
    for (int i = 0; i < n; i += 7) {
        SCOPED_TRACE(Line(i));
        EXPECT_TRUE(StartsWith(Line(i), "\006\002"));
        std::string path = ValueOf(Line(i + 1), "Module Path");
        unsigned long id = NumberOf(Line(i + 2), "Process ID");
        NumberOf(Line(i + 3), "Fixed Memory");
        NumberOf(Line(i + 4), "Moveable Memory");
        NumberOf(Line(i + 5), "Free Memory");
        EXPECT_EQ(Line(i + 6), "");
        if (id == GetCurrentProcessId()) {
            ours = true;
            EXPECT_STRCASEEQ(path.c_str(), OwnExePath().c_str());
            EXPECT_GT(Line(i).size(), 2u) << "our process has a heading";
        }
    }
    EXPECT_TRUE(ours);
}

TEST(ProcessList, SummaryThenOneBlockPerProcess) {
    RunReport(ExploreProcessList);
    int n = g_report->count;
    ASSERT_GT(n, 5);
    EXPECT_EQ(Line(0), "\006Processes");
    unsigned long processes = NumberOf(Line(1), "Active Processes");
    unsigned long threads = NumberOf(Line(2), "Active Threads");
    EXPECT_EQ(Line(3), "");
    EXPECT_EQ(Line(4), "");
    EXPECT_GT(processes, 0u);
    EXPECT_GE(threads, processes);

    unsigned long blocks = 0, threadSum = 0;
    bool ours = false;
    int i = 5;
    while (i < n) {
        SCOPED_TRACE(Line(i));
        ASSERT_TRUE(StartsWith(Line(i), "\006\002"));
        std::string path = ValueOf(Line(i + 1), "File Name");
        unsigned long modules = NumberOf(Line(i + 2), "Modules");
        unsigned long count = NumberOf(Line(i + 3), "Threads");
        EXPECT_EQ(Line(i + 4), "");
        EXPECT_EQ(Line(i + 5), "\006Module List");
        ASSERT_LE(i + 6 + static_cast<int>(modules) + 2, n);
        for (unsigned long m = 0; m < modules; ++m) {
            std::string line = Line(i + 6 + static_cast<int>(m));
            EXPECT_TRUE(StartsWith(line, "\003")) << line;
            EXPECT_NE(line.find("\t\003"), std::string::npos) << line;
        }
        EXPECT_EQ(Line(i + 6 + static_cast<int>(modules)), "");
        EXPECT_EQ(Line(i + 7 + static_cast<int>(modules)), "");
        if (_stricmp(path.c_str(), OwnExePath().c_str()) == 0) {
            ours = true;
            EXPECT_STRCASEEQ(Line(i).c_str(), "\006\002qv_window_tests");
            EXPECT_GE(modules, 3u);
            EXPECT_GE(count, 2u) << "the main thread and the data thread";
        }
        ++blocks;
        threadSum += count;
        i += 8 + static_cast<int>(modules);
    }
    EXPECT_EQ(i, n);
    EXPECT_EQ(blocks, processes);
    EXPECT_EQ(threadSum, threads);
    EXPECT_TRUE(ours);
}

TEST(ModuleList, EveryLoadedFileOnceInUpperCase) {
    RunReport(ExploreModuleList);
    int n = g_report->count;
    ASSERT_GE(n, 3);
    EXPECT_EQ(Line(0), "\006Modules");
    unsigned long paths = NumberOf(Line(1), "Active Modules");
    EXPECT_EQ(Line(2), "");
    ASSERT_EQ(n, 3 + static_cast<int>(paths));
    std::set<std::string> seen;
    bool ownExe = false, kernel = false;
    for (int i = 3; i < n; ++i) {
        std::string line = Line(i);
        SCOPED_TRACE(line);
        ASSERT_TRUE(StartsWith(line, "\003"));
        size_t tab = line.find("\t\003");
        ASSERT_NE(tab, std::string::npos);
        std::string name = line.substr(1, tab - 1);
        std::string path = line.substr(tab + 2);
        EXPECT_EQ(path, Upper(path));
        EXPECT_EQ(name.find('.'), std::string::npos);
        EXPECT_TRUE(seen.insert(path).second) << "listed twice";
        if (path == Upper(OwnExePath())) {
            ownExe = true;
            EXPECT_STRCASEEQ(name.c_str(), "qv_window_tests");
        }
        if (path.size() >= 13 && path.substr(path.size() - 13) == "\\KERNEL32.DLL") {
            kernel = true;
            EXPECT_STRCASEEQ(name.c_str(), "kernel32");
        }
    }
    EXPECT_TRUE(ownExe);
    EXPECT_TRUE(kernel);
}

// The block of our own process in the Priority List: its first line's index, or -1.
int OwnPriorityBlock() {
    int n = g_report->count;
    for (int i = 0; i < n; ++i)
        if (_stricmp(g_report->line[i], "\006\002qv_window_tests") == 0)
            return i;
    return -1;
}

TEST(PriorityList, BlocksWithClassAndThreadLines) {
    RunReport(ExplorePriorityList);
    int n = g_report->count;
    ASSERT_GT(n, 0);
    int blocks = 0;
    int i = 0;
    while (i < n) {
        SCOPED_TRACE(Line(i));
        ASSERT_TRUE(StartsWith(Line(i), "\006\002"));
        ++i;
        if (StartsWith(Line(i), "Process Priority Class\t")) {
            std::string word = ValueOf(Line(i), "Process Priority Class");
            EXPECT_TRUE(word == "IDLE" || word == "NORMAL" || word == "HIGH" || word == "REALTIME") << word;
            ++i;
        }
        ASSERT_LT(i + 1, n);
        EXPECT_EQ(Line(i), "");
        EXPECT_EQ(Line(i + 1), "\006Threads\t\006Base Priority\t\006Current Priority");
        i += 2;
        while (i < n && !Line(i).empty()) {
            std::string line = Line(i);
            EXPECT_TRUE(StartsWith(line, "\003")) << line;
            size_t first = line.find("\t\003");
            ASSERT_NE(first, std::string::npos) << line;
            size_t second = line.find("\t\003", first + 2);
            ASSERT_NE(second, std::string::npos) << line;
            ++i;
        }
        ASSERT_LT(i + 1, n);
        EXPECT_EQ(Line(i), "");
        EXPECT_EQ(Line(i + 1), "");
        i += 2;
        ++blocks;
    }
    EXPECT_EQ(i, n);
    EXPECT_GT(blocks, 1);

    int own = OwnPriorityBlock();
    ASSERT_GE(own, 0);
    EXPECT_EQ(Line(own + 1), "Process Priority Class\t\003NORMAL");
    int threadLines = 0;
    for (int k = own + 4; k < n && !Line(k).empty(); ++k)
        ++threadLines;
    EXPECT_EQ(static_cast<unsigned long>(threadLines), OwnThreadCount());
}

TEST(PriorityList, ClassFollowsSetPriorityClass) {
    ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS));
    RunReport(ExplorePriorityList);
    int own = OwnPriorityBlock();
    ASSERT_GE(own, 0);
    EXPECT_EQ(Line(own + 1), "Process Priority Class\t\003HIGH");

    // A class without a word writes no class line.
    ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS));
    RunReport(ExplorePriorityList);
    own = OwnPriorityBlock();
    ASSERT_GE(own, 0);
    EXPECT_EQ(Line(own + 1), "");
    EXPECT_EQ(Line(own + 2), "\006Threads\t\006Base Priority\t\006Current Priority");
    ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS));
}

TEST(PriorityList, AThreadWithAWindowShowsItsCaption) {
    HWND window = CreateWindowExA(0, "STATIC", "Priority Probe Window", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, g_app.instance, nullptr);
    ASSERT_NE(window, nullptr);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    std::set<DWORD> ids;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        if (thread.th32OwnerProcessID == GetCurrentProcessId())
            ids.insert(thread.th32ThreadID);
    CloseHandle(snapshot);

    RunReport(ExplorePriorityList);
    int own = OwnPriorityBlock();
    ASSERT_GE(own, 0);
    int captioned = 0;
    for (int k = own + 4; k < g_report->count && !Line(k).empty(); ++k) {
        std::string first = Line(k).substr(1, Line(k).find('\t') - 1);
        bool isId = !first.empty() && first.find_first_not_of("0123456789") == std::string::npos;
        if (isId) {
            EXPECT_EQ(ids.count(std::strtoul(first.c_str(), nullptr, 10)), 1u) << first;
        } else {
            ++captioned;
        }
    }
    // The main thread owns the main window and this probe: its line shows a window's text.
    EXPECT_GE(captioned, 1);
    DestroyWindow(window);
}

// The block of the window whose title line is "\006\002" + title, or -1.
int WindowBlock(const char *title) {
    std::string heading = std::string("\006\002") + title;
    for (int i = 0; i < g_report->count; i += 7)
        if (Line(i) == heading)
            return i;
    return -1;
}

TEST(WindowList, SevenLinesPerWindowOursDescribed) {
    HWND plain = CreateWindowExA(0, "STATIC", "Window List Probe", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200,
                                 nullptr, nullptr, g_app.instance, nullptr);
    HWND untitled =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, g_app.instance, nullptr);
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(untitled, nullptr);
    RunReport(ExploreWindowList);
    int n = g_report->count;
    ASSERT_GT(n, 0);
    ASSERT_EQ(n % 7, 0);
    for (int i = 0; i < n; i += 7) {
        SCOPED_TRACE(Line(i));
        EXPECT_TRUE(StartsWith(Line(i), "\006\002"));
        EXPECT_GT(Line(i).size(), 2u) << "a title or No Title";
        ValueOf(Line(i + 1), "Owner");
        std::string style = ValueOf(Line(i + 2), "Window Style");
        EXPECT_TRUE(StartsWith(style, "POPUP") || StartsWith(style, "OVERLAPPED")) << style;
        EXPECT_NE(ValueOf(Line(i + 3), "Window Dimensions").find(" x "), std::string::npos);
        EXPECT_NE(ValueOf(Line(i + 4), "Client Dimensions").find(" x "), std::string::npos);
        std::string status = ValueOf(Line(i + 5), "Status");
        EXPECT_TRUE(StartsWith(status, "Iconed, ") || StartsWith(status, "Maximized, ") ||
                    StartsWith(status, "Windowed, "))
            << status;
        EXPECT_EQ(Line(i + 6), "");
    }

    int block = WindowBlock("Window List Probe");
    ASSERT_GE(block, 0);
    EXPECT_STRCASEEQ(Line(block + 1).c_str(), "Owner\t\003qv_window_tests");
    EXPECT_EQ(Line(block + 2),
              "Window Style\t\003OVERLAPPED, BORDER, CAPTION, MAXIMIZE BOX, MINIMIZE BOX, SYSTEM MENU");
    RECT outer, client;
    GetWindowRect(plain, &outer);
    GetClientRect(plain, &client);
    char expected[64];
    snprintf(expected, sizeof expected, "Window Dimensions\t\003%d x %d",
             static_cast<int>(outer.right - outer.left), static_cast<int>(outer.bottom - outer.top));
    EXPECT_EQ(Line(block + 3), expected);
    snprintf(expected, sizeof expected, "Client Dimensions\t\003%d x %d", static_cast<int>(client.right),
             static_cast<int>(client.bottom));
    EXPECT_EQ(Line(block + 4), expected);
    EXPECT_EQ(Line(block + 5), "Status\t\003Windowed, Hidden");

    // A popup without text and without caption.
    bool untitledFound = false;
    for (int i = 0; i < n; i += 7) {
        if (Line(i) == "\006\002No Title" && Line(i + 2) == "Window Style\t\003POPUP" &&
            Line(i + 3) == "Window Dimensions\t\00350 x 40" && Line(i + 5) == "Status\t\003Windowed, Hidden")
            untitledFound = true;
    }
    EXPECT_TRUE(untitledFound);
    DestroyWindow(plain);
    DestroyWindow(untitled);
}

TEST(WindowList, MaximizedVisibleWindowWithTheFocus) {
    HWND window = CreateWindowExA(0, "STATIC", "Window List Focus Probe", WS_OVERLAPPEDWINDOW, 10, 20, 300,
                                  200, nullptr, nullptr, g_app.instance, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    SetFocus(window);
    PumpMessages();
    ASSERT_EQ(GetFocus(), window);
    RunReport(ExploreWindowList);
    int block = WindowBlock("Window List Focus Probe");
    ASSERT_GE(block, 0);
    EXPECT_EQ(Line(block + 5), "Status\t\003Maximized, Visible, Focus");

    ShowWindow(window, SW_MINIMIZE);
    PumpMessages();
    RunReport(ExploreWindowList);
    block = WindowBlock("Window List Focus Probe");
    ASSERT_GE(block, 0);
    EXPECT_TRUE(StartsWith(Line(block + 5), "Status\t\003Iconed, Visible")) << Line(block + 5);
    DestroyWindow(window);
    PumpMessages();
}

TEST(WindowList, TooManyWindowsAreCutAndSaySo) {
    std::vector<HWND> windows;
    for (int i = 0; i < 440; ++i) {
        HWND w = CreateWindowExA(0, "STATIC", "Filler", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                 g_app.instance, nullptr);
        ASSERT_NE(w, nullptr);
        windows.push_back(w);
    }
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ExploreWindowList(g_app.mainScreen);
    PumpMessages();
    EXPECT_EQ(g_report->count, 3000);
    EXPECT_EQ(MainScreenCount(), 3000);
    EXPECT_TRUE(StartsWith(Line(2999), "Report Cut Short\t")) << Line(2999);
    for (int i = 0; i < 2999; i += 7)
        EXPECT_TRUE(StartsWith(Line(i), "\006\002")) << i;
    for (HWND w : windows)
        DestroyWindow(w);
}

TEST(ProcessViews, MissingToolHelpEntriesGiveOneLine) {
    ToolHelpTable saved = g_toolhelp;
    void (*tools[])(HWND) = {ExploreProcessMemory, ExploreProcessList, ExploreModuleList, ExplorePriorityList,
                             ExploreWindowList};
    for (auto tool : tools) {
        g_toolhelp.Process32Next = nullptr;
        SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
        tool(g_app.mainScreen);
        g_toolhelp = saved;
        ASSERT_EQ(g_report->count, 1);
        EXPECT_TRUE(StartsWith(Line(0), "Tool Help Unavailable\t"));
    }
    g_toolhelp.Heap32First = nullptr;
    ExploreProcessMemory(g_app.mainScreen);
    g_toolhelp = saved;
    EXPECT_EQ(g_report->count, 1);
}

// The Quick Help text of a tool, as stored in the program's resources.
std::string HelpText(int id) {
    HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
    if (!found)
        return std::string();
    HGLOBAL loaded = LoadResource(g_app.instance, found);
    const char *text = static_cast<const char *>(LockResource(loaded));
    return std::string(text, SizeofResource(g_app.instance, found));
}

std::vector<std::string> HelpLines(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Checks that the key finds a caption line of the help text, and that no word of the text before
// that line begins with the key: wherever the Quick Help Screen wraps, click-to-scroll lands there.
constexpr size_t kNeverWrapped = 24;

testing::AssertionResult KeyFindsItsCaption(const std::string &text, const char *key) {
    std::vector<std::string> lines = HelpLines(text);
    for (const std::string &line : lines) {
        // Every word start in this line, the line's own start first. A short line (a caption such as
        // "Active Threads") always fits the screen's width and is never broken inside.
        for (size_t i = 0; i < line.size(); ++i) {
            if (i > 0 && (line[i - 1] != ' ' || line.size() <= kNeverWrapped))
                continue;
            if (HelpLineMatches(line.c_str() + i, key)) {
                if (i == 0)
                    return testing::AssertionSuccess();
                return testing::AssertionFailure()
                       << "\"" << key << "\" first matches inside the text: \"" << line << "\"";
            }
        }
    }
    return testing::AssertionFailure() << "no Quick Help caption for \"" << key << "\"";
}

void CheckCaptions(void (*tool)(HWND), int helpId) {
    std::string text = HelpText(helpId);
    ASSERT_FALSE(text.empty()) << helpId;
    for (const char *section : {"OVERVIEW\n", "MORE INFORMATION\n", "DESCRIPTION\n", "USES\n", "WARNINGS\n"})
        EXPECT_NE(text.find(section), std::string::npos) << section;
    tool(g_app.mainScreen);
    std::set<std::string> keys;
    for (int i = 0; i < g_report->count; ++i) {
        // Headings that name a process or window, and the data rows, are the findings themselves.
        if (StartsWith(Line(i), "\006\002") || StartsWith(Line(i), "\003"))
            continue;
        char key[kHelpKeyLength + 1];
        if (BuildHelpSearchKey(g_report->line[i], key))
            keys.insert(key);
    }
    EXPECT_FALSE(keys.empty());
    keys.insert("Report Cut Short");
    keys.insert("Tool Help Unavailable");
    for (const std::string &key : keys) {
        char cut[kHelpKeyLength + 1] = {};
        std::strncpy(cut, key.c_str(), kHelpKeyLength);
        EXPECT_TRUE(KeyFindsItsCaption(text, cut)) << "help text " << helpId;
    }
}

TEST(ProcessViewsHelp, EveryCaptionHasItsExplanation) {
    {
        SCOPED_TRACE("Process Memory");
        CheckCaptions(ExploreProcessMemory, 2256);
    }
    {
        SCOPED_TRACE("Process List");
        CheckCaptions(ExploreProcessList, 2255);
    }
    {
        SCOPED_TRACE("Module List");
        CheckCaptions(ExploreModuleList, 2258);
    }
    {
        SCOPED_TRACE("Priority List");
        CheckCaptions(ExplorePriorityList, 2257);
    }
    {
        SCOPED_TRACE("Window List");
        CheckCaptions(ExploreWindowList, 2260);
        EXPECT_TRUE(KeyFindsItsCaption(HelpText(2260), "No Title"));
    }
}

} // namespace
