#include "report/startup_pictures_win.h"

#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/pyramid.h"

namespace {

constexpr int kLogoId = 1550;
constexpr int kLogoCompanionId = 1551;
constexpr int kPyramidId = 1552;
constexpr DWORD kStepPause = 500;

struct LogoState {
    HDC screen;
    HDC saved;
    HBITMAP savedBitmap;
    HGDIOBJ savedOld;
    HBITMAP logo;
    HBITMAP companion;
    int x, y, width, height;
};

struct PyramidState {
    HWND window;
    HDC dc;
    HBITMAP picture;
    int width, height;
    int step;
    DWORD previous;
};

LogoState g_logo;
PyramidState g_pyramid;

bool MainMinimised() {
    return !g_app.main || IsIconic(g_app.main);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

PicturePoint Placement(int width, int height) {
    RECT main;
    GetWindowRect(g_app.main, &main);
    return CentredPicture(main.right - main.left, main.bottom - main.top, width, height);
}

void CopyBitmap(HDC target, int x, int y, HBITMAP bitmap, int width, int height) {
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

// Flood-fills the area around the point, bounded by black, when the point has the display's nearest
// colour to the expected one.
void FillIfColour(HDC dc, PicturePoint p, COLORREF expected, HBRUSH brush) {
    if (GetPixel(dc, p.x, p.y) != GetNearestColor(dc, expected))
        return;
    HGDIOBJ old = SelectObject(dc, brush);
    ExtFloodFill(dc, p.x, p.y, RGB(0, 0, 0), FLOODFILLBORDER);
    SelectObject(dc, old);
}

} // namespace

void ShowLogo() {
    if (MainMinimised() || g_logo.screen)
        return;
    g_logo.logo = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(kLogoId));
    g_logo.companion = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(kLogoCompanionId));
    if (!g_logo.logo) {
        if (g_logo.companion)
            DeleteObject(g_logo.companion);
        g_logo = LogoState{};
        return;
    }
    SIZE size = BitmapSize(g_logo.logo);
    PicturePoint at = Placement(size.cx, size.cy);
    g_logo.x = at.x;
    g_logo.y = at.y;
    g_logo.width = size.cx;
    g_logo.height = size.cy;
    // Keep what the logo covers, to put it back when the logo goes.
    g_logo.screen = GetDC(nullptr);
    g_logo.saved = CreateCompatibleDC(g_logo.screen);
    g_logo.savedBitmap = CreateCompatibleBitmap(g_logo.screen, size.cx, size.cy);
    g_logo.savedOld = SelectObject(g_logo.saved, g_logo.savedBitmap);
    BitBlt(g_logo.saved, 0, 0, size.cx, size.cy, g_logo.screen, at.x, at.y, SRCCOPY);
    CopyBitmap(g_logo.screen, at.x, at.y, g_logo.logo, size.cx, size.cy);
    GdiFlush();
}

void HideLogo() {
    if (MainMinimised() || !g_logo.screen)
        return;
    BitBlt(g_logo.screen, g_logo.x, g_logo.y, g_logo.width, g_logo.height, g_logo.saved, 0, 0, SRCCOPY);
    SelectObject(g_logo.saved, g_logo.savedOld);
    DeleteObject(g_logo.savedBitmap);
    DeleteDC(g_logo.saved);
    ReleaseDC(nullptr, g_logo.screen);
    DeleteObject(g_logo.logo);
    if (g_logo.companion)
        DeleteObject(g_logo.companion);
    g_logo = LogoState{};
    // Whatever the logo covered repaints itself from its saved copy; let the windows below redraw too.
    InvalidateRect(g_app.main, nullptr, FALSE);
}

void OpenPyramid() {
    g_pyramid.step = 0;
    g_pyramid.previous = 0;
    if (MainMinimised() || g_pyramid.window)
        return;
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = g_app.instance;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = "Pyramid";
        registered = RegisterClassA(&wc) != 0;
    }
    HBITMAP picture = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(kPyramidId));
    if (!picture)
        return;
    HWND window =
        CreateWindowExA(0, "Pyramid", "", WS_POPUP, 0, 0, 0, 0, g_app.main, nullptr, g_app.instance, nullptr);
    if (!window) {
        DeleteObject(picture);
        return;
    }
    SIZE size = BitmapSize(picture);
    PicturePoint at = Placement(size.cx, size.cy);
    SetWindowPos(window, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    g_pyramid.window = window;
    g_pyramid.picture = picture;
    g_pyramid.width = size.cx;
    g_pyramid.height = size.cy;
    g_pyramid.dc = GetDC(window);
    CopyBitmap(g_pyramid.dc, 0, 0, picture, size.cx, size.cy);
    GdiFlush();
}

void AdvancePyramid() {
    if (g_pyramid.window) {
        // Steps come at least half a second apart; the first waits half a second from its start.
        DWORD now = GetTickCount();
        DWORD since = g_pyramid.step == 0 ? now : g_pyramid.previous;
        DWORD elapsed = now - since;
        if (elapsed < kStepPause)
            Sleep(kStepPause - elapsed);
        int s = g_pyramid.step;
        if (s >= 1 && s - 1 < kPyramidLevels)
            FillIfColour(g_pyramid.dc, PyramidLevelPoint(s - 1, g_pyramid.width, g_pyramid.height),
                         RGB(255, 255, 0), g_draw.brightGreen);
        if (s < kPyramidLevels)
            FillIfColour(g_pyramid.dc, PyramidLevelPoint(s, g_pyramid.width, g_pyramid.height),
                         RGB(128, 0, 0), g_draw.yellow);
        GdiFlush();
    }
    g_pyramid.previous = GetTickCount();
    ++g_pyramid.step;
}

void ClosePyramid() {
    if (!g_pyramid.window)
        return;
    for (int side = 0; side < 2; ++side)
        FillIfColour(g_pyramid.dc, PyramidBackgroundPoint(side, g_pyramid.width, g_pyramid.height),
                     RGB(0, 128, 128), g_draw.cyan);
    GdiFlush();
    Sleep(1000);
    DeleteObject(g_pyramid.picture);
    ReleaseDC(g_pyramid.window, g_pyramid.dc);
    DestroyWindow(g_pyramid.window);
    g_pyramid = PyramidState{};
}

HWND PyramidWindow() {
    return g_pyramid.window;
}

int PyramidStep() {
    return g_pyramid.step;
}
