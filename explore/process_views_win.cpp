// The views of what is running, read from the tool-help snapshots and the window list at the moment
// of the report: Process Memory, Process List, Module List, Priority List and Window List.
#include <windows.h>
#include <commdlg.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "explore/explore_win.h"
#include "explore/process_views.h"
#include "report/main_screen_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"

namespace {

// The main module of a process, or a cleared entry (empty texts, process id 0) when it is not found.
MODULEENTRY32 MainModuleOf(DWORD processId) {
    MODULEENTRY32 module = {};
    FindMainModule(processId, &module);
    module.szModule[sizeof module.szModule - 1] = 0;
    module.szExePath[sizeof module.szExePath - 1] = 0;
    return module;
}

void ProcessNameOf(DWORD processId, char *name, size_t size) {
    MODULEENTRY32 module = MainModuleOf(processId);
    NameBeforeDot(module.szModule, name, size);
}

// Calls visit for every process of a full snapshot until it returns false or the report is full.
template <typename Visit> void ForEachProcess(Visit visit) {
    WalkProcesses(TH32CS_SNAPALL,
                  [&](const PROCESSENTRY32 &process) { return RoomInReport(*g_report) && visit(process); });
}

// Every thread of one thread snapshot, taken once per report: each process's threads are picked
// from it rather than from a snapshot of their own.
std::vector<THREADENTRY32> TakeThreads() {
    std::vector<THREADENTRY32> threads;
    WalkThreads([&](const THREADENTRY32 &thread) {
        threads.push_back(thread);
        return true;
    });
    return threads;
}

// The threads of the snapshot that belong to the process.
template <typename Visit>
void ForEachThreadOf(const std::vector<THREADENTRY32> &threads, DWORD processId, Visit visit) {
    for (const THREADENTRY32 &thread : threads)
        if (thread.th32OwnerProcessID == processId)
            visit(thread);
}

// Sums the blocks of every heap of the process by their flags. Blocks are walked only for a heap
// list that the system actually returned.
HeapSums HeapSumsOf(DWORD processId) {
    HeapSums sums = {};
    HANDLE snapshot = g_toolhelp.CreateToolhelp32Snapshot(TH32CS_SNAPHEAPLIST, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return sums;
    HEAPLIST32 heap = {};
    heap.dwSize = sizeof heap;
    for (BOOL more = g_toolhelp.Heap32ListFirst(snapshot, &heap); more;
         more = g_toolhelp.Heap32ListNext(snapshot, &heap)) {
        if (heap.th32ProcessID != processId)
            continue;
        HEAPENTRY32 block = {};
        block.dwSize = sizeof block;
        for (BOOL blocks = g_toolhelp.Heap32First(&block, heap.th32ProcessID, heap.th32HeapID); blocks;
             blocks = g_toolhelp.Heap32Next(&block))
            AddHeapBlock(sums, block.dwFlags, static_cast<unsigned long>(block.dwBlockSize));
    }
    CloseHandle(snapshot);
    return sums;
}

void Finish() {
    ShowReport();
    HideAnalyzingBox();
}

} // namespace

void ExploreProcessMemory(HWND) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedModules | kNeedHeaps)) {
        ReportToolHelpUnavailable();
        return;
    }
    ShowAnalyzingBox();
    BeginReport(*g_report);
    ForEachProcess([](const PROCESSENTRY32 &process) {
        MODULEENTRY32 module = MainModuleOf(process.th32ProcessID);
        ProcessCaption caption = {};
        FindProcessCaption(process.th32ProcessID, &caption);
        caption.caption[sizeof caption.caption - 1] = 0;
        char name[sizeof module.szModule];
        NameBeforeDot(module.szModule, name, sizeof name);
        ProcessMemoryFacts facts = {};
        facts.caption = caption.caption;
        facts.processName = name;
        facts.path = module.szExePath;
        facts.processId = module.th32ProcessID;
        facts.heaps = HeapSumsOf(process.th32ProcessID);
        WriteProcessMemoryBlock(*g_report, facts);
        return true;
    });
    Finish();
}

void ExploreProcessList(HWND) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedModules | kNeedThreads)) {
        ReportToolHelpUnavailable();
        return;
    }
    ShowAnalyzingBox();
    BeginProcessList(*g_report);
    unsigned long processes = 0;
    unsigned long threadTotal = 0;
    std::vector<THREADENTRY32> allThreads = TakeThreads();
    ForEachProcess([&](const PROCESSENTRY32 &process) {
        DWORD id = process.th32ProcessID;
        MODULEENTRY32 main = MainModuleOf(id);
        char name[sizeof main.szModule];
        NameBeforeDot(main.szModule, name, sizeof name);

        // One module snapshot gives both the count in the header and the lines under it.
        HANDLE modules = g_toolhelp.CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id);
        unsigned long moduleCount = 0;
        EachModule(modules, [&](const MODULEENTRY32 &) { return ++moduleCount, true; });
        unsigned long threads = 0;
        ForEachThreadOf(allThreads, id, [&](const THREADENTRY32 &) { ++threads; });
        ++processes;
        threadTotal += threads;

        WriteProcessListHeader(*g_report, name, main.szExePath, moduleCount, threads);
        EachModule(modules, [](MODULEENTRY32 module) {
            if (!RoomInReport(*g_report))
                return false;
            module.szModule[sizeof module.szModule - 1] = 0;
            module.szExePath[sizeof module.szExePath - 1] = 0;
            CleanOutsideText(module.szModule);
            CleanOutsideText(module.szExePath);
            WriteProcessModuleLine(*g_report, module.szModule, module.szExePath);
            return true;
        });
        AddReportLine(*g_report, "%s", "");
        AddReportLine(*g_report, "%s", "");
        if (modules != INVALID_HANDLE_VALUE)
            CloseHandle(modules);
        return true;
    });
    WriteProcessListSummary(*g_report, processes, threadTotal);
    Finish();
}

void ExploreModuleList(HWND) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedModules)) {
        ReportToolHelpUnavailable();
        return;
    }
    ShowAnalyzingBox();
    BeginReport(*g_report);
    ModulePathSet set;
    WalkProcesses(TH32CS_SNAPALL, [&](const PROCESSENTRY32 &process) {
        WalkModulesOf(process.th32ProcessID, [&](MODULEENTRY32 module) {
            module.szExePath[sizeof module.szExePath - 1] = 0;
            CleanOutsideText(module.szExePath);
            AddModulePath(set, module.szExePath);
            return true;
        });
        return true;
    });
    WriteModuleListHeader(*g_report, static_cast<unsigned long>(set.paths.size()));
    for (const std::string &path : set.paths) {
        if (!RoomInReport(*g_report))
            break;
        char title[256] = {};
        // A name the system will not give a title for is shown by its last part.
        if (GetFileTitleA(path.c_str(), title, sizeof title) != 0)
            snprintf(title, sizeof title, "%s", PathFileName(path.c_str()));
        title[sizeof title - 1] = 0;
        CleanOutsideText(title);
        WriteModuleListLine(*g_report, title, path.c_str());
    }
    Finish();
}

void ExplorePriorityList(HWND) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedModules | kNeedThreads)) {
        ReportToolHelpUnavailable();
        return;
    }
    ShowAnalyzingBox();
    BeginReport(*g_report);
    std::vector<THREADENTRY32> allThreads = TakeThreads();
    ForEachProcess([&](const PROCESSENTRY32 &process) {
        DWORD id = process.th32ProcessID;
        char name[MAX_MODULE_NAME32 + 1];
        ProcessNameOf(id, name, sizeof name);
        const char *word = nullptr;
        HANDLE handle = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
        if (handle) {
            word = PriorityClassWord(GetPriorityClass(handle));
            CloseHandle(handle);
        }
        WritePriorityHeader(*g_report, name, word);
        ForEachThreadOf(allThreads, id, [](const THREADENTRY32 &thread) {
            char caption[256];
            ThreadWindowCaption(thread.th32ThreadID, caption);
            WritePriorityThreadLine(*g_report, caption, thread.th32ThreadID, thread.tpBasePri,
                                    thread.tpDeltaPri);
        });
        AddReportLine(*g_report, "%s", "");
        AddReportLine(*g_report, "%s", "");
        return true;
    });
    Finish();
}

namespace {

// The Window List's report and the names of the processes met so far: one module snapshot per owning
// process, however many windows it has.
struct WindowListScan {
    ReportBuffer *report;
    std::vector<std::pair<DWORD, std::string>> owners;
};

const char *OwnerName(WindowListScan &scan, DWORD processId) {
    for (const auto &owner : scan.owners)
        if (owner.first == processId)
            return owner.second.c_str();
    char name[MAX_MODULE_NAME32 + 1];
    ProcessNameOf(processId, name, sizeof name);
    scan.owners.emplace_back(processId, name);
    return scan.owners.back().second.c_str();
}

BOOL CALLBACK WindowListEntry(HWND window, LPARAM context) {
    WindowListScan &scan = *reinterpret_cast<WindowListScan *>(context);
    ReportBuffer &report = *scan.report;
    if (!RoomInReport(report))
        return FALSE; // the last line will say the report was cut
    char text[257] = {};
    GetWindowTextA(window, text, 256);
    CleanOutsideText(text);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const char *owner = OwnerName(scan, processId);
    RECT outer = {};
    RECT client = {};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    unsigned long style = static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE));

    WindowFacts facts = {};
    facts.text = text;
    facts.owner = owner;
    facts.style = style;
    facts.windowWidth = outer.right - outer.left;
    facts.windowHeight = outer.bottom - outer.top;
    facts.clientWidth = client.right - client.left;
    facts.clientHeight = client.bottom - client.top;
    facts.state.iconic = IsIconic(window) != FALSE;
    facts.state.zoomed = IsZoomed(window) != FALSE;
    facts.state.visible = IsWindowVisible(window) != FALSE;
    facts.state.style = style;
    facts.state.focus = GetFocus() == window;
    WriteWindowBlock(report, facts);
    return TRUE;
}

} // namespace

void ExploreWindowList(HWND) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedModules)) {
        ReportToolHelpUnavailable();
        return;
    }
    ShowAnalyzingBox();
    BeginReport(*g_report);
    WindowListScan scan = {g_report, {}};
    EnumWindows(WindowListEntry, reinterpret_cast<LPARAM>(&scan));
    Finish();
}
