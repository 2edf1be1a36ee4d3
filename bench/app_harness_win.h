// The program's frame started inside a benchmark process, the way a headless run starts it: the main
// window (never shown unless asked), the history, the device walk and the measurements.
#pragma once

#include <windows.h>

// Starts the frame; the window class is registered once. False when the main window cannot be made.
bool StartFrameInProcess();

// Runs one tool as its family runs it and lets the window paint what it shows.
void RunToolAndPaint(int toolId);
