#include "platform/toolhelp_win.h"

#include "platform/globals_win.h"

ToolHelpTable g_toolhelp;

namespace {

template <typename Function> void Bind(HMODULE kernel, Function &entry, const char *name) {
    entry = reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(kernel, name)));
}

} // namespace

void BindToolHelp() {
    g_toolhelp = ToolHelpTable{};
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    if (!kernel)
        return;
    Bind(kernel, g_toolhelp.Module32First, "Module32First");
    Bind(kernel, g_toolhelp.Module32Next, "Module32Next");
    Bind(kernel, g_toolhelp.CreateToolhelp32Snapshot, "CreateToolhelp32Snapshot");
    Bind(kernel, g_toolhelp.Thread32First, "Thread32First");
    Bind(kernel, g_toolhelp.Thread32Next, "Thread32Next");
    Bind(kernel, g_toolhelp.Process32First, "Process32First");
    Bind(kernel, g_toolhelp.Process32Next, "Process32Next");
    Bind(kernel, g_toolhelp.Heap32First, "Heap32First");
    Bind(kernel, g_toolhelp.Heap32Next, "Heap32Next");
    Bind(kernel, g_toolhelp.Heap32ListFirst, "Heap32ListFirst");
    Bind(kernel, g_toolhelp.Heap32ListNext, "Heap32ListNext");
    Bind(kernel, g_toolhelp.Toolhelp32ReadProcessMemory, "Toolhelp32ReadProcessMemory");
}

bool ToolHelpAvailable(unsigned needs) {
    const ToolHelpTable &t = g_toolhelp;
    if (!t.CreateToolhelp32Snapshot && (needs & (kNeedProcesses | kNeedThreads | kNeedModules | kNeedHeaps)))
        return false;
    if ((needs & kNeedProcesses) && !(t.Process32First && t.Process32Next))
        return false;
    if ((needs & kNeedThreads) && !(t.Thread32First && t.Thread32Next))
        return false;
    if ((needs & kNeedModules) && !(t.Module32First && t.Module32Next))
        return false;
    if ((needs & kNeedHeaps) && !(t.Heap32ListFirst && t.Heap32ListNext && t.Heap32First && t.Heap32Next))
        return false;
    if ((needs & kNeedReadMemory) && !t.Toolhelp32ReadProcessMemory)
        return false;
    return true;
}
