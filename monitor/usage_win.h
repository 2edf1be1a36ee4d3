// Usage tracking: the input counters kept by the usage hook and the main window, and sysstats.dat.
#pragma once

#include <windows.h>

#include "monitor/input_counting.h"

// Read and cleared by the sampler every tick; single 32-bit words.
extern InputCounters g_input;
// Held around a save of the history (and around the sampler's tick), so that the file never holds a
// half-updated tick.
extern CRITICAL_SECTION g_historyLock;

// Prepares the history lock; called before the history is loaded.
void InitializeHistoryLock();
// sysstats.dat: read at start, written at exit, on a shutdown query and periodically.
void LoadHistory();
// Writes the history to a temporary file beside the program and only then replaces sysstats.dat, so
// a failed or interrupted save never costs the previous file. Returns true when the file was written.
bool SaveHistory();
// The same with the file given (tests). A file found there that is not one whole readable record
// (a folder included) is kept as sysstats.bad beside it when keepDamagedAside is set (a run that will
// save); should that fail, no save replaces it for the rest of the run.
bool SaveHistoryTo(const char *historyPath);
bool LoadHistoryFrom(const char *historyPath, bool keepDamagedAside);
// Whether path names this program's own sysstats.dat, in any form (relative, other case, "/" for
// "\\", a short name).
bool IsHistoryFile(const char *path);
// Counts a Windows shutdown query in the performance records.
void CountShutdownQuery();
// The keyboard and mouse usage hook, system-wide: the low-level keyboard and mouse hooks where the
// system has them, else the journal-record hook. The error message only when neither can be set.
void InstallUsageHook();
void RemoveUsageHook();
// The hook procedure's work for one recorded event (tests call it with events of their own).
void CountRecordedEvent(const EVENTMSG *event);
