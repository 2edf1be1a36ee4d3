// The Diagnose reports' Win32 side: drives, ports, devices and the test routines, gathered when the
// tool runs and handed to the report writers.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstring>

#include "diagnose/diagnose_win.h"
#include "diagnose/reports_win.h"
#include "platform/globals_win.h"
#include "platform/printers_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"

namespace {

bool Begin() {
    if (!g_report || !g_equipment)
        return false;
    BeginReport(*g_report);
    return true;
}

// The drives of one type, A: to Z:, with their sizes and volume facts. A drive without a disc gives
// no free-space figures; the system's "insert a disk" box is kept away while asking.
int GatherDrives(UINT type, DriveFacts drives[26]) {
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    int count = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[4] = {letter, ':', '\\', 0};
        if (GetDriveTypeA(root) != type)
            continue;
        DriveFacts &d = drives[count++];
        memset(&d, 0, sizeof d);
        d.letter = letter;
        DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
        d.spaceRead =
            GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters);
        d.bytesPerSector = bytesPerSector;
        d.sectorsPerCluster = sectorsPerCluster;
        d.totalClusters = totalClusters;
        DWORD serial = 0, maxLength = 0, flags = 0;
        d.volumeRead = GetVolumeInformationA(root, d.volumeName, sizeof d.volumeName, &serial, &maxLength,
                                             &flags, d.fileSystemName, sizeof d.fileSystemName);
        d.volumeName[sizeof d.volumeName - 1] = 0;
        d.fileSystemName[sizeof d.fileSystemName - 1] = 0;
        d.serialNumber = serial;
        d.maxComponentLength = maxLength;
        d.fileSystemFlags = flags;
    }
    SetErrorMode(oldMode);
    return count;
}

void GatherPorts(PortAccess ports[5]) {
    ports[0] = kPortAbsent;
    for (int n = 1; n <= 4; ++n)
        ports[n] = g_equipment->comPresent[n] ? OpenSerialPortForTest(n) : kPortAbsent;
}

template <typename Caps>
void AddDevices(SoundDevice *devices, int &count, int capacity, SoundDeviceKind kind, UINT total,
                MMRESULT (*caps)(UINT_PTR, Caps *, UINT)) {
    for (UINT i = 0; i < total && count < capacity; ++i) {
        Caps c = {};
        if (caps(i, &c, sizeof c) != MMSYSERR_NOERROR)
            continue;
        devices[count].kind = kind;
        QV_COPY_FIELD(devices[count].name, c.szPname);
        ++count;
    }
}

MMRESULT WaveInCaps(UINT_PTR id, WAVEINCAPSA *caps, UINT size) {
    return waveInGetDevCapsA(id, caps, size);
}
MMRESULT WaveOutCaps(UINT_PTR id, WAVEOUTCAPSA *caps, UINT size) {
    return waveOutGetDevCapsA(id, caps, size);
}
MMRESULT MidiInCaps(UINT_PTR id, MIDIINCAPSA *caps, UINT size) {
    return midiInGetDevCapsA(id, caps, size);
}
MMRESULT MidiOutCaps(UINT_PTR id, MIDIOUTCAPSA *caps, UINT size) {
    return midiOutGetDevCapsA(id, caps, size);
}
MMRESULT AuxCaps(UINT_PTR id, AUXCAPSA *caps, UINT size) {
    return auxGetDevCapsA(id, caps, size);
}

void ReadKeyboardValue(const char *key, char *value, DWORD size) {
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    char path[MAX_PATH + 16];
    snprintf(path, sizeof path, "%s\\system.ini", windows);
    GetPrivateProfileStringA("keyboard", key, "None", value, size, path);
    value[size - 1] = 0;
}

} // namespace

PortAccess OpenSerialPortForTest(int number) {
    char name[8];
    snprintf(name, sizeof name, "COM%d", number);
    HANDLE port = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (port == INVALID_HANDLE_VALUE)
        return kPortInUse;
    DCB dcb = {};
    dcb.DCBlength = 28;
    PortAccess access = GetCommState(port, &dcb) ? kPortOpened : kPortOpenedUnreadable;
    CloseHandle(port);
    return access;
}

void DiagnoseOverview(HWND) {
    if (!Begin())
        return;
    WriteOverviewReport(*g_report, *g_equipment);
    ShowReport();
}

void DiagnoseCdrom(HWND) {
    if (!Begin())
        return;
    static DriveFacts drives[26];
    int count = GatherDrives(DRIVE_CDROM, drives);
    WriteCdromReport(*g_report, *g_equipment, drives, count);
    ShowReport();
}

void DiagnoseHardDrives(HWND) {
    if (!Begin())
        return;
    static DriveFacts drives[26];
    int count = GatherDrives(DRIVE_FIXED, drives);
    WriteHardDriveReport(*g_report, *g_equipment, drives, count);
    ShowReport();
}

void DiagnoseCpu(HWND) {
    if (!Begin())
        return;
    CpuTestResults cpu = {};
    TestOutcome ran = RunCpuTests(cpu);
    FpuTestResults fpu = {};
    TestOutcome fpuRan = RunFpuTests(fpu);
    CpuReportFacts facts = {};
    const int registers[4] = {kCpuZero, kCpuOnes, kCpuWalkingZero, kCpuWalkingOne};
    for (int i = 0; i < 4; ++i)
        facts.registers[i] = ran == kTestNotRun ? kTestNotRun : OutcomeOfFlag(cpu.flag[registers[i]]);
    facts.flags = ran == kTestNotRun ? kTestNotRun : OutcomeOfFlag(cpu.flag[kCpuFlags]);
    facts.fpu = fpuRan == kTestNotRun ? kTestNotRun : OutcomeOfFlags(fpu.flag, 8);
    WriteCpuReport(*g_report, *g_equipment, facts);
    ShowReport();
}

void DiagnoseFloppy(HWND) {
    if (!Begin())
        return;
    FloppyTestResults tests = {};
    TestOutcome outcome = RunFloppyTests(tests);
    WriteFloppyReport(*g_report, *g_equipment, tests, outcome);
    ShowReport();
}

void DiagnoseJoysticks(HWND main) {
    if (!Begin())
        return;
    static JoystickFacts sticks[16];
    int count = g_equipment->joysticks < 16 ? g_equipment->joysticks : 16;
    for (int k = 1; k <= count; ++k) {
        JoystickFacts &j = sticks[k - 1];
        memset(&j, 0, sizeof j);
        JOYCAPSA caps = {};
        if (joyGetDevCapsA(k == 1 ? 0 : 1, &caps, sizeof caps) != JOYERR_NOERROR)
            continue;
        QV_COPY_FIELD(j.name, caps.szPname);
        j.manufacturerId = caps.wMid;
        j.productId = caps.wPid;
        j.buttons = static_cast<int>(caps.wNumButtons);
        j.minX = static_cast<int>(caps.wXmin);
        j.maxX = static_cast<int>(caps.wXmax);
        j.minY = static_cast<int>(caps.wYmin);
        j.maxY = static_cast<int>(caps.wYmax);
        j.minZ = static_cast<int>(caps.wZmin);
        j.maxZ = static_cast<int>(caps.wZmax);
        j.minPeriod = static_cast<int>(caps.wPeriodMin);
        j.maxPeriod = static_cast<int>(caps.wPeriodMax);
    }
    TestOutcome tests[5] = {kTestNotRun, kTestNotRun, kTestNotRun, kTestNotRun, kTestNotRun};
    JoystickFlags flags = {};
    if (!g_app.headless && RunJoystickTest(main, flags) != kTestNotRun) {
        const int order[5] = {kJoystickStuckButton, kJoystickPress, kJoystickRelease, kJoystickRange,
                              kJoystickSkipping};
        for (int i = 0; i < 5; ++i)
            tests[i] = OutcomeOfFlag(flags.flag[order[i]]);
    }
    EquipmentRecord shown = *g_equipment;
    shown.joysticks = count;
    WriteJoystickReport(*g_report, shown, sticks, tests);
    ShowReport();
}

void DiagnoseKeyboard(HWND main) {
    if (!Begin())
        return;
    KeyboardFacts facts = {};
    if (!GetKeyboardLayoutNameA(facts.layout))
        facts.layout[0] = 0;
    facts.layout[sizeof facts.layout - 1] = 0;
    ReadKeyboardValue("keyboard.dll", facts.keyboardDll, sizeof facts.keyboardDll);
    ReadKeyboardValue("oemansi.bin", facts.definitionFile, sizeof facts.definitionFile);
    WriteKeyboardReport(*g_report, *g_equipment, facts);
    ShowReport();
    if (!g_app.headless)
        ShowKeyboardTest(main);
}

void DiagnoseMemory(HWND) {
    if (!Begin())
        return;
    ShowAnalyzingBox();
    MemoryFigures now = ReadMemoryStatus();
    MemoryTestResults tests = {};
    TestOutcome outcome = RunMemoryTest(tests);
    WriteMemoryTestReport(*g_report, *g_equipment, now, tests, outcome);
    HideAnalyzingBox();
    ShowReport();
}

void DiagnoseModems(HWND, ModemProber probe) {
    if (!Begin())
        return;
    ShowAnalyzingBox();
    int result = probe ? probe(*g_equipment) : 0;
    PortAccess ports[5];
    GatherPorts(ports);
    WriteModemReport(*g_report, *g_equipment, result, ports);
    HideAnalyzingBox();
    ShowReport();
}

void DiagnoseMotherboard(HWND) {
    if (!Begin())
        return;
    WriteMotherboardReport(*g_report, *g_equipment);
    ShowReport();
}

void DiagnoseMouse(HWND main) {
    if (!Begin())
        return;
    bool present = GetSystemMetrics(SM_MOUSEPRESENT) != 0;
    TestOutcome outcome = present && !g_app.headless ? RunMouseTest(main) : kTestNotRun;
    WriteMouseReport(*g_report, *g_equipment, present, outcome);
    ShowReport();
}

void DiagnosePorts(HWND) {
    if (!Begin())
        return;
    PortAccess ports[5];
    GatherPorts(ports);
    WritePortTestReport(*g_report, *g_equipment, ports);
    ShowReport();
}

void DiagnosePower(HWND) {
    if (!Begin())
        return;
    WritePowerReport(*g_report, *g_equipment);
    ShowReport();
}

void DiagnosePrinter(HWND main) {
    if (!Begin())
        return;
    DWORD count = 0;
    const PRINTER_INFO_2A *list = GetPrinterList(&count);
    static PrinterFacts printers[64];
    int shown = 0;
    for (DWORD i = 0; list && i < count && shown < 64; ++i) {
        const PRINTER_INFO_2A &p = list[i];
        printers[shown++] = {p.pPrinterName, p.pDriverName,     p.pPortName, p.pComment,   p.pShareName,
                             p.pSepFile,     p.pPrintProcessor, p.pDatatype, p.pParameters};
    }
    // Nobody can answer the print dialog of a headless run: the test is not run there.
    TestOutcome outcome = kTestNotRun;
    if (!g_app.headless) {
        bool printed = false;
        DWORD failed = RunPrinterTest(main, &printed);
        outcome = printed ? OutcomeOfFlag(failed) : kTestNotRun;
    }
    WritePrinterReport(*g_report, printers, shown, outcome);
    ShowReport();
}

void DiagnoseSound(HWND main) {
    if (!Begin())
        return;
    static SoundDevice devices[80];
    int count = 0;
    AddDevices(devices, count, 80, kWaveIn, waveInGetNumDevs(), WaveInCaps);
    AddDevices(devices, count, 80, kWaveOut, waveOutGetNumDevs(), WaveOutCaps);
    AddDevices(devices, count, 80, kMidiIn, midiInGetNumDevs(), MidiInCaps);
    AddDevices(devices, count, 80, kMidiOut, midiOutGetNumDevs(), MidiOutCaps);
    AddDevices(devices, count, 80, kAux, auxGetNumDevs(), AuxCaps);
    WriteSoundReport(*g_report, *g_equipment, devices, count);
    ShowReport();
    if (!g_app.headless)
        ShowSoundTest(main);
}

void DiagnoseSystemBuses(HWND, const BusDeviceLister &lister) {
    if (!Begin())
        return;
    WriteSystemBusReport(*g_report, *g_equipment, lister);
    ShowReport();
}

void DiagnoseVideo(HWND main) {
    if (!Begin())
        return;
    // The patterns are judged by eye: once shown, the test lines read "Passed".
    WriteVideoReport(*g_report, *g_equipment, g_app.headless ? kTestNotRun : RunVideoTest(main));
    ShowReport();
}
