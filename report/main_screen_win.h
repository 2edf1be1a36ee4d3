// The Main Screen: drawing report lines, the shared fonts, brushes and pen, and filling the list.
#pragma once

#include <windows.h>

#include "report/report_lines.h"

struct DrawingObjects {
    HFONT normalFont;
    HFONT headingFont;
    HBRUSH yellow;
    HBRUSH cyan;
    HBRUSH magenta;
    HBRUSH brightGreen;
    HBRUSH red;
    HBRUSH maroon;
    HBRUSH blue;
    HBRUSH buttonFace;
    HPEN shadowPen;
};

extern DrawingObjects g_draw;

void CreateDrawingObjects();
void DeleteDrawingObjects();

// Appends slots 0 .. count - 1 of the report buffer to the Main Screen; each item refers to its slot.
void ShowReportLines(int count);
// Writes and shows the one line a tool shows instead of its report when the tool-help functions it
// needs are missing.
void ReportToolHelpUnavailable();
// Loads an RCDATA text in report line format into slots from firstSlot on, then shows the lines.
void LoadReportText(HWND list, int resourceId, int firstSlot);

// Draws one report line with its top-left corner at (left, top) and the given height.
void DrawReportLine(HDC dc, const char *line, int left, int top, int height);
void MainScreen_OnDrawItem(const DRAWITEMSTRUCT *item);
void MainScreen_OnMeasureItem(MEASUREITEMSTRUCT *item);

// Fills the rectangle and draws a two-pixel bevel, raised or sunken.
void Draw3DBox(HDC dc, HBRUSH fill, const RECT *rect, BOOL raised);

// Ends the current report (a last line says so when it was cut short) and shows it in the Main Screen.
void ShowReport();
