// The views of what is running: processes with their heaps, modules and threads, every module once,
// priorities, and the top-level windows. This part holds the word lists, the heap sums, the module path
// set and the building of report lines from plain records; no window types here.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "report/report_lines.h"

// Window style bits, as Windows defines them.
constexpr unsigned long kStylePopup = 0x80000000UL;
constexpr unsigned long kStyleBorder = 0x00800000UL;
constexpr unsigned long kStyleCaption = 0x00C00000UL; // border and dialog frame
constexpr unsigned long kStyleMaximizeBox = 0x00010000UL;
constexpr unsigned long kStyleMinimizeBox = 0x00020000UL;
constexpr unsigned long kStyleSystemMenu = 0x00080000UL;

// "POPUP" or "OVERLAPPED", then "BORDER", "CAPTION", "MAXIMIZE BOX", "MINIMIZE BOX", "SYSTEM MENU"
// for the bits that are set, joined by ", ".
void WindowStyleWords(unsigned long style, char *out, size_t outSize);

// What the Window List knows about a window's state.
struct WindowState {
    bool iconic;
    bool zoomed;
    bool visible;
    unsigned long style;
    bool focus; // the window has the keyboard focus
};

// "Iconed", "Maximized" or "Windowed"; then "Visible" (visible and captioned) or "Hidden"; then
// "Focus" when the window has the focus; joined by ", ".
void WindowStatusWords(const WindowState &state, char *out, size_t outSize);

// Priority classes, as Windows defines them.
constexpr unsigned long kIdlePriorityClass = 0x40;
constexpr unsigned long kNormalPriorityClass = 0x20;
constexpr unsigned long kHighPriorityClass = 0x80;
constexpr unsigned long kRealtimePriorityClass = 0x100;

// "IDLE", "NORMAL", "HIGH" or "REALTIME"; null for any other value (no line is written then).
const char *PriorityClassWord(unsigned long priorityClass);

// The text before the first "." ("KERNEL32" for "KERNEL32.DLL"); the whole text when it has none.
void NameBeforeDot(const char *text, char *out, size_t outSize);

// The last part of a path: what follows the last "\", "/" or ":".
const char *PathFileName(const char *path);

// Heap blocks summed by their flags.
constexpr unsigned long kHeapBlockFixed = 1;
constexpr unsigned long kHeapBlockFree = 2;
constexpr unsigned long kHeapBlockMoveable = 4;

struct HeapSums {
    unsigned long fixed;
    unsigned long moveable;
    unsigned long free;
};

// Adds one block to the sum its flags name exactly; blocks of any other flags (also combined ones)
// count in none. The sums wrap like the 32-bit counters they are.
void AddHeapBlock(HeapSums &sums, unsigned long flags, unsigned long size);

// Every module path once, in order of first appearance; paths that differ only in letter case are the
// same path. Looking a path up costs the same however many paths are kept.
struct ModulePathSet {
    std::vector<std::string> paths;       // as first seen
    std::unordered_set<std::string> keys; // the same paths in upper case
};

// Adds the path unless it is already there (ignoring case). Returns true when it was added.
bool AddModulePath(ModulePathSet &set, const char *path);

// Report blocks, each written from plain records at the report's current end.

struct ProcessMemoryFacts {
    const char *caption;     // the process's window caption, may be empty
    const char *processName; // used when the caption is empty
    const char *path;
    unsigned long processId;
    HeapSums heaps;
};
// Seven lines: heading, "Module Path", "Process ID", the three sums and an empty line.
void WriteProcessMemoryBlock(ReportBuffer &report, const ProcessMemoryFacts &facts);

// The Process List keeps lines 0 to 2 for its summary and leaves lines 3 and 4 empty.
void BeginProcessList(ReportBuffer &report);
// "Processes", "Active Processes" and "Active Threads" into lines 0 to 2.
void WriteProcessListSummary(ReportBuffer &report, unsigned long processes, unsigned long threads);

// A process's heading, "File Name", "Modules", "Threads", an empty line and the "Module List" heading.
void WriteProcessListHeader(ReportBuffer &report, const char *processName, const char *path,
                            unsigned long modules, unsigned long threads);
// One module of a process: its name and path.
void WriteProcessModuleLine(ReportBuffer &report, const char *module, const char *path);

// "Modules", "Active Modules" with the number of paths, an empty line; the paths follow.
void WriteModuleListHeader(ReportBuffer &report, unsigned long paths);
// One path: its file title up to the first dot, and the path in upper case.
void WriteModuleListLine(ReportBuffer &report, const char *fileTitle, const char *path);

// A process's heading and, when the class has a word, "Process Priority Class"; then an empty line and
// the column headings of the thread lines.
void WritePriorityHeader(ReportBuffer &report, const char *processName, const char *priorityWord);
// One thread: its window caption or, without one, its id; base priority; base plus delta.
void WritePriorityThreadLine(ReportBuffer &report, const char *caption, unsigned long threadId,
                             long basePriority, long deltaPriority);

struct WindowFacts {
    const char *text; // the window's text; "No Title" is shown when empty
    const char *owner;
    unsigned long style;
    int windowWidth, windowHeight;
    int clientWidth, clientHeight;
    WindowState state;
};
constexpr int kWindowBlockLines = 7;
// Seven lines: title, "Owner", "Window Style", "Window Dimensions", "Client Dimensions", "Status", empty.
void WriteWindowBlock(ReportBuffer &report, const WindowFacts &facts);

// Whether the report can take another line. When it cannot, the report is marked as cut (lines
// dropped), so that its last line says so: call it only when there is something left to write.
bool RoomInReport(ReportBuffer &report);
