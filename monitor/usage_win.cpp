#include "monitor/usage.h"

InputCounters g_input;

// The history file, the shutdown count and the usage hook come with usage tracking; until then the
// frame's calls to them do nothing.
void LoadHistory() {}
void SaveHistory() {}
void CountShutdownQuery() {}
void InstallUsageHook() {}
void RemoveUsageHook() {}
