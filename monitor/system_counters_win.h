// Where HKEY_DYN_DATA keeps no statistics (every NT-style system, Wine): the processor usage from the
// change of the system's processor times, and paging and the disk counters from the performance data
// helper (pdh.dll), each only where the system offers it.
#pragma once

#include "monitor/sampler_tick.h"

// Decides once, at the start of the statistics, whether the Windows 95 statistics are there (they
// keep serving, exactly as before) or the system's own counters stand in for them.
void ChooseStatisticsSource();
// True when the system's own counters stand in.
bool UsingSystemCounters();
// Fills the processor usage, paging and disk counters this system offers; a reading it cannot take
// leaves its flag false, so that the measure records nothing this tick.
void ReadSystemCounters(SamplerReadings &r);
// Takes the processor times as the start of the next second's usage (ticks that read nothing else).
void NoteProcessorTimes();
