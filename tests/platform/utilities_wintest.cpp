// The window and process lookups, tool-help binding and file helpers against Wine's real objects.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/report_lines.h"
#include "platform/toolhelp_win.h"
#include "platform/utilities_win.h"

namespace {

TEST(ToolHelpBinding, EveryEntryIsBoundFromKernel32) {
    BindToolHelp();
    void *entries[] = {reinterpret_cast<void *>(g_toolhelp.Module32First),
                       reinterpret_cast<void *>(g_toolhelp.Module32Next),
                       reinterpret_cast<void *>(g_toolhelp.CreateToolhelp32Snapshot),
                       reinterpret_cast<void *>(g_toolhelp.Thread32First),
                       reinterpret_cast<void *>(g_toolhelp.Thread32Next),
                       reinterpret_cast<void *>(g_toolhelp.Process32First),
                       reinterpret_cast<void *>(g_toolhelp.Process32Next),
                       reinterpret_cast<void *>(g_toolhelp.Heap32First),
                       reinterpret_cast<void *>(g_toolhelp.Heap32Next),
                       reinterpret_cast<void *>(g_toolhelp.Heap32ListFirst),
                       reinterpret_cast<void *>(g_toolhelp.Heap32ListNext),
                       reinterpret_cast<void *>(g_toolhelp.Toolhelp32ReadProcessMemory)};
    for (void *entry : entries)
        EXPECT_NE(entry, nullptr);
    EXPECT_EQ(reinterpret_cast<void *>(g_toolhelp.Process32First),
              reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "Process32First")));
    EXPECT_TRUE(
        ToolHelpAvailable(kNeedProcesses | kNeedThreads | kNeedModules | kNeedHeaps | kNeedReadMemory));
}

TEST(ToolHelpBinding, AMissingEntryMakesItsToolsUnavailable) {
    ToolHelpTable saved = g_toolhelp;
    g_toolhelp.Thread32Next = nullptr;
    EXPECT_FALSE(ToolHelpAvailable(kNeedThreads));
    EXPECT_TRUE(ToolHelpAvailable(kNeedProcesses | kNeedModules));
    g_toolhelp.CreateToolhelp32Snapshot = nullptr;
    EXPECT_FALSE(ToolHelpAvailable(kNeedProcesses));
    EXPECT_TRUE(ToolHelpAvailable(0));
    MODULEENTRY32 entry = {};
    EXPECT_EQ(FindMainModule(GetCurrentProcessId(), &entry), 0) << "never through a null entry";
    ReportToolHelpUnavailable();
    EXPECT_EQ(g_report->count, 1);
    EXPECT_EQ(std::string(g_report->line[0]).rfind("Tool Help Unavailable\t", 0), 0u);
    g_toolhelp = saved;
}

TEST(Lookups, MainModuleOfThisProcess) {
    MODULEENTRY32 entry = {};
    ASSERT_EQ(FindMainModule(GetCurrentProcessId(), &entry), 1);
    EXPECT_EQ(entry.dwSize, sizeof entry);
    EXPECT_STRCASEEQ(entry.szModule, "qv_window_tests.exe");
}

TEST(Lookups, MainModuleOfAnEndedProcessIsNotFound) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    char command[] = "cmd.exe /c exit 3";
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, 20000);
    DWORD pid = pi.dwProcessId;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    MODULEENTRY32 entry;
    memset(&entry, 0x5A, sizeof entry);
    EXPECT_EQ(FindMainModule(pid, &entry), 0);
    EXPECT_EQ(entry.dwSize, 0x5A5A5A5Au) << "the entry is left untouched";
}

TEST(Lookups, CaptionsOfWindowsProcessesAndThreads) {
    HWND owner = CreateWindowExA(0, "STATIC", "Quarterly Report.txt - Quill Editor", WS_OVERLAPPED, 0, 0, 50,
                                 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    HWND popup = CreateWindowExA(0, "STATIC", "-", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    char text[256];
    CleanCaption(owner, text, sizeof text);
    EXPECT_STREQ(text, "Quarterly Report.txt");
    CleanCaption(popup, text, sizeof text);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(TopLevelWindow(child), owner);
    EXPECT_EQ(TopLevelWindow(popup), owner);
    EXPECT_EQ(TopLevelWindow(owner), owner);
    EXPECT_EQ(TopLevelWindow(nullptr), nullptr);

    ProcessCaption found;
    FindProcessCaption(GetCurrentProcessId(), &found);
    EXPECT_EQ(found.processId, GetCurrentProcessId());
    EXPECT_NE(found.caption[0], 0);
    EXPECT_NE(found.window, nullptr);
    ProcessCaption none;
    FindProcessCaption(0xFFFFFFF0u, &none);
    EXPECT_EQ(none.caption[0], 0);
    EXPECT_EQ(none.window, nullptr);

    char caption[256];
    ThreadWindowCaption(GetCurrentThreadId(), caption);
    EXPECT_NE(caption[0], 0);
    ThreadWindowCaption(0xFFFFFFF0u, caption);
    EXPECT_STREQ(caption, "");
    DestroyWindow(popup);
    DestroyWindow(owner);
}

TEST(Files, ExistsAndProgramDirectory) {
    char dir[MAX_PATH];
    ProgramDirectory(nullptr, dir, sizeof dir);
    ASSERT_NE(dir[0], 0);
    EXPECT_NE(dir[strlen(dir) - 1], '\\');
    std::string self = std::string(dir) + "\\qv_window_tests.exe";
    EXPECT_EQ(FileExists(self.c_str()), 1);
    EXPECT_EQ(FileExists((std::string(dir) + "\\qv_*.exe").c_str()), 1);
    EXPECT_EQ(FileExists((std::string(dir) + "\\no such file.xyz").c_str()), 0);
    char tiny[2] = {'x', 'x'};
    ProgramDirectory(nullptr, tiny, sizeof tiny);
    EXPECT_EQ(tiny[0], dir[0]);
    EXPECT_EQ(tiny[1], 0) << "cut, never overrun";
}

TEST(Vwin32, NoDeviceMeansNoCall) {
    Vwin32Registers registers = {};
    registers.eax = 0x4400;
    EXPECT_FALSE(Vwin32Call(1, &registers));
}

} // namespace
