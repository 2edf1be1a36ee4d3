// The logo and the progress pyramid drawn on the real screen.
#include <gtest/gtest.h>

#include "platform/globals_win.h"
#include "report/pyramid.h"
#include "report/startup_pictures_win.h"
#include "tests/wintest_env.h"

namespace {

COLORREF PixelOf(HWND window, PicturePoint p) {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(window, dc);
    return c;
}

struct PyramidTest : testing::Test {
    void SetUp() override {
        ShowWindow(g_app.main, SW_RESTORE);
        SetWindowPos(g_app.main, HWND_TOP, 0, 0, 640, 480, 0);
        PumpMessages();
    }
    void TearDown() override {
        if (PyramidWindow())
            ClosePyramid();
        ShowWindow(g_app.main, SW_RESTORE);
        PumpMessages();
    }
};

TEST_F(PyramidTest, LevelsTurnYellowThenGreenAsStepsAdvance) {
    OpenPyramid();
    HWND window = PyramidWindow();
    ASSERT_NE(window, nullptr);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), std::vector<LONG>({170, 90, 470, 390}));

    DWORD start = GetTickCount();
    for (int step = 0; step < 11; ++step) {
        AdvancePyramid();
        EXPECT_EQ(PyramidStep(), step + 1);
        for (int level = 0; level < kPyramidLevels; ++level) {
            COLORREF expected = level < step    ? RGB(0, 255, 0)
                                : level == step ? RGB(255, 255, 0)
                                                : RGB(128, 0, 0);
            EXPECT_EQ(PixelOf(window, PyramidLevelPoint(level, 300, 300)), expected)
                << "step " << step << " level " << level;
        }
    }
    EXPECT_GE(GetTickCount() - start, 11 * 500u - 50) << "steps come half a second apart";
    // The fills stay inside their levels: the background is untouched.
    EXPECT_EQ(PixelOf(window, PyramidBackgroundPoint(0, 300, 300)), RGB(0, 128, 128));
    ClosePyramid();
    EXPECT_EQ(PyramidWindow(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(PyramidTest, NothingShownAndNoWaitingWhenMinimised) {
    ShowWindow(g_app.main, SW_MINIMIZE);
    PumpMessages();
    ASSERT_TRUE(IsIconic(g_app.main));
    DWORD start = GetTickCount();
    ShowLogo();
    OpenPyramid();
    EXPECT_EQ(PyramidWindow(), nullptr);
    for (int step = 0; step < 11; ++step)
        AdvancePyramid();
    EXPECT_EQ(PyramidStep(), 11);
    ClosePyramid();
    HideLogo();
    EXPECT_LT(GetTickCount() - start, 400u);
}

TEST_F(PyramidTest, LogoCoversTheMiddleOfTheMainWindowAndIsTakenAway) {
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP logo = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(1550));
    ASSERT_NE(logo, nullptr);
    HGDIOBJ old = SelectObject(memory, logo);
    // The logo is 150 x 150, centred over the 640 x 480 main window at the origin: from (245, 165).
    auto probes = [](HDC dc, int left, int top) {
        return std::vector<COLORREF>{GetPixel(dc, left + 2, top + 2), GetPixel(dc, left + 75, top + 40),
                                     GetPixel(dc, left + 140, top + 140)};
    };
    std::vector<COLORREF> before = probes(screen, 245, 165);
    ShowLogo();
    EXPECT_EQ(probes(screen, 245, 165), probes(memory, 0, 0));
    HideLogo();
    EXPECT_EQ(probes(screen, 245, 165), before);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(logo);
    ReleaseDC(nullptr, screen);
}

} // namespace
