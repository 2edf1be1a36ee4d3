// The equipment record: the hardware inventory taken once at start-up, from the device registry
// (the registry stages) and from measurements (the measured stages). Afterwards it is only read.
// Arrays described as "1..n" are indexed by port or controller number; their element 0 is unused.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kFixedDiskSlots = 10;
constexpr int kFloppySlots = 10;
constexpr int kPrinterSlots = 20;
constexpr int kPrinterNameSize = 132;

struct FloppyDrive {
    float capacity; // megabytes
    float inches;   // size of the disk
};

struct EquipmentRecord {
    char computerName[17];
    char biosDate[256];
    char biosName[256];
    int32_t cpuType;       // 386, 486, 586 or 0
    int32_t fpuType;       // 387, 487, 587 or 0
    int32_t standardClock; // MHz
    int32_t busClock;      // MHz
    float busClockRating;
    int32_t rawClock; // MHz, measured
    float rawClockRating;
    uint32_t dmaController[4];       // 1..3: AT, EISA, MCA
    uint32_t scsiIdPresent[8];       // 0..7
    uint32_t interruptController[6]; // 1..5: AT, EISA, MCA, APIC, Cyrix
    uint32_t busPresent[12];         // 1..11: ISA, EISA, MCA, -, -, PCI, VL, PCMCIA Intel/Cirrus/VLSI, SCSI
    uint32_t timer[4];               // 1..3: AT, EISA, MCA
    uint64_t physicalMemory;         // bytes
    int32_t physicalMemoryMB;
    uint64_t pageFile;      // bytes
    uint64_t virtualMemory; // bytes
    int32_t hardDiskControllers;
    uint32_t hardDiskControllerOnPci;
    uint32_t hardDiskControllerOnVl;
    uint32_t hardDiskControllerOnEisa;
    int32_t floppyControllers;
    int32_t scsiAdapters;
    int32_t fixedDisks;
    int32_t cdromDrives;
    int32_t floppyDrives;
    // Sizes in bytes, in drive-letter order. Kept in 64 bits: a 32-bit product wraps at 4 GB.
    uint64_t fixedDiskSize[kFixedDiskSlots];
    FloppyDrive floppy[kFloppySlots];
    char cdromKind; // 'I' IDE, 'S' SCSI, 'P' proprietary, 0 none
    char videoCardName[256];
    char videoBus;      // 'P' PCI, 'V' VL, 'E' EISA, 0 unknown
    int32_t videoClass; // 1..5
    char monitorName[256];
    float monitorSize;       // inches
    float monitorDotPitch;   // mm
    int32_t monitorMaxWidth; // pixels
    float monitorArea;
    int32_t comUart[5];     // 1..4: 1 standard, 2 16550A-compatible, 0 none
    uint32_t comPresent[5]; // 1..4
    uint32_t gamePort;
    uint32_t lptPresent[4]; // 1..3
    uint32_t lptEcp[4];     // 1..3
    uint32_t ps2Port;
    char modemName[256];
    int32_t modemSpeed[4]; // COM1..COM4, bit/s
    int32_t keyboardKeys;
    int32_t functionKeys;
    char keyboardName[128];
    char mouseName[128];
    int32_t mouseButtons;
    int32_t joysticks;
    char soundCardName[128];
    char mciDeviceName[128];
    char waveInName[128];
    char waveOutName[128];
    char auxName[128];
    char midiInName[128];
    char midiOutName[128];
    float windowsVersion; // major + minor / 100
    float windowsBuild;
    char windowsPlatform; // 'N' NT, '9' Windows 95, 'S' Win32s
    char printerName[kPrinterSlots][kPrinterNameSize];
    char processorName[64]; // the brand string, empty where neither system nor processor tells it
};

// Copies text into a fixed field, cut to fit and always terminated.
void CopyField(char *field, size_t fieldSize, const char *text);
#define QV_COPY_FIELD(field, text) CopyField((field), sizeof(field), (text))

// Writes every field as "name<TAB>value" lines, the way the /equipment export prints them; arrays
// give one line per element with the index in brackets ("COM UART [2]").
void WriteEquipmentFields(const EquipmentRecord &record, void (*emit)(void *context, const char *line),
                          void *context);
