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

TEST(ClockOnWine, TheLoopRunsAndTakesMeasurableTime) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    RunTimingLoop();
    QueryPerformanceCounter(&end);
    double ms = (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
    EXPECT_GT(ms, 0.0);
    EXPECT_LT(ms, 1000.0);
    // The implied clock is what this processor would measure with a finer timer.
    RecordProperty("LoopMicroseconds", static_cast<int>(ms * 1000));
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

TEST_F(MeasuredStagesOnWine, FillTheRecord) {
    DWORD start = GetTickCount();
    RunMeasuredStages(g_app.main);
    DWORD elapsed = GetTickCount() - start;
    const EquipmentRecord &r = *g_equipment;

    // The loop takes under a millisecond here, so the timer sees 0 and the best time counts as 1 ms.
    EXPECT_GT(r.rawClock, 0);
    EXPECT_LE(r.rawClock, 7200);
    EXPECT_EQ(r.standardClock, NearestStandardClock(r.rawClock));
    EXPECT_EQ(r.busClock, 0) << "no CPU type from the registry stages in this record";

    MEMORYSTATUS memory = {};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    EXPECT_EQ(r.physicalMemory, SaturateToU32(memory.dwTotalPhys));
    EXPECT_GT(r.physicalMemory, 0u);
    EXPECT_EQ(r.physicalMemoryMB, PhysicalMemoryMB(r.physicalMemory));
    EXPECT_EQ(r.physicalMemoryMB % 2, 0);
    EXPECT_LE(std::fabs(r.physicalMemoryMB - r.physicalMemory / 1e6), 2.0);
    EXPECT_EQ(r.pageFile, SaturateToU32(memory.dwTotalPageFile));
    EXPECT_EQ(r.virtualMemory, SaturateToU32(memory.dwTotalVirtual))
        << "a 64-bit program's address space stops at the 32-bit top";

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_FLOAT_EQ(r.windowsVersion, version.dwMajorVersion + version.dwMinorVersion / 100.0f);
    EXPECT_EQ(r.windowsPlatform, version.dwPlatformId == VER_PLATFORM_WIN32_NT ? 'N' : '9');
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        EXPECT_FLOAT_EQ(r.windowsBuild, static_cast<float>(version.dwBuildNumber));
    }

    // Drives, counted again here.
    int fixed = 0, removable = 0, cdrom = 0;
    char firstFixed = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[] = {letter, ':', '\\', 0};
        switch (GetDriveTypeA(root)) {
            case DRIVE_FIXED:
                if (!fixed++)
                    firstFixed = letter;
                break;
            case DRIVE_REMOVABLE:
                ++removable;
                break;
            case DRIVE_CDROM:
                ++cdrom;
                break;
        }
    }
    EXPECT_EQ(r.fixedDisks, fixed);
    EXPECT_EQ(r.floppyDrives, removable);
    EXPECT_EQ(r.cdromDrives, cdrom);
    ASSERT_GE(fixed, 1) << "C: at least";
    char root[] = {firstFixed, ':', '\\', 0};
    DWORD sectors, bytes, freeClusters, clusters;
    ASSERT_TRUE(GetDiskFreeSpaceA(root, &sectors, &bytes, &freeClusters, &clusters));
    EXPECT_EQ(r.fixedDiskSize[0], static_cast<uint64_t>(clusters) * bytes * sectors);
    EXPECT_GT(r.fixedDiskSize[0], 0u);

    // The spooler lists COM1: to COM4: and LPT1: to LPT3:.
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(r.comPresent[n], 1u) << "COM" << n;
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(r.lptPresent[n], 1u) << "LPT" << n;

    DWORD printers = 0;
    const PRINTER_INFO_2A *list = GetPrinterList(&printers);
    for (DWORD i = 0; i < printers && i < kPrinterSlots; ++i)
        EXPECT_STREQ(r.printerName[i], list[i].pPrinterName);
    if (printers < kPrinterSlots) {
        EXPECT_STREQ(r.printerName[printers], "");
    }

    EXPECT_STREQ(r.computerName, "Default Computer");
    EXPECT_EQ(r.mouseButtons, GetSystemMetrics(SM_CMOUSEBUTTONS));
    EXPECT_GE(r.functionKeys, 10);
    EXPECT_EQ(r.joysticks, 0) << "Wine answers no joystick query";
    if (!waveOutGetNumDevs()) {
        EXPECT_STREQ(r.waveOutName, "");
    }

    // No COM port leads anywhere in the test prefix: nothing was probed, nobody waited.
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
