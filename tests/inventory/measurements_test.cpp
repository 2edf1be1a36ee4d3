// The arithmetic of the measured stages, and the stages themselves against a scripted system.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "inventory/measurements.h"
#include "tests/inventory/inventory_test_helpers.h"

namespace {

// ---- Processor clock ----

TEST(ClockArithmetic, RawStandardAndBusClocks) {
    const uint32_t raw[][2] = {{0, 7200}, {1, 7200}, {2, 3600}, {72, 100},       {109, 66},
                               {107, 67}, {7200, 1}, {7201, 0}, {kNoBestTime, 0}};
    for (const auto &c : raw)
        EXPECT_EQ(RawClockFromBestTime(c[0]), static_cast<int>(c[1])) << c[0];
    // The nearest standard clock searching outward: a tie goes to the lower one, 0 below 9.
    const int standard[][2] = {{0, 0},   {8, 0},   {9, 16},  {18, 16}, {19, 20},   {29, 25},   {45, 40},
                               {55, 50}, {64, 66}, {70, 66}, {71, 75}, {110, 100}, {142, 150}, {7200, 150}};
    for (const auto &c : standard)
        EXPECT_EQ(NearestStandardClock(c[0]), c[1]) << c[0];
    for (int clock : kStandardClocks)
        EXPECT_EQ(NearestStandardClock(clock), clock);
    const int bus[][2] = {{40, 20}, {50, 25}, {66, 33}, {75, 25}, {80, 40}, {100, 33}, {67, 67}, {0, 0}};
    for (const auto &c : bus)
        EXPECT_EQ(BusClockOf486(c[0]), c[1]) << c[0];
}

// Where the loop is too fast for the millisecond timer the recorded speed counts, else the loop timed
// finer; a time the timer can tell keeps the old measurement; a clock above the table stays as it is.
TEST(ClockArithmetic, FastProcessorsTakeTheRecordedOrFinerClock) {
    struct Case {
        uint32_t bestMs;
        int rated;
        uint32_t fineUs;
        int raw, standard;
    } const cases[] = {{72, 2445, 3000, 100, 100},  {48, 2445, 0, 150, 150},  {47, 0, 0, 153, 153},
                       {1, 2445, 3000, 2445, 2445}, {1, 0, 3000, 2400, 2400}, {0, 0, 0, 7200, 7200},
                       {kNoBestTime, 2445, 0, 0, 0}};
    static int rated;
    static uint32_t fineUs;
    static uint32_t bestMs;
    MeasurePlatform p = {};
    p.bestLoopTime = [](void *) { return bestMs; };
    p.ratedClock = [](void *) { return rated; };
    p.fineLoopTime = [](void *) { return fineUs; };
    p.processorName = [](void *, char *name, size_t size) { snprintf(name, size, "  Fast\tCPU 9"); };
    for (const Case &c : cases) {
        bestMs = c.bestMs, rated = c.rated, fineUs = c.fineUs;
        auto record = std::make_unique<EquipmentRecord>();
        record->cpuType = 586;
        StageCpuSpeed(p, *record);
        EXPECT_EQ(record->rawClock, c.raw) << c.bestMs << " " << c.rated;
        EXPECT_EQ(record->standardClock, c.standard) << c.bestMs << " " << c.rated;
        EXPECT_EQ(record->busClock, c.raw);
        EXPECT_STREQ(record->processorName, "Fast CPU 9");
    }
}

TEST(ClockArithmetic, Ratings) {
    struct Case {
        int cpu, clock;
        float rating;
    } const cases[] = {{386, 16, 0.64f}, {386, 33, 1.4475f}, {486, 16, 1.09f}, {486, 66, 4.215f},
                       {586, 60, 7.58f}, {586, 100, 10.26f}, {586, 0, 3.56f},  {686, 200, 0.0f}};
    for (const Case &c : cases)
        EXPECT_NEAR(ClockRating(c.cpu, c.clock), c.rating, 1e-5) << c.cpu << " at " << c.clock;
}

TEST(ClockArithmetic, MeasurementFillsTheClockFields) {
    // CPU type and best time; then the raw, standard and bus clocks (the ratings are of raw and bus).
    const int cases[][5] = {
        {486, 109, 66, 66, 33}, {486, 107, 67, 66, 67}, {386, 218, 33, 33, 33}, {0, 72, 100, 100, 0}};
    for (const auto &c : cases) {
        EquipmentRecord r = {};
        r.cpuType = c[0];
        ApplyClockMeasurement(r, static_cast<uint32_t>(c[1]));
        EXPECT_EQ(std::vector<int>({r.rawClock, r.standardClock, r.busClock}), std::vector<int>(c + 2, c + 5))
            << c[1];
        EXPECT_FLOAT_EQ(r.rawClockRating, ClockRating(c[0], c[2])) << c[1];
        EXPECT_FLOAT_EQ(r.busClockRating, ClockRating(c[0], c[4])) << c[1];
    }
}

TEST(ClockArithmetic, BestOfTenRunsAcrossTheTimerWrap) {
    struct Timer {
        uint32_t readings[2 * kTimingRuns];
        int next, loops;
    } t = {};
    const uint32_t runs[kTimingRuns] = {40, 38, 50, 37, 39, 41, 60, 37, 45, 38};
    for (int i = 0; i < kTimingRuns; ++i) {
        t.readings[2 * i] = 0xFFFFFF00u + 50u * static_cast<uint32_t>(i); // wraps during the runs
        t.readings[2 * i + 1] = t.readings[2 * i] + runs[i];
    }
    LoopTimer timer = {
        &t, [](void *c) { return static_cast<Timer *>(c)->readings[static_cast<Timer *>(c)->next++ % 20]; },
        [](void *c) { ++static_cast<Timer *>(c)->loops; }};
    EXPECT_EQ(BestLoopTime(timer), 37u);
    EXPECT_EQ(t.loops, kTimingRuns);
    EXPECT_EQ(t.next, 2 * kTimingRuns);
    t = {};
    EXPECT_EQ(BestLoopTime(timer), 0u) << "a timer that never moves";
}

// ---- Memory, drives, keyboard, ports, version ----

TEST(MeasureMemory, MegabytesRoundedToEven) {
    const uint64_t cases[][2] = {
        {0, 0},
        {16777216, 16}, // 17.137... gives 17, odd, so 16
        {8388608, 8},   // 8.748... gives 8
        {639999, 0},
        {640000, 0}, // 0.999999 gives 0; exactly 1 is odd
        {1640000, 2},
        {2147483648u, 2146},
        {4294967295u, 4294}, // no wrap near 4 GB
        {17179869184u, 17180},
        {~0ull, 2147483646}, // 16 GB as it is; the largest held
    };
    for (const auto &c : cases)
        EXPECT_EQ(PhysicalMemoryMB(c[0]), static_cast<int32_t>(c[1])) << c[0];
}

TEST(MeasureDrives, FloppyTypesFromTheMediaTheDriveTakes) {
    struct Case {
        std::vector<int> media;
        uint32_t bios;
    } const cases[] = {{{}, 0},       {{12, 11}, 0}, {{6}, 1},    {{1, 6, 7, 8, 9, 10}, 2},
                       {{5}, 3},      {{2, 5}, 4},   {{5, 2}, 4}, {{3, 2, 5}, 5},
                       {{17, 14}, 4}, {{19, 15}, 2}};
    for (const Case &c : cases)
        EXPECT_EQ(FloppyBiosTypeFromMediaTypes(c.media.data(), static_cast<int>(c.media.size())), c.bios)
            << c.media.size();
}

TEST(MeasureDrives, FloppyTypes) {
    // BIOS type, then the capacity (kilobytes for 360 and 720, else megabytes) and the size in inches.
    const float cases[][3] = {{0, 0, 0},        {1, 360, 5.25f},  {2, 1.2f, 5.25f},
                              {3, 720, 3.5f},   {4, 1.44f, 3.5f}, {5, 2.88f, 3.5f},
                              {6, 2.88f, 3.5f}, {7, 0, 0},        {0x104, 0, 0}};
    for (const auto &c : cases) {
        FloppyDrive drive = FloppyTypeFromBios(static_cast<uint32_t>(c[0]));
        EXPECT_EQ(std::vector<float>({drive.capacity, drive.inches}), std::vector<float>(c + 1, c + 3))
            << c[0];
    }
}

TEST(MeasureDrives, FixedDiskSizeIn64Bits) {
    EXPECT_EQ(FixedDiskSize(0, 0, 0), 0u);
    // 8 sectors of 512 bytes in 1,048,576 clusters: 4 GB, which a 32-bit product would make 0.
    EXPECT_EQ(FixedDiskSize(8, 512, 1048576), 4294967296ull);
    EXPECT_EQ(FixedDiskSize(0xFFFFFFFFu, 0xFFFFFFFFu, 1), 0xFFFFFFFE00000001ull);
}

TEST(MeasureKeyboard, FunctionKeys) {
    const int cases[][3] = {{4, 12, 12}, {2, 0, 12},  {6, 12, 24}, {1, 10, 10}, {3, 0, 10},
                            {7, 12, 12}, {4, 24, 24}, {0, 0, 10},  {-1, -1, 10}};
    for (const auto &c : cases)
        EXPECT_EQ(FunctionKeyCount(c[0], c[1]), c[2]) << "type " << c[0] << ", reported " << c[1];
}

TEST(MeasurePorts, PortNumberAndPresentFlags) {
    const std::pair<const char *, int> numbers[] = {
        {"COM1:", 1}, {"LPT3:", 3}, {"FILE:", 0},  {"COM10:", 10},  {"LPT0:", 0},
        {"COM5:", 0}, {"", 0},      {"COM25", 25}, {"CUPS:PDF", 0}, {"X1234567890123456789", 123456}};
    for (const auto &c : numbers)
        EXPECT_EQ(PortNumber(c.first), c.second) << c.first;
    EquipmentRecord record = {};
    record.comPresent[3] = 1; // found by the registry stages: kept
    for (const char *name : {"COM1:", "COM2:", "COM5:", "COM10:", "LPT1:", "LPT2:", "LPT4:", "FILE:", "lpt3:",
                             "COM0:", "LPT3:COM4"})
        ApplyPortName(record, name);
    EXPECT_EQ(ChangedFields(record),
              "COM present [1]=1 | COM present [2]=1 | COM present [3]=1 | LPT present [1]=1 | "
              "LPT present [2]=1 | LPT present [3]=1");
}

TEST(MeasureVersions, VersionWordDecoding) {
    const std::pair<uint32_t, const char *> cases[] = {{0x83B60004u, "4.00 950 9"},
                                                       {0xC0000A04u, "4.10 16384 9"}, // Windows 95 and 98
                                                       {0x05650004u, "4.00 1381 N"},
                                                       {0x1DB10106u, "6.01 7601 N"}, // Windows NT 4 and 7
                                                       {0x80000B03u, "3.11 0 S"}};   // Win32s
    for (const auto &[word, text] : cases) {
        WindowsVersion v = DecodeWindowsVersion(word);
        char decoded[40];
        snprintf(decoded, sizeof decoded, "%.2f %.0f %c", static_cast<double>(v.version),
                 static_cast<double>(v.build), v.platform);
        EXPECT_STREQ(decoded, text) << std::hex << word;
    }
}

// ---- The stages against a scripted system ----

struct ScriptedSystem {
    std::string events;                // announcements and steps, in order
    const char *drives = "";           // per letter from A: 'R' removable, 'F' fixed, 'C' CD-ROM, else none
    std::vector<uint32_t> floppyTypes; // by drive index
    char failingDrive = 0;             // its free-space query fails
    char extendedDrive = 0;            // the extended query answers for it: 6 TB
    bool joystick[3] = {};
    uint32_t clusters = 1000, version = 0xC0000004u;
    int keyboardType = 4;
    std::vector<std::string> printers, ports;
    const char *deviceNames[5] = {};
};

ScriptedSystem &Sys(void *context) {
    return *static_cast<ScriptedSystem *>(context);
}

MeasurePlatform ScriptedPlatform(ScriptedSystem &s) {
    MeasurePlatform p = {};
    p.context = &s;
    p.announce = [](void *c, const char *stage) { Sys(c).events += std::string(stage) + ", "; };
    p.step = [](void *c) { Sys(c).events += "+, "; };
    p.driveKind = [](void *c, char letter) {
        size_t i = static_cast<size_t>(letter - 'A');
        const char *kinds = " RFC",
                   *kind = i < strlen(Sys(c).drives) ? strchr(kinds, Sys(c).drives[i]) : nullptr;
        return kind ? static_cast<DriveKind>(kind - kinds) : kDriveOther;
    };
    p.floppyBiosType = [](void *c, int index) {
        return static_cast<size_t>(index) < Sys(c).floppyTypes.size() ? Sys(c).floppyTypes[index] : 0u;
    };
    p.diskGeometry = [](void *c, char letter, uint32_t *sectorsPerCluster, uint32_t *bytesPerSector,
                        uint32_t *clusters) {
        *sectorsPerCluster = 8;
        *bytesPerSector = 512;
        *clusters = Sys(c).clusters + static_cast<uint32_t>(letter - 'A'); // a different size per drive
        return letter != Sys(c).failingDrive;
    };
    p.diskTotalBytes = [](void *c, char letter, uint64_t *bytes) {
        *bytes = 6000000000000u;
        return letter == Sys(c).extendedDrive;
    };
    p.memoryStatus = [](void *, uint64_t *physical, uint64_t *pageFile, uint64_t *virtualBytes) {
        *physical = 16777216;
        *pageFile = 50000000;
        *virtualBytes = 2147352576;
    };
    p.bestLoopTime = [](void *) { return 36u; };
    p.probeModems = [](void *, EquipmentRecord &r) { r.modemSpeed[1] = 28800; };
    p.joystickAnswers = [](void *c, int joystick) { return Sys(c).joystick[joystick]; };
    p.mouseButtons = [](void *) { return 3; };
    p.keyboardType = [](void *c) { return Sys(c).keyboardType; };
    p.reportedFunctionKeys = [](void *) { return 12; };
    p.printerCount = [](void *c) { return static_cast<int>(Sys(c).printers.size()); };
    p.printerName = [](void *c, int i) { return Sys(c).printers.at(static_cast<size_t>(i)).c_str(); };
    p.enumeratePorts = [](void *c, void (*each)(void *, const char *), void *sink) {
        for (const std::string &port : Sys(c).ports)
            each(sink, port.c_str());
    };
    p.versionWord = [](void *c) { return Sys(c).version; };
    p.deviceName = [](void *c, MultimediaKind kind, char *name, size_t size) {
        if (Sys(c).deviceNames[kind])
            snprintf(name, size, "%s", Sys(c).deviceNames[kind]);
        return Sys(c).deviceNames[kind] != nullptr;
    };
    return p;
}

TEST(MeasuredStages, OrderOfTracesAndTheRecordFilled) {
    ScriptedSystem s;
    s.drives = "RFRCF"; // the BIOS drive index is the letter's
    s.floppyTypes = {4, 0, 1};
    s.failingDrive = 'B'; // the drive is counted, its size stays 0
    s.extendedDrive = 'E';
    s.joystick[2] = true;
    s.keyboardType = 6;
    s.printers = {"LaserJet 4", "X\n== FAKE\tY"}; // control bytes add no line or column to the export
    s.ports = {"COM1:", "LPT2:", "FILE:"};
    s.deviceNames[kWaveOutput] = "X\n== FAKE\tY";
    s.deviceNames[kMidiOutput] = "MIDI Out";
    auto record = std::make_unique<EquipmentRecord>();
    record->cpuType = 586;
    record->lptPresent[1] = 1; // flags of the registry stages stay
    RunMeasuredStagesWith(ScriptedPlatform(s), *record);
    EXPECT_EQ(s.events, "+, Start, Video Speed, Disks, Memory, CPU Speed, Modem Speed, Joysticks, Mouse, "
                        "Keyboard, Computer Name, Printers, Ports, Versions, Sound Devices, Done, ");
    EXPECT_EQ(
        ChangedFields(*record),
        "computer name=Default Computer | CPU type=586 | standard clock=200 | bus clock=200 | "
        "bus clock rating=16.96 | raw clock=200 | raw clock rating=16.96 | physical memory=16777216 | "
        "physical memory MB=16 | page file=50000000 | virtual memory=2147352576 | fixed disks=2 | "
        "CD-ROM drives=1 | floppy drives=2 | fixed disk size [1]=6000000000000 | floppy drive capacity "
        "[0]=1.44 | "
        "floppy drive size in inches [0]=3.5 | floppy drive capacity [1]=360 | "
        "floppy drive size in inches [1]=5.25 | COM present [1]=1 | LPT present [1]=1 | LPT present [2]=1 | "
        "modem speed [1]=28800 | function keys=24 | mouse buttons=3 | joysticks=1 | "
        "wave output name=X == FAKE Y | MIDI output name=MIDI Out | Windows version=4 | "
        "Windows build=16384 | Windows platform=9 | printer name [0]=LaserJet 4 | "
        "printer name [1]=X == FAKE Y");
}

TEST(MeasuredStages, MoreThanTheSlotsAreCountedNotStored) {
    ScriptedSystem s;
    s.drives = "RRRRRRRRRRRRFFFFFFFFFFFFCC"; // 12 removable, 12 fixed, 2 CD-ROM
    s.floppyTypes.assign(12, 3);
    for (int i = 0; i < 25; ++i)
        s.printers.push_back(i == 3 ? std::string(200, 'L') : "Printer " + std::to_string(i));
    EquipmentRecord record = {};
    StageDisks(ScriptedPlatform(s), record);
    StagePrinters(ScriptedPlatform(s), record);
    EXPECT_EQ(std::vector<int>({record.floppyDrives, record.fixedDisks, record.cdromDrives}),
              std::vector<int>({12, 12, 2}));
    for (int i = 0; i < kFloppySlots; ++i)
        EXPECT_FLOAT_EQ(record.floppy[i].capacity, 720.0f);
    for (int i = 0; i < kFixedDiskSlots; ++i)
        EXPECT_EQ(record.fixedDiskSize[i], 8u * 512 * (1000 + 12 + i)) << i;
    EXPECT_EQ(record.cdromKind, 0) << "the field after the last slot is untouched";
    EXPECT_STREQ(record.printerName[19], "Printer 19");
    EXPECT_EQ(std::string(record.printerName[3]), std::string(kPrinterNameSize - 1, 'L'))
        << "cut to its field";
}

} // namespace
