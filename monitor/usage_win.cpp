#include "monitor/usage_win.h"

#include <cstdio>
#include <initializer_list>

#include "platform/globals_win.h"
#include "monitor/history_file.h"
#include "monitor/performance.h"
#include "monitor/sampler_tick.h"
#include "platform/utilities_win.h"

InputCounters g_input;
CRITICAL_SECTION g_historyLock;

namespace {

HHOOK g_hook;                      // the journal-record hook (Windows 95)
HHOOK g_keyboardHook, g_mouseHook; // the low-level hooks (NT-style systems)
bool g_lockReady;
// Held around a whole save (image, temporary file, replacement): saves from the two threads never
// share the temporary file. Taken before g_historyLock, never after it.
CRITICAL_SECTION g_saveLock;
// A history file that could not be used and could not be kept aside either: no save may replace it.
char g_protectedPath[MAX_PATH + 32];

void Show(const HistoryMessage &message) {
    if (message.caption)
        ShowMessage(nullptr, message.text, message.caption, MB_OK | (message.stopIcon ? MB_ICONSTOP : 0));
}

bool DefaultHistoryPath(char *path, size_t size) {
    char module[MAX_PATH + 1] = "";
    DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
    module[n < MAX_PATH ? n : MAX_PATH] = 0;
    return HistoryFilePath(module, path, size);
}

LRESULT CALLBACK UsageHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam)
        CountRecordedEvent(reinterpret_cast<const EVENTMSG *>(lParam));
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

bool NumLockOn() {
    return (GetKeyState(VK_NUMLOCK) & 1) != 0;
}

// The low-level hooks see every key and button of every program; the message is the one the journal
// would have recorded, so the counting rules are the same.
LRESULT CALLBACK KeyboardLowLevelProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam)
        CountInputEvent(g_input, static_cast<unsigned>(wParam),
                        reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam)->vkCode & 0xFF, NumLockOn());
    return CallNextHookEx(g_keyboardHook, code, wParam, lParam);
}

LRESULT CALLBACK MouseLowLevelProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION)
        CountInputEvent(g_input, static_cast<unsigned>(wParam), 0, false);
    return CallNextHookEx(g_mouseHook, code, wParam, lParam);
}

// Keeps what stands at path as sysstats.bad beside it, replacing an older one: a file is copied (it
// stays where it is until a save replaces it whole), a folder is renamed (nothing could replace it
// otherwise). False when it could not be kept.
bool KeepAside(const char *path, bool directory, char *badPath, size_t badSize) {
    if (!HistoryBadPath(path, badPath, badSize))
        return false;
    DWORD old = GetFileAttributesA(badPath);
    if (old != INVALID_FILE_ATTRIBUTES && !(old & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(badPath, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(badPath);
    }
    if (directory)
        return MoveFileA(path, badPath) != FALSE;
    return CopyFileA(path, badPath, FALSE) != FALSE;
}

} // namespace

void InitializeHistoryLock() {
    if (!g_lockReady) {
        InitializeCriticalSection(&g_historyLock);
        InitializeCriticalSection(&g_saveLock);
        g_lockReady = true;
    }
}

bool LoadHistoryFrom(const char *path, bool keepDamagedAside) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    bool exists = search != INVALID_HANDLE_VALUE;
    if (exists)
        FindClose(search);
    bool directory = exists && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    uint64_t size = exists ? (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow : 0;
    HistoryLoad outcome = CheckHistoryFile(exists, size);
    if (outcome == HistoryLoad::kOk) {
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            outcome = HistoryLoad::kOpenFailed;
        } else {
            unsigned char image[kHistoryBytes] = {};
            DWORD got = 0;
            if (!ReadFile(file, image, kHistoryBytes, &got, nullptr))
                got = 0;
            CloseHandle(file);
            // A history that cannot be read whole stays as it was.
            PerformanceHistory loaded = {};
            outcome = DeserializeHistory(image, got, loaded);
            if (outcome == HistoryLoad::kOk && g_history) {
                InitializeHistoryLock();
                EnterCriticalSection(&g_historyLock);
                *g_history = loaded;
                LeaveCriticalSection(&g_historyLock);
            }
        }
    }
    HistoryMessage message = HistoryLoadMessage(outcome);
    char text[2 * MAX_PATH + 400];
    if (keepDamagedAside && HistoryNeedsKeepingAside(exists, directory, size, outcome)) {
        char badPath[MAX_PATH + 32];
        if (KeepAside(path, directory, badPath, sizeof badPath)) {
            if (message.caption) {
                HistoryKeptAsideText(message.text, badPath, text, sizeof text);
                message.text = text;
            }
        } else {
            // Nothing may be written over a history that could not be kept.
            snprintf(g_protectedPath, sizeof g_protectedPath, "%s", path);
        }
    }
    Show(message);
    return outcome == HistoryLoad::kOk;
}

void LoadHistory() {
    char path[MAX_PATH + 32];
    // A headless run never saves, so it leaves whatever it finds where it is.
    if (DefaultHistoryPath(path, sizeof path))
        LoadHistoryFrom(path, !g_app.headless);
}

bool IsHistoryFile(const char *path) {
    char history[MAX_PATH + 32];
    if (!path || !DefaultHistoryPath(history, sizeof history))
        return false;
    char full[MAX_PATH + 32], fullHistory[MAX_PATH + 32];
    DWORD n = GetFullPathNameA(path, sizeof full, full, nullptr);
    DWORD m = GetFullPathNameA(history, sizeof fullHistory, fullHistory, nullptr);
    if (n == 0 || n >= sizeof full || m == 0 || m >= sizeof fullHistory)
        return false;
    if (SameHistoryPath(full, fullHistory))
        return true;
    // Another name for the same file (a short name, a link): the same volume and file index.
    HANDLE a = CreateFileA(full, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    HANDLE b = CreateFileA(fullHistory, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    bool same = false;
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (a != INVALID_HANDLE_VALUE && b != INVALID_HANDLE_VALUE && GetFileInformationByHandle(a, &ia) &&
        GetFileInformationByHandle(b, &ib))
        same = ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
               ia.nFileIndexLow == ib.nFileIndexLow && (ia.nFileIndexHigh | ia.nFileIndexLow) != 0;
    if (a != INVALID_HANDLE_VALUE)
        CloseHandle(a);
    if (b != INVALID_HANDLE_VALUE)
        CloseHandle(b);
    return same;
}

namespace {

HistorySave WriteHistoryFile(const char *path, const char *temp, const unsigned char *image) {
    if (g_protectedPath[0] && lstrcmpiA(g_protectedPath, path) == 0)
        return HistorySave::kReplaceFailed;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return HistorySave::kCreateFailed;
    DWORD written = 0;
    if (!WriteFile(file, image, kHistoryBytes, &written, nullptr))
        written = 0;
    // A file that could not be flushed and closed is not complete either.
    if (!FlushFileBuffers(file))
        written = 0;
    if (!CloseHandle(file))
        written = 0;
    HistorySave outcome = CheckHistoryWrite(written);
    if (outcome != HistorySave::kOk) {
        DeleteFileA(temp);
        return outcome;
    }
    // Replace the old file only now that the new one is whole.
    if (MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return HistorySave::kOk;
    // Windows 95 has no MoveFileEx: remove the old file, then rename. Should the rename fail, the
    // temporary file is the only whole copy left, so it stays where it is.
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(path)) {
        DeleteFileA(temp);
        return HistorySave::kReplaceFailed;
    }
    return MoveFileA(temp, path) ? HistorySave::kOk : HistorySave::kReplaceFailed;
}

} // namespace

bool SaveHistoryTo(const char *path) {
    if (!g_history)
        return false;
    char temp[MAX_PATH + 32];
    if (!HistoryTempPath(path, temp, sizeof temp))
        return false;
    InitializeHistoryLock();
    // The whole save under one lock: the image, the temporary file and the replacement.
    EnterCriticalSection(&g_saveLock);
    unsigned char image[kHistoryBytes];
    EnterCriticalSection(&g_historyLock);
    SerializeHistory(*g_history, image);
    LeaveCriticalSection(&g_historyLock);
    HistorySave outcome = WriteHistoryFile(path, temp, image);
    LeaveCriticalSection(&g_saveLock);
    Show(HistorySaveMessage(outcome));
    return outcome == HistorySave::kOk;
}

bool SaveHistory() {
    char path[MAX_PATH + 32];
    return DefaultHistoryPath(path, sizeof path) && SaveHistoryTo(path);
}

void CountShutdownQuery() {
    if (g_history)
        ++g_history->shutdownQueries;
    if (g_sample)
        ++g_sample->word[kSampleShutdownQueries];
}

void CountRecordedEvent(const EVENTMSG *event) {
    CountInputEvent(g_input, event->message, event->paramL & 0xFF, NumLockOn());
}

void InstallUsageHook() {
    if (g_hook || g_keyboardHook || g_mouseHook)
        return;
    // NT-style systems refuse the journal hook (current Windows) or show it only the input of the
    // program's own windows (Wine); their low-level hooks see all input. Windows 95 has none of them
    // and keeps the journal.
    if (GetVersion() < 0x80000000u) {
        g_keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardLowLevelProc, g_app.instance, 0);
        g_mouseHook = SetWindowsHookExA(WH_MOUSE_LL, MouseLowLevelProc, g_app.instance, 0);
        if (g_keyboardHook || g_mouseHook)
            return;
    }
    g_hook = SetWindowsHookExA(WH_JOURNALRECORD, UsageHookProc, g_app.instance, 0);
    if (!g_hook)
        ShowMessage(nullptr, kUsageHookErrorText, kErrorCaption, MB_OK);
}

void RemoveUsageHook() {
    for (HHOOK *hook : {&g_hook, &g_keyboardHook, &g_mouseHook}) {
        if (*hook)
            UnhookWindowsHookEx(*hook);
        *hook = nullptr;
    }
}
