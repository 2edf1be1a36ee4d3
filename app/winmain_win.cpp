// Entry point of quorvex.exe.
#include <windows.h>

#include "app/command_line.h"
#include "app/frame_win.h"
#include "platform/globals_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    g_app.instance = instance;
    if (__argc > 1 && IsHeadlessCommand(__argv[1]))
        return RunHeadless(__argc - 1, __argv + 1);
    g_app.debug = UpperCaseAndFindDebug(commandLine);
    return StartApplication();
}
