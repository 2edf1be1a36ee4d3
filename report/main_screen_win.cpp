#include "report/main_screen_win.h"

#include <cstdlib>
#include <cstring>

#include "platform/globals_win.h"
#include "report/report_lines.h"

DrawingObjects g_draw;

namespace {

HFONT CreateReportFont(BOOL underline) {
    return CreateFontA(13, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

COLORREF ColumnColourValue(const ColumnStyle &style) {
    switch (style.colour) {
        case kColourRed:
            return RGB(255, 0, 0);
        case kColourBlue:
            return RGB(0, 0, 255);
        case kColourGreen:
            return RGB(0, 128, 0);
        case kColourOlive:
            return RGB(128, 128, 0);
        case kColourSwatch:
            return RGB(style.rgb[0], style.rgb[1], style.rgb[2]);
        case kColourGrey:
            return GetSysColor(COLOR_GRAYTEXT);
        case kColourBlack:
        case kColourBar:
            break;
    }
    return RGB(0, 0, 0);
}

void DrawBar(HDC dc, const ColumnStyle &style, int column, int left, int top, int height) {
    BarGeometry bar = ReportBarGeometry(column, style.barValue);
    if (bar.right > bar.left) {
        RECT r = {left + bar.left, top + 1, left + bar.right, top + height - 1};
        FillRect(dc, &r, g_draw.magenta);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, left + bar.labelX, top + 2, style.text, style.length);
}

} // namespace

void CreateDrawingObjects() {
    g_draw.normalFont = CreateReportFont(FALSE);
    g_draw.headingFont = CreateReportFont(TRUE);
    g_draw.yellow = CreateSolidBrush(RGB(255, 255, 0));
    g_draw.cyan = CreateSolidBrush(RGB(0, 255, 255));
    g_draw.magenta = CreateSolidBrush(RGB(255, 0, 255));
    g_draw.brightGreen = CreateSolidBrush(RGB(0, 255, 0));
    g_draw.red = CreateSolidBrush(RGB(255, 0, 0));
    g_draw.maroon = CreateSolidBrush(RGB(128, 0, 0));
    g_draw.blue = CreateSolidBrush(RGB(0, 0, 255));
    g_draw.buttonFace = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    g_draw.shadowPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
}

void DeleteDrawingObjects() {
    HGDIOBJ objects[] = {g_draw.normalFont, g_draw.headingFont, g_draw.yellow,   g_draw.cyan,
                         g_draw.magenta,    g_draw.brightGreen, g_draw.red,      g_draw.maroon,
                         g_draw.blue,       g_draw.buttonFace,  g_draw.shadowPen};
    for (HGDIOBJ object : objects)
        if (object)
            DeleteObject(object);
    g_draw = DrawingObjects{};
}

void DrawReportLine(HDC dc, const char *line, int left, int top, int height) {
    char text[kReportSlotSize];
    strncpy(text, line, kReportSlotSize - 1);
    text[kReportSlotSize - 1] = 0;
    ColumnPiece columns[kReportColumns];
    int count = SplitReportColumns(text, columns);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, g_draw.normalFont);
    COLORREF oldColour = GetTextColor(dc);
    for (int n = 0; n < count; ++n) {
        ColumnStyle style = ParseReportColumn(columns[n]);
        SelectObject(dc, style.heading ? g_draw.headingFont : g_draw.normalFont);
        if (style.colour == kColourBar) {
            DrawBar(dc, style, n, left, top, height);
            continue;
        }
        SetTextColor(dc, ColumnColourValue(style));
        if (style.length > 0)
            TextOutA(dc, left + kColumnX[n], top + 2, style.text, style.length);
    }
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
}

void MainScreen_OnDrawItem(const DRAWITEMSTRUCT *item) {
    // Selection and focus changes draw nothing: a selected line looks like any other.
    if (!(item->itemAction & ODA_DRAWENTIRE) || item->itemID == static_cast<UINT>(-1) || !g_report)
        return;
    ULONG_PTR slot = item->itemData;
    if (slot >= static_cast<ULONG_PTR>(kReportSlots))
        return;
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_WINDOW));
    DrawReportLine(item->hDC, g_report->line[slot], item->rcItem.left, item->rcItem.top,
                   item->rcItem.bottom - item->rcItem.top);
}

void MainScreen_OnMeasureItem(MEASUREITEMSTRUCT *item) {
    // Every line has the character height of a display context's default font.
    HDC dc = GetDC(nullptr);
    TEXTMETRICA tm;
    if (dc && GetTextMetricsA(dc, &tm))
        item->itemHeight = tm.tmHeight;
    if (dc)
        ReleaseDC(nullptr, dc);
}

void ShowReportLines(int count) {
    if (!g_app.mainScreen)
        return;
    if (count > kReportSlots)
        count = kReportSlots;
    SendMessageA(g_app.mainScreen, WM_SETREDRAW, FALSE, 0);
    // Room for every item at once, instead of the list growing step by step.
    SendMessageA(g_app.mainScreen, LB_INITSTORAGE, static_cast<WPARAM>(count), 0);
    for (int i = 0; i < count; ++i)
        SendMessageA(g_app.mainScreen, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    SendMessageA(g_app.mainScreen, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_app.mainScreen, nullptr, TRUE);
}

void LoadReportText(HWND list, int resourceId, int firstSlot) {
    (void)list;
    if (!g_report || firstSlot < 0 || firstSlot > kReportSlots)
        return;
    g_report->count = firstSlot;
    HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(g_app.instance, found) : nullptr;
    const char *data = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
    if (data)
        AddReportText(*g_report, data, SizeofResource(g_app.instance, found));
    ShowReportLines(g_report->count);
}

void Draw3DBox(HDC dc, HBRUSH fill, const RECT *rect, BOOL raised) {
    FillRect(dc, rect, fill);
    HPEN white = static_cast<HPEN>(GetStockObject(WHITE_PEN));
    HPEN black = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    int l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    HPEN outerTopLeft = raised ? white : black;
    HPEN innerTopLeft = raised ? white : g_draw.shadowPen;
    HPEN outerBottomRight = raised ? black : white;
    HPEN innerBottomRight = raised ? g_draw.shadowPen : white;
    HGDIOBJ old = SelectObject(dc, outerTopLeft);
    MoveToEx(dc, l, b, nullptr);
    LineTo(dc, l, t);
    LineTo(dc, r, t);
    SelectObject(dc, innerTopLeft);
    MoveToEx(dc, l + 1, b - 1, nullptr);
    LineTo(dc, l + 1, t + 1);
    LineTo(dc, r - 1, t + 1);
    SelectObject(dc, outerBottomRight);
    MoveToEx(dc, l, b, nullptr);
    LineTo(dc, r, b);
    LineTo(dc, r, t);
    SelectObject(dc, innerBottomRight);
    MoveToEx(dc, l + 1, b - 1, nullptr);
    LineTo(dc, r - 1, b - 1);
    LineTo(dc, r - 1, t + 1);
    SelectObject(dc, old);
}

void ShowReport() {
    if (!g_report)
        return;
    ShowReportLines(EndReport(*g_report));
}

void ReportToolHelpUnavailable() {
    g_report->count = 0;
    AddReportLine(*g_report,
                  "Tool Help Unavailable\t\002This system's KERNEL32 lacks the functions this tool needs");
    ShowReportLines(g_report->count);
}
