#include "advice/boost_win.h"

#include "advice/tips_win.h"
#include "monitor/performance.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

void WriteBoost(const char *, const TipRecord *tips, int count, void *context) {
    WriteBoostReport(*g_report, tips, count, *static_cast<int *>(context));
}

} // namespace

void ShowBoostTips(const char *toolName) {
    int index = BoostToolIndex(toolName);
    if (index < 0) {
        ShowMessage(nullptr, kBoostIndexErrorText, kTipErrorCaption, MB_OK);
        return;
    }
    int load = g_history ? BoostLoadLevel(*g_history, index) : 0;
    ShowToolTips(toolName, kBoostFileName, static_cast<uint32_t>(index), IDH_BOOST, WriteBoost, &load);
}
