// The application frame: main window, toolbars, tool tables and the dispatch of commands.
#pragma once

#include <windows.h>

#include "app/catalogue.h"

// A tool's report function: given the Main Screen, it writes its report lines (or opens its window).
typedef void (*ReportFunction)(HWND mainScreen);

// A family's tool table: the catalogue entries and, in the same order, their report functions.
struct ToolTable {
    const FamilyInfo *info;
    const ReportFunction *reports;
};

const ToolTable &ToolTableOf(Family family);

// The common tool run: empties both screens, sets the titles, loads the Quick Help text and calls the
// report function of entry id - base - 1.
void RunTool(HWND window, int commandId, const ToolTable &table);
// Runs a tool the way its family's dispatch does (the Analyzing box for Check and Programs, the
// report count cleared for Action and Monitor, the tips routine for Boost). Monitor tools run here
// on the calling thread.
void RunFamilyTool(HWND window, int commandId);

// Main window
bool RegisterMainClass(const char *className);
HWND CreateMainWindow(const char *className, DWORD style);
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void MainWnd_OnCommand(HWND hwnd, int id, HWND control, UINT code);

// Toolbars
HWND CreateTopToolbar(HWND main);
void ShowCategoryToolbar(HWND main, const FamilyInfo &family);
void MainWnd_OnToolTip(NMHDR *header);

// Data thread
bool StartDataThread();
// Closes the data thread's windows (every monitor and the Analyzing box) and waits for the thread to
// end, so that no tick runs after the final save.
void StopDataThread();

// Headless runs (/list, /report). Returns the process exit code.
int RunHeadless(int argc, const char *const *argv);

// Start-up stages shared by the normal and the headless start.
void InitializeStage();
// The normal start: single-instance test, main window, the five stages, then the message loop.
// Returns the exit code.
int StartApplication();
