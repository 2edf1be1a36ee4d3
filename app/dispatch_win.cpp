// Command dispatch: every menu item and toolbar button arrives here as a command id.
#include "action/window_actions_win.h"
#include "advice/boost_win.h"
#include "app/frame_win.h"
#include "platform/utilities_win.h"
#include "platform/globals_win.h"
#include "library/help_window_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"

void RunTool(HWND window, int commandId, const ToolTable &table) {
    (void)window;
    int entry = commandId - table.info->base - 1;
    if (entry < 0 || entry >= table.info->toolCount)
        return;
    const ToolInfo &tool = table.info->tools[entry];
    ClearScreens();
    SetToolTitles(tool.name);
    LoadQuickHelp(g_app.helpScreen, tool.helpId);
    table.reports[entry](g_app.mainScreen);
    if (g_app.main) {
        InvalidateRect(g_app.main, nullptr, FALSE);
        UpdateWindow(g_app.main);
    }
}

void RunFamilyTool(HWND window, int commandId) {
    const FamilyInfo *family = FamilyOfTool(commandId);
    if (!family)
        return;
    switch (family->family) {
        case kFamilyBoost:
            if (const ToolInfo *tool = ToolOfCommand(commandId))
                ShowBoostTips(tool->name);
            break;
        case kFamilyCheck:
        case kFamilyPrograms:
            ShowAnalyzingBox();
            RunTool(window, commandId, ToolTableOf(family->family));
            HideAnalyzingBox();
            break;
        case kFamilyAction:
        case kFamilyMonitor:
            g_report->count = 0;
            RunTool(window, commandId, ToolTableOf(family->family));
            break;
        default:
            RunTool(window, commandId, ToolTableOf(family->family));
            break;
    }
}

namespace {

bool IsMonitorCommand(int id) {
    return id >= 2801 && id <= 2806;
}

} // namespace

void MainWnd_OnCommand(HWND hwnd, int id, HWND control, UINT code) {
    (void)control;
    switch (id) {
        case CMD_CLOSE:
        case CMD_EXIT:
            DestroyWindow(hwnd);
            return;
        case IDC_MAIN_SCREEN:
            if (code == LBN_SELCHANGE || code == LBN_DBLCLK)
                ScrollHelpToSelection();
            return;
        case CMD_PRINT:
        case CMD_PRINT_SCREEN:
            PrintScreens(hwnd);
            return;
        case CMD_HELP:
            OpenHelp(hwnd);
            return;
        case CMD_INCLUDE_SELF:
            ToggleIncludeSelf(hwnd);
            return;
        case CMD_ABOUT:
            ShowAbout();
            return;
        default:
            break;
    }
    if (const FamilyInfo *family = FamilyOfTopButton(id)) {
        ShowCategoryToolbar(hwnd, *family);
        return;
    }
    if (IsMonitorCommand(id)) {
        // Monitor windows belong to the data thread: it runs the tool and the main thread waits.
        if (g_app.dataWindow)
            SendMessageA(g_app.dataWindow, g_app.monitorActiveMessage, MAKEWPARAM(id, code),
                         reinterpret_cast<LPARAM>(control));
        return;
    }
    if (FamilyOfTool(id))
        RunFamilyTool(hwnd, id);
}
