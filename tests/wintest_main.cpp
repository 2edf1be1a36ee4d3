// Window tests: the real main window, its children and the data thread, created in this process.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/globals.h"
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

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new FrameEnvironment);
    return RUN_ALL_TESTS();
}
