#pragma once
// Starts the system's performance statistics, which the sampler reads every second.
void StartPerformanceStatistics();
