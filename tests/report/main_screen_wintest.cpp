// Drawing report lines into a bitmap and reading the pixels back; filling the Main Screen.
#include <gtest/gtest.h>

#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/report_lines.h"
#include "tests/wintest_env.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 20;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kAnyInk = 0xFF000000; // any colour but white

// A white 32-bit canvas with one report line drawn on it.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);

    explicit Canvas(const char *line) {
        SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
        DrawReportLine(dc, line, 0, 0, kHeight);
    }
    ~Canvas() {
        DeleteDC(dc); // which lets the bitmap go
        DeleteObject(bitmap);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    bool Is(int x, int y, COLORREF c) const { return c == kAnyInk ? At(x, y) != kWhite : At(x, y) == c; }
    // Pixels of the colour in the rectangle.
    int Count(COLORREF c, int x0, int x1, int y0 = 0, int y1 = kHeight) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += Is(x, y, c);
        return n;
    }
};

TEST(DrawLine, EachCodeGivesItsColourInItsColumnOnly) {
    const COLORREF red = RGB(255, 0, 0), black = RGB(0, 0, 0);
    const struct {
        const char *line;
        COLORREF colour;
        int x0, x1; // the colour is there and nowhere else; column 0 starts at x 10, column 1 at 220
    } cases[] = {
        {"Memory Test\t\002Failed", red, 220, 290},
        {"Memory Test\t\002Failed", black, 10, 200},
        {"Window\t\007\200\001\300Sample", RGB(128, 1, 192), 220, 300},
        {"Window\t\007\200\001\300Sample", black, 10, 200}, // the swatch's text takes its colour
        {"first\t\tsecond", kAnyInk, 10, 290},              // runs of tabs are one separator
        {"\003Yes", RGB(0, 0, 255), 10, 100},
        {"\004ok", RGB(0, 128, 0), 10, 100},
        {"\005ok", RGB(128, 128, 0), 10, 100},
        {"&greyed", GetSysColor(COLOR_GRAYTEXT), 10, 100},
        {"%00", kAnyInk, 10, 40}, // no bar, the label still drawn
    };
    for (const auto &c : cases) {
        Canvas canvas(c.line);
        EXPECT_GT(canvas.Count(c.colour, c.x0, c.x1), 5) << c.line;
        EXPECT_EQ(canvas.Count(c.colour, 0, c.x0) + canvas.Count(c.colour, c.x1, kWidth), 0) << c.line;
    }
    EXPECT_GT(Canvas("first\t\tsecond").Count(kAnyInk, 220, 290), 0);
    // An unknown first byte is drawn, in black, as part of the text.
    EXPECT_GT(Canvas("#x").Count(kAnyInk, 0, 100), Canvas("x").Count(kAnyInk, 0, 100));
}

TEST(DrawLine, HeadingsAreUnderlinedInTheirColour) {
    // The heading font is the normal one underlined: the underline is all the extra ink.
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_GT(Canvas("\006Heading").Count(kAnyInk, 0, 200), Canvas("Heading").Count(kAnyInk, 0, 200) + 30);
    EXPECT_GT(Canvas("\006\002Warning").Count(red, 0, 200), Canvas("\002Warning").Count(red, 0, 200) + 30);
}

TEST(DrawLine, BarsAreTheirShareOfTwoColumns) {
    // Column 1: two columns span 140 pixels; 5 % is 7: the bar covers x 220..227, its fill inside a
    // one-pixel black frame.
    Canvas c("Load\t%05");
    BarGeometry g = ReportBarGeometry(1, 5);
    int y = kHeight / 2;
    EXPECT_EQ(c.Count(RGB(255, 0, 255), 200, 300, y, y + 1), g.right - g.left - 2);
    EXPECT_EQ(c.At(g.left, y) + c.At(g.right - 1, y), 0u) << "black frame";
    EXPECT_GT(c.Count(kAnyInk, g.labelX, g.labelX + 20), 0) << "label after the bar";
    EXPECT_EQ(Canvas("%99").Count(RGB(255, 0, 255), 0, kWidth, y, y + 1), 99 * 280 / 100 - 4);
}

TEST(MainScreenList, ShowsSlotsWithoutCopyingTextInLinesAsHighAsTheDefaultFont) {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ShowReportLines(0);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 0);
    ShowReportLines(3);
    ShowReportLines(1); // appends; it does not empty the list first
    ASSERT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETITEMDATA, i, 0), i % 3);
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
    // Runs of line feeds are one separator, a carriage return before a line feed is dropped.
    EXPECT_EQ(ReportLines(), (std::vector<std::string>{"kept", "kept too", "Heading\tsecond", "\tleading tab",
                                                       "after blank lines", "crlf line", "last"}));
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 7);
    // A missing text shows only the earlier slots.
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    LoadReportText(g_app.mainScreen, 9999, 1);
    EXPECT_EQ(g_report->count, 1);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 1);
}

} // namespace
