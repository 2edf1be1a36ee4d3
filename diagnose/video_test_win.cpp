// The video test: a full-screen window painting the chosen pattern and its control dialog (12800).
// A click on the pattern brings the dialog back; OK or Cancel end the test.
#include <windows.h>

#include "diagnose/reports_win.h"
#include "diagnose/video_patterns.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"
#include "resources/resource_ids.h"

namespace {

const char kVideoTestClass[] = "VideoTests";

struct VideoTestState {
    HWND window;
    HWND dialog;
    int pattern; // IDC_VIDEO_HORIZONTAL .. IDC_VIDEO_CALIBRATION
};
VideoTestState g_video;
VideoTestDriver g_videoDriver;
VideoFieldHold g_videoHold;

const char *InstructionOf(int pattern) {
    switch (pattern) {
        case IDC_VIDEO_HORIZONTAL:
            return "Check that the lines are horizontal and parallel. Check the corners carefully for "
                   "distortion.";
        case IDC_VIDEO_VERTICAL:
            return "Check that the lines are vertical and parallel. Check the corners carefully for "
                   "distortion.";
        case IDC_VIDEO_DISTORTION:
            return "Check that the lines form squares. Check the corners carefully for distortion.";
        case IDC_VIDEO_COLOUR_DISTORTION:
            return "Each color will flash for 1/2 second. Check for areas where the color is not uniform or "
                   "where "
                   "distortion is ocurring.";
        default:
            return "Check that colors match the description. Use the monitor controls to adjust the color.";
    }
}

void BackToDialog() {
    ShowWindow(g_video.window, SW_HIDE);
    ShowWindow(g_video.dialog, SW_SHOW);
}

void PaintLines(HDC dc, int w, int h, bool across, bool down) {
    Rectangle(dc, 0, 0, w, h);
    for (int y = 0; across && y < h; y += 5) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, w, y);
    }
    for (int x = 0; down && x < w; x += 5) {
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, h);
    }
}

void FillSolid(HDC dc, const RECT &r, PatternColour c) {
    HBRUSH brush = CreateSolidBrush(RGB(c.red, c.green, c.blue));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void PaintColourSeries(HDC dc, int w, int h) {
    RECT all = {0, 0, w, h};
    for (int i = 0; i < kColourFields; ++i) {
        FillSolid(dc, all, ColourField(i));
        GdiFlush();
        if (g_videoHold)
            g_videoHold(i);
        else
            Sleep(kColourFieldMs);
    }
}

void PaintCalibration(HDC dc, int w, int h) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, 0, 0, w, h);
    SelectObject(dc, oldBrush);
    HGDIOBJ oldFont = g_draw.normalFont ? SelectObject(dc, g_draw.normalFont) : nullptr;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    for (int i = 0; i < kCalibrationColours; ++i) {
        CalibrationCell cell = CalibrationCellAt(i, w, h);
        RECT name = {cell.nameLeft, cell.nameTop, cell.nameRight, cell.nameBottom};
        DrawTextA(dc, cell.name, -1, &name, DT_CENTER);
        RECT swatch = {cell.left, cell.top, cell.right, cell.bottom};
        FillSolid(dc, swatch, cell.colour);
    }
    if (oldFont)
        SelectObject(dc, oldFont);
}

void VideoTest_OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    bool seriesDone = false;
    switch (g_video.pattern) {
        case IDC_VIDEO_HORIZONTAL:
            PaintLines(dc, w, h, true, false);
            break;
        case IDC_VIDEO_VERTICAL:
            PaintLines(dc, w, h, false, true);
            break;
        case IDC_VIDEO_DISTORTION:
            PaintLines(dc, w, h, true, true);
            break;
        case IDC_VIDEO_COLOUR_DISTORTION:
            PaintColourSeries(dc, w, h);
            seriesDone = true;
            break;
        default:
            PaintCalibration(dc, w, h);
            break;
    }
    EndPaint(window, &ps);
    if (seriesDone)
        BackToDialog();
}

INT_PTR CALLBACK VideoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            g_video.dialog = dialog;
            SetDlgItemTextA(dialog, IDC_VIDEO_TEXT,
                            "Select the desired test from the list below. Select START TEST to "
                            "begin the test. Click the mouse to end the test.");
            CheckRadioButton(dialog, IDC_VIDEO_HORIZONTAL, IDC_VIDEO_CALIBRATION, IDC_VIDEO_HORIZONTAL);
            CenterWindowOver(dialog, g_app.main);
            return TRUE;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (id >= IDC_VIDEO_HORIZONTAL && id <= IDC_VIDEO_CALIBRATION) {
                g_video.pattern = id;
                SetDlgItemTextA(dialog, IDC_VIDEO_TEXT, InstructionOf(id));
            } else if (id == IDC_VIDEO_START) {
                SendMessageA(g_video.window, WM_COMMAND, static_cast<WPARAM>(g_video.pattern), 0);
                BringWindowToTop(dialog);
            } else if (id == IDOK || id == IDCANCEL) {
                DestroyWindow(g_video.window);
            }
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CALLBACK VideoTestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            g_video.window = window;
            CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VIDEO_TEST), window,
                               VideoDialogProc, 0);
            ShowWindow(g_video.dialog, SW_SHOW);
            return 0;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (id >= IDC_VIDEO_HORIZONTAL && id <= IDC_VIDEO_CALIBRATION) {
                g_video.pattern = id;
                ShowWindow(g_video.dialog, SW_HIDE);
                ShowWindow(window, SW_SHOWMAXIMIZED);
                InvalidateRect(window, nullptr, TRUE);
            } else if (id == IDOK || id == IDCANCEL) {
                DestroyWindow(window);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            BackToDialog();
            return 0;
        case WM_PAINT:
            VideoTest_OnPaint(window);
            return 0;
        case WM_DESTROY:
            g_video.dialog = nullptr; // an owned window: it goes with the test window
            g_video.window = nullptr;
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void SetVideoTestDriver(VideoTestDriver driver, VideoFieldHold hold) {
    g_videoDriver = driver;
    g_videoHold = hold;
}

TestOutcome RunVideoTest(HWND owner) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kVideoTestClass, &wc)) {
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = VideoTestProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kVideoTestClass;
        if (!RegisterClassA(&wc))
            return kTestNotRun;
    }
    g_video = {nullptr, nullptr, IDC_VIDEO_HORIZONTAL};
    HWND window = CreateWindowExA(0, kVideoTestClass, "", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN), owner, nullptr, instance, nullptr);
    if (!window)
        return kTestNotRun;
    if (g_videoDriver && g_video.dialog)
        g_videoDriver(g_video.dialog);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (g_video.dialog && IsDialogMessageA(g_video.dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return kTestPassed;
}
