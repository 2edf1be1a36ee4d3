#include "monitor/usage.h"

#include <cstdio>

#include "app/globals.h"
#include "monitor/history_file.h"
#include "monitor/performance.h"
#include "report/utilities_win.h"

InputCounters g_input;
CRITICAL_SECTION g_historyLock;

namespace {

HHOOK g_hook;
bool g_lockReady;

// The sample's word after "task switch" mirrors the history's shutdown-query count.
constexpr int kSampleShutdownQueries = 22;

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

} // namespace

void InitializeHistoryLock() {
    if (!g_lockReady) {
        InitializeCriticalSection(&g_historyLock);
        g_lockReady = true;
    }
}

bool LoadHistoryFrom(const char *path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    bool exists = search != INVALID_HANDLE_VALUE;
    if (exists)
        FindClose(search);
    uint64_t size = exists ? (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow : 0;
    HistoryLoad outcome = CheckHistoryFile(exists, size);
    if (outcome == HistoryLoad::kOk) {
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            outcome = HistoryLoad::kOpenFailed;
        } else {
            static unsigned char image[kHistoryBytes];
            DWORD got = 0;
            if (!ReadFile(file, image, kHistoryBytes, &got, nullptr))
                got = 0;
            CloseHandle(file);
            // A history that cannot be read whole stays as it was.
            PerformanceHistory loaded = {};
            outcome = DeserializeHistory(image, got, loaded);
            if (outcome == HistoryLoad::kOk && g_history)
                *g_history = loaded;
        }
    }
    Show(HistoryLoadMessage(outcome));
    return outcome == HistoryLoad::kOk;
}

void LoadHistory() {
    char path[MAX_PATH + 32];
    if (DefaultHistoryPath(path, sizeof path))
        LoadHistoryFrom(path);
}

bool SaveHistoryTo(const char *path) {
    if (!g_history)
        return false;
    char temp[MAX_PATH + 32];
    if (!HistoryTempPath(path, temp, sizeof temp))
        return false;
    static unsigned char image[kHistoryBytes];
    InitializeHistoryLock();
    EnterCriticalSection(&g_historyLock);
    SerializeHistory(*g_history, image);
    LeaveCriticalSection(&g_historyLock);
    HistorySave outcome = HistorySave::kOk;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        outcome = HistorySave::kCreateFailed;
    } else {
        DWORD written = 0;
        if (!WriteFile(file, image, kHistoryBytes, &written, nullptr))
            written = 0;
        // A file that could not be flushed and closed is not complete either.
        if (!FlushFileBuffers(file))
            written = 0;
        if (!CloseHandle(file))
            written = 0;
        outcome = CheckHistoryWrite(written);
        if (outcome == HistorySave::kOk) {
            // Replace the old file only now that the new one is whole.
            if (!MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                // Windows 95 has no MoveFileEx: remove the old file, then rename.
                DeleteFileA(path);
                if (!MoveFileA(temp, path))
                    outcome = HistorySave::kReplaceFailed;
            }
        }
        if (outcome != HistorySave::kOk)
            DeleteFileA(temp);
    }
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
    bool numLock = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    CountInputEvent(g_input, event->message, event->paramL & 0xFF, numLock);
}

void InstallUsageHook() {
    if (g_hook)
        return;
    g_hook = SetWindowsHookExA(WH_JOURNALRECORD, UsageHookProc, g_app.instance, 0);
    if (!g_hook)
        ShowMessage(nullptr, kUsageHookErrorText, kErrorCaption, MB_OK);
}

void RemoveUsageHook() {
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}
