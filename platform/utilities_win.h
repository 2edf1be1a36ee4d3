// Shared routines that talk to Windows: traces, allocation, message boxes, window centring.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <cstddef>

#include "platform/utilities.h"

// Shows "label = value" in a box captioned "Message #n" when the debug flag is set; otherwise nothing.
void DebugTrace(int kind, const char *label, ...);
// Zero-filled memory; on failure the out-of-memory box, then the process ends with exit code 0.
void *AllocZeroed(UINT flags, SIZE_T size);
// The program's one way to show a message box. A headless run writes caption and text to standard
// error instead and answers IDOK.
int ShowMessage(HWND owner, const char *text, const char *caption, UINT type);
// Where tests answer the program's questions: while an answerer is set, ShowMessage shows no box and
// returns what the answerer says. Null restores the real boxes.
using MessageAnswerer = int (*)(const char *text, const char *caption, UINT type);
void SetMessageAnswerer(MessageAnswerer answerer);
// The small busy window of the data thread (created by it at start), shown while long tools run.
void ShowAnalyzingBox();
void HideAnalyzingBox();
// Flips the check mark of a menu item of the main window; whether it is checked (an item that is
// not there, or no menu, counts as checked).
void ToggleMenuCheck(int id);
bool MenuItemChecked(int id);
// The system's memory figures: from the extended status where the system has it (more than 4 GB told
// as it is, in a 32-bit program too), else from GlobalMemoryStatus with the record's own size.
MemoryFigures ReadMemoryStatus();
// Centres the window over another window (or the desktop when other is null), inside the desktop.
void CenterWindowOver(HWND window, HWND other);

// The 28-byte register block of a call into the system's VWIN32 device.
struct Vwin32Registers {
    DWORD ebx, edx, ecx, eax, edi, esi, flags;
};
static_assert(sizeof(Vwin32Registers) == 28);
// Issues the control code with the registers as input and output; non-zero when the device call
// worked and the returned carry flag is clear. Zero where there is no VWIN32 device.
BOOL Vwin32Call(DWORD controlCode, Vwin32Registers *registers);

// 1 when at least one file matches the path (wildcards allowed), else 0.
int FileExists(const char *path);
// The folder of the module's file, without a trailing backslash.
void ProgramDirectory(HMODULE module, char *destination, size_t size);
// Up the parent chain, then up the owner chain.
HWND TopLevelWindow(HWND window);
// The window's caption, cleaned (see CleanOutsideText and CleanCaptionText).
void CleanCaption(HWND window, char *destination, size_t size);

struct ProcessCaption {
    DWORD processId;
    HWND window;
    char caption[256];
};
// The first readable caption among the process's top-level windows.
void FindProcessCaption(DWORD processId, ProcessCaption *result);
// The main module of a process; 1 and the entry when found, 0 (entry untouched) otherwise. The found
// entry's name and path are terminated and cleaned (see CleanOutsideText).
int FindMainModule(DWORD processId, MODULEENTRY32 *entry);
// The first non-empty window text among the thread's windows (destination of at least 256 bytes),
// cleaned (see CleanOutsideText).
void ThreadWindowCaption(DWORD threadId, char *destination);
