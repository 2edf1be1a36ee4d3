// The Programs tools: the inventories walk the fixed drives for "*.exe" files and list those of one
// kind; the views judge the software load that the sampler recorded.
#include "programs/programs_win.h"

#include <cstdio>
#include <cstring>

#include "platform/globals_win.h"
#include "platform/program_walk_win.h"
#include "report/bottlenecks_win.h"
#include "report/main_screen_win.h"

namespace {

bool ReadFileBytes(void *context, uint32_t offset, unsigned char *out, size_t size, size_t *got) {
    HANDLE file = static_cast<HANDLE>(context);
    LONG high = 0;
    if (SetFilePointer(file, static_cast<LONG>(offset), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
        return false;
    DWORD read = 0;
    if (!ReadFile(file, out, static_cast<DWORD>(size), &read, nullptr))
        return false;
    *got = read;
    return true;
}

// A file's first bytes, read once: the DOS header and, in most programs, the new-style header after it
// come from one read. Reads past them go to the file.
struct HeadedFile {
    HANDLE file;
    unsigned char head[512];
    size_t headSize;
    bool headRead;
};

bool ReadHeadedFile(void *context, uint32_t offset, unsigned char *out, size_t size, size_t *got) {
    HeadedFile &f = *static_cast<HeadedFile *>(context);
    if (!f.headRead) {
        DWORD read = 0;
        if (!ReadFile(f.file, f.head, sizeof f.head, &read, nullptr))
            return ReadFileBytes(f.file, offset, out, size, got);
        f.headSize = read;
        f.headRead = true;
    }
    // Within the bytes read, or the whole file is in them: answered from them.
    if (offset + size <= f.headSize || f.headSize < sizeof f.head) {
        size_t available = offset < f.headSize ? f.headSize - offset : 0;
        *got = size < available ? size : available;
        if (*got)
            memcpy(out, f.head + offset, *got);
        return true;
    }
    return ReadFileBytes(f.file, offset, out, size, got);
}

struct FileTimes {
    FILETIME created, accessed, written;
};

bool ReadFileTimes(const char *path, FileTimes *times) {
    // No access rights: only the times are asked for.
    HANDLE file =
        CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool read = GetFileTime(file, &times->created, &times->accessed, &times->written);
    CloseHandle(file);
    return read;
}

// Puts the times back with the right to write attributes only: a read-only file stays read-only, and
// a file that cannot be opened so keeps whatever times it has.
void RestoreFileTimes(const char *path, const FileTimes &times) {
    HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetFileTime(file, &times.created, &times.accessed, &times.written);
    CloseHandle(file);
}

ProgramDate DateOf(const FILETIME &time) {
    ProgramDate date = {0, 0, 0};
    SYSTEMTIME system;
    if (time.dwLowDateTime && time.dwHighDateTime && FileTimeToSystemTime(&time, &system))
        date = {system.wMonth, system.wDay, system.wYear};
    return date;
}

ExecutableKind ClassifyOpenFile(const char *path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kKindDos;
    ExecutableKind kind = ClassifyExecutable({ReadFileBytes, file});
    CloseHandle(file);
    return kind;
}

// The kind of the file, its times as they were before it was read, and those times put back.
ExecutableKind ClassifyKeepingTimes(const char *path, FileTimes *times, bool *timesRead) {
    *timesRead = ReadFileTimes(path, times);
    ExecutableKind kind = ClassifyOpenFile(path);
    if (*timesRead)
        RestoreFileTimes(path, *times);
    return kind;
}

// The same with the times the folder listing gave: one opening reads the headers and puts the times
// back. Where the file cannot be opened to write its attributes, it is read without, and its times
// are put back as ClassifyKeepingTimes would (that opening fails the same way).
ExecutableKind ClassifyListedFile(const char *path, const WIN32_FIND_DATAA &found) {
    HANDLE file = CreateFileA(path, GENERIC_READ | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ExecutableKind kind = ClassifyOpenFile(path);
        RestoreFileTimes(path, {found.ftCreationTime, found.ftLastAccessTime, found.ftLastWriteTime});
        return kind;
    }
    HeadedFile headed = {file, {}, 0, false};
    ExecutableKind kind = ClassifyExecutable({ReadHeadedFile, &headed});
    SetFileTime(file, &found.ftCreationTime, &found.ftLastAccessTime, &found.ftLastWriteTime);
    CloseHandle(file);
    return kind;
}

struct InventoryScan {
    ReportBuffer *report;
    ExecutableKind kind;
};

bool JoinProgramPath(const char *directory, const char *name, char *path, size_t size) {
    size_t length = strlen(directory);
    const char *separator = length > 0 && directory[length - 1] == '\\' ? "" : "\\";
    int n = snprintf(path, size, "%s%s%s", directory, separator, name);
    return n > 0 && static_cast<size_t>(n) < size;
}

void VisitProgram(const char *directory, const WIN32_FIND_DATAA &found, void *context) {
    InventoryScan &scan = *static_cast<InventoryScan *>(context);
    char path[MAX_PATH * 2];
    if (!JoinProgramPath(directory, found.cFileName, path, sizeof path))
        return;
    if (ClassifyListedFile(path, found) != scan.kind)
        return;
    if (scan.report->count == 0)
        AddProgramHeading(*scan.report);
    ProgramEntry entry = {found.cFileName,
                          found.nFileSizeLow,
                          DateOf(found.ftCreationTime),
                          DateOf(found.ftLastAccessTime),
                          DateOf(found.ftLastWriteTime),
                          directory};
    AddProgramLine(*scan.report, entry);
}

void RunInventory(ExecutableKind kind) {
    if (!g_report)
        return;
    WriteProgramInventory(*g_report, kind, nullptr);
    ShowReportLines(g_report->count);
}

} // namespace

ExecutableKind ExecutableKindOf(const char *path) {
    FileTimes times = {};
    bool timesRead = false;
    return ClassifyKeepingTimes(path, &times, &timesRead);
}

void WriteProgramInventory(ReportBuffer &report, ExecutableKind kind, const char *root) {
    BeginReport(report);
    InventoryScan scan = {&report, kind};
    if (root)
        WalkProgramTree(root, VisitProgram, &scan);
    else
        WalkProgramFiles(VisitProgram, &scan);
    SortProgramLines(report);
    EndReport(report);
}

void ProgramsWindows95Inventory(HWND) {
    RunInventory(kKindWindows95);
}

void ProgramsWindows3Inventory(HWND) {
    RunInventory(kKindWindows3);
}

void ProgramsDosInventory(HWND) {
    RunInventory(kKindDos);
}

void RunProgramView(int command) {
    if (!g_history || !g_report)
        return;
    uint32_t histogram[kUsageSlots];
    if (!ProgramViewHistogram(*g_history, command, histogram))
        return;
    OpenBottlenecksWindow(histogram);
    UsagePattern pattern = ClassifyUsagePattern(histogram);
    BeginReport(*g_report);
    WritePatternReport(*g_report, kProgramReadings, pattern);
    LoadReportText(g_app.mainScreen, UsagePatternExample(pattern), g_report->count);
}
