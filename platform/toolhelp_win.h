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
