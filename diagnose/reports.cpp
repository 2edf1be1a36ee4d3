#include "diagnose/reports.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

void Blank(ReportBuffer &report) {
    AddReportLine(report, "%s", "");
}

void TestLine(ReportBuffer &report, const char *label, TestOutcome outcome) {
    AddReportLine(report, "%s\t%s", label, TestMark(outcome));
}

void TestLines(ReportBuffer &report, const char *const *labels, int count, TestOutcome outcome) {
    for (int i = 0; i < count; ++i)
        TestLine(report, labels[i], outcome);
}

void FlagLine(ReportBuffer &report, const char *label, uint32_t flag) {
    TestLine(report, label, OutcomeOfFlag(flag));
}

int CountFlags(const uint32_t *flags, int first, int last) {
    int n = 0;
    for (int i = first; i <= last; ++i)
        n += flags[i] != 0;
    return n;
}

int ModemPorts(const EquipmentRecord &e) {
    int n = 0;
    for (int32_t speed : e.modemSpeed)
        n += speed != 0;
    return n;
}

} // namespace

const char *TestMark(TestOutcome outcome) {
    if (outcome == kTestNotRun)
        return "\003Not tested";
    return PassFailMark(outcome == kTestFailed);
}

TestOutcome OutcomeOfFlag(uint32_t flag) {
    return flag ? kTestFailed : kTestPassed;
}

void FormatFloppyShort(const FloppyDrive &d, char *out, size_t outSize) {
    bool kb = d.capacity > 100;
    snprintf(out, outSize, "%g\", %g %s", d.inches, d.capacity, kb ? "KB" : "MB");
}

void FormatFloppyLong(const FloppyDrive &d, char *out, size_t outSize) {
    bool kb = d.capacity > 100;
    snprintf(out, outSize, "%.2f\", %.2f%s", d.inches, d.capacity, kb ? "KB" : "MB");
}

void WriteOverviewReport(ReportBuffer &report, const EquipmentRecord &e) {
    AddReportLine(report, "\006Installed equipment");
    if (e.cpuType == 586)
        AddReportLine(report, "CPU\t\003Pentium %d mHz", e.standardClock);
    else
        AddReportLine(report, "CPU\t\003%d %d mHz", e.cpuType, e.standardClock);
    if (e.fpuType == 487 || e.fpuType == 587)
        AddReportLine(report, "FPU\t\003Built-in");
    else
        AddReportLine(report, "FPU\t\003%d", e.fpuType);
    AddReportLine(report, "Memory\t\003%d MB", e.physicalMemoryMB);
    AddReportLine(report, "Video Card\t\003%s", e.videoCardName);
    int disks = e.fixedDisks < kFixedDiskSlots ? e.fixedDisks : kFixedDiskSlots;
    for (int i = 0; i < disks; ++i)
        AddReportLine(report, "Hard Disk %d\t\003%llu MB", i + 1,
                      static_cast<unsigned long long>(e.fixedDiskSize[i] / 1000000));
    int floppies = e.floppyDrives < kFloppySlots ? e.floppyDrives : kFloppySlots;
    for (int i = 0; i < floppies; ++i) {
        char size[64];
        FormatFloppyShort(e.floppy[i], size, sizeof size);
        AddReportLine(report, "Floppy Disk %d\t\003%s", i + 1, size);
    }
    AddReportLine(report, "CD-ROMs\t\003%d", e.cdromDrives);
    AddReportLine(report, "Serial Ports\t\003%d", CountFlags(e.comPresent, 1, 4));
    AddReportLine(report, "Parallel Ports\t\003%d", CountFlags(e.lptPresent, 1, 3));
    AddReportLine(report, "Game Ports\t\003%d", static_cast<int>(e.gamePort));
    AddReportLine(report, "Mouse Type\t\003%s", e.mouseName);
}

void WriteCpuReport(ReportBuffer &report, const EquipmentRecord &e, const CpuReportFacts &f) {
    AddReportLine(report, "\006CPU");
    if (e.cpuType == 586)
        AddReportLine(report, "Chip\t\003Pentium");
    else
        AddReportLine(report, "Chip\t\003%d", e.cpuType);
    // Processors of the last twenty years tell their name; the record holds it where one was told.
    if (e.processorName[0])
        AddReportLine(report, "Processor Name\t\003%s", e.processorName);
    AddReportLine(report, "Rated Speed\t\003%d mHz", e.standardClock);
    AddReportLine(report, "Measured Speed\t\003%d mHz", e.rawClock);
    AddReportLine(report, "Measured Power\t\003%.2f", e.rawClockRating);
    AddReportLine(report, "Clock Frequency\t\003%d mHz", e.busClock);
    AddReportLine(report, "Clock Power\t\003%.2f", e.busClockRating);
    Blank(report);
    AddReportLine(report, "\006CPU Register Tests");
    static const char *const registers[] = {"\003Passing 0 test", "\003Passing 1s test",
                                            "\003Walking 0 bit test", "\003Walking 1 bit test"};
    for (int i = 0; i < 4; ++i)
        TestLine(report, registers[i], f.registers[i]);
    Blank(report);
    AddReportLine(report, "\006Flag Register Tests");
    static const char *const flags[] = {"\003Carry flag error test", "\003Zero flag error test",
                                        "\003Parity flag error test", "\003Sign flag error test"};
    TestLines(report, flags, 4, f.flags);
    Blank(report);
    Blank(report);
    AddReportLine(report, "\006Math Coprocessor (FPU)");
    AddReportLine(report, "Chip\t\003%d", e.fpuType);
    AddReportLine(report, "Location\t\003%s", e.fpuType == 387 ? "Separate chip" : "Built-in");
    Blank(report);
    AddReportLine(report, "\006Math Coprocessor (FPU) Tests");
    static const char *const fpu[] = {"\003FPU identification test", "\003FPU compatibility test",
                                      "\003FPU instruction test"};
    TestLines(report, fpu, 3, f.fpu);
    Blank(report);
    AddReportLine(report, "\006Math Coprocessor/Emulator Tests");
    static const char *const emulator[] = {"\003FPU/Emulation test", "\003FPU/Emulator add test",
                                           "\003FPU/Emulator subtract test", "\003FPU/Emulator multiply test",
                                           "\003FPU/Emulator divide test"};
    TestLines(report, emulator, 5, f.fpu);
}

void WriteFloppyReport(ReportBuffer &report, const EquipmentRecord &e, const FloppyTestResults &tests,
                       TestOutcome outcome) {
    AddReportLine(report, "\006Floppy Drives");
    AddReportLine(report, "Controllers\t\003%d", e.floppyControllers);
    AddReportLine(report, "Drives\t\003%d", e.floppyDrives);
    for (int d = 0; d < 2; ++d) {
        if (e.floppy[d].capacity == 0)
            continue;
        Blank(report);
        char size[64];
        FormatFloppyLong(e.floppy[d], size, sizeof size);
        AddReportLine(report, "\002Drive %c:\t\002%s", 'A' + d, size);
        // A drive the routines could not reach reads "Not tested", never "Passed".
        bool ran = outcome != kTestNotRun && tests.tested[d];
        auto line = [&](const char *label, int result) {
            TestLine(report, label, ran ? OutcomeOfFlag(tests.flag[d][result]) : kTestNotRun);
        };
        line("Drive ready test", kFloppyNoType);
        line("BIOS/CMOS/PnP test", kFloppyNoType);
        line("Operation status test", kFloppyStatus);
        line("Controller reset test", kFloppyReset);
        line("Head reset test", kFloppyReset);
        line("Head positioning test", kFloppyReset);
        line("Change line high test", 3);
        line("Change line low test", 3);
    }
}

void WriteTypeLines(ReportBuffer &report, const uint32_t *flags, int count) {
    static const char *const names[] = {"",
                                        "ISA",
                                        "EISA",
                                        "MCA",
                                        "APIC",
                                        "Cyrix",
                                        "PCI",
                                        "VLB/VESA",
                                        "PCMCIA - Intel",
                                        "PCMCIA - Cirrus Logic",
                                        "PCMCIA - VLSI"};
    static const int order[] = {1, 2, 3, 6, 7, 4, 5, 8, 9, 10};
    for (int index : order)
        if (index < count && flags[index])
            AddReportLine(report, "Types\t\003%s", names[index]);
}

void WriteMotherboardReport(ReportBuffer &report, const EquipmentRecord &e) {
    AddReportLine(report, "\006System");
    AddReportLine(report, "Computer Name\t\003%s", e.computerName);
    Blank(report);
    AddReportLine(report, "\006BIOS");
    AddReportLine(report, "Name\t\003%s", e.biosName);
    AddReportLine(report, "Date\t\003%s", e.biosDate);
    Blank(report);
    AddReportLine(report, "\006DMA Controllers");
    WriteTypeLines(report, e.dmaController, 4);
    Blank(report);
    AddReportLine(report, "\006Interrupt Controllers");
    WriteTypeLines(report, e.interruptController, 6);
    Blank(report);
    AddReportLine(report, "\006BUS");
    WriteTypeLines(report, e.busPresent, 12);
    Blank(report);
    AddReportLine(report, "\006Timers");
    WriteTypeLines(report, e.timer, 4);
}

void PowerEstimate(const EquipmentRecord &e, int w[kPowerRows]) {
    w[0] = 20;
    w[1] = static_cast<int>(e.physicalMemoryMB * 0.5);
    w[2] =
        3 * (e.hardDiskControllers + static_cast<int>(e.hardDiskControllerOnPci + e.hardDiskControllerOnVl +
                                                      e.hardDiskControllerOnEisa));
    w[3] = 5;
    int io = CountFlags(e.comPresent, 1, 4) + CountFlags(e.lptPresent, 1, 3) + CountFlags(e.lptEcp, 1, 3) +
             (e.ps2Port != 0) + (e.gamePort != 0);
    w[4] = static_cast<int>(1.5 * io);
    w[5] = 5 * e.floppyDrives;
    w[6] = 5 * e.fixedDisks;
    w[7] = 7 * e.cdromDrives;
    w[8] = e.soundCardName[0] ? 5 : 0;
    w[9] = e.scsiAdapters != 0 || e.busPresent[11] ? 10 : 0;
    w[10] = 6 * ModemPorts(e);
}

void WritePowerReport(ReportBuffer &report, const EquipmentRecord &e) {
    static const char *const labels[kPowerRows] = {
        "Motherboard", "Memory Modules", "Disk Controllers",    "Video Card",
        "I/O Card",    "Floppy Drives",  "Hard Drives",         "CD-ROM Drives (if internal)",
        "Sound Card",  "SCSI Card",      "Modems (if internal)"};
    int watts[kPowerRows];
    PowerEstimate(e, watts);
    AddReportLine(report, "\006Estimated Power Usage");
    int total = 0;
    for (int i = 0; i < kPowerRows; ++i) {
        total += watts[i];
        AddReportLine(report, "%s\t%s%d", labels[i], i == kPowerRows - 1 ? "\006\003" : "\003", watts[i]);
    }
    AddReportLine(report, "Total\t\003%d watts", total);
    Blank(report);
    AddReportLine(report, "\006Typical Power Supplies (%% Of Capacity)");
    for (int capacity : {135, 150, 200, 250, 300})
        AddReportLine(report, "%d Watts\t\003%d", capacity, total * 100 / capacity);
}

void WriteVideoReport(ReportBuffer &report, const EquipmentRecord &e, TestOutcome videoTest) {
    AddReportLine(report, "\006Video Card");
    AddReportLine(report, "Name\t\003%s", e.videoCardName);
    const char *type = e.videoBus == 'E'   ? "EISA"
                       : e.videoBus == 'P' ? "PCI"
                       : e.videoBus == 'V' ? "VLB or VESA"
                                           : "ISA or MCA";
    AddReportLine(report, "Type\t\003%s", type);
    Blank(report);
    AddReportLine(report, "\006Video Display");
    AddReportLine(report, "Monitor Name\t\003%s", e.monitorName);
    AddReportLine(report, "Screen Size\t\003%d", static_cast<int>(e.monitorSize));
    AddReportLine(report, "Dot Pitch\t\003%.02f", e.monitorDotPitch);
    AddReportLine(report, "Max Horizontal Resolution\t\003%d", e.monitorMaxWidth);
    AddReportLine(report, "Screen Area\t\003%d", static_cast<int>(e.monitorArea));
    Blank(report);
    AddReportLine(report, "\006Test Results");
    static const char *const tests[] = {"Video Memory Test", "Video DAC Test", "Interface Test", "Color Test",
                                        "Video Refresh Test"};
    TestLines(report, tests, 5, videoTest);
}

uint64_t DriveTotalBytes(const DriveFacts &d) {
    return static_cast<uint64_t>(d.bytesPerSector) * d.sectorsPerCluster * d.totalClusters;
}

namespace {

void WriteDrive(ReportBuffer &report, const DriveFacts &d, bool cdrom) {
    AddReportLine(report, "\006\002Drive %c:", d.letter);
    if (!d.spaceRead) {
        if (cdrom)
            AddReportLine(report,
                          "\003Unable to test. No CD currently in drive. Please insert a CD and rerun "
                          "this test.");
    } else {
        AddReportLine(report, "Bytes Per Sector\t\003%lu", static_cast<unsigned long>(d.bytesPerSector));
        AddReportLine(report, "Sectors Per Cluster\t\003%lu",
                      static_cast<unsigned long>(d.sectorsPerCluster));
        AddReportLine(report, "Total Clusters\t\003%lu", static_cast<unsigned long>(d.totalClusters));
        AddReportLine(report, "Total Bytes\t\003%llu", static_cast<unsigned long long>(DriveTotalBytes(d)));
    }
    if (d.spaceRead && d.volumeRead) {
        char name[256], fileSystem[256];
        CopyOutsideText(d.volumeName, name, sizeof name);
        CopyOutsideText(d.fileSystemName, fileSystem, sizeof fileSystem);
        AddReportLine(report, "Volume Name\t\003%s", name);
        AddReportLine(report, "Serial Number\t\003%lu", static_cast<unsigned long>(d.serialNumber));
        AddReportLine(report, "Filename Length Max\t\003%lu",
                      static_cast<unsigned long>(d.maxComponentLength));
        AddReportLine(report, "Filename Case Preserved\t%s", YesNoMark(d.fileSystemFlags & 2));
        AddReportLine(report, "%s\t%s", cdrom ? "Filename Case Sensitive" : "Filenames Case Sensitive",
                      YesNoMark(d.fileSystemFlags & 1));
        AddReportLine(report, "File System Name\t\003%s", fileSystem);
    }
    Blank(report);
}

} // namespace

void WriteHardDriveReport(ReportBuffer &report, const EquipmentRecord &e, const DriveFacts *drives,
                          int count) {
    AddReportLine(report, "\006Hard Drives");
    AddReportLine(report, "Controllers\t\003%d", e.hardDiskControllers);
    if (e.hardDiskControllers != 0)
        AddReportLine(report, "Controller Type\t\003IDE/ESDI/AT");
    if (e.hardDiskControllerOnPci)
        AddReportLine(report, "Controller Type\t\003PCI");
    if (e.hardDiskControllerOnVl)
        AddReportLine(report, "Controller Type\t\003VLB/VESA");
    if (e.hardDiskControllerOnEisa)
        AddReportLine(report, "Controller Type\t\003EISA");
    AddReportLine(report, "Logical Drives\t\003%d", e.fixedDisks);
    Blank(report);
    for (int i = 0; i < count; ++i)
        WriteDrive(report, drives[i], false);
}

void WriteCdromReport(ReportBuffer &report, const EquipmentRecord &e, const DriveFacts *drives, int count) {
    AddReportLine(report, "\006CD-ROM");
    AddReportLine(report, "Drives\t\003%d", e.cdromDrives);
    const char *kind = e.cdromKind == 'I'   ? "IDE"
                       : e.cdromKind == 'P' ? "Proprietary"
                       : e.cdromKind == 'S' ? "SCSI"
                                            : nullptr;
    if (kind)
        AddReportLine(report, "Type\t\003%s", kind);
    Blank(report);
    for (int i = 0; i < count; ++i)
        WriteDrive(report, drives[i], true);
}

void WritePortTestReport(ReportBuffer &report, const EquipmentRecord &e, const PortAccess ports[5]) {
    int lpt = 0;
    for (int n = 1; n <= 3; ++n)
        lpt += e.lptPresent[n] || e.lptEcp[n];
    AddReportLine(report, "\006Port Summary");
    AddReportLine(report, "Serial (COM) Ports\t\003%x", CountFlags(e.comPresent, 1, 4));
    AddReportLine(report, "Parallel (Printer) Ports\t\003%x", lpt);
    AddReportLine(report, "Game Ports\t\003%x", e.gamePort);
    AddReportLine(report, "PS/2 Ports\t\003%x", e.ps2Port);
    Blank(report);
    static const char *const checks[] = {"Baud Rate Test", "Binary Mode Check", "Parity Check", "CTS Check",
                                         "DSR Check",      "DTR Check",         "RTS Check"};
    for (int n = 1; n <= 4; ++n) {
        AddReportLine(report, "\006Serial Port COM%d", n);
        FlagLine(report, "Sense Results", ports[n] == kPortAbsent);
        if (ports[n] == kPortInUse) {
            AddReportLine(report, "Currently In Use\t%s", YesNoMark(1));
            for (const char *check : checks)
                AddReportLine(report, "%s\t\003Unable to test - port currently assigned to another program",
                              check);
        } else if (ports[n] != kPortAbsent) {
            AddReportLine(report, "Currently In Use\t%s", YesNoMark(0));
            for (const char *check : checks)
                FlagLine(report, check, ports[n] != kPortOpened);
        }
        Blank(report);
    }
    for (int n = 1; n <= 3; ++n) {
        AddReportLine(report, "\006Parallel Port LPT%d", n);
        FlagLine(report, "Sense Results", e.lptPresent[n] == 0);
        FlagLine(report, "Currently In Use", e.lptPresent[n] == 0);
        Blank(report);
    }
    AddReportLine(report, "\006Game Port");
    FlagLine(report, "Sense Results", e.gamePort == 0);
    FlagLine(report, "Currently In Use", e.gamePort == 0);
    Blank(report);
    AddReportLine(report, "\006PS/2 Port");
    FlagLine(report, "Sense Results", e.ps2Port == 0);
    FlagLine(report, "Currently In Use", strstr(e.mouseName, "PS") == nullptr);
}

void WriteModemReport(ReportBuffer &report, const EquipmentRecord &e, int probeResult,
                      const PortAccess ports[5]) {
    int n = ModemPorts(e);
    AddReportLine(report, "\006Modem Tests");
    AddReportLine(report, "Modems Found\t\003%d", n > probeResult ? n : probeResult);
    Blank(report);
    if (n == 0) {
        AddReportLine(report, "\006Modem Search Results");
        for (int p = 1; p <= 4; ++p) {
            if (ports[p] == kPortAbsent)
                AddReportLine(report, "\003COM%d\t\003No Serial Port found", p);
            else if (ports[p] == kPortInUse)
                AddReportLine(report, "\002COM%d\t\002Unable to test - currently assigned to another program",
                              p);
            else if (probeResult == 0)
                AddReportLine(report, "\003COM%d\t\003Modem not found", p);
            else
                AddReportLine(report,
                              "\003COM%d\t\003Modem, if present, could not be queried. Reboot the PC and try "
                              "again",
                              p);
        }
        return;
    }
    static const char *const tests[] = {"Baud Rate Test",
                                        "Loopback Test",
                                        "Internal Reset Test",
                                        "AT Command Set Test",
                                        "Advanced Features Test",
                                        "DTR Test",
                                        "DSR Test",
                                        "CTS Test",
                                        "RTS Test"};
    int k = 0;
    for (int p = 0; p < 4; ++p) {
        if (e.modemSpeed[p] == 0)
            continue;
        AddReportLine(report, "\006\003Modem #%d", ++k);
        AddReportLine(report, "Modem Name\t\003%s", e.modemName);
        AddReportLine(report, "Serial Port\t\003COM%d", p + 1);
        AddReportLine(report, "Maximum Baud Rate\t\003%d", e.modemSpeed[p]);
        Blank(report);
        AddReportLine(report, "\006Modem Tests");
        for (const char *test : tests)
            FlagLine(report, test, static_cast<uint32_t>(probeResult));
        Blank(report);
    }
}

void WriteJoystickReport(ReportBuffer &report, const EquipmentRecord &e, const JoystickFacts *sticks,
                         const TestOutcome tests[5]) {
    AddReportLine(report, "\006Joysticks");
    AddReportLine(report, "Number Attached\t\003%d", e.joysticks);
    Blank(report);
    for (int k = 1; k <= e.joysticks && sticks; ++k) {
        const JoystickFacts &j = sticks[k - 1];
        char name[128];
        CopyOutsideText(j.name, name, sizeof name);
        AddReportLine(report, "\006\002Joystick %d", k);
        AddReportLine(report, "Name\t\003%s", name);
        const struct {
            const char *label;
            int value;
        } values[] = {{"Manufacturer ID", j.manufacturerId},
                      {"Product ID", j.productId},
                      {"Number of Buttons", j.buttons},
                      {"Minimum X", j.minX},
                      {"Maximum X", j.maxX},
                      {"Minimum Y", j.minY},
                      {"Maximum Y", j.maxY},
                      {"Minimum Z", j.minZ},
                      {"Maximum Z", j.maxZ},
                      {"Minimum Polling Rate", j.minPeriod},
                      {"Maximum Polling Rate", j.maxPeriod}};
        for (const auto &v : values)
            AddReportLine(report, "%s\t\003%d", v.label, v.value);
        Blank(report);
    }
    AddReportLine(report, "\006Joystick Tests");
    static const char *const labels[] = {"Stuck Button Test", "Button Press Test", "Button Release Test",
                                         "Range Test", "Skipping Test"};
    for (int i = 0; i < 5; ++i)
        TestLine(report, labels[i], tests[i]);
    Blank(report);
    Blank(report);
}

void WriteKeyboardReport(ReportBuffer &report, const EquipmentRecord &e, const KeyboardFacts &f) {
    AddReportLine(report, "\006Keyboard");
    AddReportLine(report, "Name\t\003%s", e.keyboardName);
    AddReportLine(report, "Layout\t\003%s", f.layout);
    AddReportLine(report, "Keys\t\003%d", e.keyboardKeys);
    AddReportLine(report, "Function Keys\t\003%d", e.functionKeys);
    char value[256];
    CopyOutsideText(f.keyboardDll[0] ? f.keyboardDll : "None", value, sizeof value);
    AddReportLine(report, "Keyboard DLL\t\003%s", value);
    CopyOutsideText(f.definitionFile[0] ? f.definitionFile : "None", value, sizeof value);
    AddReportLine(report, "Definition File\t\003%s", value);
}

void WriteMemoryTestReport(ReportBuffer &report, const EquipmentRecord &e, const MemoryFigures &now,
                           const MemoryTestResults &tests, TestOutcome outcome) {
    AddReportLine(report, "\006Memory Overview");
    AddReportLine(report, "RAM Installed\t\003%d MB", e.physicalMemoryMB);
    AddReportLine(report, "RAM Usable\t\003%llu bytes", static_cast<unsigned long long>(now.totalPhys));
    AddReportLine(report, "Page File Size\t\003%llu bytes",
                  static_cast<unsigned long long>(now.totalPageFile));
    AddReportLine(report, "Virtual Space\t\003%llu bytes", static_cast<unsigned long long>(now.totalVirtual));
    Blank(report);
    AddReportLine(report, "\006Memory Tests");
    AddReportLine(report, "Physical RAM Tested\t\003%llu", static_cast<unsigned long long>(now.totalPhys));
    AddReportLine(report, "Blocks Tested\t\003%lu", static_cast<unsigned long>(tests.word[kMemBlocksTested]));
    Blank(report);
    AddReportLine(report, "\006Memory Test Results");
    static const char *const labels[] = {"Allocated RAM Test", "Block Size Test", "Stuck Bit Test",
                                         "Parity Test",        "Weak Bit Test",   "Verify Test",
                                         "Pattern Test",       "Walking 1 Test",  "Walking 0 Test"};
    for (int i = 0; i < 9; ++i)
        TestLine(report, labels[i], outcome == kTestNotRun ? kTestNotRun : OutcomeOfFlag(tests.word[i + 1]));
}

void WriteMouseReport(ReportBuffer &report, const EquipmentRecord &e, bool present, TestOutcome mouseTest) {
    AddReportLine(report, "\006Mouse");
    AddReportLine(report, "Present\t%s", YesNoMark(present));
    if (!present)
        return;
    AddReportLine(report, "Name\t\003%s", e.mouseName);
    AddReportLine(report, "Buttons\t\003%d", e.mouseButtons);
    Blank(report);
    AddReportLine(report, "\006Mouse Tests");
    TestLine(report, "Stuck Button Test", mouseTest == kTestNotRun ? kTestNotRun : kTestPassed);
    static const char *const labels[] = {"Tracking Test",     "Positioning Test", "Left Button Test",
                                         "Right Button Test", "Skipping Test",    "Spurious Values Test"};
    TestLines(report, labels, 6, mouseTest);
}

void WritePrinterReport(ReportBuffer &report, const PrinterFacts *printers, int count,
                        TestOutcome printerTest) {
    AddReportLine(report, "\006Printers");
    AddReportLine(report, "Number of printers\t\003%d", count);
    Blank(report);
    for (int i = 0; i < count; ++i) {
        const PrinterFacts &p = printers[i];
        const struct {
            const char *label, *value;
        } fields[] = {{"Driver", p.driver},
                      {"Port", p.port},
                      {"Description", p.comment},
                      {"Share Name", p.shareName},
                      {"Separations File", p.separatorFile},
                      {"Printer Processor", p.processor},
                      {"Data Type", p.dataType},
                      {"Parameters", p.parameters}};
        char text[kReportSlotSize];
        CopyOutsideText(p.name ? p.name : "", text, sizeof text);
        AddReportLine(report, "\006\002%s", text);
        for (const auto &f : fields) {
            CopyOutsideText(f.value ? f.value : "", text, sizeof text);
            AddReportLine(report, "%s\t\003%s", f.label, text);
        }
        Blank(report);
    }
    AddReportLine(report, "\006Test Results");
    static const char *const labels[] = {"Interface Test",   "Printer Reset Test", "Printer Driver Test",
                                         "Print Start Test", "Printing Test",      "Print End Test",
                                         "Page Eject Test"};
    TestLines(report, labels, 7, printerTest);
}

void WriteSoundReport(ReportBuffer &report, const EquipmentRecord &e, const SoundDevice *devices, int count) {
    static const char *const labels[] = {"Waveform Input", "Waveform Output", "Midi Input Devices",
                                         "Midi Output Devices", "Auxiliary Audio Devices"};
    AddReportLine(report, "\006Sound Card");
    AddReportLine(report, "\003%s", e.soundCardName);
    Blank(report);
    AddReportLine(report, "\006Sound Card Drivers");
    for (int i = 0; i < count; ++i) {
        char name[64];
        CopyOutsideText(devices[i].name, name, sizeof name);
        AddReportLine(report, "%s\t\003%s", labels[devices[i].kind], name);
    }
}

namespace {

struct BusSink {
    ReportBuffer *report;
    const char *name;
    int found;
};

void AddBusDevice(void *sink, const char *description) {
    BusSink &s = *static_cast<BusSink *>(sink);
    if (s.found++ == 0)
        AddReportLine(*s.report, "\006%s BUS", s.name);
    char text[kReportSlotSize];
    CopyOutsideText(description ? description : "", text, sizeof text);
    AddReportLine(*s.report, "\003%s", text);
}

} // namespace

void WriteSystemBusReport(ReportBuffer &report, const EquipmentRecord &e, const BusDeviceLister &lister) {
    AddReportLine(report, "\006System Buses Present");
    const struct {
        const char *label;
        int index;
    } buses[] = {{"ISA", 1},
                 {"EISA", 2},
                 {"MCA", 3},
                 {"PCI", 6},
                 {"PCMCIA (Intel)", 8},
                 {"PCMCIA (Cirrus)", 9},
                 {"PCMCIA (VLSI)", 10},
                 {"SCSI", 11},
                 {"VL/VESA", 7}};
    for (const auto &b : buses)
        AddReportLine(report, "%s\t%s", b.label, YesNoMark(e.busPresent[b.index]));
    Blank(report);
    static const char *const ids[] = {"ISAPNP", "ISAWPU", "EISA", "MCA",  "PCI",
                                      "PCMCIA", "VL",     "VESA", "SCSI", "ESDI"};
    for (const char *id : ids) {
        BusSink sink = {&report, id, 0};
        if (lister.list)
            lister.list(lister.context, id, AddBusDevice, &sink);
        if (sink.found)
            Blank(report);
    }
}
