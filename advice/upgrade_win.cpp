#include "advice/upgrade_win.h"

#include <cstdio>
#include <cstring>

#include "advice/upgrade.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"

namespace {

void ShowModelFileError() {
    ShowMessage(nullptr, "Unable to find or read data file MODELS.DAT. Replace the file with a good copy.",
                "Error!", MB_OK);
}

void SetScoreIcon(HWND dialog, int control, int32_t shown) {
    HICON icon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(UpgradeScoreIcon(shown)));
    SendDlgItemMessageA(dialog, control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void UpgradeWindow_OnInit(HWND dialog, const UpgradeRecord &record) {
    UpgradeShown shown = ShownUpgradeScores(record.current, record.usage);
    SetScoreIcon(dialog, IDC_UPGRADE_CURRENT, shown.current);
    SetScoreIcon(dialog, IDC_UPGRADE_USAGE, shown.usage);
    SetScoreIcon(dialog, IDC_UPGRADE_POTENTIAL, shown.potential);
    SetScoreIcon(dialog, IDC_UPGRADE_NEED, shown.need);
    char candidates[kCandidateListSize];
    snprintf(candidates, sizeof candidates, "%s", record.candidates);
    FillQuickHelp(GetDlgItem(dialog, IDC_UPGRADE_CANDIDATES), candidates);
    char title[sizeof record.title];
    snprintf(title, sizeof title, "%s", record.title);
    SetWindowTextA(dialog, title);
    CenterWindowOver(dialog, g_app.main);
}

INT_PTR CALLBACK UpgradeWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            if (lParam)
                UpgradeWindow_OnInit(dialog, *reinterpret_cast<const UpgradeRecord *>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                DestroyWindow(dialog);
            return TRUE;
        default:
            return FALSE;
    }
}

} // namespace

void ListModelCandidatesFrom(const char *path, uint32_t category, int32_t threshold, char *list,
                             size_t listSize) {
    if (listSize == 0)
        return;
    list[0] = 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowModelFileError();
        return;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
        !ModelFileSizeOk(static_cast<uint64_t>(size.QuadPart))) {
        CloseHandle(file);
        ShowModelFileError();
        return;
    }
    uint64_t records = static_cast<uint64_t>(size.QuadPart) / kModelRecordSize;
    for (uint64_t i = 0; i < records; ++i) {
        unsigned char bytes[kModelRecordSize];
        DWORD read = 0;
        if (!ReadFile(file, bytes, sizeof bytes, &read, nullptr) || read != sizeof bytes) {
            ShowModelFileError(); // this record is lost; the next may still be read
            continue;
        }
        AddModelCandidate(DecodeModelRecord(bytes), category, threshold, list, listSize);
    }
    CloseHandle(file);
}

void ListModelCandidates(uint32_t category, int32_t threshold, char *list, size_t listSize) {
    char directory[MAX_PATH + 1];
    ProgramDirectory(nullptr, directory, sizeof directory);
    char path[MAX_PATH + 16];
    snprintf(path, sizeof path, "%s\\MODELS.DAT", directory);
    ListModelCandidatesFrom(path, category, threshold, list, listSize);
}

HWND OpenUpgradeWindow(const UpgradeRecord &record) {
    if (g_app.headless)
        return nullptr; // a headless run shows no windows
    return CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_UPGRADE), g_app.main, UpgradeWindowProc,
                              reinterpret_cast<LPARAM>(&record));
}

void RunUpgradeTool(int entry) {
    if (entry < 0 || entry >= kUpgradeTools || !g_equipment || !g_history)
        return;
    const UpgradeTool &tool = UpgradeToolAt(entry);
    UpgradeRecord record = {};
    UpgradeScores scores = UpgradeToolScores(entry, *g_equipment, *g_history);
    record.current = scores.current;
    record.usage = scores.usage;
    snprintf(record.title, sizeof record.title, "%s", tool.title);
    ListModelCandidates(tool.category, record.current, record.candidates, sizeof record.candidates);
    if (tool.comparisonText)
        LoadReportText(g_app.mainScreen, tool.comparisonText, 0);
    if (tool.noticeCaption)
        ShowMessage(g_app.main, tool.noticeText, tool.noticeCaption, MB_OK | MB_ICONEXCLAMATION);
    if (g_app.headless && g_report) {
        WriteUpgradeWindowLines(*g_report, ShownUpgradeScores(record.current, record.usage),
                                record.candidates);
        return;
    }
    OpenUpgradeWindow(record);
}
