// Install (2601..2609): one fixed report of what fitting a component involves.
#pragma once

#include <windows.h>

// Writes and shows the report of the Install tool of this index (command - 2601).
void ShowInstallAdvice(int index);
template <int Index> void RunInstallTool(HWND) {
    ShowInstallAdvice(Index);
}
