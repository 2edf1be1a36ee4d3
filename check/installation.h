// The installation checks: the system files of a standard installation, the directory tree under the
// Windows directory and the device classes of the hardware registry. This part holds the tables and
// writes the reports through small lookups; no window types here.
#pragma once

#include <cstddef>

#include "report/report_lines.h"

// Where a system file is looked for.
enum FileLocation {
    kInSystemDirectory = 1,
    kInWindowsDirectory = 2,
    kInDriveRoots = 3, // the root of every drive from C to Z
};

// file presence: how many places hold the file (0: absent).
struct FileLookup {
    void *context;
    int (*count)(void *context, const char *name, int location);
};
void WriteSystemFilesReport(ReportBuffer &report, const FileLookup &lookup);

// directory path: whether a file or directory of that path exists.
struct PathLookup {
    void *context;
    bool (*exists)(void *context, const char *path);
};
// The Windows directory (as the system gives it, with or without a trailing backslash) and the
// standard folders below it, each path built by plain joining: a "%" in it is an ordinary character.
void WriteDirectoryTreeReport(ReportBuffer &report, const char *windowsDirectory, const PathLookup &lookup);

// directory + "\" + name into out; no second backslash when directory already ends in one (the root
// of a drive). False, with out empty, when the whole path does not fit.
bool JoinPath(const char *directory, const char *name, char *out, size_t outSize);

// The number of device instances of a class (a case-insensitive "contains" test on the Class value).
struct ClassLookup {
    void *context;
    int (*count)(void *context, const char *className);
};
void WriteRegistryClassReport(ReportBuffer &report, const ClassLookup &lookup);
