// The arithmetic and tables of the measured stages, and the stages themselves against a scripted system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "inventory/measurements.h"

namespace {

// ---- Processor clock ----

TEST(ClockArithmetic, RawClockFromBestTime) {
    struct Case {
        uint32_t bestMs;
        int raw;
    } cases[] = {
        {0, 7200}, {1, 7200}, {2, 3600}, {36, 200}, {72, 100},        {109, 66},
        {107, 67}, {480, 15}, {7200, 1}, {7201, 0}, {kNoBestTime, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bestMs);
        EXPECT_EQ(RawClockFromBestTime(c.bestMs), c.raw);
    }
}

TEST(ClockArithmetic, StandardClockSearchesOutward) {
    struct Case {
        int raw;
        int standard;
    } cases[] = {
        {0, 0},     {8, 0},     {9, 16},     {15, 16}, {16, 16}, {18, 16}, {19, 20},   {63, 60},
        {64, 66},   {66, 66},   {67, 66},    {70, 66}, {71, 75}, {85, 80}, {110, 100}, {141, 133},
        {142, 150}, {200, 150}, {7200, 150}, {29, 25}, {37, 40}, {45, 40}, {55, 50},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(NearestStandardClock(c.raw), c.standard);
    }
}

TEST(ClockArithmetic, EveryStandardClockFindsItself) {
    for (int clock : kStandardClocks)
        EXPECT_EQ(NearestStandardClock(clock), clock);
}

TEST(ClockArithmetic, TiesGoToTheLowerEntry) {
    // Midway between two entries: the table order decides, and the lower one comes first.
    const int table[] = {16, 20, 25, 33, 40, 50, 60, 66, 75, 80, 90, 100, 120, 133, 150};
    for (int i = 0; i + 1 < kStandardClockCount; ++i) {
        EXPECT_EQ(kStandardClocks[i], table[i]);
        int low = kStandardClocks[i], high = kStandardClocks[i + 1];
        if ((high - low) % 2 == 0) {
            SCOPED_TRACE(low);
            EXPECT_EQ(NearestStandardClock((low + high) / 2), low);
        }
    }
}

TEST(ClockArithmetic, BusClockOf486) {
    struct Case {
        int raw;
        int bus;
    } cases[] = {{40, 20},  {50, 25}, {66, 33}, {75, 25}, {80, 40},
                 {100, 33}, {33, 33}, {67, 67}, {0, 0},   {120, 120}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(BusClockOf486(c.raw), c.bus);
    }
}

TEST(ClockArithmetic, Ratings) {
    struct Case {
        int cpu;
        int clock;
        float rating;
    } cases[] = {
        {386, 16, 0.64f}, {386, 33, 1.4475f}, {486, 16, 1.09f}, {486, 33, 2.1525f}, {486, 66, 4.215f},
        {586, 60, 7.58f}, {586, 100, 10.26f}, {586, 0, 3.56f},  {0, 66, 0.0f},      {686, 200, 0.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpu << " at " << c.clock);
        EXPECT_NEAR(ClockRating(c.cpu, c.clock), c.rating, 1e-5);
    }
}

testing::AssertionResult ClockFields(const EquipmentRecord &r, int raw, int standard, int bus,
                                     float rawRating, float busRating) {
    if (r.rawClock != raw || r.standardClock != standard || r.busClock != bus ||
        std::abs(r.rawClockRating - rawRating) > 1e-3f || std::abs(r.busClockRating - busRating) > 1e-3f)
        return testing::AssertionFailure()
               << "raw " << r.rawClock << " standard " << r.standardClock << " bus " << r.busClock
               << " raw rating " << r.rawClockRating << " bus rating " << r.busClockRating;
    return testing::AssertionSuccess();
}

TEST(ClockArithmetic, MeasurementFillsTheClockFields) {
    struct Case {
        int cpu;
        uint32_t bestMs;
        int raw, standard, bus;
        float rawRating, busRating;
    } cases[] = {
        // 7200 / 109 = 66: a 486 DX2-66 on a 33 MHz bus.
        {486, 109, 66, 66, 33, 4.215f, 2.1525f},
        // 67 is no table entry: the bus clock keeps it.
        {486, 107, 67, 66, 67, 4.2775f, 4.2775f},
        {486, 90, 80, 80, 40, 5.09f, 2.59f},
        {386, 218, 33, 33, 33, 1.4475f, 1.4475f},
        {586, 72, 100, 100, 100, 10.26f, 10.26f},
        {586, 36, 200, 150, 200, 16.96f, 16.96f},
        // Unknown processor: only the raw and standard clocks.
        {0, 72, 100, 100, 0, 0.0f, 0.0f},
        // The loop took no measurable time.
        {586, 0, 7200, 150, 7200, 485.96f, 485.96f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpu << ", " << c.bestMs << " ms");
        EquipmentRecord record = {};
        record.cpuType = c.cpu;
        ApplyClockMeasurement(record, c.bestMs);
        EXPECT_TRUE(ClockFields(record, c.raw, c.standard, c.bus, c.rawRating, c.busRating));
    }
}

struct ScriptedTimer {
    std::vector<uint32_t> readings;
    size_t next = 0;
    int loops = 0;
};

uint32_t ScriptedRead(void *context) {
    auto *t = static_cast<ScriptedTimer *>(context);
    return t->next < t->readings.size() ? t->readings[t->next++] : 0;
}

void CountLoop(void *context) {
    ++static_cast<ScriptedTimer *>(context)->loops;
}

TEST(ClockArithmetic, BestOfTenRuns) {
    ScriptedTimer timer;
    // Runs of 40, 38, 50, 37, 39, 41, 60, 37, 45, 38 ms.
    const uint32_t runs[] = {40, 38, 50, 37, 39, 41, 60, 37, 45, 38};
    uint32_t now = 1000;
    for (uint32_t run : runs) {
        timer.readings.push_back(now);
        timer.readings.push_back(now + run);
        now += run + 5;
    }
    EXPECT_EQ(BestLoopTime({&timer, ScriptedRead, CountLoop}), 37u);
    EXPECT_EQ(timer.loops, kTimingRuns);
    EXPECT_EQ(timer.next, 20u);
}

TEST(ClockArithmetic, BestTimeAcrossTheTimerWrap) {
    ScriptedTimer timer;
    for (int run = 0; run < kTimingRuns; ++run) {
        uint32_t start = 0xFFFFFFF0u + static_cast<uint32_t>(run) * 3;
        timer.readings.push_back(start);
        timer.readings.push_back(start + 20);
    }
    EXPECT_EQ(BestLoopTime({&timer, ScriptedRead, CountLoop}), 20u);
}

TEST(ClockArithmetic, ATimerThatNeverMovesGivesZero) {
    ScriptedTimer timer;
    timer.readings.assign(20, 5000);
    uint32_t best = BestLoopTime({&timer, ScriptedRead, CountLoop});
    EXPECT_EQ(best, 0u);
    EXPECT_EQ(RawClockFromBestTime(best), 7200);
}

// ---- Memory, drives, keyboard, ports, version ----

TEST(MeasureMemory, MegabytesRoundedToEven) {
    struct Case {
        uint32_t bytes;
        int32_t mb;
    } cases[] = {
        {0, 0},         {16777216, 16},                           // 17.137... gives 17, odd, so 16
        {8388608, 8},                                             // 8.748... gives 8
        {33554432, 32},                                           // 33.91... gives 33, so 32
        {67108864, 66},                                           // 67.47... gives 67, so 66
        {4194304, 4},                                             // 4.55... gives 4
        {639999, 0},                                              // 0.999999 gives 0
        {640000, 0},                                              // exactly 1, odd, so 0
        {1640000, 2},   {2147483648u, 2146}, {4294967295u, 4294}, // no wrap near 4 GB
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(PhysicalMemoryMB(c.bytes), c.mb);
        EXPECT_EQ(PhysicalMemoryMB(c.bytes) % 2, 0);
    }
}

TEST(MeasureDrives, FloppyTypes) {
    struct Case {
        uint32_t ebx;
        float capacity;
        float inches;
    } cases[] = {
        {0, 0, 0},        {1, 360.0f, 5.25f}, {2, 1.2f, 5.25f}, {3, 720.0f, 3.5f}, {4, 1.44f, 3.5f},
        {5, 2.88f, 3.5f}, {6, 2.88f, 3.5f},   {7, 0, 0},        {0x104, 0, 0},     {0xFFFFFFFFu, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ebx);
        FloppyDrive drive = FloppyTypeFromBios(c.ebx);
        EXPECT_FLOAT_EQ(drive.capacity, c.capacity);
        EXPECT_FLOAT_EQ(drive.inches, c.inches);
    }
}

TEST(MeasureDrives, FixedDiskSizeIn64Bits) {
    EXPECT_EQ(FixedDiskSize(0, 0, 0), 0u);
    EXPECT_EQ(FixedDiskSize(64, 512, 65518), 64ull * 512 * 65518); // 2 GB FAT16
    // 8 sectors of 512 bytes in 1,048,576 clusters: 4 GB, which a 32-bit product would make 0.
    EXPECT_EQ(FixedDiskSize(8, 512, 1048576), 4294967296ull);
    EXPECT_EQ(FixedDiskSize(0xFFFFFFFFu, 0xFFFFFFFFu, 1), 0xFFFFFFFE00000001ull);
}

TEST(MeasureKeyboard, FunctionKeys) {
    struct Case {
        int type, reported, keys;
    } cases[] = {
        {4, 12, 12}, {2, 0, 12},  {6, 24, 24}, {1, 10, 10}, {3, 0, 10},   {5, 10, 10},
        {7, 12, 12}, {4, 24, 24}, {0, 0, 10},  {6, 12, 24}, {-1, -1, 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", reported " << c.reported);
        EXPECT_EQ(FunctionKeyCount(c.type, c.reported), c.keys);
    }
}

TEST(MeasurePorts, PortNumber) {
    struct Case {
        const char *name;
        int number;
    } cases[] = {
        {"COM1:", 1},   {"COM4:", 4},    {"LPT3:", 3},  {"FILE:", 0},
        {"COM10:", 10}, {"LPT0:", 0},    {"COM5:", 0},  {"COM9:", 0},
        {"", 0},        {"CUPS:PDF", 0}, {"COM25", 25}, {"X1234567890123456789", 123456},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PortNumber(c.name), c.number);
    }
}

TEST(MeasurePorts, NamesSetPresentFlags) {
    EquipmentRecord record = {};
    record.comPresent[3] = 1; // found by the registry stages: kept
    const char *names[] = {"COM1:", "COM2:", "COM5:", "COM10:", "LPT1:", "LPT2:",
                           "LPT4:", "FILE:", "lpt3:", "NUL:",   "COM0:", "LPT3:COM4"};
    for (const char *name : names)
        ApplyPortName(record, name);
    const uint32_t com[] = {0, 1, 1, 1, 0};
    const uint32_t lpt[] = {0, 1, 1, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(record.comPresent[i], com[i]) << "COM " << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(record.lptPresent[i], lpt[i]) << "LPT " << i;
}

TEST(MeasureVersions, VersionWordDecoding) {
    struct Case {
        uint32_t word;
        float version;
        float build;
        char platform;
    } cases[] = {
        {0xC0000004u, 4.0f, 16384.0f, '9'}, // Windows 95 as Wine reports it
        {0x83B60004u, 4.0f, 950.0f, '9'},   // Windows 95 build 950
        {0xC0000A04u, 4.1f, 16384.0f, '9'}, // Windows 98
        {0x05650004u, 4.0f, 1381.0f, 'N'},  // NT 4.0
        {0x1DB10106u, 6.01f, 7601.0f, 'N'}, // Windows 7
        {0x80000A03u, 3.1f, 0.0f, 'S'},     // Win32s on Windows 3.1
        {0x80000B03u, 3.11f, 0.0f, 'S'},    {0, 0.0f, 0.0f, 'N'},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.word);
        WindowsVersion v = DecodeWindowsVersion(c.word);
        EXPECT_FLOAT_EQ(v.version, c.version);
        EXPECT_FLOAT_EQ(v.build, c.build);
        EXPECT_EQ(v.platform, c.platform);
    }
}

// ---- The stages against a scripted system ----

struct ScriptedSystem {
    std::vector<std::string> events;   // announcements and steps, in order
    const char *drives = "";           // per letter from A: 'R' removable, 'F' fixed, 'C' CD-ROM, else none
    std::vector<uint32_t> floppyTypes; // by drive index
    std::vector<int> floppyAsked;
    bool geometryWorks = true;
    uint32_t sectors = 8, bytes = 512, clusters = 1000;
    uint32_t physical = 16777216, pageFile = 50000000, virtualBytes = 2147352576;
    uint32_t bestMs = 36;
    int modemProbes = 0;
    bool joystick[3] = {false, false, false};
    int buttons = 2, keyboardType = 4, functionKeys = 12;
    std::vector<std::string> printers;
    std::vector<std::string> ports;
    uint32_t version = 0xC0000004u;
    const char *deviceNames[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
    std::vector<int> devicesAsked;
};

ScriptedSystem &Sys(void *context) {
    return *static_cast<ScriptedSystem *>(context);
}

MeasurePlatform ScriptedPlatform(ScriptedSystem &s) {
    MeasurePlatform p = {};
    p.context = &s;
    p.announce = [](void *c, const char *stage) { Sys(c).events.push_back(stage); };
    p.step = [](void *c) { Sys(c).events.push_back("<step>"); };
    p.driveKind = [](void *c, char letter) {
        const char *drives = Sys(c).drives;
        size_t i = static_cast<size_t>(letter - 'A');
        if (i >= strlen(drives))
            return kDriveOther;
        switch (drives[i]) {
            case 'R':
                return kDriveRemovable;
            case 'F':
                return kDriveFixed;
            case 'C':
                return kDriveCdrom;
            default:
                return kDriveOther;
        }
    };
    p.floppyBiosType = [](void *c, int index) {
        Sys(c).floppyAsked.push_back(index);
        const auto &types = Sys(c).floppyTypes;
        return static_cast<size_t>(index) < types.size() ? types[index] : 0u;
    };
    p.diskGeometry = [](void *c, char letter, uint32_t *spc, uint32_t *bps, uint32_t *total) {
        ScriptedSystem &s = Sys(c);
        if (!s.geometryWorks)
            return false;
        *spc = s.sectors;
        *bps = s.bytes;
        *total = s.clusters + static_cast<uint32_t>(letter - 'A'); // a different size per drive
        return true;
    };
    p.memoryStatus = [](void *c, uint32_t *physical, uint32_t *page, uint32_t *virt) {
        *physical = Sys(c).physical;
        *page = Sys(c).pageFile;
        *virt = Sys(c).virtualBytes;
    };
    p.bestLoopTime = [](void *c) { return Sys(c).bestMs; };
    p.probeModems = [](void *c, EquipmentRecord &r) {
        ++Sys(c).modemProbes;
        r.modemSpeed[1] = 28800;
    };
    p.joystickAnswers = [](void *c, int joystick) { return Sys(c).joystick[joystick]; };
    p.mouseButtons = [](void *c) { return Sys(c).buttons; };
    p.keyboardType = [](void *c) { return Sys(c).keyboardType; };
    p.reportedFunctionKeys = [](void *c) { return Sys(c).functionKeys; };
    p.printerCount = [](void *c) { return static_cast<int>(Sys(c).printers.size()); };
    p.printerName = [](void *c, int i) { return Sys(c).printers[static_cast<size_t>(i)].c_str(); };
    p.enumeratePorts = [](void *c, void (*each)(void *, const char *), void *sink) {
        for (const std::string &port : Sys(c).ports)
            each(sink, port.c_str());
    };
    p.versionWord = [](void *c) { return Sys(c).version; };
    p.deviceName = [](void *c, MultimediaKind kind, char *name, size_t size) {
        Sys(c).devicesAsked.push_back(kind);
        const char *text = Sys(c).deviceNames[kind];
        if (!text)
            return false;
        snprintf(name, size, "%s", text);
        return true;
    };
    return p;
}

TEST(MeasuredStages, OrderOfTracesAndTheOnePyramidStep) {
    ScriptedSystem s;
    EquipmentRecord record = {};
    RunMeasuredStagesWith(ScriptedPlatform(s), record);
    const std::vector<std::string> expected = {"<step>", "Start",     "Video Speed",   "Disks",
                                               "Memory", "CPU Speed", "Modem Speed",   "Joysticks",
                                               "Mouse",  "Keyboard",  "Computer Name", "Printers",
                                               "Ports",  "Versions",  "Sound Devices", "Done"};
    EXPECT_EQ(s.events, expected);
    EXPECT_EQ(s.modemProbes, 1);
}

TEST(MeasuredStages, FillTheRecord) {
    ScriptedSystem s;
    s.drives = "RRFC";
    s.floppyTypes = {4, 2};
    s.joystick[2] = true;
    s.buttons = 3;
    s.keyboardType = 6;
    s.functionKeys = 12;
    s.printers = {"LaserJet 4", "PDF"};
    s.ports = {"COM1:", "COM2:", "LPT1:", "FILE:"};
    s.deviceNames[kWaveOutput] = "Wave Out";
    s.deviceNames[kMidiOutput] = "MIDI Out";
    EquipmentRecord record = {};
    record.cpuType = 586;
    record.lptPresent[2] = 1;
    RunMeasuredStagesWith(ScriptedPlatform(s), record);

    EXPECT_EQ(record.floppyDrives, 2);
    EXPECT_FLOAT_EQ(record.floppy[0].capacity, 1.44f);
    EXPECT_FLOAT_EQ(record.floppy[1].capacity, 1.2f);
    EXPECT_FLOAT_EQ(record.floppy[1].inches, 5.25f);
    EXPECT_EQ(record.fixedDisks, 1);
    EXPECT_EQ(record.fixedDiskSize[0], 8u * 512 * 1002);
    EXPECT_EQ(record.cdromDrives, 1);

    EXPECT_EQ(record.physicalMemory, 16777216u);
    EXPECT_EQ(record.physicalMemoryMB, 16);
    EXPECT_EQ(record.pageFile, 50000000u);
    EXPECT_EQ(record.virtualMemory, 2147352576u);

    EXPECT_EQ(record.rawClock, 200);
    EXPECT_EQ(record.standardClock, 150);
    EXPECT_EQ(record.busClock, 200);

    EXPECT_EQ(record.modemSpeed[1], 28800);
    EXPECT_EQ(record.joysticks, 1);
    EXPECT_EQ(record.mouseButtons, 3);
    EXPECT_EQ(record.functionKeys, 24);
    EXPECT_STREQ(record.computerName, "Default Computer");
    EXPECT_STREQ(record.printerName[0], "LaserJet 4");
    EXPECT_STREQ(record.printerName[1], "PDF");
    EXPECT_STREQ(record.printerName[2], "");

    EXPECT_EQ(record.comPresent[1], 1u);
    EXPECT_EQ(record.comPresent[2], 1u);
    EXPECT_EQ(record.comPresent[3], 0u);
    EXPECT_EQ(record.lptPresent[1], 1u);
    EXPECT_EQ(record.lptPresent[2], 1u) << "flags of the registry stages stay";

    EXPECT_FLOAT_EQ(record.windowsVersion, 4.0f);
    EXPECT_EQ(record.windowsPlatform, '9');

    EXPECT_STREQ(record.waveOutName, "Wave Out");
    EXPECT_STREQ(record.waveInName, "");
    EXPECT_STREQ(record.auxName, "");
    EXPECT_STREQ(record.midiInName, "");
    EXPECT_STREQ(record.midiOutName, "MIDI Out");
    const std::vector<int> order = {kWaveOutput, kWaveInput, kAuxiliaryAudio, kMidiInput, kMidiOutput};
    EXPECT_EQ(s.devicesAsked, order);
}

TEST(MeasuredStages, FloppiesInLetterOrderAroundAFixedDrive) {
    ScriptedSystem s;
    s.drives = "RFR"; // A: removable, B: fixed, C: removable
    s.floppyTypes = {4, 0, 1};
    EquipmentRecord record = {};
    StageDisks(ScriptedPlatform(s), record);
    EXPECT_EQ(record.floppyDrives, 2);
    EXPECT_FLOAT_EQ(record.floppy[0].capacity, 1.44f);
    EXPECT_FLOAT_EQ(record.floppy[1].capacity, 360.0f);
    EXPECT_EQ(s.floppyAsked, (std::vector<int>{0, 2})) << "the BIOS drive index is the letter's";
    EXPECT_EQ(record.fixedDisks, 1);
}

TEST(MeasuredStages, MoreDrivesThanSlotsAreCountedNotStored) {
    ScriptedSystem s;
    s.drives = "RRRRRRRRRRRRFFFFFFFFFFFFCC"; // 12 removable, 12 fixed, 2 CD-ROM
    s.floppyTypes.assign(12, 3);
    EquipmentRecord record = {};
    StageDisks(ScriptedPlatform(s), record);
    EXPECT_EQ(record.floppyDrives, 12);
    EXPECT_EQ(record.fixedDisks, 12);
    EXPECT_EQ(record.cdromDrives, 2);
    for (int i = 0; i < kFloppySlots; ++i)
        EXPECT_FLOAT_EQ(record.floppy[i].capacity, 720.0f);
    for (int i = 0; i < kFixedDiskSlots; ++i)
        EXPECT_EQ(record.fixedDiskSize[i], 8u * 512 * (1000 + 12 + i)) << i;
    // The field after the last slot is untouched.
    EXPECT_EQ(record.cdromKind, 0);
}

TEST(MeasuredStages, AFailingFreeSpaceQueryStillCountsTheDrive) {
    ScriptedSystem s;
    s.drives = "  FF";
    s.geometryWorks = false;
    EquipmentRecord record = {};
    StageDisks(ScriptedPlatform(s), record);
    EXPECT_EQ(record.fixedDisks, 2);
    EXPECT_EQ(record.fixedDiskSize[0], 0u);
    EXPECT_EQ(record.fixedDiskSize[1], 0u);
}

TEST(MeasuredStages, DiskSizesPastFourGigabytes) {
    ScriptedSystem s;
    s.drives = "  F";
    s.sectors = 64;
    s.bytes = 512;
    s.clusters = 1000000 - 2; // drive C: adds 2
    EquipmentRecord record = {};
    StageDisks(ScriptedPlatform(s), record);
    EXPECT_EQ(record.fixedDiskSize[0], 32768000000ull);
}

TEST(MeasuredStages, OnlyTwentyPrinterNames) {
    ScriptedSystem s;
    for (int i = 0; i < 25; ++i)
        s.printers.push_back("Printer " + std::to_string(i));
    s.printers[3] = std::string(200, 'L'); // longer than the field: cut, terminated
    EquipmentRecord record = {};
    StagePrinters(ScriptedPlatform(s), record);
    for (int i = 0; i < kPrinterSlots; ++i)
        if (i != 3) {
            EXPECT_EQ(std::string(record.printerName[i]), "Printer " + std::to_string(i));
        }
    EXPECT_EQ(std::string(record.printerName[3]), std::string(kPrinterNameSize - 1, 'L'));
}

TEST(MeasuredStages, ControlBytesInNamesAddNoLineOrColumnToTheExport) {
    ScriptedSystem s;
    s.printers = {"X\n== FAKE\tY"};
    s.deviceNames[kWaveOutput] = "X\n== FAKE\tY";
    EquipmentRecord record = {};
    StagePrinters(ScriptedPlatform(s), record);
    StageMultimediaNames(ScriptedPlatform(s), record);
    std::vector<std::string> lines;
    WriteEquipmentFields(
        record,
        [](void *c, const char *line) { static_cast<std::vector<std::string> *>(c)->push_back(line); },
        &lines);
    for (const std::string &line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 1) << line;
        EXPECT_EQ(line.find_first_of("\n\r"), std::string::npos) << line;
    }
    EXPECT_NE(std::find(lines.begin(), lines.end(), "printer name [0]\tX == FAKE Y"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "wave output name\tX == FAKE Y"), lines.end());
}

TEST(MeasuredStages, NoJoystickNoPrinterNoDevice) {
    ScriptedSystem s;
    s.version = 0x1DB10106u;
    EquipmentRecord record = {};
    RunMeasuredStagesWith(ScriptedPlatform(s), record);
    EXPECT_EQ(record.joysticks, 0);
    EXPECT_STREQ(record.printerName[0], "");
    EXPECT_STREQ(record.waveOutName, "");
    EXPECT_EQ(record.windowsPlatform, 'N');
    EXPECT_FLOAT_EQ(record.windowsBuild, 7601.0f);
    EXPECT_EQ(record.fixedDisks + record.floppyDrives + record.cdromDrives, 0);
}

} // namespace
