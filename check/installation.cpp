#include "check/installation.h"

#include <cstdio>
#include <cstring>

namespace {

// Section headings begin with the heading mark; the entries that follow a heading are looked for in
// its location.
struct FileEntry {
    const char *text;
    int location; // of a heading; 0 for a file
};

const FileEntry kSystemFiles[] = {
    {"\006System Files in \\Windows", kInWindowsDirectory},
    {"WIN.COM", 0},
    {"SYSTEM.DAT", 0},
    {"SYSTEM.DA0", 0},
    {"SYSTEM.NEW", 0},
    {"USER.DAT", 0},
    {"USER.NEW", 0},
    {"EXPLORER.EXE", 0},
    {"\006System Files in \\Windows\\System", kInSystemDirectory},
    {"GDI32.DLL", 0},
    {"USER32.DLL", 0},
    {"KERNEL32.DLL", 0},
    {"GDI.EXE", 0},
    {"USER.EXE", 0},
    {"KRNL386.EXE", 0},
    {"VMM32.VXD", 0},
    {"ADVAPI32.DLL", 0},
    {"MPR.DLL", 0},
    {"MPREXE.EXE", 0},
    {"MPRSERV.DLL", 0},
    {"WINSPOOL.DRV", 0},
    {"LINKINFO.DLL", 0},
    {"VERSION.DLL", 0},
    {"SHELL32.DLL", 0},
    {"COMCTL32.DLL", 0},
    {"SYSTRAY.EXE", 0},
    {"WINMM.DLL", 0},
    {"SPOOL32.EXE", 0},
    {"SPOOLSS.DLL", 0},
    {"COMDLG32.DLL", 0},
    {"\006System Files in Root Directory", kInDriveRoots},
    {"COMMAND.COM", 0},
    {"IO.SYS", 0},
    {"SETUPLOG.TXT", 0},
    {"DETLOG.TXT", 0},
    {"BOOTLOG.TXT", 0},
};
static_assert(sizeof kSystemFiles / sizeof kSystemFiles[0] == 36);

struct Folder {
    int indent;
    const char *path; // below the Windows directory
};

const Folder kFolders[] = {
    {5, "Command"},
    {5, "Config"},
    {5, "Cursors"},
    {5, "Desktop"},
    {5, "Fonts"},
    {5, "Help"},
    {5, "Inf"},
    {5, "Media"},
    {5, "Pif"},
    {5, "Recent"},
    {5, "Sendto"},
    {5, "Spool"},
    {11, "Spool\\Printers"},
    {5, "Start Menu"},
    {11, "Start Menu\\Programs"},
    {16, "Start Menu\\Programs\\Accessories"},
    {16, "Start Menu\\Programs\\Games"},
    {16, "Start Menu\\Programs\\Multimedia"},
    {16, "Start Menu\\Programs\\System"},
    {16, "Start Menu\\Programs\\Startup"},
    {6, "Sysbckup"},
    {6, "System"},
    {11, "System\\Color"},
    {11, "System\\Iosubsys"},
    {11, "System\\Viewers"},
    {11, "System\\Vmm32"},
    {5, "Temp"},
};

const char *const kDeviceClasses[] = {"hdc",       "fdc",     "System",  "Keyboard", "Ports", "Mouse",
                                      "DiskDrive", "Monitor", "Display", "Printer",  "MEDIA", "CDROM"};

const char *LastPart(const char *path) {
    const char *slash = strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

} // namespace

bool JoinPath(const char *directory, const char *name, char *out, size_t outSize) {
    size_t length = strlen(directory);
    bool rooted = length > 0 && directory[length - 1] == '\\';
    int n = snprintf(out, outSize, "%s%s%s", directory, rooted ? "" : "\\", name);
    if (n < 0 || static_cast<size_t>(n) >= outSize) {
        if (outSize > 0)
            out[0] = 0;
        return false;
    }
    return true;
}

void WriteSystemFilesReport(ReportBuffer &report, const FileLookup &lookup) {
    int location = 0;
    bool first = true;
    for (const FileEntry &entry : kSystemFiles) {
        if (entry.text[0] == kHeadingMark) {
            if (!first)
                AddReportLine(report, "%s", "");
            first = false;
            AddReportLine(report, "%s", entry.text);
            location = entry.location;
            continue;
        }
        AddReportLine(report, "%s\t%s", entry.text,
                      PassFailMark(lookup.count(lookup.context, entry.text, location) == 0));
    }
}

void WriteDirectoryTreeReport(ReportBuffer &report, const char *windowsDirectory, const PathLookup &lookup) {
    AddReportLine(report, "%s", "\006System Directory Structure");
    AddReportLine(report, "\\Windows\t%s", PassFailMark(!lookup.exists(lookup.context, windowsDirectory)));
    for (const Folder &folder : kFolders) {
        char path[1024];
        bool found =
            JoinPath(windowsDirectory, folder.path, path, sizeof path) && lookup.exists(lookup.context, path);
        AddReportLine(report, "%*s\\%s\t%s", folder.indent, "", LastPart(folder.path), PassFailMark(!found));
    }
}

void WriteRegistryClassReport(ReportBuffer &report, const ClassLookup &lookup) {
    AddReportLine(report, "%s", "\006Registry Classes");
    for (const char *name : kDeviceClasses)
        AddReportLine(report, "%s\t%s", name, PassFailMark(lookup.count(lookup.context, name) == 0));
}
