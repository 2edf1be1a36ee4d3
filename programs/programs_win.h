// The Programs tools (3101..3108): the inventories of Windows 95, Windows 3.x and DOS programs on the
// fixed drives, and the views of the software load.
#pragma once

#include <windows.h>

#include "programs/program_rules.h"

void ProgramsWindows95Inventory(HWND mainScreen); // 3101
void ProgramsWindows3Inventory(HWND mainScreen);  // 3102
void ProgramsDosInventory(HWND mainScreen);       // 3103

// The kind of the executable at the path; its three file times are put back afterwards, when the
// file can be opened to write them (its attributes are never changed).
ExecutableKind ExecutableKindOf(const char *path);
// The inventory of one kind: the programs of that kind below the folder (a full path), or on every
// fixed drive when root is null, written to the report (a heading first when any is found) and
// sorted by name. The report is begun and ended here; a cut report says so in its last line.
void WriteProgramInventory(ReportBuffer &report, ExecutableKind kind, const char *root);

// 3104..3108: the Bottlenecks window on the view's percentage histogram, then its usage pattern and
// what it means for the programs, written to the Main Screen.
void RunProgramView(int command);
template <int Command> void ProgramsView(HWND) {
    RunProgramView(Command);
}
