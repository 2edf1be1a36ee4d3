// Headless runs for scripts and tests: /list prints the catalogue, /report runs tools and prints their
// report lines. No pictures, no waits, no usage hook, no data thread, and sysstats.dat is never written;
// the hardware inventory is taken only when a tool to run reads it.
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "app/frame_win.h"
#include "app/startup_needs.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "inventory/equipment.h"
#include "inventory/inventory_win.h"
#include "monitor/history_csv.h"
#include "monitor/usage_win.h"
#include "report/report_lines.h"
#include "report/screens_win.h"
#include "report/window_echo.h"
#include "resources/resource_ids.h"

namespace {

// /report takes every tool and the About content (3402).
bool IsReportId(int id) {
    return id == CMD_ABOUT || ToolOfCommand(id) != nullptr;
}

void AttachStandardStreams() {
    // A GUI program started from a console has no standard handles of its own: borrow the console's.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        freopen("CONOUT$", "w", stdout);
        freopen("CONOUT$", "w", stderr);
    }
    _setmode(_fileno(stdout), _O_BINARY);
}

void PrintList(FILE *out) {
    for (int i = 0; i < kToolCount; ++i) {
        const ToolInfo &tool = ToolByIndex(i);
        const FamilyInfo *family = FamilyOfTool(tool.id);
        fprintf(out, "%d\t%s\t%s\t%s\t%d\n", tool.id, family->name, tool.name, tool.menuText, tool.helpId);
    }
}

void PrintReport(FILE *out, int id, bool raw) {
    const ToolInfo *tool = ToolOfCommand(id);
    fprintf(out, "== %d %s ==\n", id, tool ? tool->name : "About Quorvex");
    g_report->count = 0;
    ClearWindowEcho();
    if (tool)
        RunFamilyTool(g_app.main, id);
    else
        ShowAbout();
    int count = g_report->count < kReportSlots ? g_report->count : kReportSlots;
    char text[kReportSlotSize * 4 + 1];
    bool cut = false;
    for (int i = 0; i < count; ++i) {
        if (raw)
            cut |= RawReportText(g_report->line[i], text, sizeof text);
        else
            HeadlessReportText(g_report->line[i], text, sizeof text);
        fprintf(out, "%s\n", text);
    }
    // Lines that only grew too long by their escapes: the report says so in its last line, as a
    // report does whose lines were cut when they were written.
    bool saysSo =
        count > 0 && strncmp(g_report->line[count - 1], kReportCutCaption, strlen(kReportCutCaption)) == 0;
    if (cut && !saysSo) {
        char line[kReportSlotSize];
        snprintf(line, sizeof line, "%s\t%s", kReportCutCaption, kReportLinesCutText);
        RawReportText(line, text, sizeof text);
        fprintf(out, "%s\n", text);
    }
    // What the tool's windows would have shown, after its report lines.
    for (int i = 0; i < WindowEchoCount(); ++i)
        fprintf(out, "%s\n", WindowEchoLine(i));
}

void PrintLine(void *out, const char *line) {
    fprintf(static_cast<FILE *>(out), "%s\n", line);
}

// The start-up of a normal run without its pictures and waits; the equipment record is filled only
// when a tool to run reads it (see startup_needs.h).
void StartHeadless(bool equipment) {
    RegisterMainClass(kHeadlessClass);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    g_app.newDataMessage = RegisterWindowMessageA("NEWDATAREADY");
    g_app.monitorActiveMessage = RegisterWindowMessageA("MONITORACTIVE");
    // The same windows as a normal start, never shown, so that tools find their screens.
    CreateMainWindow(kHeadlessClass, WS_OVERLAPPEDWINDOW);
    InitializeStage();
    InitializeHistoryLock();
    LoadHistory();
    if (equipment) {
        RunDeviceWalk(g_app.main);
        RunMeasurements(g_app.main);
    }
    InitializeCriticalSection(&g_app.printerLock);
}

int AllToolIds(int *ids) {
    for (int i = 0; i < kToolCount; ++i)
        ids[i] = ToolByIndex(i).id;
    return kToolCount;
}

} // namespace

int RunHeadless(int argc, const char *const *argv) {
    g_app.headless = true;
    // Nothing may wait for a click: the system's own error boxes (a drive without a disk, a fault)
    // are turned off, and the program's go to standard error.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
    AttachStandardStreams();
    static int allIds[kToolCount];
    int allCount = AllToolIds(allIds);
    static HeadlessRequest request;
    char error[200];
    if (!ParseHeadlessArgs(argc, argv, IsReportId, allIds, allCount, request, error, sizeof error)) {
        fprintf(stderr, "quorvex: %s\n%s", error, kHeadlessUsage);
        return 2;
    }
    FILE *out = stdout;
    if (request.outPath) {
        if (IsHistoryFile(request.outPath)) {
            fprintf(stderr,
                    "quorvex: '%s' is the program's own statistics file (sysstats.dat); write the "
                    "output elsewhere\n",
                    request.outPath);
            return 2;
        }
        out = fopen(request.outPath, "wb");
        if (!out) {
            fprintf(stderr, "quorvex: cannot write '%s'\n", request.outPath);
            return 2;
        }
    }
    if (request.mode == kHeadlessList) {
        PrintList(out);
    } else if (request.mode == kHeadlessHistory) {
        // Only the history is needed: no windows, no device walk, no measurements.
        g_history = static_cast<PerformanceHistory *>(AllocZeroed(GPTR, sizeof(PerformanceHistory)));
        InitializeHistoryLock();
        LoadHistory();
        WriteHistoryCsv(*g_history, PrintLine, out);
    } else if (request.mode == kHeadlessEquipment) {
        StartHeadless(true);
        WriteEquipmentFields(*g_equipment, PrintLine, out);
        if (g_app.main)
            DestroyWindow(g_app.main);
    } else {
        StartHeadless(AnyToolReadsEquipment(request.tools, request.toolCount));
        for (int i = 0; i < request.toolCount; ++i)
            PrintReport(out, request.tools[i], request.raw);
        if (g_app.main)
            DestroyWindow(g_app.main);
    }
    fflush(out);
    if (out != stdout)
        fclose(out);
    return 0;
}
