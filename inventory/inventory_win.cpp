#include "inventory/inventory_win.h"

#include "platform/globals_win.h"
#include "inventory/equipment.h"
#include "inventory/measurements_win.h"
#include "inventory/registry_stages.h"
#include "inventory/registry_win.h"
#include "report/startup_pictures_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"

namespace {

void AnnounceRegistryStage(void *, const char *stage) {
    DebugTrace(kTraceText, "Registry...", stage);
}

void StepPyramid(void *) {
    AdvancePyramid();
}

} // namespace

void RunDeviceWalk(HWND) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    ProcessorClassInfo processor = ClassifyProcessor(static_cast<int>(info.dwProcessorType),
                                                     info.wProcessorArchitecture, info.wProcessorLevel);
    StageHooks hooks = {nullptr,
                        AnnounceRegistryStage,
                        StepPyramid,
                        processor.type,
                        GetSystemMetrics(SM_SLOWMACHINE),
                        processor.fpuBuiltIn};
    // The stages make dozens of walks over the whole tree: they all read one copy of it, taken here,
    // instead of asking the registry for every instance key again.
    RegistryTree *tree = ReadDeviceTreeOnce();
    RunRegistryStages(tree ? TreeRegistryAccess(tree) : DeviceRegistryAccess(), *g_equipment, hooks);
    FreeRegistryTree(tree);
}

void RunMeasurements(HWND main) {
    RunMeasuredStages(main);
}
