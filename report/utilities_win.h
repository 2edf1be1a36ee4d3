// Shared routines that talk to Windows: traces, allocation, message boxes, window centring.
#pragma once

#include <windows.h>

// Shows "label = value" in a box captioned "Message #n" when the debug flag is set; otherwise nothing.
void DebugTrace(int kind, const char *label, ...);
// Zero-filled memory; on failure the out-of-memory box, then the process ends with exit code 0.
void *AllocZeroed(UINT flags, SIZE_T size);
// The program's one way to show a message box. A headless run writes caption and text to standard
// error instead and answers IDOK.
int ShowMessage(HWND owner, const char *text, const char *caption, UINT type);
// Centres the window over another window (or the desktop when other is null), inside the desktop.
void CenterWindowOver(HWND window, HWND other);
