// The mouse test: a black full-screen window with four corner boxes and a centre box. Clicking
// anywhere but on a box, or ending with the right button before all four corners are checked, fails.
#include <windows.h>

#include "diagnose/reports_win.h"
#include "report/main_screen_win.h"

namespace {

const char kMouseTestClass[] = "MouseTests";
const char kMouseTestText[] =
    "Click with the left mouse button only \non the buttons in the four corners,\nthen click "
    "with the left mouse button \non the center button.\nMove the cursor to the center of "
    "this text,\nthen click with the right mouse button\n to end the test.";
constexpr int kFirstCorner = 10, kCentreBox = 14, kBoxSize = 20;

DWORD g_mouseFailed;
MouseTestDriver g_mouseDriver;

void MouseTest_OnCreate(HWND window) {
    g_mouseFailed = 0;
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const POINT at[5] = {{0, 0},
                         {w - kBoxSize, 0},
                         {0, h - kBoxSize},
                         {w - kBoxSize, h - kBoxSize},
                         {w / 2 - kBoxSize / 2, h / 2 - kBoxSize / 2}};
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    for (int i = 0; i < 5; ++i)
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, at[i].x, at[i].y, kBoxSize,
                        kBoxSize, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstCorner + i)),
                        instance, nullptr);
}

void MouseTest_OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    int w = GetSystemMetrics(SM_CXSCREEN);
    RECT text = {w / 3, 50, 2 * w / 3, 200};
    HGDIOBJ old = g_draw.normalFont ? SelectObject(dc, g_draw.normalFont) : nullptr;
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 0, 0));
    DrawTextA(dc, kMouseTestText, -1, &text, DT_CENTER);
    if (old)
        SelectObject(dc, old);
    EndPaint(window, &ps);
}

// The right button ends the test; the centre box is not looked at.
void MouseTest_OnRightButton(HWND window) {
    for (int id = kFirstCorner; id < kCentreBox; ++id)
        if (IsDlgButtonChecked(window, id) != BST_CHECKED)
            g_mouseFailed = 1;
    DestroyWindow(window);
}

LRESULT CALLBACK MouseTestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            MouseTest_OnCreate(window);
            return 0;
        case WM_PAINT:
            MouseTest_OnPaint(window);
            return 0;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
        case WM_LBUTTONDOWN:
            g_mouseFailed = 1;
            return 0;
        case WM_RBUTTONDOWN:
            MouseTest_OnRightButton(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void SetMouseTestDriver(MouseTestDriver driver) {
    g_mouseDriver = driver;
}

TestOutcome RunMouseTest(HWND owner) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kMouseTestClass, &wc)) {
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = MouseTestProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = kMouseTestClass;
        if (!RegisterClassA(&wc))
            return kTestNotRun;
    }
    HWND window =
        CreateWindowExA(0, kMouseTestClass, "", WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), owner, nullptr, instance, nullptr);
    if (!window)
        return kTestNotRun;
    if (g_mouseDriver)
        g_mouseDriver(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return OutcomeOfFlag(g_mouseFailed);
}
