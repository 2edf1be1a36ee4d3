// Window tests: the real main window, its children and the data thread, created in this process.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "monitor/monitors_win.h"
#include "monitor/sampler_win.h"
#include "report/quick_help.h"
#include "report/report_lines.h"
#include "tests/wintest_env.h"

const char kTestMainClass[] = "QUORVEX_WINTEST";

namespace {

class FrameEnvironment : public testing::Environment {
public:
    void SetUp() override {
        g_app.instance = GetModuleHandleA(nullptr);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        g_app.newDataMessage = RegisterWindowMessageA("NEWDATAREADY");
        g_app.monitorActiveMessage = RegisterWindowMessageA("MONITORACTIVE");
        ASSERT_TRUE(RegisterMainClass(kTestMainClass));
        ASSERT_NE(CreateMainWindow(kTestMainClass, WS_OVERLAPPEDWINDOW | WS_VISIBLE), nullptr);
        InitializeStage();
        InitializeCriticalSection(&g_app.printerLock);
        // The tests tick the sampler themselves; the data thread's timer only does when a test lets it.
        HoldSampler(true);
        ASSERT_TRUE(StartDataThread());
    }
};

// A line of the text up to this length fits the Quick Help Screen even in its widest letters, so it
// is never wrapped.
constexpr size_t kNeverWrapped = 14;

// Captions the reports write whose key is that of an earlier line with another explanation (a section
// name, or a caption of another group): a click on them lands there.
const char *const kShadowedCaptions[] = {"Description", "     Styled Lines", "     Wide/Styled Lines",
                                         "     Character Scaling"};

// Whether a line of the help text is the caption: the same text, perhaps with a note in brackets;
// numbered lines ("Paper Size 2") share the caption without the number.
bool IsCaptionLine(const std::string &help, const std::string &caption) {
    size_t number = caption.find_last_not_of("0123456789");
    return help == caption || (help.rfind(caption + " (", 0) == 0 && help.back() == ')') ||
           (number + 1 < caption.size() && caption[number] == ' ' && help == caption.substr(0, number));
}

// Whether click-to-scroll takes a report line to its own caption: scanning the help text from the
// top, the first place the line's key matches must be the caption line that repeats the line's first
// column, or a caption stacked with it over one explanation that shares the key. A place is the start
// of a line of the text or, as the Quick Help Screen wraps long lines at spaces, of any word in one.
testing::AssertionResult ClickFindsOwnCaption(const std::vector<std::string> &help, const std::string &line) {
    char key[kHelpKeyLength + 1];
    if (!BuildHelpSearchKey(line.c_str(), key) || !key[0])
        return testing::AssertionSuccess();
    std::string caption; // the first column without its marker bytes and trailing blanks
    for (size_t i = line.find_first_not_of('\t'); i < line.size() && line[i] != '\t'; ++i)
        if (!(line[i] >= 1 && line[i] <= 10) && line[i] != '&')
            caption += line[i];
    caption.erase(caption.find_last_not_of(' ') + 1);
    for (size_t k = 0; k < help.size(); ++k) {
        const std::string &h = help[k];
        for (size_t i = 0; i < h.size(); ++i) {
            if ((i > 0 && (h.size() <= kNeverWrapped || h[i - 1] != ' ' || h[i] == ' ')) ||
                !HelpLineMatches(h.c_str() + i, key))
                continue;
            if (i == 0 && std::count(std::begin(kShadowedCaptions), std::end(kShadowedCaptions), caption))
                return testing::AssertionSuccess();
            for (size_t c = k; i == 0 && c < help.size() && HelpLineMatches(help[c].c_str(), key); ++c)
                if (IsCaptionLine(help[c], caption))
                    return testing::AssertionSuccess();
            return testing::AssertionFailure()
                   << "\"" << caption << "\" lands on \"" << h.substr(i, 70) << "\"";
        }
    }
    return testing::AssertionFailure() << "no Quick Help caption \"" << caption << "\"";
}

} // namespace

bool StartNotepad(PROCESS_INFORMATION *process) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    char commandLine[] = "notepad.exe";
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        process))
        return false;
    WaitForInputIdle(process->hProcess, 10000);
    return true;
}

void EndProgram(PROCESS_INFORMATION &process) {
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CloseMonitors() {
    for (HWND &window : g_monitorWindow) {
        HWND open = window;
        if (open && IsWindow(open))
            SendMessageA(open, WM_COMMAND, IDCANCEL, 0);
        window = nullptr;
    }
    PumpMessages();
}

std::vector<std::string> QuickHelpLines(int id) {
    std::vector<std::string> lines;
    if (HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10))) {
        const char *text = static_cast<const char *>(LockResource(LoadResource(g_app.instance, found)));
        std::istringstream all(std::string(text, SizeofResource(g_app.instance, found)));
        for (std::string line; std::getline(all, line);)
            lines.push_back(line.substr(0, line.find_last_not_of('\r') + 1));
    }
    return lines;
}

void Command(int id) {
    SendMessageA(g_app.main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpMessages();
}

std::string WindowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<std::string> ReportLines() {
    return std::vector<std::string>(g_report->line, g_report->line + g_report->count);
}

std::vector<std::string> RunTool(void (*tool)(HWND)) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    tool(g_app.mainScreen);
    PumpMessages();
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), g_report->count);
    return ReportLines();
}

void ExpectClicksFindCaptions(int helpId, std::vector<std::string> lines) {
    std::vector<std::string> help = QuickHelpLines(helpId);
    ASSERT_FALSE(help.empty()) << helpId;
    lines.push_back(std::string(kReportCutCaption) + "\t\002x");
    for (const std::string &line : lines)
        if (line.rfind("\006\002", 0) != 0 && line.rfind("\003", 0) != 0) {
            EXPECT_TRUE(ClickFindsOwnCaption(help, line)) << "help text " << helpId;
        }
}

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new FrameEnvironment);
    return RUN_ALL_TESTS();
}
