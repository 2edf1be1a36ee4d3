// The measured half of the inventory: drives, memory, the processor clock, modems, input devices,
// printers, ports, the Windows version and the multimedia device names, asked from Windows and the
// hardware directly. The arithmetic and the order of the stages are portable; Windows is reached
// through a record of function pointers (MeasurePlatform), so the whole sequence runs in tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "inventory/equipment.h"

// ---- Processor clock ----

// Standard processor clocks in MHz, searched in this order.
constexpr int kStandardClockCount = 15;
extern const int kStandardClocks[kStandardClockCount];

// The timing loop runs this many times; the shortest run is the measurement.
constexpr int kTimingRuns = 10;
// The best time before any run, in milliseconds.
constexpr uint32_t kNoBestTime = 999999999;
// Milliseconds of the timing loop times MHz: the loop's length in thousands of processor cycles.
constexpr double kClockCalibration = 7200.0;

// The integer part of 7200 / best time; a best time below 1 ms is taken as 1 ms.
int RawClockFromBestTime(uint32_t bestMs);
// The rating of a clock by processor type: 386, 486 and 586 have their formulas, others give 0.
float ClockRating(int cpuType, int clockMHz);
// The nearest standard clock, searching outward from the raw clock; on a tie the lower entry wins.
// 0 when the search reaches 0 first (a raw clock of 0 to 8).
int NearestStandardClock(int rawClock);
// The external clock of a 486 from its raw clock (40 -> 20, 50 -> 25, 66 -> 33, 75 -> 25, 80 -> 40,
// 100 -> 33); other values are kept.
int BusClockOf486(int rawClock);
// Raw clock, raw clock rating, standard clock, bus clock and bus clock rating from the best time of
// the timing loop and the record's CPU type.
void ApplyClockMeasurement(EquipmentRecord &record, uint32_t bestMs);

// Whether the loop's best time is too short for the millisecond timer to tell the clock: the raw
// clock it gives lies above the last standard row.
bool LoopTooFastForMilliseconds(uint32_t bestMs);
// The raw clock from the loop's best time in microseconds, 0 for no time.
int RawClockFromMicroseconds(uint32_t bestUs);
// Raw clock, raw clock rating, standard clock, bus clock and bus clock rating from a raw clock in MHz
// and the record's CPU type. A clock above the last standard row is kept as it is.
void ApplyRawClock(EquipmentRecord &record, int raw);

// The ten timed runs: read the millisecond timer, run the loop, read the timer; keep the smallest
// difference.
struct LoopTimer {
    void *context;
    uint32_t (*readMs)(void *context);
    void (*runLoop)(void *context);
};
uint32_t BestLoopTime(const LoopTimer &timer);

// ---- Memory, drives, keyboard, ports, version ----

// Rounded, even megabytes: the integer part of (bytes + 360000) / 1000000, less 1 when odd.
int32_t PhysicalMemoryMB(uint64_t bytes);

// The floppy drive type from the EBX that the BIOS drive-parameters call returned.
FloppyDrive FloppyTypeFromBios(uint32_t ebx);
// Where there is no BIOS call (NT-style systems): the BIOS drive type of a drive from the media types
// the system says it takes (the numbers of its MEDIA_TYPE list); the largest floppy format counts.
// 0 when none of them is a floppy format.
uint32_t FloppyBiosTypeFromMediaTypes(const int *mediaTypes, int count);

// Total clusters x bytes per sector x sectors per cluster, in 64 bits (no wrap at 4 GB).
uint64_t FixedDiskSize(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t totalClusters);

// Function keys from the keyboard type (2 or 4: 12, 6: 24, else 10), or the number Windows reports
// when that is larger.
int FunctionKeyCount(int keyboardType, int reportedFunctionKeys);

// The decimal number that starts at the first of "1234" in a port name ("COM2:" gives 2), else 0.
int PortNumber(const char *portName);
// COM1..COM4 and LPT1..LPT3 in a spooler port name set their present flags; nothing is cleared.
void ApplyPortName(EquipmentRecord &record, const char *portName);

struct WindowsVersion {
    float version; // major + minor / 100
    float build;   // build number
    char platform; // 'N' Windows NT, '9' Windows 95, 'S' Win32s
};
// Decodes the version word of Windows: major in the low byte, minor in the second; the top bit set
// means not NT.
WindowsVersion DecodeWindowsVersion(uint32_t versionWord);

// ---- The stages ----

enum DriveKind {
    kDriveOther = 0,
    kDriveRemovable = 1,
    kDriveFixed = 2,
    kDriveCdrom = 3,
};

// The multimedia device kinds whose device 0 gives a name, in the order they are asked.
enum MultimediaKind {
    kWaveOutput = 0,
    kWaveInput = 1,
    kAuxiliaryAudio = 2,
    kMidiInput = 3,
    kMidiOutput = 4,
};

// What the measured stages ask of the system. Queries fail silently: a failing one leaves its
// outputs as they were and its fields zero.
struct MeasurePlatform {
    void *context;
    // Called with the stage name before each stage ("Static Data..." traces).
    void (*announce)(void *context, const char *stage);
    // One step of the start-up pyramid.
    void (*step)(void *context);
    // The type of drive letter 'A'..'Z'.
    DriveKind (*driveKind)(void *context, char letter);
    // EBX returned by the BIOS drive-parameters call for the drive index (0 for A:), 0 when the call
    // returned nothing.
    uint32_t (*floppyBiosType)(void *context, int driveIndex);
    // The free-space query of a drive; false when it fails.
    bool (*diskGeometry)(void *context, char letter, uint32_t *sectorsPerCluster, uint32_t *bytesPerSector,
                         uint32_t *totalClusters);
    // The drive's total bytes from the extended free-space query; false where the system lacks it or
    // it fails. May be null.
    bool (*diskTotalBytes)(void *context, char letter, uint64_t *bytes);
    // Total physical, page-file and virtual bytes.
    void (*memoryStatus)(void *context, uint64_t *physical, uint64_t *pageFile, uint64_t *virtualBytes);
    // The best time of the timing loop in ms (the ten runs, at real-time priority).
    uint32_t (*bestLoopTime)(void *context);
    // Where the loop is too fast for the millisecond timer: the processor's rated speed in MHz as the
    // system records it (0: not recorded), else the loop's best time in microseconds from the
    // high-resolution counter (0: no such counter). Either may be null.
    int (*ratedClock)(void *context);
    uint32_t (*fineLoopTime)(void *context);
    // The processor's name (its brand string) where the system or the processor tells it; may be null.
    void (*processorName)(void *context, char *name, size_t size);
    // The modem probe over COM1..COM4; writes the modem speeds.
    void (*probeModems)(void *context, EquipmentRecord &record);
    // Whether the position query of joystick 1 or 2 answers without error.
    bool (*joystickAnswers)(void *context, int joystick);
    int (*mouseButtons)(void *context);
    int (*keyboardType)(void *context);
    int (*reportedFunctionKeys)(void *context);
    // The printer list cache: number of printers and the name of one. Names are stored in the record
    // cleaned (see CleanOutsideText), as are the device names below.
    int (*printerCount)(void *context);
    const char *(*printerName)(void *context, int index);
    // Calls each once for every port name of the print spooler.
    void (*enumeratePorts)(void *context, void (*each)(void *sink, const char *name), void *sink);
    uint32_t (*versionWord)(void *context);
    // The product name of device 0 of the kind; false when there is no device of that kind.
    bool (*deviceName)(void *context, MultimediaKind kind, char *name, size_t size);
};

// Advances the pyramid once, then runs every stage in order, writing the measured fields.
void RunMeasuredStagesWith(const MeasurePlatform &platform, EquipmentRecord &record);

// Single stages, for the callers that need one.
void StageDisks(const MeasurePlatform &platform, EquipmentRecord &record);
void StageMemory(const MeasurePlatform &platform, EquipmentRecord &record);
void StageCpuSpeed(const MeasurePlatform &platform, EquipmentRecord &record);
void StageJoysticks(const MeasurePlatform &platform, EquipmentRecord &record);
void StageFunctionKeys(const MeasurePlatform &platform, EquipmentRecord &record);
void StagePrinters(const MeasurePlatform &platform, EquipmentRecord &record);
void StagePorts(const MeasurePlatform &platform, EquipmentRecord &record);
void StageVersions(const MeasurePlatform &platform, EquipmentRecord &record);
void StageMultimediaNames(const MeasurePlatform &platform, EquipmentRecord &record);
