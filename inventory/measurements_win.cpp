// The measured stages on Windows: the system queries behind MeasurePlatform and the timing loop.
#include <windows.h>
#include <mmsystem.h>
#include <winspool.h>
#include <winioctl.h>

#include <cpuid.h>
#include <cstdio>
#include <cstring>

#include "inventory/measurements_win.h"

#include "platform/globals_win.h"
#include "inventory/modem_probe.h"
#include "platform/printers_win.h"
#include "report/startup_pictures_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"

namespace {

// ---- The system behind the stages ----

void Announce(void *, const char *stage) {
    DebugTrace(kTraceText, "Static Data...", stage);
}

void Step(void *) {
    AdvancePyramid();
}

void DriveRoot(char letter, char root[4]) {
    root[0] = letter;
    root[1] = ':';
    root[2] = '\\';
    root[3] = 0;
}

DriveKind KindOfDrive(void *, char letter) {
    char root[4];
    DriveRoot(letter, root);
    switch (GetDriveTypeA(root)) {
        case DRIVE_REMOVABLE:
            return kDriveRemovable;
        case DRIVE_FIXED:
            return kDriveFixed;
        case DRIVE_CDROM:
            return kDriveCdrom;
        default:
            return kDriveOther;
    }
}

uint32_t FloppyBiosType(void *, int driveIndex) {
    constexpr DWORD kVwin32Int13 = 4; // BIOS disk interrupt 13h
    Vwin32Registers registers = {};
    registers.eax = 0x0800; // function 08h: read drive parameters
    registers.edx = static_cast<DWORD>(driveIndex);
    registers.ebx = 0;
    // The drive type comes back in EBX; a failing call leaves it 0, which is no known type.
    if (Vwin32Call(kVwin32Int13, &registers) || registers.ebx != 0)
        return registers.ebx;
    // No VWIN32 (NT-style systems): the media types the drive's device takes.
    char device[8];
    snprintf(device, sizeof device, "\\\\.\\%c:", 'A' + driveIndex);
    HANDLE drive =
        CreateFileA(device, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (drive == INVALID_HANDLE_VALUE)
        return 0;
    DISK_GEOMETRY geometry[20];
    DWORD returned = 0;
    uint32_t type = 0;
    if (DeviceIoControl(drive, IOCTL_DISK_GET_MEDIA_TYPES, nullptr, 0, geometry, sizeof geometry, &returned,
                        nullptr)) {
        int media[20];
        int count = static_cast<int>(returned / sizeof geometry[0]);
        for (int i = 0; i < count; ++i)
            media[i] = geometry[i].MediaType;
        type = FloppyBiosTypeFromMediaTypes(media, count);
    }
    CloseHandle(drive);
    return type;
}

bool DiskGeometry(void *, char letter, uint32_t *sectorsPerCluster, uint32_t *bytesPerSector,
                  uint32_t *totalClusters) {
    char root[4];
    DriveRoot(letter, root);
    DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectors, &bytes, &freeClusters, &clusters))
        return false;
    *sectorsPerCluster = sectors;
    *bytesPerSector = bytes;
    *totalClusters = clusters;
    return true;
}

bool DiskTotalBytes(void *, char letter, uint64_t *bytes) {
    using FreeSpaceEx = BOOL(WINAPI *)(const char *, ULARGE_INTEGER *, ULARGE_INTEGER *, ULARGE_INTEGER *);
    static const auto freeSpaceEx = reinterpret_cast<FreeSpaceEx>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    char root[4];
    DriveRoot(letter, root);
    ULARGE_INTEGER available, total, free;
    if (!freeSpaceEx || !freeSpaceEx(root, &available, &total, &free))
        return false;
    *bytes = total.QuadPart;
    return true;
}

void MemoryStatus(void *, uint64_t *physical, uint64_t *pageFile, uint64_t *virtualBytes) {
    MemoryFigures status = ReadMemoryStatus();
    *physical = status.totalPhys;
    *pageFile = status.totalPageFile;
    *virtualBytes = status.totalVirtual;
}

uint32_t ReadMultimediaTimer(void *) {
    return timeGetTime();
}

void TimingLoopRun(void *) {
    RunTimingLoop();
}

uint32_t BestTime(void *) {
    return MeasureBestLoopTime({nullptr, ReadMultimediaTimer, TimingLoopRun});
}

// The speed NT-style systems record for the first processor ("~MHz"); 0 where there is none.
int RatedClock(void *) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return 0;
    DWORD mhz = 0, type = 0, size = sizeof mhz;
    bool read = RegQueryValueExA(key, "~MHz", nullptr, &type, reinterpret_cast<BYTE *>(&mhz), &size) ==
                    ERROR_SUCCESS &&
                type == REG_DWORD;
    RegCloseKey(key);
    return read && mhz < 1000000 ? static_cast<int>(mhz) : 0;
}

// Microseconds of the high-resolution counter, for the loop timed finer; 0 where there is no counter.
LARGE_INTEGER g_counterFrequency;

uint32_t ReadMicroseconds(void *) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<uint32_t>(now.QuadPart * 1000000 / g_counterFrequency.QuadPart);
}

uint32_t FineLoopTime(void *) {
    if (!QueryPerformanceFrequency(&g_counterFrequency) || g_counterFrequency.QuadPart <= 0)
        return 0;
    uint32_t best = MeasureBestLoopTime({nullptr, ReadMicroseconds, TimingLoopRun});
    return best == kNoBestTime ? 0 : best;
}

// The brand string of processors that have one (extended leaves 80000002h..80000004h).
void ProcessorBrandString(char *name, size_t size) {
    unsigned int top = __get_cpuid_max(0x80000000u, nullptr);
    if (top < 0x80000004u)
        return;
    unsigned int words[12] = {};
    for (unsigned int leaf = 0; leaf < 3; ++leaf)
        __get_cpuid(0x80000002u + leaf, &words[leaf * 4], &words[leaf * 4 + 1], &words[leaf * 4 + 2],
                    &words[leaf * 4 + 3]);
    char text[49] = {};
    memcpy(text, words, 48);
    snprintf(name, size, "%s", text);
}

// The processor's name: as the system records it, else from the processor's own brand string.
void ProcessorName(void *, char *name, size_t size) {
    name[0] = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0, KEY_READ,
                      &key) == ERROR_SUCCESS) {
        char text[128] = "";
        DWORD type = 0, length = sizeof text - 1;
        if (RegQueryValueExA(key, "ProcessorNameString", nullptr, &type, reinterpret_cast<BYTE *>(text),
                             &length) == ERROR_SUCCESS &&
            type == REG_SZ) {
            text[length < sizeof text ? length : sizeof text - 1] = 0;
            snprintf(name, size, "%s", text);
        }
        RegCloseKey(key);
    }
    if (name[0] == 0)
        ProcessorBrandString(name, size);
}

void ProbeModems(void *, EquipmentRecord &record) {
    ModemProbe(record); // the failure flag is for the Diagnose report; start-up only keeps the speeds
}

bool JoystickAnswers(void *, int joystick) {
    JOYINFO info = {};
    UINT id = joystick == 1 ? JOYSTICKID1 : JOYSTICKID2;
    return joyGetPos(id, &info) == JOYERR_NOERROR;
}

int MouseButtons(void *) {
    return GetSystemMetrics(SM_CMOUSEBUTTONS);
}

int KeyboardType(void *) {
    return GetKeyboardType(0);
}

int ReportedFunctionKeys(void *) {
    return GetKeyboardType(2);
}

int PrinterCount(void *) {
    DWORD count = 0;
    GetPrinterList(&count);
    return static_cast<int>(count);
}

const char *PrinterName(void *, int index) {
    DWORD count = 0;
    const PRINTER_INFO_2A *printers = GetPrinterList(&count);
    if (index < 0 || static_cast<DWORD>(index) >= count)
        return nullptr;
    return printers[index].pPrinterName;
}

void EnumerateSpoolerPorts(void *, void (*each)(void *sink, const char *name), void *sink) {
    DWORD needed = 0, returned = 0;
    EnumPortsA(nullptr, 1, nullptr, 0, &needed, &returned);
    if (needed == 0)
        return;
    auto *ports = static_cast<PORT_INFO_1A *>(AllocZeroed(GMEM_FIXED, needed));
    if (EnumPortsA(nullptr, 1, reinterpret_cast<BYTE *>(ports), needed, &needed, &returned))
        for (DWORD i = 0; i < returned; ++i)
            each(sink, ports[i].pName);
    GlobalFree(ports);
}

uint32_t VersionWord(void *) {
    return GetVersion();
}

// The product name of device 0 of one kind; every capabilities record begins with the same name field.
template <typename Caps, typename Id>
bool FirstDeviceName(UINT(WINAPI *count)(), MMRESULT(WINAPI *capabilities)(Id, Caps *, UINT), char *name,
                     size_t size) {
    Caps caps = {};
    if (!count() || capabilities(0, &caps, sizeof caps) != MMSYSERR_NOERROR)
        return false;
    CopyField(name, size, caps.szPname);
    return true;
}

bool DeviceName(void *, MultimediaKind kind, char *name, size_t size) {
    switch (kind) {
        case kWaveOutput:
            return FirstDeviceName(waveOutGetNumDevs, waveOutGetDevCapsA, name, size);
        case kWaveInput:
            return FirstDeviceName(waveInGetNumDevs, waveInGetDevCapsA, name, size);
        case kAuxiliaryAudio:
            return FirstDeviceName(auxGetNumDevs, auxGetDevCapsA, name, size);
        case kMidiInput:
            return FirstDeviceName(midiInGetNumDevs, midiInGetDevCapsA, name, size);
        case kMidiOutput:
            return FirstDeviceName(midiOutGetNumDevs, midiOutGetDevCapsA, name, size);
        default:
            return false;
    }
}

} // namespace

void RunTimingLoop() {
    // DX:AX = 0:20 divided by BX = 1 leaves AX and DX as they were, so every round does the same
    // work: fourteen 16-bit divisions, then the 16-bit round counter steps down from 4FFFh. The
    // calibration of the clock measurement rests on exactly these instructions.
    asm volatile("movw $0x4FFF, %%cx\n\t"
                 "xorw %%dx, %%dx\n\t"
                 "movw $1, %%bx\n\t"
                 "movw $20, %%ax\n"
                 "1:\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "divw %%bx\n\t"
                 "decw %%cx\n\t"
                 "jnz 1b"
                 :
                 :
                 : "eax", "ebx", "ecx", "edx", "cc");
}

uint32_t MeasureBestLoopTime(const LoopTimer &timer) {
    HANDLE self = GetCurrentProcess();
    DWORD previous = GetPriorityClass(self);
    SetPriorityClass(self, REALTIME_PRIORITY_CLASS);
    uint32_t best = BestLoopTime(timer);
    SetPriorityClass(self, previous ? previous : NORMAL_PRIORITY_CLASS);
    return best;
}

MeasurePlatform WindowsMeasurePlatform() {
    MeasurePlatform platform = {};
    platform.announce = Announce;
    platform.step = Step;
    platform.driveKind = KindOfDrive;
    platform.floppyBiosType = FloppyBiosType;
    platform.diskGeometry = DiskGeometry;
    platform.diskTotalBytes = DiskTotalBytes;
    platform.memoryStatus = MemoryStatus;
    platform.bestLoopTime = BestTime;
    platform.ratedClock = RatedClock;
    platform.fineLoopTime = FineLoopTime;
    platform.processorName = ProcessorName;
    platform.probeModems = ProbeModems;
    platform.joystickAnswers = JoystickAnswers;
    platform.mouseButtons = MouseButtons;
    platform.keyboardType = KeyboardType;
    platform.reportedFunctionKeys = ReportedFunctionKeys;
    platform.printerCount = PrinterCount;
    platform.printerName = PrinterName;
    platform.enumeratePorts = EnumerateSpoolerPorts;
    platform.versionWord = VersionWord;
    platform.deviceName = DeviceName;
    return platform;
}

void RunMeasuredStages(HWND) {
    RunMeasuredStagesWith(WindowsMeasurePlatform(), *g_equipment);
}
