#include "advice/install_win.h"

#include "advice/install.h"
#include "platform/globals_win.h"
#include "report/main_screen_win.h"

void ShowInstallAdvice(int index) {
    if (WriteInstallReport(*g_report, index))
        ShowReportLines(g_report->count);
}
