// The Help window and its tours. At most one Help window and one tour bar exist; each topic keeps its
// own step counter, reset when its tour starts.
#include "library/help_window_win.h"

#include <commctrl.h>

#include "library/help_tours.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"
#include "report/quick_help.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"

namespace {

struct HelpState {
    HWND window; // the Help window
    HWND bar;    // the tour bar
    int topic;   // of the open tour
    int step[kHelpTopicCount];
};

HelpState s_help;

const COLORREF kBarBackground = RGB(192, 192, 192);

TourRect WindowScreenRect(HWND window) {
    RECT r = {};
    if (window)
        GetWindowRect(window, &r);
    return TourRect{r.left, r.top, r.right, r.bottom};
}

// Where the parts of the main window stand now.
TourFrame CurrentFrame() {
    TourFrame frame = {};
    frame.main = WindowScreenRect(g_app.main);
    frame.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    frame.topToolbar = WindowScreenRect(g_app.topToolbar);
    for (int i = 0; i < kTourToolbarButtons; ++i) {
        RECT r = {};
        if (g_app.topToolbar &&
            SendMessageA(g_app.topToolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)))
            MapWindowPoints(g_app.topToolbar, nullptr, reinterpret_cast<POINT *>(&r), 2);
        frame.topButton[i] = TourRect{r.left, r.top, r.right, r.bottom};
    }
    frame.bottomToolbar = g_app.bottomToolbar ? WindowScreenRect(g_app.bottomToolbar)
                                              : TourRect{frame.main.left, frame.main.bottom, frame.main.right,
                                                         frame.main.bottom};
    frame.mainScreen = WindowScreenRect(g_app.mainScreen);
    frame.helpScreen = WindowScreenRect(g_app.helpScreen);
    frame.helpWindow = s_help.window ? WindowScreenRect(s_help.window) : frame.mainScreen;
    TourRect bar = WindowScreenRect(s_help.bar);
    frame.barHeight = bar.bottom - bar.top;
    return frame;
}

// Closes the tour bar and hands the keyboard back to the Help window, where the next topic is chosen.
void CloseTourBar() {
    DestroyWindow(s_help.bar);
    if (s_help.window)
        SetActiveWindow(s_help.window);
}

// Shows the entry of the open tour's current step and counts it; past the last entry, closes the bar.
void ShowTourStep() {
    int &step = s_help.step[s_help.topic];
    const char *text = TourStepText(s_help.topic, step);
    TourPlace place = {};
    if (!text || !TourStepPlace(s_help.topic, step, CurrentFrame(), &place)) {
        CloseTourBar();
        return;
    }
    PlaceHelpBar(s_help.bar, place.x, place.y, text, place.buttonWidth);
    ++step;
}

INT_PTR HelpBar_OnColor(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kBarBackground);
    return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
}

void HelpBar_OnCommand(HWND bar, int id, int code) {
    switch (id) {
        case IDC_HELP_BAR_NEXT:
            ShowTourStep();
            break;
        case IDOK:
        case IDCANCEL:
            CloseTourBar();
            break;
        case IDC_HELP_BAR_TEXT:
            // The heading shows whenever the list is closed.
            if (code == CBN_KILLFOCUS || code == CBN_CLOSEUP)
                SendDlgItemMessageA(bar, IDC_HELP_BAR_TEXT, CB_SETCURSEL, 0, 0);
            break;
    }
}

// A press on the bar's own surface moves it as a caption drag would.
void HelpBar_OnLButtonDown(HWND bar) {
    ReleaseCapture();
    SendMessageA(bar, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

INT_PTR CALLBACK HelpBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            HelpBar_OnCommand(bar, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_LBUTTONDOWN:
            HelpBar_OnLButtonDown(bar);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return HelpBar_OnColor(reinterpret_cast<HDC>(wParam));
        case WM_DESTROY:
            s_help.bar = nullptr;
            return TRUE;
    }
    return FALSE;
}

// Starts the tour of a topic unless a tour bar is open.
void StartTour(int topic) {
    if (s_help.bar || topic < 0 || topic >= kHelpTopicCount)
        return;
    s_help.bar =
        CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_HELP_BAR), g_app.main, HelpBarProc, 0);
    if (!s_help.bar)
        return;
    s_help.topic = topic;
    s_help.step[topic] = 0;
    ShowTourStep();
}

void Help_OnInit(HWND window) {
    for (const char *name : kHelpTopicName)
        SendDlgItemMessageA(window, IDC_HELP_TOPICS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
}

void Help_OnCommand(HWND window, int id, int code) {
    switch (id) {
        case IDC_HELP_TOPICS:
            if (code == LBN_SELCHANGE || code == LBN_DBLCLK)
                StartTour(static_cast<int>(SendDlgItemMessageA(window, IDC_HELP_TOPICS, LB_GETCURSEL, 0, 0)));
            break;
        case IDOK:
        case IDCANCEL:
            DestroyWindow(window);
            break;
    }
}

INT_PTR CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            Help_OnInit(window);
            return TRUE;
        case WM_COMMAND:
            Help_OnCommand(window, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            s_help.window = nullptr;
            return TRUE;
    }
    return FALSE;
}

struct ComboTarget {
    HWND combo;
    HDC dc;
};

int MeasureOnCombo(void *context, const char *text, int length) {
    SIZE size = {};
    GetTextExtentPoint32A(static_cast<ComboTarget *>(context)->dc, text, length, &size);
    return size.cx;
}

void AddComboLine(void *context, const char *line) {
    SendMessageA(static_cast<ComboTarget *>(context)->combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
}

// Fills the drop-down list with the text wrapped as the Quick Help Screen wraps, without its closing
// single-space line, and shows the first line.
void FillBarText(HWND combo, const char *text) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(g_draw.normalFont), FALSE);
    RECT r;
    GetWindowRect(combo, &r);
    ComboTarget target = {combo, GetDC(combo)};
    WrapHelpText(text, r.right - r.left, HelpWrapper{&target, MeasureOnCombo, AddComboLine});
    ReleaseDC(combo, target.dc);
    LRESULT last = SendMessageA(combo, CB_GETCOUNT, 0, 0) - 1;
    if (last >= 0)
        SendMessageA(combo, CB_DELETESTRING, last, 0);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

} // namespace

void OpenHelp(HWND main) {
    if (s_help.window)
        return;
    s_help.window = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_HELP), main, HelpProc, 0);
    if (!s_help.window)
        return;
    ClearScreens();
    LoadQuickHelp(g_app.helpScreen, IDH_USING_HELP);
    CenterWindowOver(s_help.window, g_app.mainScreen);
}

void PlaceHelpBar(HWND bar, int x, int y, const char *text, int buttonWidth) {
    if (!bar)
        return;
    static const int kControlId[kBarControlCount] = {IDC_HELP_BAR_ICON, IDC_HELP_BAR_TEXT, IDOK,
                                                     IDC_HELP_BAR_NEXT};
    HWND control[kBarControlCount];
    int width[kBarControlCount];
    for (int i = 0; i < kBarControlCount; ++i) {
        control[i] = GetDlgItem(bar, kControlId[i]);
        TourRect r = WindowScreenRect(control[i]);
        width[i] = r.right - r.left;
    }
    TourRect list = WindowScreenRect(control[kBarList]);
    int height = list.bottom - list.top + 2 * GetSystemMetrics(SM_CYDLGFRAME) + 2;
    TourRect main = WindowScreenRect(g_app.main);
    HelpBarLayout layout = LayOutHelpBar(x, main.right, width, GetSystemMetrics(SM_CXDLGFRAME), buttonWidth);
    for (int i = 0; i < kBarControlCount; ++i)
        SetWindowPos(control[i], nullptr, layout.left[i], 0, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    int icon = layout.flipped ? IDI_POINT_RIGHT : IDI_POINT_LEFT;
    SendMessageA(control[kBarIcon], STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(g_app.instance, MAKEINTRESOURCEA(icon))), 0);
    SetWindowPos(bar, nullptr, 0, 0, layout.width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(bar, nullptr, layout.x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FillBarText(control[kBarList], text ? text : "");
    SetFocus(control[kBarIcon]);
    InvalidateRect(bar, nullptr, TRUE);
    UpdateWindow(bar);
}

HWND HelpWindowHandle() {
    return s_help.window;
}

HWND HelpTourBarHandle() {
    return s_help.bar;
}
