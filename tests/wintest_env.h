// Shared by the window tests: the main window is created once for the whole run.
#pragma once

#include <string>
#include <vector>

extern const char kTestMainClass[];
// Handles the messages waiting for this thread.
void PumpMessages();
// Closes every open monitor window (they belong to the data thread) and waits until they are gone.
void CloseMonitors();
// The lines of the program's Quick Help text with this resource id (empty when there is none).
std::vector<std::string> QuickHelpLines(int id);
