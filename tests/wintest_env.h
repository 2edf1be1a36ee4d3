// Shared by the window tests: the main window is created once for the whole run.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

extern const char kTestMainClass[];
// Handles the messages waiting for this thread.
void PumpMessages();
// Closes every open monitor window (they belong to the data thread) and waits until they are gone.
void CloseMonitors();
// The lines of the program's Quick Help text with this resource id (empty when there is none).
std::vector<std::string> QuickHelpLines(int id);

// Starts notepad.exe and waits until it takes input; false when it did not start. EndProgram ends it.
bool StartNotepad(PROCESS_INFORMATION *process);
void EndProgram(PROCESS_INFORMATION &process);

// Sends the command to the main window as the menu and the toolbars do, then handles what it posted.
void Command(int id);
// The window's text (at most 511 characters).
std::string WindowText(HWND window);
// The lines of the shared report buffer.
std::vector<std::string> ReportLines();
// Runs a report tool on the emptied Main Screen as a tool run does; every line it wrote is shown.
std::vector<std::string> RunTool(void (*tool)(HWND));

// Checks that click-to-scroll takes every line of a report whose first column is a caption (a red
// heading names a device, process or window; a blue first column is a finding) and the line that
// says a report was cut to its own caption in the help text, and to no word of the text before it.
void ExpectClicksFindCaptions(int helpId, std::vector<std::string> lines);
