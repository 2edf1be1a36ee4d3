// Line layout of the startup settings, environment, ports and memory reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "explore/settings.h"
#include "tests/report_buffer_helpers.h"

namespace {

void FakeIni(void *, const char *key, char *value, size_t size) {
    if (strcmp(key, "display.drv") == 0)
        snprintf(value, size, "%s", "vga\t.drv");
    else if (strcmp(key, "codepage") == 0)
        snprintf(value, size, "%s", std::string(400, 'c').c_str());
    // every other key keeps the default
}

TEST(ExploreStartupSettings, ReportLines) {
    auto report = NewReport();
    WriteStartupSettingsReport(*report, FakeIni, nullptr);
    auto lines = Lines(*report);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "\006Windows Startup Settings");
    EXPECT_EQ(lines[1], "Video Card Driver\t\003vga .drv");
    EXPECT_EQ(lines[2], "Video Card Installer Info\t\003None");
    EXPECT_EQ(lines[8], "Code Page\t\003" + std::string(255 - 11, 'c'));
    EXPECT_EQ(lines[11], "Second Network Driver\t\003None");
}

TEST(ExploreEnvironment, EntriesFromTheWorkingCopySizeOnAreCut) {
    std::string entry = "V=" + std::string(kEnvironmentCopySize - 3, 'v'); // fills the copy exactly
    EXPECT_FALSE(SplitEnvironmentEntry(entry.c_str()).cut);
    entry += 'w';
    EnvironmentEntry e = SplitEnvironmentEntry(entry.c_str());
    EXPECT_TRUE(e.cut);
    EXPECT_EQ(std::string(e.value), std::string(kEnvironmentCopySize - 3, 'v'));
    e = SplitEnvironmentEntry(std::string(300, 'n').c_str());
    EXPECT_TRUE(e.cut);
    EXPECT_EQ(std::string(e.name), std::string(kEnvironmentCopySize - 1, 'N'));
}

struct FakeDos {
    int calls;
};

bool FakeDosRead(void *context, const char *name, char *mapping, size_t size, bool *cut) {
    ++static_cast<FakeDos *>(context)->calls;
    if (strcmp(name, "BAD") == 0)
        return false;
    if (strcmp(name, "LONG") == 0) {
        snprintf(mapping, size, "%s", std::string(200, 'm').c_str());
        *cut = true;
        return true;
    }
    snprintf(mapping, size, "\\Device\\%s", name);
    return true;
}

TEST(ExploreEnvironment, ReportLinesWithControlBytesCleaned) {
    // Leading "=" are skipped, the value keeps any further "=", an entry without "=" is all name.
    const char environment[] = "=C:=C:\\dir\0path=C:\\WINDOWS\0OPTS=a=1\0NOEQUALS\0==\0V\tW=X\n== FAKE\0";
    const char names[] = "COM1\0BAD\0N\tUL\0";
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment, names, FakeDosRead, &dos);
    const std::string expected =
        "\006Environment Setting\t\006Value\nC:\t\003C:\\dir\nPATH\t\003C:\\WINDOWS\nOPTS\t\003a=1\n"
        "NOEQUALS\t\003\n\t\003\nV W\t\003X == FAKE\n\n"
        "\006DOS Devices Setting\t\006Value\nCOM1\t\003\\Device\\COM1\nBAD\t\003Unknown\n"
        "N UL\t\003\\Device\\N UL\n";
    EXPECT_EQ(ReportText(*report), expected);
    EXPECT_EQ(dos.calls, 3);
    EXPECT_EQ(report->damage, 0);

    auto empty = NewReport();
    WriteEnvironmentReport(*empty, nullptr, nullptr, FakeDosRead, nullptr);
    EXPECT_EQ(ReportText(*empty),
              "\006Environment Setting\t\006Value\n\n\006DOS Devices Setting\t\006Value\n");
}

TEST(ExploreEnvironment, OverLongEntriesAndMappingsMarkTheReportCut) {
    // Both cut texts still fit a line: only the cut copies say the report was cut.
    std::string environment = "==BIG=" + std::string(500, 'x');
    environment.push_back('\0');
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment.c_str(), nullptr, FakeDosRead, &dos);
    EXPECT_EQ(report->damage, kReportLineCut);
    auto mapping = NewReport();
    WriteEnvironmentReport(*mapping, nullptr, "LONG\0", FakeDosRead, &dos);
    EXPECT_EQ(mapping->damage, kReportLineCut);
    EXPECT_EQ(Lines(*mapping).back(), "LONG\t\003" + std::string(200, 'm'));
}

TEST(ExploreEnvironment, NoDeviceIsAskedForOnceTheReportIsFull) {
    std::string environment;
    for (int i = 0; i < kReportSlots; ++i) {
        environment += "V" + std::to_string(i) + "=x";
        environment.push_back('\0');
    }
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment.c_str(), "NUL\0", FakeDosRead, &dos);
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_EQ(dos.calls, 0);
}

TEST(ExplorePorts, PresentPortsOnly) {
    PortState ports[5] = {};
    ports[1].present = true; // held by the mouse
    ports[2].present = true;
    ports[2].opened = true;
    ports[2].settingsRead = true;
    ports[2].settings.baudRate = 1200;
    ports[2].propertiesRead = true;
    ports[2].properties.packetLength = 64;
    ports[2].properties.provSubType = 6; // no text: no Device Type line
    ports[3].opened = true;              // not present: not mentioned
    ports[4].present = true;
    ports[4].opened = true;
    auto report = NewReport();
    WritePortsReport(*report, ports);
    ASSERT_EQ(report->count, 3 + (2 + 24 + 15 + 1) + 5);
    const std::string first = "\006\002Serial Port\t\002COM1\nStatus\t\003In Use\n\n"
                              "\006\002Serial Port\t\002COM2\nStatus\t\003Free\nBaud Rate\t\0031200\n";
    const std::string last =
        "\n\006\002Serial Port\t\002COM4\nStatus\t\003Free\n"
        "Port Settings\t\002Could Not Be Read\nPort Capabilities\t\002Could Not Be Read\n\n";
    std::string text = ReportText(*report);
    EXPECT_EQ(text.substr(0, first.size()), first);
    EXPECT_STREQ(report->line[29], "Packet Length\t\00364");
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST(ExploreMemory, PercentFreeRoundsToTwoDecimals) {
    char text[16] = "abc";
    FormatPercentFree(1, 2, text, 0);
    EXPECT_STREQ(text, "abc");
    FormatPercentFree(2, 3, text, sizeof text);
    EXPECT_STREQ(text, "66.67%");
    FormatPercentFree(0xFFFFFFFF, 0xFFFFFFFF, text, sizeof text);
    EXPECT_STREQ(text, "100.00%");
}

TEST(ExploreMemory, ReportLines) {
    MemoryFigures m = {45, 4194304, 1048576, 0, 0, 140737488224256u, 137438953472u};
    auto report = NewReport();
    WriteMemoryReport(*report, m);
    const std::string expected = "\006Current Memory Status\nMemory Load\t\00345%\n\n"
                                 "\006Bytes Free\nRAM Free\t\0031048576 bytes\nPage File Free\t\0030 bytes\n"
                                 "Virtual Space Free\t\003137438953472 bytes\n\n"
                                 "\006Percent Free\nRAM Free\t\00325.00%\nPage File Free\t\003Not Available\n"
                                 "Virtual Space Free\t\0030.10%\n";
    EXPECT_EQ(ReportText(*report), expected);
}

} // namespace
