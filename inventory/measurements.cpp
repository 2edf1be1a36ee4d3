#include "inventory/measurements.h"

#include <cstring>

#include "platform/utilities.h"

const int kStandardClocks[kStandardClockCount] = {16, 20, 25, 33,  40,  50,  60, 66,
                                                  75, 80, 90, 100, 120, 133, 150};

// ---- Processor clock ----

int RawClockFromBestTime(uint32_t bestMs) {
    if (bestMs < 1)
        bestMs = 1;
    return static_cast<int>(kClockCalibration / bestMs);
}

float ClockRating(int cpuType, int clockMHz) {
    switch (cpuType) {
        case 386:
            return static_cast<float>((clockMHz - 16) * 0.0475 + 0.64);
        case 486:
            return static_cast<float>((clockMHz - 16) * 0.0625 + 1.09);
        case 586:
            return static_cast<float>((clockMHz - 60) * 0.067 + 7.58);
        default:
            return 0.0f;
    }
}

int NearestStandardClock(int rawClock) {
    int low = rawClock;
    int high = rawClock;
    while (low > 0) {
        for (int clock : kStandardClocks)
            if (clock == high || clock == low)
                return clock;
        --low;
        ++high;
    }
    return 0;
}

int BusClockOf486(int rawClock) {
    static const struct {
        int raw, bus;
    } kBus[] = {{40, 20}, {50, 25}, {66, 33}, {75, 25}, {80, 40}, {100, 33}};
    for (const auto &entry : kBus)
        if (entry.raw == rawClock)
            return entry.bus;
    return rawClock;
}

bool LoopTooFastForMilliseconds(uint32_t bestMs) {
    return RawClockFromBestTime(bestMs) > kStandardClocks[kStandardClockCount - 1];
}

int RawClockFromMicroseconds(uint32_t bestUs) {
    return bestUs == 0 ? 0 : static_cast<int>(kClockCalibration * 1000.0 / bestUs);
}

void ApplyClockMeasurement(EquipmentRecord &record, uint32_t bestMs) {
    ApplyRawClock(record, RawClockFromBestTime(bestMs));
}

void ApplyRawClock(EquipmentRecord &record, int raw) {
    record.rawClock = raw;
    record.rawClockRating = ClockRating(record.cpuType, raw);
    record.standardClock = raw > kStandardClocks[kStandardClockCount - 1] ? raw : NearestStandardClock(raw);
    switch (record.cpuType) {
        case 386:
        case 586:
            record.busClock = raw;
            break;
        case 486:
            record.busClock = BusClockOf486(raw);
            break;
        default:
            record.busClock = 0;
            break;
    }
    record.busClockRating = ClockRating(record.cpuType, record.busClock);
}

uint32_t BestLoopTime(const LoopTimer &timer) {
    uint32_t best = kNoBestTime;
    for (int run = 0; run < kTimingRuns; ++run) {
        uint32_t start = timer.readMs(timer.context);
        timer.runLoop(timer.context);
        uint32_t elapsed = timer.readMs(timer.context) - start;
        if (elapsed < best)
            best = elapsed;
    }
    return best;
}

// ---- Memory, drives, keyboard, ports, version ----

int32_t PhysicalMemoryMB(uint64_t bytes) {
    // Split so that adding the rounding never wraps, however large the figure.
    uint64_t whole = bytes / 1000000 + (bytes % 1000000 + 360000) / 1000000;
    int32_t mb = whole > 0x7FFFFFFE ? 0x7FFFFFFE : static_cast<int32_t>(whole);
    if (mb % 2)
        --mb;
    return mb;
}

FloppyDrive FloppyTypeFromBios(uint32_t ebx) {
    switch (ebx) {
        case 1:
            return {360.0f, 5.25f}; // kilobytes
        case 2:
            return {1.2f, 5.25f};
        case 3:
            return {720.0f, 3.5f}; // kilobytes
        case 4:
            return {1.44f, 3.5f};
        case 5:
        case 6:
            return {2.88f, 3.5f};
        default:
            return {0.0f, 0.0f};
    }
}

uint32_t FloppyBiosTypeFromMediaTypes(const int *mediaTypes, int count) {
    // Media type -> BIOS drive type: 5.25" 160-360 KB drives are type 1, 1.2 MB type 2; 3.5" 720 KB
    // type 3, 1.2-1.44 MB type 4, 2.88 MB type 5.
    static const struct {
        int media;
        uint32_t bios;
    } kTypes[] = {{1, 2},  {2, 4},  {3, 5},  {5, 3},  {6, 1},  {7, 1},  {8, 1}, {9, 1},
                  {10, 1}, {14, 3}, {15, 1}, {16, 1}, {17, 4}, {18, 4}, {19, 2}};
    static const int kRank[] = {0, 1, 3, 2, 4, 5}; // BIOS type -> order of capacity
    uint32_t best = 0;
    for (int i = 0; i < count; ++i)
        for (const auto &t : kTypes)
            if (t.media == mediaTypes[i] && kRank[t.bios] > kRank[best])
                best = t.bios;
    return best;
}

uint64_t FixedDiskSize(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t totalClusters) {
    return static_cast<uint64_t>(totalClusters) * bytesPerSector * sectorsPerCluster;
}

int FunctionKeyCount(int keyboardType, int reportedFunctionKeys) {
    int keys = 10;
    if (keyboardType == 2 || keyboardType == 4)
        keys = 12;
    else if (keyboardType == 6)
        keys = 24;
    return reportedFunctionKeys > keys ? reportedFunctionKeys : keys;
}

int PortNumber(const char *portName) {
    const char *digits = strpbrk(portName, "1234");
    if (!digits)
        return 0;
    int number = 0;
    for (; *digits >= '0' && *digits <= '9'; ++digits) {
        number = number * 10 + (*digits - '0');
        if (number > 99999)
            return number; // far past any port number; stop before it could overflow
    }
    return number;
}

void ApplyPortName(EquipmentRecord &record, const char *portName) {
    int number = PortNumber(portName);
    if (strstr(portName, "COM") && number >= 1 && number <= 4)
        record.comPresent[number] = 1;
    if (strstr(portName, "LPT") && number >= 1 && number <= 3)
        record.lptPresent[number] = 1;
}

WindowsVersion DecodeWindowsVersion(uint32_t versionWord) {
    unsigned major = versionWord & 0xFF;
    unsigned minor = (versionWord >> 8) & 0xFF;
    WindowsVersion result;
    result.version = static_cast<float>(major) + static_cast<float>(minor) / 100.0f;
    if (!(versionWord & 0x80000000u)) {
        result.platform = 'N';
        result.build = static_cast<float>(versionWord >> 16);
    } else {
        result.platform = major >= 4 ? '9' : 'S';
        result.build = static_cast<float>((versionWord >> 16) & 0x7FFF);
    }
    return result;
}

// ---- The stages ----

void StageDisks(const MeasurePlatform &platform, EquipmentRecord &record) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        switch (platform.driveKind(platform.context, letter)) {
            case kDriveRemovable: {
                uint32_t type = platform.floppyBiosType(platform.context, letter - 'A');
                // Drives past the last slot are counted but not stored.
                if (record.floppyDrives >= 0 && record.floppyDrives < kFloppySlots)
                    record.floppy[record.floppyDrives] = FloppyTypeFromBios(type);
                ++record.floppyDrives;
                break;
            }
            case kDriveFixed: {
                uint32_t sectorsPerCluster = 0, bytesPerSector = 0, totalClusters = 0;
                uint64_t size = 0;
                // The extended query tells drives the cluster counts cannot (above 2 GB on Windows 95
                // OSR2); the cluster figures serve where it is missing.
                uint64_t extended = 0;
                if (platform.diskTotalBytes && platform.diskTotalBytes(platform.context, letter, &extended))
                    size = extended;
                else if (platform.diskGeometry(platform.context, letter, &sectorsPerCluster, &bytesPerSector,
                                               &totalClusters))
                    size = FixedDiskSize(sectorsPerCluster, bytesPerSector, totalClusters);
                if (record.fixedDisks >= 0 && record.fixedDisks < kFixedDiskSlots)
                    record.fixedDiskSize[record.fixedDisks] = size;
                ++record.fixedDisks;
                break;
            }
            case kDriveCdrom:
                ++record.cdromDrives;
                break;
            default:
                break;
        }
    }
}

void StageMemory(const MeasurePlatform &platform, EquipmentRecord &record) {
    uint64_t physical = 0, pageFile = 0, virtualBytes = 0;
    platform.memoryStatus(platform.context, &physical, &pageFile, &virtualBytes);
    record.physicalMemory = physical;
    record.physicalMemoryMB = PhysicalMemoryMB(physical);
    record.pageFile = pageFile;
    record.virtualMemory = virtualBytes;
}

void StageCpuSpeed(const MeasurePlatform &platform, EquipmentRecord &record) {
    uint32_t bestMs = platform.bestLoopTime(platform.context);
    int raw = RawClockFromBestTime(bestMs);
    // Any processor since the late 1990s runs the loop in a millisecond or two: take the speed the
    // system records for it, or time the loop finer.
    if (LoopTooFastForMilliseconds(bestMs)) {
        int finer = platform.ratedClock ? platform.ratedClock(platform.context) : 0;
        if (finer <= 0 && platform.fineLoopTime)
            finer = RawClockFromMicroseconds(platform.fineLoopTime(platform.context));
        if (finer > 0)
            raw = finer;
    }
    ApplyRawClock(record, raw);
    if (platform.processorName) {
        char name[sizeof record.processorName] = "";
        platform.processorName(platform.context, name, sizeof name);
        CleanOutsideText(name);
        // Intel pads its brand string with leading blanks.
        const char *start = name;
        while (*start == ' ')
            ++start;
        QV_COPY_FIELD(record.processorName, start);
    }
}

void StageJoysticks(const MeasurePlatform &platform, EquipmentRecord &record) {
    int count = 0;
    for (int joystick = 1; joystick <= 2; ++joystick)
        if (platform.joystickAnswers(platform.context, joystick))
            ++count;
    record.joysticks = count;
}

void StageFunctionKeys(const MeasurePlatform &platform, EquipmentRecord &record) {
    record.functionKeys = FunctionKeyCount(platform.keyboardType(platform.context),
                                           platform.reportedFunctionKeys(platform.context));
}

void StagePrinters(const MeasurePlatform &platform, EquipmentRecord &record) {
    int count = platform.printerCount(platform.context);
    for (int i = 0; i < count && i < kPrinterSlots; ++i)
        CopyOutsideText(platform.printerName(platform.context, i), record.printerName[i], kPrinterNameSize);
}

namespace {

void PortSink(void *sink, const char *name) {
    if (name)
        ApplyPortName(*static_cast<EquipmentRecord *>(sink), name);
}

} // namespace

void StagePorts(const MeasurePlatform &platform, EquipmentRecord &record) {
    platform.enumeratePorts(platform.context, PortSink, &record);
}

void StageVersions(const MeasurePlatform &platform, EquipmentRecord &record) {
    WindowsVersion version = DecodeWindowsVersion(platform.versionWord(platform.context));
    record.windowsVersion = version.version;
    record.windowsBuild = version.build;
    record.windowsPlatform = version.platform;
}

void StageMultimediaNames(const MeasurePlatform &platform, EquipmentRecord &record) {
    struct Target {
        MultimediaKind kind;
        char *field;
        size_t size;
    };
    const Target targets[] = {
        {kWaveOutput, record.waveOutName, sizeof record.waveOutName},
        {kWaveInput, record.waveInName, sizeof record.waveInName},
        {kAuxiliaryAudio, record.auxName, sizeof record.auxName},
        {kMidiInput, record.midiInName, sizeof record.midiInName},
        {kMidiOutput, record.midiOutName, sizeof record.midiOutName},
    };
    for (const Target &target : targets) {
        char name[256] = {};
        if (platform.deviceName(platform.context, target.kind, name, sizeof name))
            CopyOutsideText(name, target.field, target.size);
    }
}

namespace {

void StageModemSpeed(const MeasurePlatform &platform, EquipmentRecord &record) {
    platform.probeModems(platform.context, record);
}

void StageMouse(const MeasurePlatform &platform, EquipmentRecord &record) {
    record.mouseButtons = platform.mouseButtons(platform.context);
}

void StageComputerName(const MeasurePlatform &, EquipmentRecord &record) {
    QV_COPY_FIELD(record.computerName, "Default Computer");
}

struct MeasuredStage {
    const char *name;
    void (*run)(const MeasurePlatform &platform, EquipmentRecord &record); // null: announced only
};

// "Video Speed" measures nothing; it keeps its place in the order of the traces.
const MeasuredStage kStages[] = {
    {"Start", nullptr},
    {"Video Speed", nullptr},
    {"Disks", StageDisks},
    {"Memory", StageMemory},
    {"CPU Speed", StageCpuSpeed},
    {"Modem Speed", StageModemSpeed},
    {"Joysticks", StageJoysticks},
    {"Mouse", StageMouse},
    {"Keyboard", StageFunctionKeys},
    {"Computer Name", StageComputerName},
    {"Printers", StagePrinters},
    {"Ports", StagePorts},
    {"Versions", StageVersions},
    {"Sound Devices", StageMultimediaNames},
    {"Done", nullptr},
};

} // namespace

void RunMeasuredStagesWith(const MeasurePlatform &platform, EquipmentRecord &record) {
    platform.step(platform.context);
    for (const MeasuredStage &stage : kStages) {
        platform.announce(platform.context, stage.name);
        if (stage.run)
            stage.run(platform, record);
    }
}
