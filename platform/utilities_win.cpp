#include "platform/utilities_win.h"

#include <cstdio>

#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "platform/utilities.h"

#include <cstring>

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

namespace {
MessageAnswerer g_answerer = nullptr;
} // namespace

void SetMessageAnswerer(MessageAnswerer answerer) {
    g_answerer = answerer;
}

int ShowMessage(HWND owner, const char *text, const char *caption, UINT type) {
    if (g_answerer)
        return g_answerer(text, caption, type);
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

BOOL Vwin32Call(DWORD controlCode, Vwin32Registers *registers) {
    HANDLE device =
        CreateFileA("\\\\.\\vwin32", 0, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(device, controlCode, registers, sizeof *registers, registers, sizeof *registers,
                              &returned, nullptr);
    CloseHandle(device);
    return ok && !(registers->flags & 1);
}

int FileExists(const char *path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    return 1;
}

void ProgramDirectory(HMODULE module, char *destination, size_t size) {
    if (size == 0)
        return;
    char path[MAX_PATH + 1] = "";
    DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
    path[n < MAX_PATH ? n : MAX_PATH] = 0;
    char *slash = strrchr(path, '\\');
    if (slash)
        *slash = 0;
    snprintf(destination, size, "%s", path);
}

HWND TopLevelWindow(HWND window) {
    if (!window)
        return nullptr;
    while ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) && GetParent(window))
        window = GetParent(window);
    while (HWND owner = GetWindow(window, GW_OWNER))
        window = owner;
    return window;
}

void CleanCaption(HWND window, char *destination, size_t size) {
    if (size == 0)
        return;
    destination[0] = 0;
    char text[256] = "";
    if (GetWindowTextA(window, text, sizeof text) > 0) {
        text[sizeof text - 1] = 0;
        CleanOutsideText(text);
        CleanCaptionText(text, destination, size);
    }
}

namespace {

BOOL CALLBACK CaptionOfProcessWindow(HWND window, LPARAM param) {
    ProcessCaption *result = reinterpret_cast<ProcessCaption *>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != result->processId)
        return TRUE;
    // The highest window up the parent chain that has a text, or the window itself.
    HWND best = window;
    for (HWND w = window; w; w = GetParent(w))
        if (GetWindowTextLengthA(w) > 0)
            best = w;
    char caption[256];
    CleanCaption(best, caption, sizeof caption);
    if (!caption[0])
        return TRUE;
    snprintf(result->caption, sizeof result->caption, "%s", caption);
    result->window = best;
    return FALSE;
}

BOOL CALLBACK FirstThreadWindowText(HWND window, LPARAM param) {
    char *destination = reinterpret_cast<char *>(param);
    return GetWindowTextA(window, destination, 256) > 0 ? FALSE : TRUE;
}

} // namespace

void FindProcessCaption(DWORD processId, ProcessCaption *result) {
    *result = ProcessCaption{};
    result->processId = processId;
    EnumWindows(CaptionOfProcessWindow, reinterpret_cast<LPARAM>(result));
}

int FindMainModule(DWORD processId, MODULEENTRY32 *entry) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedModules))
        return 0;
    bool found = false;
    DWORD moduleId = 0;
    WalkProcesses(TH32CS_SNAPALL, [&](const PROCESSENTRY32 &process) {
        if (process.th32ProcessID != processId)
            return true;
        found = true;
        moduleId = process.th32ModuleID;
        return false;
    });
    if (!found)
        return 0;
    // The process may end between the two snapshots: then its module list is empty or cannot be
    // taken, and nothing is reported. Windows NT and later keep no module id in the process entry;
    // there the first module of the list is the program's own file.
    MODULEENTRY32 first = {}, match = {};
    WalkModulesOf(processId, [&](const MODULEENTRY32 &module) {
        if (!first.dwSize)
            first = module;
        if (module.th32ModuleID != moduleId)
            return true;
        match = module;
        return false;
    });
    if (!match.dwSize && !first.dwSize)
        return 0;
    *entry = match.dwSize ? match : first;
    entry->szModule[sizeof entry->szModule - 1] = 0;
    entry->szExePath[sizeof entry->szExePath - 1] = 0;
    CleanOutsideText(entry->szModule);
    CleanOutsideText(entry->szExePath);
    return 1;
}

void ThreadWindowCaption(DWORD threadId, char *destination) {
    destination[0] = 0;
    EnumThreadWindows(threadId, FirstThreadWindowText, reinterpret_cast<LPARAM>(destination));
    destination[255] = 0;
    CleanOutsideText(destination);
}

void ShowAnalyzingBox() {
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    HWND box = g_app.analyzingBox;
    if (!box)
        return;
    CenterWindowOver(box, GetForegroundWindow());
    ShowWindow(box, SW_SHOWNA);
    SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void HideAnalyzingBox() {
    if (g_app.analyzingBox)
        ShowWindow(g_app.analyzingBox, SW_HIDE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void ToggleMenuCheck(int id) {
    HMENU menu = g_app.main ? GetMenu(g_app.main) : nullptr;
    if (!menu)
        return;
    UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1))
        return;
    CheckMenuItem(menu, id, MF_BYCOMMAND | ((state & MF_CHECKED) ? MF_UNCHECKED : MF_CHECKED));
}

bool MenuItemChecked(int id) {
    HMENU menu = g_app.main ? GetMenu(g_app.main) : nullptr;
    if (!menu)
        return true;
    UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    return state == static_cast<UINT>(-1) || (state & MF_CHECKED) != 0;
}

MemoryFigures ReadMemoryStatus() {
    MemoryFigures m = {};
    using StatusEx = BOOL(WINAPI *)(MEMORYSTATUSEX *);
    static const auto statusEx = reinterpret_cast<StatusEx>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx")));
    MEMORYSTATUSEX ex = {};
    ex.dwLength = sizeof ex;
    if (statusEx && statusEx(&ex)) {
        m = {ex.dwMemoryLoad,     ex.ullTotalPhys,    ex.ullAvailPhys,   ex.ullTotalPageFile,
             ex.ullAvailPageFile, ex.ullTotalVirtual, ex.ullAvailVirtual};
        return m;
    }
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    m = {status.dwMemoryLoad,    status.dwTotalPhys,    status.dwAvailPhys,   status.dwTotalPageFile,
         status.dwAvailPageFile, status.dwTotalVirtual, status.dwAvailVirtual};
    return m;
}
