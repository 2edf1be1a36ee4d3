// The installation checks on this machine: the Windows and system directories, the drives C to Z and
// the device registry.
#include <windows.h>

#include "check/check_win.h"
#include "check/installation.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"

namespace {

int FilePresence(void *context, const char *name, int location) {
    const InstallationPlaces &places = *static_cast<const InstallationPlaces *>(context);
    char path[MAX_PATH * 2];
    switch (location) {
        case kInWindowsDirectory:
            return places.windows[0] && JoinPath(places.windows, name, path, sizeof path) ? FileExists(path)
                                                                                          : 0;
        case kInSystemDirectory:
            return places.system[0] && JoinPath(places.system, name, path, sizeof path) ? FileExists(path)
                                                                                        : 0;
        case kInDriveRoots: {
            // A drive without its disk (a CD-ROM drive, a removable disk) answers "not found" rather
            // than asking the user to insert one.
            UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
            int drives = 0;
            for (int i = 0; i < places.rootCount; ++i)
                if (JoinPath(places.roots[i], name, path, sizeof path))
                    drives += FileExists(path);
            SetErrorMode(oldMode);
            return drives;
        }
        default:
            return 0;
    }
}

bool PathPresence(void *, const char *path) {
    // The attributes answer for the root of a drive too, which a file search does not find.
    return path[0] && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int CountClass(void *context, const char *className) {
    return (*static_cast<DeviceClassCounter *>(context))(className);
}

// A directory the system gives, or empty when it does not fit.
void ReadDirectory(UINT(WINAPI *read)(LPSTR, UINT), char (&out)[MAX_PATH + 1]) {
    UINT n = read(out, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        out[0] = 0;
    out[MAX_PATH] = 0;
}

} // namespace

InstallationPlaces ThisInstallation() {
    InstallationPlaces places = {};
    ReadDirectory(GetWindowsDirectoryA, places.windows);
    ReadDirectory(GetSystemDirectoryA, places.system);
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        char *root = places.roots[places.rootCount++];
        root[0] = letter;
        root[1] = ':';
        root[2] = '\\';
        root[3] = 0;
    }
    return places;
}

void WriteSystemFiles(ReportBuffer &report, const InstallationPlaces &places) {
    WriteSystemFilesReport(report, FileLookup{const_cast<InstallationPlaces *>(&places), FilePresence});
}

void WriteDirectoryTree(ReportBuffer &report, const InstallationPlaces &places) {
    WriteDirectoryTreeReport(report, places.windows, PathLookup{nullptr, PathPresence});
}

void CheckSystemFiles(HWND) {
    BeginReport(*g_report);
    WriteSystemFiles(*g_report, ThisInstallation());
    ShowReport();
}

void CheckDirectoryTree(HWND) {
    BeginReport(*g_report);
    WriteDirectoryTree(*g_report, ThisInstallation());
    ShowReport();
}

void CheckRegistry(DeviceClassCounter countClass) {
    BeginReport(*g_report);
    WriteRegistryClassReport(*g_report, ClassLookup{&countClass, CountClass});
    ShowReport();
}
