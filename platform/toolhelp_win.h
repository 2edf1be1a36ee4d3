// The tool-help functions of KERNEL32, looked up by name once at start-up. An entry is null where
// this system's KERNEL32 lacks the function; tools check before they call.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

struct ToolHelpTable {
    BOOL(WINAPI *Module32First)(HANDLE, LPMODULEENTRY32);
    BOOL(WINAPI *Module32Next)(HANDLE, LPMODULEENTRY32);
    HANDLE(WINAPI *CreateToolhelp32Snapshot)(DWORD, DWORD);
    BOOL(WINAPI *Thread32First)(HANDLE, LPTHREADENTRY32);
    BOOL(WINAPI *Thread32Next)(HANDLE, LPTHREADENTRY32);
    BOOL(WINAPI *Process32First)(HANDLE, LPPROCESSENTRY32);
    BOOL(WINAPI *Process32Next)(HANDLE, LPPROCESSENTRY32);
    BOOL(WINAPI *Heap32First)(LPHEAPENTRY32, DWORD, ULONG_PTR);
    BOOL(WINAPI *Heap32Next)(LPHEAPENTRY32);
    BOOL(WINAPI *Heap32ListFirst)(HANDLE, LPHEAPLIST32);
    BOOL(WINAPI *Heap32ListNext)(HANDLE, LPHEAPLIST32);
    BOOL(WINAPI *Toolhelp32ReadProcessMemory)(DWORD, LPCVOID, LPVOID, SIZE_T, SIZE_T *);
};

extern ToolHelpTable g_toolhelp;

// Fills the table from the already loaded KERNEL32.DLL.
void BindToolHelp();

// Which entries a tool needs.
enum ToolHelpNeed : unsigned {
    kNeedProcesses = 1, // snapshot, Process32First/Next
    kNeedThreads = 2,   // snapshot, Thread32First/Next
    kNeedModules = 4,   // snapshot, Module32First/Next
    kNeedHeaps = 8,     // snapshot, Heap32ListFirst/Next, Heap32First/Next
    kNeedReadMemory = 16,
};

// True when every entry the tool needs is bound.
bool ToolHelpAvailable(unsigned needs);

// ---- Walkers ----
// Each visits the entries of a snapshot in the system's order, as long as visit returns true. The
// Each... forms walk a snapshot the caller took (and may walk again); the Walk... forms take their
// own snapshot and close it. Where a snapshot cannot be taken nothing is visited. Callers check
// ToolHelpAvailable first.

// The entries of one kind in a snapshot, through that kind's First and Next functions.
template <typename Entry, typename Visit>
void EachEntry(HANDLE snapshot, BOOL(WINAPI *first)(HANDLE, Entry *), BOOL(WINAPI *next)(HANDLE, Entry *),
               Visit visit) {
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    Entry entry = {};
    entry.dwSize = sizeof entry; // a module record is 548 bytes in a 32-bit program, 568 in a 64-bit one
    for (BOOL more = first(snapshot, &entry); more && visit(entry); more = next(snapshot, &entry)) {
    }
}

template <typename Visit> void EachProcess(HANDLE snapshot, Visit visit) {
    EachEntry(snapshot, g_toolhelp.Process32First, g_toolhelp.Process32Next, visit);
}
template <typename Visit> void EachThread(HANDLE snapshot, Visit visit) {
    EachEntry(snapshot, g_toolhelp.Thread32First, g_toolhelp.Thread32Next, visit);
}
template <typename Visit> void EachModule(HANDLE snapshot, Visit visit) {
    EachEntry(snapshot, g_toolhelp.Module32First, g_toolhelp.Module32Next, visit);
}

// Takes a snapshot, walks it with each(snapshot, visit), closes it.
template <typename Each, typename Visit>
void WalkSnapshot(DWORD flags, DWORD processId, Each each, Visit visit) {
    HANDLE snapshot = g_toolhelp.CreateToolhelp32Snapshot(flags, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    each(snapshot, visit);
    CloseHandle(snapshot);
}

// The processes of a snapshot taken with flags (TH32CS_SNAPPROCESS, or TH32CS_SNAPALL where the
// snapshot must hold everything at once).
template <typename Visit> void WalkProcesses(DWORD flags, Visit visit) {
    WalkSnapshot(flags, 0, EachProcess<Visit>, visit);
}
// Every thread of the system, as a thread snapshot lists them.
template <typename Visit> void WalkThreads(Visit visit) {
    WalkSnapshot(TH32CS_SNAPTHREAD, 0, EachThread<Visit>, visit);
}
// The modules of one process.
template <typename Visit> void WalkModulesOf(DWORD processId, Visit visit) {
    WalkSnapshot(TH32CS_SNAPMODULE, processId, EachModule<Visit>, visit);
}
