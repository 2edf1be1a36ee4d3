#include "monitor/sampler.h"

// The statistics server and the sampler come with performance monitoring.
void StartPerformanceStatistics() {}
