#include "advice/coach_win.h"

#include <cstdio>

#include "advice/coach.h"
#include "advice/tips_win.h"
#include "monitor/performance.h"
#include "platform/globals_win.h"
#include "platform/program_walk_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

// The latest score of each tool, kept in 1..9 once its window showed it.
long g_scores[kCoachToolCount];
HWND g_scoreWindow;

struct AgeCount {
    SYSTEMTIME now;
    uint32_t counts[kDiskAgeMonths];
};

void CountProgramAge(const char *, const WIN32_FIND_DATAA &found, void *context) {
    AgeCount &ages = *static_cast<AgeCount *>(context);
    SYSTEMTIME used;
    if (!FileTimeToSystemTime(&found.ftLastAccessTime, &used))
        return;
    ++ages.counts[DiskAgeInMonths(ages.now.wYear, ages.now.wMonth, used.wYear, used.wMonth)];
}

void CoachScore_OnInit(HWND dialog, int index) {
    const CoachTool *tool = CoachToolAt(index);
    SetWindowLongPtrA(dialog, DWLP_USER, index);
    SetWindowTextA(dialog, tool->name);
    g_scores[index] = ShownScore(g_scores[index]);
    SetDlgItemTextA(dialog, IDC_SCORE_LEFT, tool->leftLabel);
    SetDlgItemTextA(dialog, IDC_SCORE_RIGHT, tool->rightLabel);
    HICON empty = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_SCORE_EMPTY));
    HICON full = LoadIconA(g_app.instance, MAKEINTRESOURCEA(tool->iconId));
    for (int i = 0; i < kScoreIcons; ++i)
        SendDlgItemMessageA(dialog, IDC_SCORE_ICON_FIRST + i, STM_SETICON, reinterpret_cast<WPARAM>(empty),
                            0);
    for (int i = 0; i < g_scores[index]; ++i)
        SendDlgItemMessageA(dialog, IDC_SCORE_ICON_FIRST + i, STM_SETICON, reinterpret_cast<WPARAM>(full), 0);
    CenterWindowOver(dialog, g_app.main);
}

// The end labels: blue on white.
INT_PTR CoachScore_OnColourStatic(HDC dc, HWND control) {
    int id = GetDlgCtrlID(control);
    if (id != IDC_SCORE_LEFT && id != IDC_SCORE_RIGHT)
        return FALSE;
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

INT_PTR CALLBACK CoachScoreProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            CoachScore_OnInit(dialog, static_cast<int>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return CoachScore_OnColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            if (g_scoreWindow == dialog)
                g_scoreWindow = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

void WriteCoach(const char *toolName, const TipRecord *tips, int count, void *) {
    WriteCoachReport(*g_report, toolName, tips, count);
}

} // namespace

long MeasureDiskEfficiency() {
    ShowAnalyzingBox();
    static AgeCount ages;
    ages = AgeCount{};
    GetSystemTime(&ages.now);
    WalkProgramFiles(CountProgramAge, &ages);
    HideAnalyzingBox();
    return DiskEfficiencyScore(ages.counts);
}

HWND OpenCoachScore(int index, long score) {
    if (!CoachToolAt(index))
        return nullptr;
    g_scores[index] = score;
    if (g_app.headless)
        return nullptr; // a headless run shows no windows
    if (g_scoreWindow)
        DestroyWindow(g_scoreWindow);
    g_scoreWindow = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_COACH_SCORE), g_app.main,
                                       CoachScoreProc, index);
    return g_scoreWindow;
}

void RunCoach(int index) {
    const CoachTool *tool = CoachToolAt(index);
    if (!tool)
        return;
    long score = index == kCoachDiskEfficiency ? MeasureDiskEfficiency() : CoachScore(*g_history, index);
    OpenCoachScore(index, score);
    ShowToolTips(tool->name, kCoachFileName, static_cast<uint32_t>(index), tool->helpId, WriteCoach, nullptr);
    if (g_app.headless)
        AddReportLine(*g_report, "Score\t%d\t%s\t%s", ShownScore(score), tool->leftLabel, tool->rightLabel);
}
