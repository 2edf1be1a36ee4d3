// The Info library: reading lists written from the program's own titles, reference tables loaded from
// their RCDATA texts. Nothing is measured; every run shows the same lines.
#include "library/info_win.h"

#include "library/reading_lists.h"
#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/report_lines.h"
#include "resources/resource_ids.h"

namespace {

void ShowReadingList(int list) {
    if (!g_report)
        return;
    WriteReadingList(*g_report, list);
    ShowReportLines(g_report->count);
}

} // namespace

void InfoDataProtection(HWND) {
    ShowReadingList(0);
}
void InfoPcPerformance(HWND) {
    ShowReadingList(1);
}
void InfoProgramming(HWND) {
    ShowReadingList(2);
}
void InfoTroubleshooting(HWND) {
    ShowReadingList(3);
}
void InfoUpgrading(HWND) {
    ShowReadingList(4);
}
void InfoWindows95(HWND) {
    ShowReadingList(5);
}
void InfoBiosBeeps(HWND mainScreen) {
    LoadReportText(mainScreen, IDR_BIOS_BEEPS, 0);
}
void InfoFileExtensions(HWND mainScreen) {
    LoadReportText(mainScreen, IDR_FILE_EXTENSIONS, 0);
}
void InfoSystemErrors(HWND mainScreen) {
    LoadReportText(mainScreen, IDR_SYSTEM_ERRORS, 0);
}
void InfoWindowsFiles(HWND mainScreen) {
    LoadReportText(mainScreen, IDR_WINDOWS_FILES, 0);
}
void InfoWindowsShortcuts(HWND mainScreen) {
    LoadReportText(mainScreen, IDR_WINDOWS_SHORTCUTS, 0);
}
