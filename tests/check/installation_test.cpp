#include "check/installation.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "inventory/device_walk.h"
#include "inventory/registry_tree.h"
#include "tests/fixtures.h"
#include "tests/report_buffer_helpers.h"

namespace {

// Files present as "location:NAME", counted once per entry.
int FakeFiles(void *context, const char *name, int location) {
    auto &present = *static_cast<std::multiset<std::string> *>(context);
    return static_cast<int>(present.count(std::to_string(location) + ":" + name));
}

TEST(SystemFilesReport, SectionsLookInTheirOwnPlaces) {
    std::multiset<std::string> present = {"2:WIN.COM", "2:SYSTEM.NEW", "1:GDI32.DLL",   "1:COMDLG32.DLL",
                                          "3:IO.SYS",  "3:IO.SYS",     "1:EXPLORER.EXE"};
    auto report = NewReport();
    WriteSystemFilesReport(*report, FileLookup{&present, FakeFiles});
    std::string passed;
    for (const std::string &line : Lines(*report))
        if (line.ends_with("\t\003Passed") || line.starts_with("\006"))
            passed += line.substr(0, line.find('\t')) + "|";
    EXPECT_EQ(report->count, 38);
    EXPECT_EQ(passed,
              "\006System Files in \\Windows|WIN.COM|SYSTEM.NEW|\006System Files in \\Windows\\System|"
              "GDI32.DLL|COMDLG32.DLL|\006System Files in Root Directory|IO.SYS|");
    EXPECT_STREQ(report->line[8], "");
    EXPECT_STREQ(report->line[31], "");
    EXPECT_STREQ(report->line[37], "BOOTLOG.TXT\t\002Failed");
}

bool FakePaths(void *context, const char *path) {
    return static_cast<std::set<std::string> *>(context)->count(path) != 0;
}

TEST(DirectoryTreeReport, CaptionsIndentAndPathsJoinLiterally) {
    struct Case {
        const char *windows;
        const char *present; // the one path present besides the Windows directory
        int line;
    } cases[] = {{"C:\\WIN%s%d95", "C:\\WIN%s%d95\\Start Menu\\Programs\\Games", 18},
                 {"D:\\", "D:\\Spool\\Printers", 14},
                 {"C:\\WINDOWS", "", 0}};
    for (const Case &c : cases) {
        std::set<std::string> present = {c.windows, c.present};
        auto report = NewReport();
        WriteDirectoryTreeReport(*report, c.windows, PathLookup{&present, FakePaths});
        ASSERT_EQ(report->count, 29);
        EXPECT_STREQ(report->line[0], "\006System Directory Structure");
        for (int i = 1; i < 29; ++i)
            EXPECT_TRUE(std::string(report->line[i])
                            .ends_with(i == c.line || i == 1 ? "\t\003Passed" : "\t\002Failed"))
                << c.windows << " line " << i;
    }
    auto report = NewReport();
    std::set<std::string> none;
    WriteDirectoryTreeReport(*report, "C:\\WINDOWS", PathLookup{&none, FakePaths});
    EXPECT_STREQ(report->line[1], "\\Windows\t\002Failed");
    EXPECT_STREQ(report->line[14], "           \\Printers\t\002Failed");
    EXPECT_STREQ(report->line[18], "                \\Games\t\002Failed");
    EXPECT_STREQ(report->line[22], "      \\Sysbckup\t\002Failed");
    EXPECT_STREQ(report->line[28], "     \\Temp\t\002Failed");
    char out[12];
    EXPECT_FALSE(JoinPath("C:\\WINDOWS", "Inf", out, sizeof out)) << "a path that does not fit is not found";
    EXPECT_STREQ(out, "");
}

int CountInTree(void *context, const char *className) {
    return DeviceWalk(*static_cast<RegistryAccess *>(context), className, kMatchClass, nullptr, 0,
                      kWalkCount);
}

std::string RegistryReport(const char *text) {
    char error[200];
    RegistryTree *tree = ParseRegistryText(text, error, sizeof error);
    EXPECT_NE(tree, nullptr) << error;
    RegistryAccess access = TreeRegistryAccess(tree);
    auto report = NewReport();
    WriteRegistryClassReport(*report, ClassLookup{&access, CountInTree});
    FreeRegistryTree(tree);
    return ReportText(*report);
}

TEST(RegistryClassReport, ClassesOfTheDeviceTreeInAnyLetterCase) {
    EXPECT_EQ(
        RegistryReport(FixtureText("id_pci_desktop.reg")),
        "\006Registry Classes\nhdc\t\003Passed\nfdc\t\003Passed\nSystem\t\003Passed\nKeyboard\t\003Passed\n"
        "Ports\t\003Passed\nMouse\t\003Passed\nDiskDrive\t\003Passed\nMonitor\t\003Passed\n"
        "Display\t\003Passed\nPrinter\t\002Failed\nMEDIA\t\003Passed\nCDROM\t\003Passed\n");
    std::string report =
        RegistryReport("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Enum\\SCSI\\DRIVE\\0001]\n"
                       "\"Class\"=\"Cdrom\"\n\n[HKEY_LOCAL_MACHINE\\Enum\\LPTENUM\\P\\0001]\n"
                       "\"Class\"=\"printers\"\n");
    EXPECT_NE(report.find("CDROM\t\003Passed"), std::string::npos) << report;
    EXPECT_NE(report.find("Printer\t\003Passed"), std::string::npos) << report;
    EXPECT_NE(report.find("hdc\t\002Failed"), std::string::npos) << report;
}

} // namespace
