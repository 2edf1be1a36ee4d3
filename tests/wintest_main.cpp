// Window tests: the real main window, its children and the data thread, created in this process.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "monitor/monitors_win.h"
#include "monitor/sampler_win.h"
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

} // namespace

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
    HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
    if (!found)
        return lines;
    const char *text = static_cast<const char *>(LockResource(LoadResource(g_app.instance, found)));
    std::string all(text, SizeofResource(g_app.instance, found));
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        std::string line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new FrameEnvironment);
    return RUN_ALL_TESTS();
}
