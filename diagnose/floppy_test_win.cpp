// The floppy test: drive type, reset and status of drives A: and B: through the BIOS disk call.
#include "diagnose/diagnose_win.h"
#include "inventory/equipment.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"

namespace {

constexpr DWORD kBiosDiskCall = 4; // VWIN32's interrupt 13h service

// One BIOS disk call with AX = function and DL = drive, every other register clear; EAX afterwards.
DWORD DiskCall(DWORD function, DWORD drive, BOOL *succeeded = nullptr) {
    Vwin32Registers registers = {};
    registers.eax = function;
    registers.edx = drive;
    BOOL ok = Vwin32Call(kBiosDiskCall, &registers);
    if (succeeded)
        *succeeded = ok;
    return registers.eax;
}

} // namespace

TestOutcome RunFloppyTests(FloppyTestResults &results) {
    bool anyTested = false;
    for (DWORD drive = 0; drive < 2; ++drive) {
        BOOL succeeded = FALSE;
        DWORD type = DiskCall(0x1500, drive, &succeeded);
        if (!FloppyDriveToTest(succeeded, type))
            continue;
        results.tested[drive] = anyTested = true;
        uint32_t *flag = results.flag[drive];
        flag[kFloppyNoType] = g_equipment && g_equipment->floppy[drive].capacity == 0;
        flag[kFloppyReset] = DiskCall(0x0000, drive) != 0;
        flag[kFloppyStatus] = DiskCall(0x0100, drive) != 0;
    }
    if (!anyTested)
        return kTestNotRun;
    return OutcomeOfFlags(&results.flag[0][0], 8);
}
