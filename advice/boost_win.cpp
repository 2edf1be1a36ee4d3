#include "advice/boost.h"

#include "app/catalogue.h"
#include "app/globals.h"
#include "report/main_screen.h"
#include "report/screens.h"
#include "resources/resource_ids.h"

void ShowBoostTips(int index) {
    const FamilyInfo &boost = FamilyAt(kFamilyBoost);
    if (index < 0 || index >= boost.toolCount)
        return;
    ClearScreens();
    SetToolTitles(boost.tools[index].name);
    LoadQuickHelp(g_app.helpScreen, IDH_BOOST);
    // The tips themselves are read from BOOST.DAT by the advice tools.
    g_report->count = 0;
    ShowReportLines(g_report->count);
}
