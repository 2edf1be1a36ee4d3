// Tiling and cascading the windows of every program, and the mark that decides whether the program's
// own windows take part.
#include "action/window_actions_win.h"

#include "action/window_rules.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

// The arrangement never takes more windows than this.
constexpr int kMostArranged = 256;

struct Arrangement {
    HWND window[kMostArranged];
    int count;
    bool includeSelf;
};

// The windows a user would call open: visible, not minimised, with a caption, owned by no other
// window, neither a tool window nor one kept on top, and not the desktop's own.
BOOL CALLBACK CollectArranged(HWND window, LPARAM param) {
    Arrangement *arrangement = reinterpret_cast<Arrangement *>(param);
    if (arrangement->count >= kMostArranged)
        return FALSE;
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG extended = GetWindowLongA(window, GWL_EXSTYLE);
    if (!IsWindowVisible(window) || IsIconic(window) || (style & WS_CAPTION) != WS_CAPTION ||
        GetWindow(window, GW_OWNER) || (extended & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) ||
        window == GetShellWindow())
        return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (!arrangement->includeSelf && process == GetCurrentProcessId())
        return TRUE;
    arrangement->window[arrangement->count++] = window;
    return TRUE;
}

void CollectWindows(Arrangement *arrangement) {
    arrangement->count = 0;
    arrangement->includeSelf = MenuItemChecked(CMD_INCLUDE_SELF);
    EnumWindows(CollectArranged, reinterpret_cast<LPARAM>(arrangement));
}

RECT WorkArea() {
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return work;
}

// Moves each window to its place; a maximised window is restored first so that it can be moved. A
// window of another thread is moved without waiting for it, so a program that has stopped answering
// cannot hang the arrangement.
void PlaceWindows(const Arrangement &arrangement, const ScreenRect *places) {
    for (int i = 0; i < arrangement.count; ++i) {
        HWND window = arrangement.window[i];
        bool own = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
        if (IsZoomed(window)) {
            if (own)
                ShowWindow(window, SW_RESTORE);
            else
                ShowWindowAsync(window, SW_RESTORE);
        }
        const ScreenRect &r = places[i];
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | (own ? 0 : SWP_ASYNCWINDOWPOS));
    }
}

} // namespace

void ToggleIncludeSelf(HWND) {
    ToggleMenuCheck(CMD_INCLUDE_SELF);
}

namespace {

// Arranges the windows taking part with the system's call; where it arranges nothing, places them
// here the same way (vertical tiling over the work area, cascading from its top left).
void Arrange(bool tile) {
    static Arrangement arrangement;
    CollectWindows(&arrangement);
    if (!arrangement.count)
        return;
    RECT work = WorkArea();
    if (tile ? TileWindows(nullptr, MDITILE_VERTICAL, &work, arrangement.count, arrangement.window)
             : CascadeWindows(nullptr, MDITILE_ZORDER, &work, arrangement.count, arrangement.window))
        return;
    static ScreenRect places[kMostArranged];
    ScreenRect area = {work.left, work.top, work.right, work.bottom};
    if (tile)
        TileRects(area, arrangement.count, places);
    else
        CascadeRects(area, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME),
                     arrangement.count, places);
    PlaceWindows(arrangement, places);
}

} // namespace

void CascadeAll(HWND) {
    if (!g_app.headless) // a headless run leaves the desktop as it is
        Arrange(false);
}

void TileAll(HWND) {
    if (g_app.headless)
        return;
    if (ShowMessage(g_app.main,
                    "Not all windows will tile successfully. Once tiled, some windows cannot be restored to "
                    "their original size. Continue anyway?",
                    "Tile Windows", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        Arrange(true);
}
