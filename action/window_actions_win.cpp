#include "action/window_actions_win.h"

#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

void ToggleIncludeSelf(HWND) {
    ToggleMenuCheck(CMD_INCLUDE_SELF);
}
