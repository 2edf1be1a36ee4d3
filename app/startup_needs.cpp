#include "app/startup_needs.h"

#include "app/catalogue.h"

namespace {

// Families whose every tool reads the record: the Diagnose reports and tests take their hardware facts
// from it, and the upgrade advisor scores it. (The monitors' sampler reads the fixed disk count too,
// but it runs on the data thread, which a headless run never starts, and their windows stay closed.)
const Family kFamiliesReadingEquipment[] = {kFamilyDiagnose, kFamilyUpgrade};

// The tools of other families that read it.
const int kToolsReadingEquipment[] = {
    2204, // Explore, Input Devices: the joystick count
    2209, // Explore, Ports: which COM ports exist
    2215, // Explore, System Overview: the Windows version, build and platform
    2216, // Explore, Video: the video card name
};

} // namespace

bool ToolReadsEquipment(int commandId) {
    const FamilyInfo *family = FamilyOfTool(commandId);
    if (!family)
        return false;
    for (Family reading : kFamiliesReadingEquipment)
        if (family->family == reading)
            return true;
    for (int tool : kToolsReadingEquipment)
        if (tool == commandId)
            return true;
    return false;
}

bool AnyToolReadsEquipment(const int *commandIds, int count) {
    for (int i = 0; i < count; ++i)
        if (ToolReadsEquipment(commandIds[i]))
            return true;
    return false;
}
