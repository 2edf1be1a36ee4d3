// The Action windows acting on another program (Notepad, started by the tests): priority classes in
// Veduduzi Rero, every window action of Riduzu Zire, and tiling and cascading with and without the
// program's own windows. Questions are answered through the message box helper.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "action/window_actions_win.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

int g_answer = IDOK;
std::vector<std::string> g_asked;

int Answer(const char *, const char *caption, UINT) {
    g_asked.push_back(caption);
    return g_answer;
}

BOOL CALLBACK FindHelperWindow(HWND window, LPARAM param) {
    auto *found = reinterpret_cast<std::pair<DWORD, HWND> *>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != found->first || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    found->second = window;
    return FALSE;
}

// Notepad, started once for the suite, and its main window.
struct ActionTest : testing::Test {
    static PROCESS_INFORMATION helper;
    static HWND helperWindow;
    static void SetUpTestSuite() {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        char command[] = "notepad.exe";
        ASSERT_TRUE(
            CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &helper));
        WaitForInputIdle(helper.hProcess, 10000);
        std::pair<DWORD, HWND> found(helper.dwProcessId, nullptr);
        for (int i = 0; i < 100 && !found.second; ++i, Sleep(50))
            EnumWindows(FindHelperWindow, reinterpret_cast<LPARAM>(&found));
        helperWindow = found.second;
    }
    static void TearDownTestSuite() {
        TerminateProcess(helper.hProcess, 0);
        WaitForSingleObject(helper.hProcess, 5000);
        CloseHandle(helper.hThread);
        CloseHandle(helper.hProcess);
    }
    void SetUp() override {
        ASSERT_NE(helperWindow, nullptr);
        SetMessageAnswerer(Answer);
        g_asked.clear();
    }
    void TearDown() override { SetMessageAnswerer(nullptr); }
    // Selects the list line whose hidden number is given, as a click does.
    static bool SelectLine(HWND dialog, int listId, unsigned long long number, std::string *name = nullptr) {
        HWND list = GetDlgItem(dialog, listId);
        std::string tail = "\t" + std::to_string(number);
        for (int i = 0, n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; ++i) {
            char line[300] = "";
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
            std::string text = line;
            if (text.size() > tail.size() &&
                text.compare(text.size() - tail.size(), tail.size(), tail) == 0) {
                SendMessageA(list, LB_SETCURSEL, i, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
                if (name)
                    *name = text.substr(0, text.size() - tail.size());
                return true;
            }
        }
        return false;
    }
    // A click on a button: an automatic radio button checks itself first.
    static void Press(HWND dialog, int id, int answer, int first = 0, int last = 0) {
        g_answer = answer;
        g_asked.clear();
        if (first)
            CheckRadioButton(dialog, first, last, id);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
};
PROCESS_INFORMATION ActionTest::helper;
HWND ActionTest::helperWindow;

DWORD ProcessIdOf(const char *exeName) {
    DWORD found = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        if (_stricmp(entry.szExeFile, exeName) == 0)
            found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

TEST_F(ActionTest, VeduduziReroChangesClassesOnlyWhenAllowed) {
    HWND dialog = OpenVeduduziRero(g_app.mainScreen);
    HWND second = OpenVeduduziRero(g_app.mainScreen);
    ASSERT_TRUE(dialog && second && dialog != second);
    DestroyWindow(second);
    EXPECT_TRUE(IsWindow(dialog));

    std::string name;
    DWORD services = ProcessIdOf("services.exe");
    ASSERT_TRUE(SelectLine(dialog, IDC_PROCESS_LIST, services, &name));
    EXPECT_EQ(name, "SERVICES");
    ASSERT_TRUE(SelectLine(dialog, IDC_PROCESS_LIST, helper.dwProcessId, &name));
    char caption[256];
    CleanCaption(helperWindow, caption, sizeof caption);
    EXPECT_EQ(name, caption);
    EXPECT_GT(SendDlgItemMessageA(dialog, IDC_THREAD_LIST, LB_GETCOUNT, 0, 0), 0);
    EXPECT_NE(SendDlgItemMessageA(dialog, IDC_THREAD_ICON, STM_GETICON, 0, 0), 0);

    struct Case {
        int button, answer;
        DWORD cls;
        const char *asked;
    } cases[] = {{IDC_PRIORITY_HIGH, IDCANCEL, HIGH_PRIORITY_CLASS, nullptr},
                 {IDC_PRIORITY_IDLE, IDOK, IDLE_PRIORITY_CLASS, "Idle Priority"},
                 {IDC_PRIORITY_MAXIMUM, IDCANCEL, IDLE_PRIORITY_CLASS, "Maximum Priority"},
                 {IDC_PRIORITY_MAXIMUM, IDOK, REALTIME_PRIORITY_CLASS, "Maximum Priority"},
                 {IDC_PRIORITY_NORMAL, IDCANCEL, NORMAL_PRIORITY_CLASS, nullptr}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        Press(dialog, c.button, c.answer, IDC_PRIORITY_IDLE, IDC_PRIORITY_MAXIMUM);
        EXPECT_EQ(GetPriorityClass(helper.hProcess), c.cls);
        EXPECT_EQ(g_asked, c.asked ? std::vector<std::string>{c.asked} : std::vector<std::string>{});
        int shown = IsDlgButtonChecked(dialog, IDC_PRIORITY_IDLE)      ? IDLE_PRIORITY_CLASS
                    : IsDlgButtonChecked(dialog, IDC_PRIORITY_HIGH)    ? HIGH_PRIORITY_CLASS
                    : IsDlgButtonChecked(dialog, IDC_PRIORITY_MAXIMUM) ? REALTIME_PRIORITY_CLASS
                                                                       : NORMAL_PRIORITY_CLASS;
        EXPECT_EQ(static_cast<DWORD>(shown), c.cls) << "the buttons show the class the program has";
    }

    // A line naming KERNEL asks first; Cancel changes nothing.
    std::string line = "KERNEL32\t" + std::to_string(helper.dwProcessId);
    SendDlgItemMessageA(dialog, IDC_PROCESS_LIST, LB_RESETCONTENT, 0, 0);
    SendDlgItemMessageA(dialog, IDC_PROCESS_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    ASSERT_TRUE(SelectLine(dialog, IDC_PROCESS_LIST, helper.dwProcessId));
    Press(dialog, IDC_PRIORITY_HIGH, IDCANCEL, IDC_PRIORITY_IDLE, IDC_PRIORITY_MAXIMUM);
    EXPECT_EQ(g_asked, std::vector<std::string>{"KERNEL32 Priority Changes"});
    EXPECT_EQ(GetPriorityClass(helper.hProcess), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(ActionTest, RiduzuZireActsOnAnotherProgramsWindow) {
    HWND dialog = OpenRiduzuZire(g_app.mainScreen);
    ASSERT_TRUE(SelectLine(dialog, IDC_WINDOW_LIST, reinterpret_cast<uintptr_t>(helperWindow)));
    struct Case {
        int button, answer;
        const char *asked;
        bool visible, iconic, enabled, topmost;
    } cases[] = {
        {IDC_VISIBLE_HIDE, IDCANCEL, nullptr, false, false, true, false},
        {IDC_VISIBLE_SHOW, IDCANCEL, "Show", false, false, true, false},
        {IDC_VISIBLE_SHOW, IDOK, "Show", true, false, true, false},
        {IDC_SIZE_ICON, IDCANCEL, nullptr, true, true, true, false},
        {IDC_SIZE_WINDOW, IDCANCEL, nullptr, true, false, true, false},
        {IDC_DISABLED, IDCANCEL, "Disable", true, false, true, false},
        {IDC_DISABLED, IDOK, "Disable", true, false, false, false},
        {IDC_ENABLED, IDCANCEL, nullptr, true, false, true, false},
        {IDC_ON_TOP, IDCANCEL, nullptr, true, false, true, true},
        {IDC_OFF_TOP, IDCANCEL, nullptr, true, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        Press(dialog, c.button, c.answer);
        EXPECT_EQ(g_asked, c.asked ? std::vector<std::string>{c.asked} : std::vector<std::string>{});
        EXPECT_EQ(IsWindowVisible(helperWindow) != 0, c.visible);
        EXPECT_EQ(IsIconic(helperWindow) != 0, c.iconic);
        EXPECT_EQ(IsWindowEnabled(helperWindow) != 0, c.enabled);
        EXPECT_EQ((GetWindowLongA(helperWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.topmost);
        bool done = !c.asked || c.answer == IDOK;
        EXPECT_EQ(IsDlgButtonChecked(dialog, c.button) == BST_CHECKED, done);
    }

    SetDlgItemTextA(dialog, IDC_WINDOW_CAPTION, "Renamed Helper");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WINDOW_CAPTION, EN_KILLFOCUS), 0);
    EXPECT_EQ(WindowText(helperWindow), "Renamed Helper");

    // A window that closed after the list was read leaves nothing to act on.
    HWND shortLived =
        CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SendMessageA(dialog, WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_WINDOW_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
    DestroyWindow(shortLived);
    std::string name;
    ASSERT_TRUE(SelectLine(dialog, IDC_WINDOW_LIST, reinterpret_cast<uintptr_t>(shortLived), &name));
    EXPECT_EQ(name, "No Caption");
    for (int id : {IDC_WINDOW_CAPTION, IDC_VISIBLE_SHOW, IDC_SIZE_ICON, IDC_DISABLED, IDC_POPUPS_HIDE})
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The window's place once the moves sent to its program have been made.
RECT RectOf(HWND window) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &ignored);
    RECT r;
    GetWindowRect(window, &r);
    return r;
}
bool operator==(const RECT &a, const RECT &b) {
    return EqualRect(&a, &b) != 0;
}

TEST_F(ActionTest, TilingAndCascadingLeaveTheProgramAloneUnlessIncluded) {
    HMENU menu = GetMenu(g_app.main);
    CheckMenuItem(menu, CMD_INCLUDE_SELF, MF_BYCOMMAND | MF_UNCHECKED);
    RECT mainBefore = RectOf(g_app.main);
    SetWindowPos(helperWindow, nullptr, 7, 9, 120, 90, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT helperBefore = RectOf(helperWindow);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);

    g_answer = IDCANCEL;
    Command(3304);
    EXPECT_EQ(g_asked, std::vector<std::string>{"Tile Windows"});
    EXPECT_TRUE(RectOf(helperWindow) == helperBefore) << "a refused question moves nothing";

    g_answer = IDOK;
    Command(3304);
    RECT tiled = RectOf(helperWindow);
    EXPECT_FALSE(tiled == helperBefore);
    EXPECT_TRUE(tiled.top == work.top && tiled.bottom <= work.bottom && tiled.right <= work.right);
    EXPECT_TRUE(RectOf(g_app.main) == mainBefore);

    Command(3303);
    RECT cascaded = RectOf(helperWindow);
    EXPECT_FALSE(cascaded == tiled);
    EXPECT_TRUE(RectOf(g_app.main) == mainBefore);

    Command(CMD_INCLUDE_SELF);
    Command(3303);
    EXPECT_FALSE(RectOf(g_app.main) == mainBefore) << "marked, the program's window is cascaded too";
    Command(CMD_INCLUDE_SELF);
    SetWindowPos(g_app.main, nullptr, mainBefore.left, mainBefore.top, mainBefore.right - mainBefore.left,
                 mainBefore.bottom - mainBefore.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace
