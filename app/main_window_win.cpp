// The main window: its children, and its procedure.
#include <windows.h>
#include <commctrl.h>

#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "app/layout.h"
#include "monitor/usage_win.h"
#include "report/main_screen_win.h"
#include "resources/resource_ids.h"

namespace {

HWND CreateChild(const char *cls, DWORD style, const ChildRect &r, HWND parent, int id) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, cls, "", WS_CHILD | WS_VISIBLE | style, r.x, r.y, r.width,
                           r.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           g_app.instance, nullptr);
}

void MainWnd_OnCreate(HWND hwnd) {
    g_app.main = hwnd;
    g_app.topToolbar = CreateTopToolbar(hwnd);
    RECT bar = {0, 0, 0, 0};
    if (g_app.topToolbar)
        GetWindowRect(g_app.topToolbar, &bar);
    RECT client;
    GetClientRect(hwnd, &client);
    MainLayout layout =
        ComputeMainLayout(client.right - client.left, client.bottom - client.top, bar.bottom - bar.top);
    g_app.mainScreen = CreateChild(
        "LISTBOX", WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL,
        layout.mainScreen, hwnd, IDC_MAIN_SCREEN);
    SendMessageA(g_app.mainScreen, LB_SETHORIZONTALEXTENT, 1000, 0);
    g_app.mainTitle = CreateChild("STATIC", WS_DLGFRAME, layout.mainTitle, hwnd, 0);
    g_app.helpScreen =
        CreateChild("LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, layout.helpScreen, hwnd, 0);
    g_app.helpTitle = CreateChild("STATIC", WS_DLGFRAME, layout.helpTitle, hwnd, 0);
    // No resizing: the size entry of the system menu goes.
    RemoveMenu(GetSystemMenu(hwnd, FALSE), 2, MF_BYPOSITION);
}

void MainWnd_OnDestroy() {
    // No tick may run after the final save, and no monitor may draw with the shared brushes once
    // they are gone.
    StopDataThread();
    // A headless run never writes the history.
    if (!g_app.headless)
        SaveHistory();
    RemoveUsageHook();
    DeleteDrawingObjects();
    PostQuitMessage(0);
}

LRESULT MainWnd_OnCtlColorStatic(HWND hwnd, HDC dc, HWND control) {
    if (control == g_app.mainTitle || control == g_app.helpTitle) {
        SetTextColor(dc, RGB(255, 255, 0));
        SetBkColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    }
    return DefWindowProcA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

void MainWnd_OnMouseMove(HWND hwnd) {
    HWND focus = GetFocus();
    if (focus && (focus == g_app.mainScreen || focus == g_app.helpScreen || focus == g_app.mainTitle ||
                  focus == g_app.helpTitle))
        SetFocus(hwnd);
}

} // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            MainWnd_OnCreate(hwnd);
            break;
        case WM_DESTROY:
            MainWnd_OnDestroy();
            return 0;
        case WM_QUERYENDSESSION:
            CountShutdownQuery();
            if (!g_app.headless)
                SaveHistory();
            break;
        case WM_GETMINMAXINFO: {
            MINMAXINFO *info = reinterpret_cast<MINMAXINFO *>(lParam);
            info->ptMaxSize.x = 640;
            info->ptMaxSize.y = 480;
            return 0;
        }
        case WM_COMMNOTIFY:
            ++g_input.commNotifications;
            return 0;
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
            if (item->CtlID == IDC_MAIN_SCREEN)
                MainScreen_OnDrawItem(item);
            return TRUE;
        }
        case WM_MEASUREITEM: {
            MEASUREITEMSTRUCT *item = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
            if (item->CtlID == IDC_MAIN_SCREEN)
                MainScreen_OnMeasureItem(item);
            return TRUE;
        }
        case WM_COMMAND:
            MainWnd_OnCommand(hwnd, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            MainWnd_OnToolTip(reinterpret_cast<NMHDR *>(lParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return MainWnd_OnCtlColorStatic(hwnd, reinterpret_cast<HDC>(wParam),
                                            reinterpret_cast<HWND>(lParam));
        case WM_MOUSEMOVE:
            MainWnd_OnMouseMove(hwnd);
            return 0;
        case WM_RBUTTONDOWN:
            PostMessageA(hwnd, WM_COMMAND, CMD_HELP, 0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterMainClass(const char *className) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = g_app.instance;
    wc.hIcon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_APP));
    wc.hCursor = nullptr;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_SCROLLBAR + 1));
    wc.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

HWND CreateMainWindow(const char *className, DWORD style) {
    HWND hwnd = CreateWindowExA(0, className, "Quorvex", style, 0, 0, 640, 480, nullptr, nullptr,
                                g_app.instance, nullptr);
    if (hwnd)
        UpdateWindow(hwnd);
    return hwnd;
}
