// The text form of windows that a headless run does not open.
#include "report/window_echo.h"

#include <cstdarg>
#include <cstdio>

namespace {

struct WindowEcho {
    int count;
    char line[kEchoLines][kEchoLineSize];
};
WindowEcho g_echo;

} // namespace

void ClearWindowEcho() {
    g_echo.count = 0;
}

void EchoWindowLine(const char *format, ...) {
    if (g_echo.count >= kEchoLines)
        return;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(g_echo.line[g_echo.count], kEchoLineSize, format, args);
    va_end(args);
    if (n < 0)
        g_echo.line[g_echo.count][0] = 0;
    ++g_echo.count;
}

int WindowEchoCount() {
    return g_echo.count;
}

const char *WindowEchoLine(int i) {
    return i >= 0 && i < g_echo.count ? g_echo.line[i] : "";
}
