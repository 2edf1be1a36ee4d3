// The measured stages against Wine: the timing loop, memory, version, drives, ports, and the modem
// probe on a prefix whose COM ports lead nowhere.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cmath>

#include "platform/globals_win.h"
#include "inventory/measurements_win.h"
#include "platform/printers_win.h"
#include "inventory/modem_probe.h"
#include "platform/utilities.h"

namespace {

// Runs the measured stages on a zero-filled record and puts the real one back afterwards.
class MeasuredStagesOnWine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(g_equipment, nullptr);
        saved_ = *g_equipment;
        *g_equipment = {};
    }
    void TearDown() override {
        if (g_equipment)
            *g_equipment = saved_;
    }
    EquipmentRecord saved_;
};

// ---- The timing loop ----

struct InjectedTimer {
    uint32_t now = 5000;
    uint32_t step = 36; // each run seems to take this long
    bool after = false;
    int loops = 0;
    int loopsAtRealTime = 0;
};

InjectedTimer g_timer;

uint32_t InjectedRead(void *context) {
    auto *t = static_cast<InjectedTimer *>(context);
    if (t->after)
        t->now += t->step;
    t->after = !t->after;
    return t->now;
}

void RealLoop(void *context) {
    auto *t = static_cast<InjectedTimer *>(context);
    ++t->loops;
    if (GetPriorityClass(GetCurrentProcess()) == REALTIME_PRIORITY_CLASS)
        ++t->loopsAtRealTime;
    RunTimingLoop();
}

uint32_t InjectedBestTime(void *) {
    return MeasureBestLoopTime({&g_timer, InjectedRead, RealLoop});
}

TEST(ClockOnWine, TenRunsAtRealTimeThenThePriorityIsBack) {
    DWORD before = GetPriorityClass(GetCurrentProcess());
    g_timer = {};
    g_timer.step = 72;
    EXPECT_EQ(MeasureBestLoopTime({&g_timer, InjectedRead, RealLoop}), 72u);
    EXPECT_EQ(g_timer.loops, 10);
    EXPECT_EQ(g_timer.loopsAtRealTime, 10);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), before);
}

TEST_F(MeasuredStagesOnWine, InjectedTimerGivesTheClock) {
    g_equipment->cpuType = 486;
    g_timer = {};
    g_timer.step = 109; // 7200 / 109 = 66
    MeasurePlatform platform = WindowsMeasurePlatform();
    platform.bestLoopTime = InjectedBestTime;
    StageCpuSpeed(platform, *g_equipment);
    EXPECT_EQ(g_equipment->rawClock, 66);
    EXPECT_EQ(g_equipment->standardClock, 66);
    EXPECT_EQ(g_equipment->busClock, 33);
    EXPECT_NEAR(g_equipment->busClockRating, 2.1525f, 1e-4);
    EXPECT_EQ(g_timer.loops, 10);
}

// ---- The whole measured half ----

// What the test prefix is: Wine's default Windows 7, drives C: and Q: (the programs' folder), the
// spooler's COM1: to COM4: and LPT1: to LPT3:, no joystick, COM ports that lead nowhere.
TEST_F(MeasuredStagesOnWine, FillTheRecordWithTheTestMachine) {
    DWORD start = GetTickCount();
    RunMeasuredStages(g_app.main);
    DWORD elapsed = GetTickCount() - start;
    const EquipmentRecord &r = *g_equipment;

    // Any processor that runs Wine is far beyond the last standard clock, and names itself.
    EXPECT_GT(r.rawClock, 300);
    EXPECT_EQ(r.standardClock, r.rawClock);
    EXPECT_NE(r.processorName[0], 0);
    EXPECT_EQ(r.busClock, 0) << "no CPU type from the registry stages in this record";
    EXPECT_GT(r.physicalMemory, 0u);
    EXPECT_EQ(r.physicalMemoryMB % 2, 0);
    EXPECT_LE(std::fabs(r.physicalMemoryMB - r.physicalMemory / 1e6), 2.0);
    EXPECT_GT(r.virtualMemory, 0u);

    EXPECT_FLOAT_EQ(r.windowsVersion, 6.01f);
    EXPECT_EQ(r.windowsPlatform, 'N');
    EXPECT_FLOAT_EQ(r.windowsBuild, 7601.0f);

    EXPECT_EQ(r.fixedDisks, 2);
    EXPECT_EQ(r.floppyDrives, 0);
    EXPECT_EQ(r.cdromDrives, 1); // R:, without a disc
    EXPECT_GT(r.fixedDiskSize[0], 0u);
    EXPECT_GT(r.fixedDiskSize[1], 0u);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(r.comPresent[n], 1u) << "COM" << n;
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(r.lptPresent[n], 1u) << "LPT" << n;

    EXPECT_STREQ(r.computerName, "Default Computer");
    EXPECT_GE(r.functionKeys, 10);
    EXPECT_EQ(r.joysticks, 0) << "Wine answers no joystick query";
    // No COM port leads anywhere: nothing was probed, nobody waited.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(r.modemSpeed[i], 0) << "COM" << i + 1;
    EXPECT_LT(elapsed, 3000u);
}

TEST(PrinterListOnWine, EnumeratedOnceAndShared) {
    DWORD first = 99, second = 98;
    const PRINTER_INFO_2A *a = GetPrinterList(&first);
    const PRINTER_INFO_2A *b = GetPrinterList(&second);
    EXPECT_EQ(a, b);
    EXPECT_EQ(first, second);
    if (first == 0) {
        EXPECT_EQ(a, nullptr);
    }
}

// ---- The modem probe on the real ports ----
// The test prefix maps COM1..COM4 to paths that do not exist.

struct CountingPorts {
    SerialPortAccess real;
    int opened = 0;
    int written = 0;
};

CountingPorts g_counting;

SerialPortAccess Counting() {
    g_counting = {};
    g_counting.real = WindowsSerialPorts();
    SerialPortAccess a = g_counting.real;
    a.open = [](void *context, const char *name) {
        void *port = g_counting.real.open(context, name);
        if (port)
            ++g_counting.opened;
        return port;
    };
    a.write = [](void *context, void *port, const void *bytes, uint32_t count) {
        ++g_counting.written;
        return g_counting.real.write(context, port, bytes, count);
    };
    return a;
}

TEST_F(MeasuredStagesOnWine, NoComPortIsProbed) {
    DWORD start = GetTickCount();
    EXPECT_EQ(ModemProbe(Counting(), *g_equipment), 0);
    // Wine opens COM1..COM4 even when their paths lead nowhere, but the modem status call fails there
    // (as on a pseudo-terminal), so each port is closed again before the command.
    EXPECT_LE(g_counting.opened, 4);
    EXPECT_EQ(g_counting.written, 0) << g_counting.opened << " ports opened";
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(g_equipment->modemSpeed[i], 0);
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(ModemProbe(*g_equipment), 0);
}

} // namespace
