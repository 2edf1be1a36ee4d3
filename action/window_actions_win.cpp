#include "action/window_actions.h"

#include "app/globals.h"
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

void ToggleMonitorsOnTop(HWND) {
    ToggleMenuCheck(CMD_MONITORS_ON_TOP);
}

void ToggleIncludeSelf(HWND) {
    ToggleMenuCheck(CMD_INCLUDE_SELF);
}
