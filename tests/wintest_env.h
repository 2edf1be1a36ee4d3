// Shared by the window tests: the main window is created once for the whole run.
#pragma once

extern const char kTestMainClass[];
// Handles the messages waiting for this thread.
void PumpMessages();
