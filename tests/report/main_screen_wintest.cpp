// Drawing report lines into a bitmap and reading the pixels back; filling the Main Screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/report_lines.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 20;

// A white 24-bit canvas with one report line drawn on it.
class Canvas {
public:
    explicit Canvas(const char *line) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (line)
            DrawReportLine(dc_, line, 0, 0, kHeight);
        GdiFlush();
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        DWORD p = bits_[y * kWidth + x];
        return RGB((p >> 16) & 255, (p >> 8) & 255, p & 255);
    }
    // Pixels of exactly this colour in the rectangle.
    int Count(COLORREF c, int x0, int x1, int y0 = 0, int y1 = kHeight) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += At(x, y) == c;
        return n;
    }
    // Pixels that are not white.
    int Ink(int x0, int x1, int y0 = 0, int y1 = kHeight) const {
        return (x1 - x0) * (y1 - y0) - Count(RGB(255, 255, 255), x0, x1, y0, y1);
    }
    // The longest run of non-white pixels along one row.
    int LongestRun(int y, int x0, int x1) const {
        int best = 0, run = 0;
        for (int x = x0; x < x1; ++x) {
            run = At(x, y) != RGB(255, 255, 255) ? run + 1 : 0;
            best = run > best ? run : best;
        }
        return best;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD *bits_ = nullptr;
};

TEST(DrawLine, FailedIsRedAndTheCaptionBlack) {
    Canvas c("Memory Test\t\002Failed");
    EXPECT_GT(c.Count(RGB(255, 0, 0), 220, 290), 10);
    EXPECT_EQ(c.Count(RGB(255, 0, 0), 0, 220), 0);
    EXPECT_GT(c.Count(RGB(0, 0, 0), 10, 200), 10);
    EXPECT_EQ(c.Ink(0, 10), 0) << "column 0 starts at x 10";
}

TEST(DrawLine, SecondWordAfterTwoTabsIsInColumnOne) {
    Canvas c("first\t\tsecond");
    EXPECT_GT(c.Ink(220, 290), 0);
    EXPECT_EQ(c.Ink(290, kWidth), 0);
}

TEST(DrawLine, HeadingIsUnderlined) {
    Canvas plain("Heading");
    Canvas heading("\006Heading");
    int plainRun = 0, headingRun = 0;
    for (int y = 0; y < kHeight; ++y) {
        plainRun = std::max(plainRun, plain.LongestRun(y, 0, 200));
        headingRun = std::max(headingRun, heading.LongestRun(y, 0, 200));
    }
    EXPECT_GT(headingRun, 30) << "an underline spans the word";
    EXPECT_LT(plainRun, headingRun);
}

TEST(DrawLine, HeadingAndRedTogether) {
    Canvas c("\006\002Warning");
    int longestRed = 0;
    for (int y = 0; y < kHeight; ++y) {
        int run = 0;
        for (int x = 0; x < 200; ++x) {
            run = c.At(x, y) == RGB(255, 0, 0) ? run + 1 : 0;
            longestRed = std::max(longestRed, run);
        }
    }
    EXPECT_GT(longestRed, 30) << "underline drawn in red";
}

TEST(DrawLine, BarOfFivePercentIsATwentiethOfTwoColumns) {
    // Column 1: two columns span 140 pixels; 5 % is 7: the bar covers x 220..227, shrunk to 221..226.
    Canvas c("Load\t%05");
    BarGeometry g = ReportBarGeometry(1, 5);
    int y = kHeight / 2;
    int magenta = c.Count(RGB(255, 0, 255), 200, 300, y, y + 1);
    EXPECT_EQ(magenta, g.right - g.left - 2) << "fill inside a one-pixel black frame";
    EXPECT_EQ(c.At(g.left, y), RGB(0, 0, 0));
    EXPECT_EQ(c.At(g.right - 1, y), RGB(0, 0, 0));
    EXPECT_EQ(c.At(g.left + 2, 0), RGB(255, 255, 255)) << "shrunk by one pixel at the top";
    EXPECT_GT(c.Ink(g.labelX, g.labelX + 20), 0) << "label after the bar";
}

TEST(DrawLine, BarWidthsScale) {
    Canvas none("%00");
    EXPECT_EQ(none.Count(RGB(255, 0, 255), 0, kWidth), 0);
    EXPECT_GT(none.Ink(0, 40), 0) << "the label is still drawn";
    Canvas full("%99");
    int y = kHeight / 2;
    EXPECT_EQ(full.Count(RGB(255, 0, 255), 0, kWidth, y, y + 1), 99 * 280 / 100 - 4);
}

TEST(DrawLine, SwatchTextTakesTheLinesColour) {
    Canvas c("Window\t\007\200\001\300Sample");
    EXPECT_GT(c.Count(RGB(128, 1, 192), 220, 300), 10);
    EXPECT_EQ(c.Count(RGB(0, 0, 0), 220, 300), 0);
}

TEST(DrawLine, OtherCodes) {
    Canvas blue("\003Yes");
    EXPECT_GT(blue.Count(RGB(0, 0, 255), 0, 100), 5);
    Canvas green("\004ok");
    EXPECT_GT(green.Count(RGB(0, 128, 0), 0, 100), 5);
    Canvas olive("\005ok");
    EXPECT_GT(olive.Count(RGB(128, 128, 0), 0, 100), 5);
    Canvas grey("&greyed");
    COLORREF g = GetSysColor(COLOR_GRAYTEXT);
    EXPECT_GT(grey.Count(RGB(GetRValue(g), GetGValue(g), GetBValue(g)), 0, 100), 5);
    // An unknown first byte is drawn, in black, as part of the text.
    Canvas unknown("#x");
    Canvas justX("x");
    EXPECT_GT(unknown.Ink(0, 100), justX.Ink(0, 100));
}

TEST(DrawBox, RaisedAndSunkenBevels) {
    Canvas c(nullptr);
    RECT r = {10, 2, 60, 18};
    Draw3DBox(c.dc(), static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)), &r, TRUE);
    GdiFlush();
    EXPECT_EQ(c.At(10, 10), RGB(255, 255, 255));
    EXPECT_EQ(c.At(30, 2), RGB(255, 255, 255));
    EXPECT_EQ(c.At(30, 18), RGB(0, 0, 0));
    EXPECT_EQ(c.At(60, 10), RGB(0, 0, 0));
    EXPECT_EQ(c.At(30, 10), RGB(128, 128, 128)) << "filled";
    RECT s = {100, 2, 150, 18};
    Draw3DBox(c.dc(), static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)), &s, FALSE);
    GdiFlush();
    EXPECT_EQ(c.At(100, 10), RGB(0, 0, 0));
    EXPECT_EQ(c.At(150, 10), RGB(255, 255, 255));
    EXPECT_EQ(c.At(120, 18), RGB(255, 255, 255));
}

TEST(MainScreenList, ShowsSlotsWithoutCopyingText) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ShowReportLines(0);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 0);
    g_report->count = 0;
    AddReportLine(*g_report, "one");
    AddReportLine(*g_report, "two\t\003found");
    AddReportLine(*g_report, "three");
    ShowReportLines(g_report->count);
    ASSERT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETITEMDATA, i, 0), i);
    // Appends; it does not empty the list first.
    ShowReportLines(1);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 4);
    // Every line is as high as a display context's default font.
    HDC dc = GetDC(nullptr);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETITEMHEIGHT, 0, 0), tm.tmHeight);
}

TEST(MainScreenList, LoadReportTextSplitsLinesFromTheFirstSlot) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    SetReportLine(*g_report, 0, "kept");
    SetReportLine(*g_report, 1, "kept too");
    LoadReportText(g_app.mainScreen, 9001, 2);
    ASSERT_EQ(g_report->count, 2 + 5);
    EXPECT_STREQ(g_report->line[0], "kept");
    EXPECT_STREQ(g_report->line[2], "Heading\tsecond");
    EXPECT_STREQ(g_report->line[3], "\tleading tab");
    EXPECT_STREQ(g_report->line[4], "after blank lines") << "runs of line feeds are one separator";
    EXPECT_STREQ(g_report->line[5], "crlf line");
    EXPECT_STREQ(g_report->line[6], "last");
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 7);
}

TEST(MainScreenList, MissingTextShowsOnlyTheEarlierSlots) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    LoadReportText(g_app.mainScreen, 9999, 1);
    EXPECT_EQ(g_report->count, 1);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 1);
}

} // namespace
