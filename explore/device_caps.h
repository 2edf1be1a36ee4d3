// Video and Printers: what a graphics device can do. The names of technologies and papers, the
// capability tables, and the report lines built from plain records of device readings; the readings
// come from device_caps_win.cpp.
#pragma once

#include <cstdint>

#include "report/report_lines.h"

// GetDeviceCaps indexes read by the capability block all lie below this.
constexpr int kDeviceCapsIndexLimit = 128;

// The values of one device context, indexed by GetDeviceCaps index (only the indexes of the
// capability block are filled).
struct DeviceCapsValues {
    int value[kDeviceCapsIndexLimit];
};

// One numeric line of the capability block.
struct DeviceCapsLine {
    const char *caption;
    int index;
};

struct CapabilityBit {
    unsigned bit;
    const char *caption; // without the five leading blanks
};

struct CapabilityGroup {
    const char *title;
    int index;
    const CapabilityBit *bits;
    int bitCount;
};

// The plain lines of the block after "Driver Version" and "Technology", in order; the clip line is a
// Yes/No flag, the others numbers.
extern const DeviceCapsLine kDeviceCapsLines[];
extern const int kDeviceCapsLineCount;
// The five capability groups, in order.
extern const CapabilityGroup kCapabilityGroups[];
extern const int kCapabilityGroupCount;

constexpr int kCapsDriverVersion = 0;
constexpr int kCapsTechnology = 2;
constexpr int kCapsClipCaps = 36;

// A driver version word: major in the high byte, two digits in the nibbles of the low byte
// (0x0400 gives 4.0, 0x0310 gives 3.1).
double DecodeDriverVersion(int version);
const char *TechnologyName(int technology);
const char *PaperName(int paper);

// Writes the capability block of one device.
void WriteDeviceCapsBlock(ReportBuffer &report, const DeviceCapsValues &caps);

// The paper sizes a printer's output buffer holds: 1024 bytes of 16-bit paper values or of pairs of
// 32-bit resolutions.
constexpr int kPaperBufferBytes = 1024;
constexpr int kPaperBufferPapers = kPaperBufferBytes / 2;
constexpr int kPaperBufferResolutions = kPaperBufferBytes / 8;

// What DeviceCapabilities told about one printer. The counts are the values the queries returned
// (negative when they failed); papers and resolutions point at the values read, of which
// papersHeld and resolutionsHeld are valid.
struct PaperInfo {
    int driverVersion;
    int paperCount;
    const uint16_t *papers;
    int papersHeld;
    int resolutionCount;
    const int32_t *resolutions; // x, y pairs
    int resolutionsHeld;
    int copies;
    int duplex;
};

// How many entries of a list to show: none for a failed (negative) count, never more than were read.
int ListedEntries(int count, int held);

// Writes the paper block of one printer: the paper part (driver version and paper sizes), then the
// resolution part (resolutions, copies and duplex). The two parts are also written one by one, as the
// printer's lists are read through one buffer.
void WritePaperBlock(ReportBuffer &report, const PaperInfo &paper);
void WritePaperSizes(ReportBuffer &report, const PaperInfo &paper);
void WriteResolutions(ReportBuffer &report, const PaperInfo &paper);

// Whether a printer on this port is shown: its name contains "LP" (case-sensitive).
bool IsParallelPort(const char *port);
