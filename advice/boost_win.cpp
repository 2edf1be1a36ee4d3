#include "advice/boost_win.h"

#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"

void ShowBoostTips(const char *toolName) {
    if (!toolName)
        return;
    ClearScreens();
    SetToolTitles(toolName);
    LoadQuickHelp(g_app.helpScreen, IDH_BOOST);
    // The tips themselves are read from BOOST.DAT by the advice tools.
    g_report->count = 0;
    ShowReportLines(g_report->count);
}
