// The walk over every fixed drive for program files, shared by the programs inventory and the
// Coach's disk efficiency measure.
#pragma once

#include <windows.h>

// Called for each file matching "*.exe" whose attributes include normal or archive. The directory is
// the full path of the folder holding it, without a trailing backslash except at a drive's root.
using ProgramFileVisitor = void (*)(const char *directory, const WIN32_FIND_DATAA &found, void *context);

struct ProgramWalkCounts {
    long directories;  // folders searched
    long files;        // program files handed to the visitor
    long loopsSkipped; // folders already visited under another name (links, junctions)
    long tooDeep;      // folders left out because the path or the depth reached the limit
};

// The deepest folder level the walk enters below a root.
constexpr int kProgramWalkMaxDepth = 64;

// Walks the roots "X:\" of the fixed drives C to Z. The walk keeps its own list of folders (no
// recursion), never changes the process's current drive or directory, enters no folder twice in one
// walk (a folder is known by its volume and file index where the system tells them) and skips link
// and junction folders.
ProgramWalkCounts WalkProgramFiles(ProgramFileVisitor visit, void *context);
// The same walk below one folder only (a full path).
ProgramWalkCounts WalkProgramTree(const char *root, ProgramFileVisitor visit, void *context);
