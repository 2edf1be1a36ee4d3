// The seventeen Diagnose reports as writers of report lines: each reads the equipment record and the
// few facts its Win32 side gathered when the tool ran (drives, ports, devices, test outcomes). No
// window types here (diagnose/reports_win.cpp gathers the facts).
#pragma once

#include <cstddef>
#include <cstdint>

#include "diagnose/test_routines.h"
#include "inventory/equipment.h"
#include "platform/utilities.h"
#include "report/report_lines.h"

// The text a test line shows after its tab: "Passed", "Failed", or "Not tested" for a test that did
// not run (an interactive test not opened, a printer test cancelled).
const char *TestMark(TestOutcome outcome);
// Passed when the flag is 0, failed otherwise.
TestOutcome OutcomeOfFlag(uint32_t flag);

// "1.44\", 1.44 MB" (short) or "5.25\", 360.00KB" (two decimals): the size in inches and the capacity,
// in KB when the capacity is above 100.
void FormatFloppyShort(const FloppyDrive &drive, char *out, size_t outSize);
void FormatFloppyLong(const FloppyDrive &drive, char *out, size_t outSize);

// ---- Overview, CPU, floppy, motherboard, power, video ----

void WriteOverviewReport(ReportBuffer &report, const EquipmentRecord &e);

struct CpuReportFacts {
    TestOutcome registers[4]; // zero pattern, ones pattern, walking zero, walking one
    TestOutcome flags;        // one outcome for the four flag lines
    TestOutcome fpu;
};
void WriteCpuReport(ReportBuffer &report, const EquipmentRecord &e, const CpuReportFacts &facts);

// tests: the floppy routines' results; outcome: what RunFloppyTests returned (not run: every drive's
// lines read "Not tested").
void WriteFloppyReport(ReportBuffer &report, const EquipmentRecord &e, const FloppyTestResults &tests,
                       TestOutcome outcome);

// The type lines of one of the record's arrays (DMA controllers, interrupt controllers, buses, timers):
// flags[1..count-1], in the order ISA, EISA, MCA, PCI, VLB/VESA, APIC, Cyrix, the three PCMCIA kinds.
void WriteTypeLines(ReportBuffer &report, const uint32_t *flags, int count);
void WriteMotherboardReport(ReportBuffer &report, const EquipmentRecord &e);

// The watts of each row of the power estimate, in the order of its lines.
constexpr int kPowerRows = 11;
void PowerEstimate(const EquipmentRecord &e, int watts[kPowerRows]);
void WritePowerReport(ReportBuffer &report, const EquipmentRecord &e);

void WriteVideoReport(ReportBuffer &report, const EquipmentRecord &e, TestOutcome videoTest);

// ---- Drives ----

struct DriveFacts {
    char letter;
    bool spaceRead; // the free-space query succeeded
    uint32_t bytesPerSector, sectorsPerCluster, totalClusters;
    bool volumeRead; // the volume information query succeeded
    char volumeName[256];
    uint32_t serialNumber, maxComponentLength, fileSystemFlags;
    char fileSystemName[256];
};
// Bytes of the drive, computed in 64 bits: a 32-bit product wraps at 4 GB.
uint64_t DriveTotalBytes(const DriveFacts &drive);

void WriteHardDriveReport(ReportBuffer &report, const EquipmentRecord &e, const DriveFacts *drives,
                          int count);
void WriteCdromReport(ReportBuffer &report, const EquipmentRecord &e, const DriveFacts *drives, int count);

// ---- Ports and modems ----

enum PortAccess { kPortAbsent, kPortInUse, kPortOpened, kPortOpenedUnreadable };

// ports[1..4] for COM1..COM4 (element 0 unused).
void WritePortTestReport(ReportBuffer &report, const EquipmentRecord &e, const PortAccess ports[5]);
// probeResult: the modem probe's result (0 no failure); ports[1..4] as found when the report ran.
void WriteModemReport(ReportBuffer &report, const EquipmentRecord &e, int probeResult,
                      const PortAccess ports[5]);

// ---- Joysticks, keyboard, memory, mouse ----

struct JoystickFacts {
    char name[128];
    int manufacturerId, productId, buttons;
    int minX, maxX, minY, maxY, minZ, maxZ, minPeriod, maxPeriod;
};
// sticks[0 .. joysticks - 1]; tests: stuck button, press, release, range, skipping.
void WriteJoystickReport(ReportBuffer &report, const EquipmentRecord &e, const JoystickFacts *sticks,
                         const TestOutcome tests[5]);

struct KeyboardFacts {
    char layout[16];
    char keyboardDll[256];    // "None" when system.ini has none
    char definitionFile[256]; // the same
};
void WriteKeyboardReport(ReportBuffer &report, const EquipmentRecord &e, const KeyboardFacts &facts);

void WriteMemoryTestReport(ReportBuffer &report, const EquipmentRecord &e, const MemoryFigures &now,
                           const MemoryTestResults &tests, TestOutcome outcome);

void WriteMouseReport(ReportBuffer &report, const EquipmentRecord &e, bool present, TestOutcome mouseTest);

// ---- Printers, sound, buses ----

struct PrinterFacts {
    const char *name, *driver, *port, *comment, *shareName, *separatorFile, *processor, *dataType,
        *parameters; // null reads as empty
};
void WritePrinterReport(ReportBuffer &report, const PrinterFacts *printers, int count,
                        TestOutcome printerTest);

enum SoundDeviceKind { kWaveIn, kWaveOut, kMidiIn, kMidiOut, kAux };
struct SoundDevice {
    SoundDeviceKind kind;
    char name[64];
};
void WriteSoundReport(ReportBuffer &report, const EquipmentRecord &e, const SoundDevice *devices, int count);

// Lists the descriptions of the devices whose hardware id contains the text.
struct BusDeviceLister {
    void *context;
    void (*list)(void *context, const char *idText, void (*add)(void *sink, const char *description),
                 void *sink);
};
void WriteSystemBusReport(ReportBuffer &report, const EquipmentRecord &e, const BusDeviceLister &lister);
