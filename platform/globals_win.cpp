#include "platform/globals_win.h"

AppState g_app;
PerformanceHistory *g_history;
PerformanceSample *g_sample;
EquipmentRecord *g_equipment;
ReportBuffer *g_report;
