#include "report/utilities_win.h"

#include <cstdio>

#include "app/globals.h"
#include "report/utilities.h"

namespace {
int g_traceCounter = 1;
}

void DebugTrace(int kind, const char *label, ...) {
    if (!g_app.debug)
        return;
    char text[256];
    va_list args;
    va_start(args, label);
    FormatTraceV(text, sizeof text, kind, label, args);
    va_end(args);
    char caption[32];
    snprintf(caption, sizeof caption, "Message #%d", g_traceCounter);
    ShowMessage(nullptr, text, caption, MB_OK);
    ++g_traceCounter;
}

void *AllocZeroed(UINT flags, SIZE_T size) {
    void *block = GlobalAlloc(flags | GMEM_ZEROINIT, size);
    if (!block) {
        ShowMessage(nullptr,
                    "Unable to allocate enough memory to continue the program. Close program and restart or "
                    "contact Technical Support.",
                    "Out of Memory", MB_OK | MB_ICONERROR);
        ExitProcess(0);
    }
    return block;
}

int ShowMessage(HWND owner, const char *text, const char *caption, UINT type) {
    if (g_app.headless) {
        fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
        fflush(stderr);
        return (type & MB_TYPEMASK) == MB_YESNO || (type & MB_TYPEMASK) == MB_YESNOCANCEL ? IDYES : IDOK;
    }
    return MessageBoxA(owner, text, caption, type);
}

void CenterWindowOver(HWND window, HWND other) {
    RECT own, desktop;
    GetWindowRect(window, &own);
    GetWindowRect(GetDesktopWindow(), &desktop);
    ScreenRect desk = {desktop.left, desktop.top, desktop.right, desktop.bottom};
    ScreenRect over;
    const ScreenRect *target = nullptr;
    RECT otherRect;
    if (other && GetWindowRect(other, &otherRect)) {
        over = {otherRect.left, otherRect.top, otherRect.right, otherRect.bottom};
        target = &over;
    }
    ScreenPoint p = CenteredPosition(own.right - own.left, own.bottom - own.top, target, desk);
    SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
