#include "advice/tips_win.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"

namespace {

void ShowFileError(const char *fileName) {
    char text[200];
    snprintf(text, sizeof text, kTipFileErrorFormat, fileName);
    ShowMessage(nullptr, text, kTipErrorCaption, MB_OK);
}

// The RCDATA text with this id, terminated, in memory the caller frees; an empty text when there is none.
char *ResourceText(int id) {
    HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(g_app.instance, found) : nullptr;
    const char *data = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
    DWORD size = data ? SizeofResource(g_app.instance, found) : 0;
    char *text = static_cast<char *>(AllocZeroed(GMEM_FIXED, size + 1));
    if (size)
        memcpy(text, data, size);
    return text;
}

} // namespace

int ReadTipFile(const char *fileName, uint32_t tool, TipRecord **tips) {
    *tips = nullptr;
    char module[MAX_PATH + 1] = "";
    DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
    module[n < MAX_PATH ? n : MAX_PATH] = 0;
    if (char *slash = strrchr(module, '\\'))
        *slash = 0;
    char path[MAX_PATH + 32];
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!TipFilePath(module, fileName, path, sizeof path) ||
        !GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !TipFileSizeGood((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow)) {
        ShowFileError(fileName);
        return 0;
    }
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowFileError(fileName);
        return 0;
    }
    uint64_t records =
        ((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / kTipRecordBytes;
    // No real tip file comes near this; a larger one is read up to it.
    constexpr uint64_t kMostRecords = 100000;
    if (records > kMostRecords)
        records = kMostRecords;
    TipRecord *list = static_cast<TipRecord *>(calloc(records + 1, sizeof(TipRecord)));
    int count = 0;
    if (!list) {
        CloseHandle(file);
        ShowFileError(fileName);
        return 0;
    }
    for (uint64_t i = 0; i < records; ++i) {
        unsigned char record[kTipRecordBytes];
        DWORD read = 0;
        if (!ReadFile(file, record, sizeof record, &read, nullptr) || read != sizeof record) {
            // A read that fails once fails again: one message, and the tips read so far.
            ShowFileError(fileName);
            break;
        }
        count += SelectTips(record, sizeof record, tool, list + count, 1);
    }
    CloseHandle(file);
    if (!count) {
        free(list);
        return 0;
    }
    *tips = list;
    return count;
}

void ShowToolTips(const char *toolName, const char *fileName, uint32_t tool, int helpId,
                  TipReportWriter write, void *context) {
    ClearScreens();
    SetToolTitles(toolName); // the titles of every tool run
    TipRecord *tips = nullptr;
    int count = ReadTipFile(fileName, tool, &tips);
    write(toolName, tips, count, context);
    ShowReportLines(g_report->count);
    size_t extra = 8 + static_cast<size_t>(count) * (sizeof(TipRecord) + 8);
    char *intro = ResourceText(helpId);
    char *help = static_cast<char *>(AllocZeroed(GMEM_FIXED, strlen(intro) + extra));
    BuildTipsHelp(intro, tips, count, help, strlen(intro) + extra);
    FillQuickHelp(g_app.helpScreen, help);
    free(tips);
    GlobalFree(help);
    GlobalFree(intro);
    if (g_app.main) {
        InvalidateRect(g_app.main, nullptr, FALSE);
        UpdateWindow(g_app.main);
    }
}
