// Line layout of the startup settings, environment, ports and memory reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "explore/settings.h"
#include "tests/report_buffer_helpers.h"

namespace {

void FakeIni(void *, const char *key, char *value, size_t size) {
    if (strcmp(key, "display.drv") == 0)
        snprintf(value, size, "%s", "vga.drv");
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
    EXPECT_EQ(lines[1], "Video Card Driver\t\003vga.drv");
    EXPECT_EQ(lines[2], "Video Card Installer Info\t\003None");
    EXPECT_EQ(lines[8], std::string("Code Page\t\003") + std::string(255, 'c').substr(0, 255 - 11));
    EXPECT_EQ(lines[11], "Second Network Driver\t\003None");
}

TEST(ExploreEnvironment, NameValueSplit) {
    struct Case {
        const char *entry;
        const char *name;
        const char *value;
    } cases[] = {
        {"PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "PATH", "C:\\WINDOWS;C:\\WINDOWS\\COMMAND"},
        {"=C:=C:\\dir", "C:", "C:\\dir"},
        {"==D:=D:\\", "D:", "D:\\"},
        {"winbootdir=C:\\WINDOWS", "WINBOOTDIR", "C:\\WINDOWS"},
        {"OPTS=a=1;b=2", "OPTS", "a=1;b=2"},
        {"EMPTY=", "EMPTY", ""},
        {"NOEQUALS", "NOEQUALS", ""},
        {"=", "", ""},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        EnvironmentEntry e = SplitEnvironmentEntry(c.entry);
        EXPECT_STREQ(e.name, c.name);
        EXPECT_STREQ(e.value, c.value);
        EXPECT_FALSE(e.cut);
    }
}

TEST(ExploreEnvironment, LongEntryIsCutToTheWorkingCopy) {
    std::string entry = "LONG=" + std::string(600, 'v');
    EnvironmentEntry e = SplitEnvironmentEntry(entry.c_str());
    EXPECT_TRUE(e.cut);
    EXPECT_STREQ(e.name, "LONG");
    EXPECT_EQ(std::string(e.value), std::string(kEnvironmentCopySize - 1 - 5, 'v'));
    std::string name(300, 'n');
    e = SplitEnvironmentEntry(name.c_str());
    EXPECT_TRUE(e.cut);
    EXPECT_EQ(std::string(e.name), std::string(255, 'N'));
}

struct FakeDos {
    int calls;
};

bool FakeDosRead(void *context, const char *name, char *mapping, size_t size, bool *cut) {
    ++static_cast<FakeDos *>(context)->calls;
    if (strcmp(name, "BAD") == 0)
        return false;
    if (strcmp(name, "LONG") == 0) {
        snprintf(mapping, size, "%s", std::string(300, 'm').c_str());
        *cut = true;
        return true;
    }
    snprintf(mapping, size, "\\Device\\%s", name);
    return true;
}

TEST(ExploreEnvironment, ReportLines) {
    const char environment[] = "=C:=C:\\dir\0path=C:\\WINDOWS\0A=b=c\0";
    const char names[] = "COM1\0BAD\0LPT1\0";
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment, names, FakeDosRead, &dos);
    std::vector<std::string> expected = {
        "\006Environment Setting\t\006Value",
        "C:\t\003C:\\dir",
        "PATH\t\003C:\\WINDOWS",
        "A\t\003b=c",
        "",
        "\006DOS Devices Setting\t\006Value",
        "COM1\t\003\\Device\\COM1",
        "BAD\t\003Unknown",
        "LPT1\t\003\\Device\\LPT1",
    };
    EXPECT_EQ(Lines(*report), expected);
    EXPECT_EQ(dos.calls, 3);
    EXPECT_EQ(report->damage, 0);
}

TEST(ExploreEnvironment, ControlBytesInNamesAndValuesAddNoColumnOrLine) {
    const char environment[] = "V\tW=X\n== FAKE\tY\0";
    const char names[] = "N\tUL\0";
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment, names, FakeDosRead, &dos);
    auto lines = Lines(*report);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "V W\t\003X == FAKE Y");
    EXPECT_EQ(lines[4], "N UL\t\003\\Device\\N UL");
}

TEST(ExploreEnvironment, NoDosNamesLeavesTheHeadingOnly) {
    auto report = NewReport();
    WriteEnvironmentReport(*report, nullptr, nullptr, FakeDosRead, nullptr);
    std::vector<std::string> expected = {"\006Environment Setting\t\006Value", "",
                                         "\006DOS Devices Setting\t\006Value"};
    EXPECT_EQ(Lines(*report), expected);
}

TEST(ExploreEnvironment, OverLongEntriesAndMappingsSayTheReportWasCut) {
    std::string environment = "BIG=" + std::string(500, 'x');
    environment.push_back('\0');
    environment.push_back('\0');
    const char names[] = "LONG\0";
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment.c_str(), names, FakeDosRead, &dos);
    EXPECT_NE(report->damage & kReportLineCut, 0);
    for (int i = 0; i < report->count; ++i)
        EXPECT_LT(strlen(report->line[i]), static_cast<size_t>(kReportSlotSize));
    EndReport(*report);
    EXPECT_EQ(std::string(report->line[report->count - 1]).rfind(kReportCutCaption, 0), 0u);
}

TEST(ExploreEnvironment, ManyEntriesStopAtTheLineLimit) {
    std::string environment;
    for (int i = 0; i < 4000; ++i) {
        environment += "V" + std::to_string(i) + "=x";
        environment.push_back('\0');
    }
    environment.push_back('\0');
    const char names[] = "NUL\0";
    FakeDos dos = {};
    auto report = NewReport();
    WriteEnvironmentReport(*report, environment.c_str(), names, FakeDosRead, &dos);
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_NE(report->damage & kReportLinesDropped, 0);
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
    ports[2].properties.maxBaud = 0x3; // no number
    ports[2].properties.provSubType = 6;
    ports[3].opened = true; // not present: not mentioned
    auto report = NewReport();
    WritePortsReport(*report, ports);
    auto lines = Lines(*report);
    ASSERT_EQ(lines.size(), 3u + 2u + 24u + 15u + 1u);
    EXPECT_EQ(lines[0], "\006\002Serial Port\t\002COM1");
    EXPECT_EQ(lines[1], "Status\t\003In Use");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "\006\002Serial Port\t\002COM2");
    EXPECT_EQ(lines[4], "Status\t\003Free");
    EXPECT_EQ(lines[5], "Baud Rate\t\0031200");
    EXPECT_EQ(lines[29], "Packet Length\t\0030");
    EXPECT_EQ(lines.back(), "");
}

TEST(ExplorePorts, UnreadableSettingsAndCapabilities) {
    PortState ports[5] = {};
    ports[4].present = true;
    ports[4].opened = true;
    auto report = NewReport();
    WritePortsReport(*report, ports);
    std::vector<std::string> expected = {
        "\006\002Serial Port\t\002COM4",
        "Status\t\003Free",
        "Port Settings\t\002Could Not Be Read",
        "Port Capabilities\t\002Could Not Be Read",
        "",
    };
    EXPECT_EQ(Lines(*report), expected);
}

TEST(ExplorePorts, NoPortsNoLines) {
    PortState ports[5] = {};
    auto report = NewReport();
    WritePortsReport(*report, ports);
    EXPECT_EQ(report->count, 0);
}

TEST(ExploreMemory, PercentFree) {
    struct Case {
        uint32_t avail, total;
        const char *text;
    } cases[] = {
        {1048576, 4194304, "25.00%"},
        {0, 100, "0.00%"},
        {100, 100, "100.00%"},
        {1, 3, "33.33%"},
        {2, 3, "66.67%"},
        {0xFFFFFFFF, 0xFFFFFFFF, "100.00%"},
        {5, 0, "Not Available"},
        {0, 0, "Not Available"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.avail << "/" << c.total);
        char text[32];
        FormatPercentFree(c.avail, c.total, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST(ExploreMemory, ReportLines) {
    MemoryFigures m = {45, 4194304, 1048576, 0, 0, 2147352576u, 2000000000u};
    auto report = NewReport();
    WriteMemoryReport(*report, m);
    std::vector<std::string> expected = {
        "\006Current Memory Status",
        "Memory Load\t\00345%",
        "",
        "\006Bytes Free",
        "RAM Free\t\0031048576 bytes",
        "Page File Free\t\0030 bytes",
        "Virtual Space Free\t\0032000000000 bytes",
        "",
        "\006Percent Free",
        "RAM Free\t\00325.00%",
        "Page File Free\t\003Not Available",
        "Virtual Space Free\t\00393.14%",
    };
    EXPECT_EQ(Lines(*report), expected);
}

} // namespace
