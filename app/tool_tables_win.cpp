// Report functions of every tool, family by family, in the order of the catalogue.
#include "action/window_actions_win.h"
#include "advice/bottle_win.h"
#include "advice/coach_win.h"
#include "advice/install_win.h"
#include "advice/upgrade_win.h"
#include "app/frame_win.h"
#include "check/check_win.h"
#include "diagnose/reports_win.h"
#include "inventory/device_walk.h"
#include "library/info_win.h"
#include "inventory/modem_probe.h"
#include "inventory/registry_win.h"
#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "monitor/monitors_win.h"
#include "programs/programs_win.h"

namespace {

// Tools whose reports are not written yet show an empty Main Screen.
void EmptyReport(HWND) {}

// The Registry check counts device classes with the inventory's walk of the device registry.
int CountDeviceClass(const char *className) {
    return DeviceWalk(DeviceRegistryAccess(), className, kMatchClass, nullptr, 0, kWalkCount);
}
void CheckRegistryClasses(HWND) {
    CheckRegistry(CountDeviceClass);
}

// The Diagnose buses and modems reports use the inventory's device walk and modem probe.
void ListBusDevices(void *, const char *idText, void (*add)(void *sink, const char *description),
                    void *sink) {
    DeviceRecord *devices = nullptr;
    int count = CollectDevices(DeviceRegistryAccess(), idText, kMatchHardwareId, &devices);
    for (int i = 0; i < count; ++i)
        add(sink, devices[i].description);
    FreeDeviceRecords(devices);
}
void DiagnoseBuses(HWND main) {
    DiagnoseSystemBuses(main, BusDeviceLister{nullptr, ListBusDevices});
}
int ProbeModems(EquipmentRecord &record) {
    return ModemProbe(record);
}
void DiagnoseModemsTool(HWND main) {
    DiagnoseModems(main, ProbeModems);
}

#define E EmptyReport
const ReportFunction kActionReports[] = {RunVeduduziRero, RunRiduzuZire, CascadeAll, TileAll,
                                         ToggleMonitorsOnTop};
const ReportFunction kCoachReports[] = {RunCoachTool<0>, RunCoachTool<1>, RunCoachTool<2>,  RunCoachTool<3>,
                                        RunCoachTool<4>, RunCoachTool<5>, RunCoachTool<6>,  RunCoachTool<7>,
                                        RunCoachTool<8>, RunCoachTool<9>, RunCoachTool<10>, RunCoachTool<11>,
                                        RunCoachTool<12>};
const ReportFunction kExploreReports[] = {
    ExploreColors,        ExploreEnvironment,     ExploreFonts,          ExploreInputDevices,
    ExploreMemory,        ExploreModuleList,      ExploreMultimedia,     ExplorePalettes,
    ExplorePorts,         ExplorePrinters,        ExplorePriorityList,   ExploreProcessList,
    ExploreProcessMemory, ExploreStartupSettings, ExploreSystemOverview, ExploreVideo,
    ExploreVideoMetrics,  ExploreWindowList,      ExploreWindowsModules};
const ReportFunction kCheckReports[] = {CheckDirectoryTree, CheckHeapIntegrity, CheckHeapList,
                                        CheckModuleList,    CheckProcessList,   CheckRegistryClasses,
                                        CheckSystemFiles,   CheckThreadList,    CheckWindowChain};
// Boost tools run through ShowBoostTips in the dispatch.
const ReportFunction kBoostReports[] = {E, E, E, E, E, E, E, E, E, E};
const ReportFunction kMonitorReports[] = {OpenUsageMonitor, OpenDiskMonitor,     OpenMemoryMonitor,
                                          OpenPriorityMap,  OpenSoftwareMonitor, OpenSystemMonitor};
const ReportFunction kDiagnoseReports[] = {
    DiagnoseOverview,  DiagnoseCdrom,    DiagnoseCpu,    DiagnoseFloppy,     DiagnoseHardDrives,
    DiagnoseJoysticks, DiagnoseKeyboard, DiagnoseMemory, DiagnoseModemsTool, DiagnoseMotherboard,
    DiagnoseMouse,     DiagnosePorts,    DiagnosePower,  DiagnosePrinter,    DiagnoseSound,
    DiagnoseBuses,     DiagnoseVideo};
const ReportFunction kBottleReports[] = {
    BottleOverall,    BottleWaitTime,   BottleTool<2703>, BottleTool<2704>, BottleTool<2705>,
    BottleTool<2706>, BottleTool<2707>, BottleTool<2708>, BottleTool<2709>, BottleTool<2710>,
    BottleTool<2711>, BottleTool<2712>, BottleTool<2713>, BottleTool<2714>, BottleTool<2715>,
    BottleTool<2716>, BottleTool<2717>, BottleTool<2718>, BottleTool<2719>, BottleTool<2720>};
const ReportFunction kProgramsReports[] = {
    ProgramsWindows95Inventory, ProgramsWindows3Inventory, ProgramsDosInventory, ProgramsView<3104>,
    ProgramsView<3105>,         ProgramsView<3106>,        ProgramsView<3107>,   ProgramsView<3108>};
const ReportFunction kUpgradeReports[] = {
    UpgradeReport<0>,  UpgradeReport<1>,  UpgradeReport<2>,  UpgradeReport<3>,  UpgradeReport<4>,
    UpgradeReport<5>,  UpgradeReport<6>,  UpgradeReport<7>,  UpgradeReport<8>,  UpgradeReport<9>,
    UpgradeReport<10>, UpgradeReport<11>, UpgradeReport<12>, UpgradeReport<13>, UpgradeReport<14>,
    UpgradeReport<15>, UpgradeReport<16>, UpgradeReport<17>, UpgradeReport<18>, UpgradeReport<19>,
    UpgradeReport<20>};
const ReportFunction kInstallReports[] = {RunInstallTool<0>, RunInstallTool<1>, RunInstallTool<2>,
                                          RunInstallTool<3>, RunInstallTool<4>, RunInstallTool<5>,
                                          RunInstallTool<6>, RunInstallTool<7>, RunInstallTool<8>};
const ReportFunction kInfoReports[] = {InfoDataProtection,  InfoPcPerformance,   InfoProgramming,
                                       InfoTroubleshooting, InfoUpgrading,       InfoWindows95,
                                       InfoBiosBeeps,       InfoFileExtensions,  InfoSystemErrors,
                                       InfoWindowsFiles,    InfoWindowsShortcuts};
#undef E

#define QV_COUNT(a) static_cast<int>(sizeof(a) / sizeof((a)[0]))
static_assert(QV_COUNT(kActionReports) == 5 && QV_COUNT(kCoachReports) == 13 &&
              QV_COUNT(kExploreReports) == 19 && QV_COUNT(kCheckReports) == 9 &&
              QV_COUNT(kBoostReports) == 10 && QV_COUNT(kMonitorReports) == 6 &&
              QV_COUNT(kDiagnoseReports) == 17 && QV_COUNT(kBottleReports) == 20 &&
              QV_COUNT(kProgramsReports) == 8 && QV_COUNT(kUpgradeReports) == 21 &&
              QV_COUNT(kInstallReports) == 9 && QV_COUNT(kInfoReports) == 11);

const ReportFunction *const kReports[kFamilyCount] = {
    kActionReports,   kCoachReports,  kExploreReports,  kCheckReports,   kBoostReports,   kMonitorReports,
    kDiagnoseReports, kBottleReports, kProgramsReports, kUpgradeReports, kInstallReports, kInfoReports};

struct AllTables {
    ToolTable table[kFamilyCount];
};

AllTables BuildTables() {
    AllTables all;
    for (int f = 0; f < kFamilyCount; ++f)
        all.table[f] = {&FamilyAt(f), kReports[f]};
    return all;
}

} // namespace

const ToolTable &ToolTableOf(Family family) {
    static const AllTables all = BuildTables();
    return all.table[family];
}
