#include <windows.h>
#include <commctrl.h>

#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kMaxButtons = 32;

HWND CreateButtonBar(HWND main, DWORD dock, int controlId, const int *ids, int count, int bitmapId,
                     int imageWidth, int imageHeight, int imageCount) {
    TBBUTTON buttons[kMaxButtons] = {};
    if (count > kMaxButtons)
        count = kMaxButtons;
    for (int i = 0; i < count; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = ids[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    return CreateToolbarEx(main, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_WRAPABLE | dock,
                           controlId, imageCount, g_app.instance, bitmapId, buttons, count, imageWidth,
                           imageHeight, imageWidth, imageHeight, sizeof(TBBUTTON));
}

} // namespace

HWND CreateTopToolbar(HWND main) {
    return CreateButtonBar(main, CCS_TOP, IDC_TOP_TOOLBAR, TopButtonIds(), kTopButtonCount, IDB_TOP_TOOLBAR,
                           32, 16, kTopButtonCount);
}

void ShowCategoryToolbar(HWND main, const FamilyInfo &family) {
    if (g_app.bottomToolbar)
        DestroyWindow(g_app.bottomToolbar);
    // The strip holds one image per tool of the family, in table order; each button shows its own
    // tool's image, so the Bottle buttons (from its third tool on) show images 2 and up.
    TBBUTTON buttons[kMaxButtons] = {};
    int count = family.buttonCount < kMaxButtons ? family.buttonCount : kMaxButtons;
    for (int i = 0; i < count; ++i) {
        buttons[i].iBitmap = family.buttons[i] - family.base - 1;
        buttons[i].idCommand = family.buttons[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    g_app.bottomToolbar = CreateToolbarEx(
        main, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_WRAPABLE | CCS_BOTTOM, family.base,
        family.toolCount, g_app.instance, family.bitmapId, buttons, count, 16, 16, 16, 16, sizeof(TBBUTTON));
}

void MainWnd_OnToolTip(NMHDR *header) {
    if (header->code != TTN_GETDISPINFOA)
        return;
    NMTTDISPINFOA *info = reinterpret_cast<NMTTDISPINFOA *>(header);
    const char *text = ToolTipText(static_cast<int>(info->hdr.idFrom));
    if (text)
        info->lpszText = const_cast<char *>(text);
}
