#include "action/window_actions.h"

#include "app/globals.h"
#include "monitor/monitors.h"
#include "resources/resource_ids.h"

namespace {

void ToggleMenuCheck(int id) {
    HMENU menu = g_app.main ? GetMenu(g_app.main) : nullptr;
    if (!menu)
        return;
    UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1))
        return;
    CheckMenuItem(menu, id, MF_BYCOMMAND | ((state & MF_CHECKED) ? MF_UNCHECKED : MF_CHECKED));
}

} // namespace

bool MonitorsOnTop() {
    HMENU menu = g_app.main ? GetMenu(g_app.main) : nullptr;
    if (!menu)
        return true;
    UINT state = GetMenuState(menu, CMD_MONITORS_ON_TOP, MF_BYCOMMAND);
    return state == static_cast<UINT>(-1) || (state & MF_CHECKED) != 0;
}

void ApplyMonitorsOnTop(HWND) {
    HWND order = MonitorsOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST;
    for (HWND monitor : g_monitorWindow)
        if (monitor && IsWindow(monitor))
            SetWindowPos(monitor, order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ToggleMonitorsOnTop(HWND mainScreen) {
    ToggleMenuCheck(CMD_MONITORS_ON_TOP);
    ApplyMonitorsOnTop(mainScreen);
}

void ToggleIncludeSelf(HWND) {
    ToggleMenuCheck(CMD_INCLUDE_SELF);
}
