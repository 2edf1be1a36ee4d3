#include "advice/upgrade.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <strings.h>

#include "platform/utilities.h"

namespace {

// Scores are worked out in double and truncated toward zero; what no score can be (a logarithm of
// nothing, a count past the 32-bit range) is held to the range instead of overflowing.
int32_t Truncate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}

// An upper-case copy of a fixed name field, which need not be terminated.
template <size_t N> void UpperField(const char (&field)[N], char *out, size_t outSize) {
    char copy[N + 1];
    memcpy(copy, field, N);
    copy[N] = 0;
    CopyUpper(copy, out, outSize);
}

int32_t Mean(const uint32_t (&histogram)[kUsageSlots]) {
    return static_cast<int32_t>(HistogramMean(histogram, sizeof histogram));
}

int32_t FixedDiskUsage(int32_t disks) {
    const int32_t usage[] = {0, 3, 7, 9};
    return disks < 0 ? 0 : disks < 4 ? usage[disks] : 10;
}

const char kPrinterNotice[] =
    "The printers actually attached to your computer can not be identified by software.\n"
    "The Current Equipment score will be 'NA'.\nThis is normal.";
const char kScannerNotice[] = "Your Scanner, if any, cannot be identified by software.\n"
                              "The Current Equipment and Usage scores will be 'NA'.\nThis is normal.";
const char kSoundNotice[] = "Your Sound Card usage, if any, cannot be identified by software.\n"
                            "The Usage score will be 'NA'.\nThis is normal.";
const char kSpeakerNotice[] = "Your Speakers, if any, cannot be identified by software.\n"
                              "The Current Equipment and Usage scores will be 'NA'.\nThis is normal.";
const char kSurgeNotice[] = "Your Surge Protector, if any, cannot be identified by software.\n"
                            "The Current Equipment and Usage scores will be 'NA'.\nThis is normal.";
const char kTapeNotice[] = "Your Tape Drive, if any, cannot be identified by software.\n"
                           "The Current Equipment score will be 'NA'.\n"
                           "The Usage score is based on your hard disks.\nThis is normal.";
const char kUpsNotice[] = "Your UPS, if any, cannot be identified by software.\n"
                          "The Current Equipment and Usage scores will be 'NA'.\nThis is normal.";
const char kWristNotice[] = "Your Wrist Pad, if any, cannot be identified by software.\n"
                            "The Current Equipment score will be 'NA'.\n Usage is based on keyboard use.\n"
                            "This is normal.";

const UpgradeTool kTools[kUpgradeTools] = {
    {"CD-ROM Drive Upgrade", 6, 2580, nullptr, nullptr},
    {"CPU Chip Upgrade", 15, 2581, nullptr, nullptr},
    {"Floppy Upgrade", 10, 2582, nullptr, nullptr},
    {"Hard Disk Upgrade", 16, 2583, nullptr, nullptr},
    {"Joystick Upgrade", 9, 0, nullptr, nullptr},
    {"Keyboard Upgrade", 4, 2585, nullptr, nullptr},
    {"Memory Upgrade", 17, 2586, nullptr, nullptr},
    {"Modem Upgrade", 12, 2587, nullptr, nullptr},
    {"Monitor Upgrade", 14, 2588, nullptr, nullptr},
    {"Motherboard Upgrade", 18, 2589, nullptr, nullptr},
    {"Mouse Upgrade", 5, 2590, nullptr, nullptr},
    {"Printer Upgrade", 19, 2591, "Printer Status", kPrinterNotice},
    {"Print Spooler Upgrade", 20, 0, nullptr, nullptr},
    {"Scanner Upgrade", 11, 2593, "Scanner Status", kScannerNotice},
    {"Sound Card Upgrade", 7, 2594, "Sound Card Status", kSoundNotice},
    {"Speaker Upgrade", 8, 0, "Speaker Status", kSpeakerNotice},
    {"Surge Protector Upgrade", 2, 0, "Surge Protector Status", kSurgeNotice},
    {"Tape Drive Upgrade", 13, 2597, "Tape Drive Status", kTapeNotice},
    {"UPS Upgrade", 1, 2598, "UPS Status", kUpsNotice},
    {"Video Card Upgrade", 21, 2599, nullptr, nullptr},
    {"Wrist Pad Upgrade", 3, 0, "Wrist Pad Status", kWristNotice},
};

} // namespace

const UpgradeTool &UpgradeToolAt(int entry) {
    return kTools[Clamp(entry, 0, kUpgradeTools - 1)];
}

int32_t FloppyScore(const EquipmentRecord &equipment) {
    int32_t score = 0;
    for (const FloppyDrive &drive : equipment.floppy) {
        // The megabyte figures compare as tenths (1.2 is 12), the kilobyte ones as they are.
        int32_t tenths = Truncate(drive.capacity * 10.0);
        int32_t raise = tenths == 12                   ? 4
                        : tenths == 14 || tenths == 28 ? 9
                        : drive.capacity == 720.0f     ? 5
                        : drive.capacity == 360.0f     ? 1
                                                       : 0;
        if (raise > score)
            score = raise;
    }
    return score;
}

int32_t KeyboardScore(const EquipmentRecord &equipment) {
    int32_t score = equipment.keyboardKeys >= 101 ? 2 : 1;
    char name[256] = "";
    UpperField(equipment.keyboardName, name, sizeof name);
    if (strstr(name, "IBM") || strstr(name, "LEXMARK"))
        score += 7;
    if (strstr(name, "KEYTRONIC"))
        score += 4;
    if (strstr(name, "MICROSOFT"))
        score += 3;
    return score;
}

int32_t MouseScore(const EquipmentRecord &equipment) {
    static const struct {
        const char *word;
        int32_t score;
    } kMice[] = {{"MICROSOFT", 9}, {"LOGITECH", 8},   {"MOUSE SYSTEMS", 3},
                 {"GENIUS", 3},    {"COMPATIBLE", 2}, {"TEXAS", 2}};
    char name[sizeof equipment.mouseName + 1] = "";
    UpperField(equipment.mouseName, name, sizeof name);
    int32_t score = 0;
    for (const auto &mouse : kMice)
        if (strstr(name, mouse.word))
            score = mouse.score;
    return score;
}

int32_t SoundScore(const EquipmentRecord &equipment) {
    static const struct {
        const char *name;
        int32_t score;
    } kCards[] = {{"Sound Blaster 1.5 or compatible", 3},
                  {"Sound Blaster 2.0 or compatible", 5},
                  {"Sound Blaster PRO or compatible", 6},
                  {"Sound Blaster 16/AWE 32 or compatible", 8},
                  {"Thunderboard or compatible", 6},
                  {"AdLib or compatible", 6},
                  {"Roland or compatible", 6},
                  {"MS Sound System or compatible", 5},
                  {"Compaq Waveform or compatible", 6},
                  {"New MS Sound System or compatible", 8}};
    char name[sizeof equipment.soundCardName + 1] = "";
    memcpy(name, equipment.soundCardName, sizeof equipment.soundCardName);
    int32_t score = 0;
    for (const auto &card : kCards)
        if (strcasecmp(name, card.name) == 0)
            score = card.score;
    if (equipment.waveOutName[0])
        ++score;
    if (equipment.midiOutName[0])
        ++score;
    return score;
}

int32_t ModemScore(const EquipmentRecord &equipment) {
    int32_t fastest = 0;
    for (int32_t speed : equipment.modemSpeed)
        if (speed > fastest)
            fastest = speed;
    switch (fastest) {
        case 300:
        case 600:
        case 1200:
        case 2400:
            return 1;
        case 9600:
            return 3;
        case 14400:
        case 19200:
            return 6;
        case 28800:
            return 9;
        default:
            return 0;
    }
}

int32_t BusScore(const EquipmentRecord &equipment) {
    const uint32_t *bus = equipment.busPresent; // 1 ISA, 2 EISA, 3 MCA, 6 PCI, 7 VL, 8-10 PCMCIA
    int32_t score = 2;
    if (bus[2])
        score = 6;
    if (bus[3])
        score = 4;
    if (bus[6])
        score = 9;
    if (bus[7])
        score = 7;
    if (bus[8] || bus[9] || bus[10])
        score = 8;
    return score;
}

int32_t VideoScore(const EquipmentRecord &equipment) {
    return equipment.videoClass * 2 - 3 + (equipment.videoBus == 'P' || equipment.videoBus == 'V' ? 1 : 0);
}

// Ten times the logarithm of value to the base, truncated; a result that is whole in exact arithmetic
// (8 MB is 6 on the base of 32 MB) stays whole whatever precision the processor computes in.
int32_t ScaledLogarithm(double value, double base) {
    return Truncate(10.0 * std::log(value) / std::log(base) + 1e-9);
}

int32_t HardDiskScore(const EquipmentRecord &equipment) {
    double total = 0;
    for (int32_t i = 0; i < equipment.fixedDisks && i < kFixedDiskSlots; ++i)
        total += static_cast<double>(equipment.fixedDiskSize[i]);
    total /= 1000000.0;
    // Less than a megabyte is no disk to speak of (and its logarithm no score).
    return total < 1.0 ? 0 : ScaledLogarithm(total, 4000.0);
}

int32_t MemoryScore(const EquipmentRecord &equipment) {
    if (equipment.physicalMemoryMB < 1)
        return 0;
    return ScaledLogarithm(static_cast<double>(equipment.physicalMemoryMB), 32.0);
}

int32_t InputRate(uint32_t count, float activeSeconds) {
    double span = static_cast<double>(activeSeconds) * 60.0;
    return Truncate(count / (span < 1.0 ? 1.0 : span));
}

UpgradeScores UpgradeToolScores(int entry, const EquipmentRecord &e, const PerformanceHistory &h) {
    const int32_t na = kScoreNA;
    switch (entry) {
        case 0:
            return {e.cdromDrives > 0 ? 5 : 0, 2};
        case 1:
            return {Truncate(e.rawClockRating * 10.0 / 13.58), Mean(h.cpu)};
        case 2:
            return {FloppyScore(e), na};
        case 3:
            return {HardDiskScore(e), 100 - Mean(h.diskFree)};
        case 4:
            return {e.joysticks > 0 ? 6 : 0, na};
        case 5:
            return {KeyboardScore(e), InputRate(h.keystrokes, h.activeSeconds)};
        case 6:
            return {MemoryScore(e), 100 - Mean(h.pageFileFree)};
        case 7:
            return {ModemScore(e), Mean(h.modem)};
        case 8:
            return {Truncate(e.monitorArea * 10.0 / 212.0), Mean(h.displayActivity)};
        case 9:
            return {BusScore(e), Mean(h.cpu)};
        case 10:
            return {MouseScore(e), InputRate(h.pointerActions, h.activeSeconds)};
        case 11:
            return {na, Mean(h.printPages)};
        case 12:
            return {5, Mean(h.printPages)};
        case 14:
            return {SoundScore(e), na};
        case 17:
            return {na, FixedDiskUsage(e.fixedDisks)};
        case 19:
            return {VideoScore(e), Mean(h.screenChange)};
        case 20:
            return {na, InputRate(h.keystrokes, h.activeSeconds)};
        default: // Scanner, Speakers, Surge Protector, UPS: nothing to measure
            return {na, na};
    }
}

UpgradeShown ShownUpgradeScores(int32_t current, int32_t usage) {
    UpgradeShown shown;
    shown.current = current == kScoreNA ? kScoreNA : Clamp(current, 1, 9);
    shown.usage = usage == kScoreNA ? kScoreNA : Clamp(Truncate((static_cast<double>(usage) + 5) / 10), 1, 9);
    // 'NA' enters the need and the potential as -1.
    int32_t need = Truncate((10.0 - current) * usage / 100.0 + 0.5);
    shown.need = Clamp(need, 1, 9);
    shown.potential = Clamp(Truncate(static_cast<double>(current) + need), 1, 9);
    return shown;
}

int UpgradeScoreIcon(int32_t shown) {
    return shown == kScoreNA ? 1620 : 1610 + Clamp(shown, 1, 9);
}

void WriteUpgradeWindowLines(ReportBuffer &report, const UpgradeShown &shown, const char *candidates) {
    const struct {
        const char *caption;
        int32_t value;
    } kValues[] = {{"Current Equipment", shown.current},
                   {"Usage", shown.usage},
                   {"Upgrade Potential", shown.potential},
                   {"Upgrade Need", shown.need}};
    for (const auto &value : kValues) {
        if (value.value == kScoreNA)
            AddReportLine(report, "%s\tNA", value.caption);
        else
            AddReportLine(report, "%s\t%d", value.caption, value.value);
    }
    AddReportLine(report, "Upgrade Candidates");
    for (const char *p = candidates; p && *p;) {
        const char *end = strchr(p, '\n');
        size_t length = end ? static_cast<size_t>(end - p) : strlen(p);
        char name[kReportSlotSize];
        size_t n = length < sizeof name - 1 ? length : sizeof name - 1;
        memcpy(name, p, n);
        name[n] = 0;
        CleanOutsideText(name);
        AddReportLine(report, "%s", name);
        p += length + (end ? 1 : 0);
    }
}
