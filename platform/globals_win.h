// The process-wide records of Quorvex: created at start-up, alive for the whole run.
#pragma once

#include <windows.h>

struct ReportBuffer;
struct PerformanceHistory;
struct PerformanceSample;
struct EquipmentRecord;

// Windows, messages and handles of the application frame.
struct AppState {
    HINSTANCE instance;
    bool debug;    // "DEBUG" on the command line: traces show message boxes
    bool headless; // /list or /report: no pictures, no waits, message boxes go to standard error
    HWND main;
    HWND mainScreen;
    HWND mainTitle;
    HWND helpScreen;
    HWND helpTitle;
    HWND topToolbar;
    HWND bottomToolbar;
    HWND dataWindow;
    HWND analyzingBox;         // the data thread's busy window, hidden when no long tool runs
    UINT newDataMessage;       // "NEWDATAREADY"
    UINT monitorActiveMessage; // "MONITORACTIVE"
    HANDLE dataThread;
    CRITICAL_SECTION printerLock;
};

extern AppState g_app;
extern PerformanceHistory *g_history;
extern PerformanceSample *g_sample;
extern EquipmentRecord *g_equipment;
extern ReportBuffer *g_report;

// Main window class; also the key of the single-instance test.
constexpr char kMainClass[] = "QUORVEX";
// A hidden main window for headless runs, of its own class so that it never counts as a running copy.
constexpr char kHeadlessClass[] = "QUORVEX_HEADLESS";
