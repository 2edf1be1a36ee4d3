// The Diagnose report writers on the inventory's fixture machines and on small records.
#include "diagnose/reports.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <memory>
#include <string>

#include "inventory/registry_stages.h"
#include "tests/inventory/inventory_test_helpers.h"
#include "tests/report_buffer_helpers.h"

namespace {

// A fixture machine through the registry stages, with the measured values a start-up adds.
std::unique_ptr<EquipmentRecord> FixtureMachine(const char *fixture, int processorType) {
    Machine m(FixtureText(fixture));
    auto e = std::make_unique<EquipmentRecord>();
    RunRegistryStages(m.access, *e, StageHooks{nullptr, nullptr, nullptr, processorType, 0, 0});
    e->standardClock = 90;
    e->physicalMemoryMB = 16;
    e->fixedDisks = 1;
    e->fixedDiskSize[0] = 1050000000;
    e->floppyDrives = 2;
    e->floppy[0] = {1.44f, 3.5f};
    e->floppy[1] = {360.0f, 5.25f};
    e->cdromDrives = 1;
    return e;
}

TEST(DiagnoseRules, FloppySizesInMbUpTo100AndKbAbove) {
    const struct {
        FloppyDrive drive;
        const char *shortText, *longText;
    } cases[] = {{{1.44f, 3.5f}, "3.5\", 1.44 MB", "3.50\", 1.44MB"},
                 {{360, 5.25f}, "5.25\", 360 KB", "5.25\", 360.00KB"},
                 {{100, 3.5f}, "3.5\", 100 MB", "3.50\", 100.00MB"},
                 {{100.5f, 3.5f}, "3.5\", 100.5 KB", "3.50\", 100.50KB"}};
    for (const auto &c : cases) {
        char text[64];
        FormatFloppyShort(c.drive, text, sizeof text);
        EXPECT_STREQ(text, c.shortText);
        FormatFloppyLong(c.drive, text, sizeof text);
        EXPECT_STREQ(text, c.longText);
    }
}

TEST(DiagnoseRules, TypeLinesInTheirOwnOrderAndOnlyInsideTheArray) {
    uint32_t all[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    auto report = NewReport();
    WriteTypeLines(*report, all, 12);
    EXPECT_EQ(ReportText(*report), "Types\t\003ISA\nTypes\t\003EISA\nTypes\t\003MCA\nTypes\t\003PCI\n"
                                   "Types\t\003VLB/VESA\nTypes\t\003APIC\nTypes\t\003Cyrix\n"
                                   "Types\t\003PCMCIA - Intel\nTypes\t\003PCMCIA - Cirrus Logic\n"
                                   "Types\t\003PCMCIA - VLSI\n");
    report = NewReport();
    WriteTypeLines(*report, all, 4); // a timer array: 1..3 only
    EXPECT_EQ(ReportText(*report), "Types\t\003ISA\nTypes\t\003EISA\nTypes\t\003MCA\n");
}

TEST(DiagnoseRules, PowerRowsAndShareOfEachSupply) {
    auto e = FixtureMachine("id_eisa_server.reg", 486);
    // 20 + 8 + 0 + 5 + int(1.5 x 6) + 10 + 5 + 7 + 0 + 10 + 6 x 2
    e->modemSpeed[0] = e->modemSpeed[3] = 28800;
    int watts[kPowerRows];
    PowerEstimate(*e, watts);
    EXPECT_EQ(std::vector<int>(watts, watts + kPowerRows),
              (std::vector<int>{20, 8, 0, 5, 9, 10, 5, 7, 0, 10, 12}));
    auto desktop = FixtureMachine("id_pci_desktop.reg", 586);
    PowerEstimate(*desktop, watts);
    EXPECT_EQ(watts[2], 6); // a controller and its PCI flag
    EXPECT_EQ(watts[8], 5);
    EXPECT_EQ(watts[9], 10); // the SCSI bus flag alone

    // 135 W in all: 100, 90, 67, 54 and 45 percent.
    auto bare = std::make_unique<EquipmentRecord>();
    bare->physicalMemoryMB = 220; // 20 + 110 + 5
    auto report = NewReport();
    WritePowerReport(*report, *bare);
    std::string text = ReportText(*report);
    EXPECT_NE(text.find("Modems (if internal)\t\006\0030\nTotal\t\003135 watts\n\n"
                        "\006Typical Power Supplies (% Of Capacity)\n135 Watts\t\003100\n150 Watts\t\00390\n"
                        "200 Watts\t\00367\n250 Watts\t\00354\n300 Watts\t\00345\n"),
              std::string::npos)
        << text;
}

TEST(DiagnoseReports, OverviewOfThePciDesktop) {
    auto e = FixtureMachine("id_pci_desktop.reg", 586);
    auto report = NewReport();
    WriteOverviewReport(*report, *e);
    EXPECT_EQ(ReportText(*report), "\006Installed equipment\nCPU\t\003Pentium 90 mHz\nFPU\t\003Built-in\n"
                                   "Memory\t\00316 MB\nVideo Card\t\003S3 Trio32/64 PCI\n"
                                   "Hard Disk 1\t\0031050 MB\nFloppy Disk 1\t\0033.5\", 1.44 MB\n"
                                   "Floppy Disk 2\t\0035.25\", 360 KB\nCD-ROMs\t\0031\nSerial Ports\t\0032\n"
                                   "Parallel Ports\t\0031\nGame Ports\t\0031\n"
                                   "Mouse Type\t\003Microsoft PS/2 Port Mouse\n");
}

TEST(DiagnoseReports, MotherboardVideoAndBusesOfTheEisaServer) {
    auto e = FixtureMachine("id_eisa_server.reg", 486);
    QV_COPY_FIELD(e->computerName, "SERVER");
    auto report = NewReport();
    WriteMotherboardReport(*report, *e);
    EXPECT_EQ(ReportText(*report),
              "\006System\nComputer Name\t\003SERVER\n\n\006BIOS\nName\t\003American Megatrends\n"
              "Date\t\00311/02/94\n\n\006DMA Controllers\nTypes\t\003EISA\n\n"
              "\006Interrupt Controllers\nTypes\t\003EISA\n\n\006BUS\nTypes\t\003ISA\n"
              "Types\t\003EISA\n\n\006Timers\nTypes\t\003EISA\n");
    report = NewReport();
    WriteVideoReport(*report, *e, kTestNotRun);
    EXPECT_EQ(Lines(*report)[2], "Type\t\003EISA");
    EXPECT_EQ(Lines(*report).back(), "Video Refresh Test\t\003Not tested");

    BusDeviceLister lister = {nullptr,
                              [](void *, const char *id, void (*add)(void *, const char *), void *sink) {
                                  if (strcmp(id, "EISA") == 0 || strcmp(id, "SCSI") == 0)
                                      add(sink, id[0] == 'E' ? "Adaptec 2740" : "Disk");
                              }};
    report = NewReport();
    WriteSystemBusReport(*report, *e, lister);
    EXPECT_EQ(ReportText(*report).substr(ReportText(*report).find("\n\n")),
              "\n\n\006EISA BUS\n\003Adaptec 2740\n\n\006SCSI BUS\n\003Disk\n\n");
    EXPECT_EQ(Lines(*report)[8], "SCSI\t\003Yes");
    EXPECT_EQ(Lines(*report)[4], "PCI\t\003No");
}

TEST(DiagnoseReports, ModemLinesForEachProbeOutcome) {
    auto e = FixtureMachine("id_pci_desktop.reg", 586);
    const PortAccess ports[5] = {kPortAbsent, kPortOpened, kPortInUse, kPortAbsent, kPortOpenedUnreadable};
    const struct {
        int probe, speed;
        const char *found, *com1;
    } cases[] = {{0, 0, "Modems Found\t\0030", "\003COM1\t\003Modem not found"},
                 {1, 0, "Modems Found\t\0031",
                  "\003COM1\t\003Modem, if present, could not be queried. Reboot the PC and try again"},
                 {0, 28800, "Modems Found\t\0031", "\006\003Modem #1"},
                 {1, 28800, "Modems Found\t\0031", "\006\003Modem #1"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.com1);
        e->modemSpeed[1] = c.speed;
        auto report = NewReport();
        WriteModemReport(*report, *e, c.probe, ports);
        auto lines = Lines(*report);
        ASSERT_GE(lines.size(), 8u);
        EXPECT_EQ(lines[1], c.found);
        EXPECT_EQ(lines[c.speed ? 3 : 4], c.com1);
        if (c.speed) {
            EXPECT_EQ(lines[5], "Serial Port\t\003COM2");
            EXPECT_EQ(lines[9], std::string("Baud Rate Test\t") + PassFailMark(c.probe));
        } else {
            EXPECT_EQ(lines[5], "\002COM2\t\002Unable to test - currently assigned to another program");
            EXPECT_EQ(lines[6], "\003COM3\t\003No Serial Port found");
        }
    }
}

TEST(DiagnoseReports, PortsSummaryAndEachPortState) {
    auto e = FixtureMachine("id_eisa_server.reg", 486);
    e->comPresent[4] = 1;
    const PortAccess ports[5] = {kPortAbsent, kPortOpened, kPortInUse, kPortOpenedUnreadable, kPortAbsent};
    auto report = NewReport();
    WritePortTestReport(*report, *e, ports);
    std::string text = ReportText(*report);
    EXPECT_EQ(
        text.substr(0, text.find("\006Serial Port COM1")),
        "\006Port Summary\nSerial (COM) Ports\t\0034\nParallel (Printer) Ports\t\0032\nGame Ports\t\0030\n"
        "PS/2 Ports\t\0031\n\n");
    EXPECT_NE(text.find("\006Serial Port COM1\nSense Results\t\003Passed\nCurrently In Use\t\003No\n"
                        "Baud Rate Test\t\003Passed\n"),
              std::string::npos);
    EXPECT_NE(
        text.find(
            "Currently In Use\t\003Yes\nBaud Rate Test\t\003Unable to test - port currently assigned to "
            "another program\n"),
        std::string::npos);
    EXPECT_NE(text.find("\006Serial Port COM3\nSense Results\t\003Passed\nCurrently In Use\t\003No\n"
                        "Baud Rate Test\t\002Failed\n"),
              std::string::npos);
    EXPECT_NE(text.find("\006Serial Port COM4\nSense Results\t\002Failed\n\n"), std::string::npos);
    // LPT2 is an ECP port only; the mouse is a serial one, so the PS/2 port is free.
    EXPECT_NE(text.find("\006Parallel Port LPT2\nSense Results\t\002Failed\n"), std::string::npos);
    EXPECT_NE(text.find("\006PS/2 Port\nSense Results\t\003Passed\nCurrently In Use\t\002Failed\n"),
              std::string::npos);
}

TEST(DiagnoseReports, DriveSizesInSixtyFourBitsAndADriveWithoutADisc) {
    auto e = std::make_unique<EquipmentRecord>();
    DriveFacts drives[2] = {};
    drives[0] = {'C', true, 512, 64, 262144, true, "SYSTEM", 1234, 255, 3, "FAT32"};
    drives[1] = {'D', false, 0, 0, 0, false, "", 0, 0, 0, ""};
    EXPECT_EQ(DriveTotalBytes(drives[0]), 8589934592ull);
    auto report = NewReport();
    WriteHardDriveReport(*report, *e, drives, 1);
    EXPECT_EQ(ReportText(*report),
              "\006Hard Drives\nControllers\t\0030\nLogical Drives\t\0030\n\n\006\002Drive C:\n"
              "Bytes Per Sector\t\003512\nSectors Per Cluster\t\00364\n"
              "Total Clusters\t\003262144\nTotal Bytes\t\0038589934592\n"
              "Volume Name\t\003SYSTEM\nSerial Number\t\0031234\nFilename Length Max\t\003255\n"
              "Filename Case Preserved\t\003Yes\nFilenames Case Sensitive\t\003Yes\n"
              "File System Name\t\003FAT32\n\n");
    e->cdromKind = 'S';
    report = NewReport();
    WriteCdromReport(*report, *e, drives + 1, 1);
    EXPECT_EQ(ReportText(*report),
              "\006CD-ROM\nDrives\t\0030\nType\t\003SCSI\n\n\006\002Drive D:\n\003Unable to test. No "
              "CD currently in drive. Please insert a CD and rerun this test.\n\n");
}

TEST(DiagnoseReports, ATestThatDidNotRunIsNeverPassed) {
    auto e = FixtureMachine("id_laptop_pcmcia.reg", 486);
    FloppyTestResults floppy = {};
    floppy.tested[0] = true;
    floppy.flag[0][kFloppyStatus] = 1;
    auto report = NewReport();
    WriteFloppyReport(*report, *e, floppy, kTestFailed);
    auto lines = Lines(*report);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[4], "\002Drive A:\t\0023.50\", 1.44MB");
    EXPECT_EQ(lines[7], "Operation status test\t\002Failed");
    EXPECT_EQ(lines[8], "Controller reset test\t\003Passed");
    EXPECT_EQ(lines[15], "Drive ready test\t\003Not tested"); // B: was not reached
    report = NewReport();
    WriteFloppyReport(*report, *e, floppy, kTestNotRun);
    EXPECT_EQ(Lines(*report)[7], "Operation status test\t\003Not tested");

    report = NewReport();
    WriteMouseReport(*report, *e, true, kTestNotRun);
    EXPECT_EQ(Lines(*report)[6], "Stuck Button Test\t\003Not tested");
    MemoryTestResults memory = {};
    memory.word[kMemParity] = 1;
    report = NewReport();
    WriteMemoryTestReport(*report, *e, MemoryFigures{}, memory, kTestFailed);
    EXPECT_EQ(Lines(*report)[14], "Parity Test\t\002Failed");
    report = NewReport();
    WriteMemoryTestReport(*report, *e, MemoryFigures{}, memory, kTestNotRun);
    EXPECT_EQ(Lines(*report)[14], "Parity Test\t\003Not tested");
    report = NewReport();
    WritePrinterReport(*report, nullptr, 0, kTestNotRun);
    EXPECT_EQ(Lines(*report).back(), "Page Eject Test\t\003Not tested");
}

TEST(DiagnoseReports, TheProcessorsNameWhereItIsKnown) {
    auto e = FixtureMachine("id_pci_desktop.reg", 586);
    CpuReportFacts facts = {};
    auto report = NewReport();
    WriteCpuReport(*report, *e, facts);
    EXPECT_EQ(Lines(*report)[2].rfind("Rated Speed\t", 0), 0u) << "no name line without a name";
    snprintf(e->processorName, sizeof e->processorName, "%s", "AMD EPYC");
    report = NewReport();
    WriteCpuReport(*report, *e, facts);
    EXPECT_EQ(Lines(*report)[2], "Processor Name\t\003AMD EPYC");
}

} // namespace
