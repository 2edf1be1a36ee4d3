// The word lists, heap sums, module path set and line building of the process and window views.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "explore/process_views.h"
#include "tests/report_buffer_helpers.h"

namespace {

std::string StyleWords(unsigned long style) {
    char out[128];
    WindowStyleWords(style, out, sizeof out);
    return out;
}

std::string StatusWords(const WindowState &state) {
    char out[128];
    WindowStatusWords(state, out, sizeof out);
    return out;
}

TEST(WindowWords, StyleBitsInTheirPlace) {
    EXPECT_EQ(StyleWords(0), "OVERLAPPED");
    // WS_BORDER and WS_DLGFRAME are each one of the two caption bits: either counts as a caption.
    EXPECT_EQ(StyleWords(kStyleBorder), "OVERLAPPED, BORDER, CAPTION");
    EXPECT_EQ(StyleWords(0x00400000UL), "OVERLAPPED, CAPTION");
    EXPECT_EQ(StyleWords(kStyleMaximizeBox), "OVERLAPPED, MAXIMIZE BOX");
    EXPECT_EQ(StyleWords(kStyleMinimizeBox), "OVERLAPPED, MINIMIZE BOX");
    // WS_POPUPWINDOW; visible, child, disabled and clip bits have no words
    EXPECT_EQ(StyleWords(0x80880000UL | 0x5C000000UL), "POPUP, BORDER, CAPTION, SYSTEM MENU");
    for (size_t size = 1; size < 80; ++size) {
        SCOPED_TRACE(size);
        char out[80];
        memset(out, 'x', sizeof out);
        WindowStyleWords(0x80CF0000UL, out, size);
        EXPECT_LT(strlen(out), size);
        EXPECT_EQ(out[size], 'x') << "nothing written past the buffer";
    }
}

TEST(WindowWords, StatusWords) {
    // Iconic wins over maximized; one of the caption bits will do.
    EXPECT_EQ(StatusWords({true, true, true, kStyleBorder, false}), "Iconed, Visible");
    EXPECT_EQ(StatusWords({true, false, false, kStyleCaption, true}), "Iconed, Hidden, Focus");
    EXPECT_EQ(StatusWords({false, false, true, kStylePopup, false}), "Windowed, Hidden"); // no caption
}

TEST(ProcessWords, PriorityClassesAndNames) {
    EXPECT_STREQ(PriorityClassWord(0x40), "IDLE");
    EXPECT_STREQ(PriorityClassWord(0x20), "NORMAL");
    EXPECT_STREQ(PriorityClassWord(0x80), "HIGH");
    EXPECT_STREQ(PriorityClassWord(0x100), "REALTIME");
    EXPECT_EQ(PriorityClassWord(0x4000), nullptr); // below normal
    EXPECT_EQ(PriorityClassWord(0x60), nullptr);

    const struct {
        const char *text;
        size_t size;
        const char *name;
    } names[] = {{"my.prog.exe", 256, "my"}, {"NODOT", 256, "NODOT"}, {".hidden", 256, ""},
                 {"KERNEL32.DLL", 4, "KER"}, {"KERNEL32.DLL", 1, ""}, {nullptr, 8, ""}};
    for (const auto &c : names) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        char out[256];
        memset(out, 'x', sizeof out);
        NameBeforeDot(c.text, out, c.size);
        EXPECT_STREQ(out, c.name);
    }

    EXPECT_STREQ(PathFileName("C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL"), "KERNEL32.DLL");
    EXPECT_STREQ(PathFileName("C:NOTE.TXT"), "NOTE.TXT");
    EXPECT_STREQ(PathFileName("/usr/lib/x.so"), "x.so");
    EXPECT_STREQ(PathFileName("C:\\DIR\\"), "");
    EXPECT_STREQ(PathFileName(nullptr), "");
}

TEST(HeapSums, BlocksCountByExactFlagsAndWrapAt32Bits) {
    HeapSums sums = {};
    AddHeapBlock(sums, kHeapBlockFixed, 0xFFFFFFF0UL);
    AddHeapBlock(sums, kHeapBlockFixed, 0x20);
    AddHeapBlock(sums, kHeapBlockFree, 7);
    AddHeapBlock(sums, kHeapBlockMoveable, 300);
    for (unsigned long flags : {0ul, 3ul, 5ul, 8ul}) // none, or several at once: counted nowhere
        AddHeapBlock(sums, flags, 1000);
    EXPECT_EQ(sums.fixed, 0x10u);
    EXPECT_EQ(sums.free, 7u);
    EXPECT_EQ(sums.moveable, 300u);
}

TEST(ModulePathSet, EachPathOnceIgnoringCaseInFirstSpellingAndOrder) {
    ModulePathSet set;
    for (int i = 0; i < 600; ++i) // more than the 500 paths once kept
        EXPECT_TRUE(AddModulePath(set, ("c:\\lib\\m" + std::to_string(i) + ".dll").c_str()));
    EXPECT_FALSE(AddModulePath(set, "C:\\LIB\\M599.DLL"));
    EXPECT_TRUE(AddModulePath(set, "C:\\LIB\\OTHER.DLL"));
    ASSERT_EQ(set.paths.size(), 601u);
    EXPECT_EQ(set.paths[599], "c:\\lib\\m599.dll");
    EXPECT_EQ(set.paths[600], "C:\\LIB\\OTHER.DLL");
}

TEST(ProcessBlocks, MemoryBlockHeadsWithTheCaptionOrTheProcessName) {
    ProcessMemoryFacts facts = {"", "EXPLORER", "C:\\WINDOWS\\EXPLORER.EXE", 4011, {10, 20, 30}};
    auto report = NewReport();
    WriteProcessMemoryBlock(*report, facts);
    facts.caption = "Letter to Bob";
    WriteProcessMemoryBlock(*report, facts);
    const std::string body = "Module Path\t\003C:\\WINDOWS\\EXPLORER.EXE\nProcess ID\t\0034011\n"
                             "Fixed Memory\t\00310\nMoveable Memory\t\00320\nFree Memory\t\00330\n\n";
    EXPECT_EQ(ReportText(*report), "\006\002EXPLORER\n" + body + "\006\002Letter to Bob\n" + body);
}

TEST(ProcessBlocks, ProcessListSummaryAboveTwoEmptyLines) {
    auto report = NewReport();
    AddReportLine(*report, "left from an earlier report");
    BeginProcessList(*report);
    WriteProcessListHeader(*report, "KERNEL32", "C:\\WINDOWS\\SYSTEM\\KRNL386.EXE", 2, 3);
    WriteProcessModuleLine(*report, "KERNEL32.DLL", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
    WriteProcessListSummary(*report, 1, 3);
    const std::string expected =
        "\006Processes\nActive Processes\t\0031\nActive Threads\t\0033\n\n\n"
        "\006\002KERNEL32\nFile Name\t\003C:\\WINDOWS\\SYSTEM\\KRNL386.EXE\nModules\t\0032\nThreads\t\0033\n"
        "\n"
        "\006Module List\n\003KERNEL32.DLL\t\003C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL\n";
    EXPECT_EQ(ReportText(*report), expected);
}

TEST(ProcessBlocks, ModuleListTitleBeforeDotAndPathInUpperCase) {
    auto report = NewReport();
    WriteModuleListHeader(*report, 2);
    WriteModuleListLine(*report, "Kernel32.dll", "c:\\windows\\system\\Kernel32.dll");
    WriteModuleListLine(*report, "x.dll", ("C:\\" + std::string(300, 'a')).c_str());
    const std::string cut = "\003x\t\003C:\\" + std::string(255 - 7, 'A') + "\n"; // the path cut to fit
    EXPECT_EQ(ReportText(*report),
              "\006Modules\nActive Modules\t\0032\n\n\003Kernel32\t\003C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL\n" +
                  cut);
}

TEST(ProcessBlocks, PriorityLines) {
    auto report = NewReport();
    WritePriorityHeader(*report, "EXPLORER", "NORMAL");
    WritePriorityThreadLine(*report, "Exploring - C:\\", 77, 8, 0);
    WritePriorityThreadLine(*report, "", 78, 9, 2);
    WritePriorityThreadLine(*report, "", 6, 15, -16); // printed as the unsigned 32-bit numbers they are
    WritePriorityHeader(*report, "SERVICE", nullptr);
    const std::string expected =
        "\006\002EXPLORER\nProcess Priority Class\t\003NORMAL\n\n"
        "\006Threads\t\006Base Priority\t\006Current Priority\n\003Exploring - C:\\\t\0038\t\0038\n"
        "\00378\t\0039\t\00311\n\0036\t\00315\t\0034294967295\n"
        "\006\002SERVICE\n\n"
        "\006Threads\t\006Base Priority\t\006Current Priority\n";
    EXPECT_EQ(ReportText(*report), expected);
}

TEST(ProcessBlocks, SevenLinesPerWindow) {
    WindowFacts facts = {"",  "EXPLORER", 0x10CF0000UL, 640,
                         480, 632,        453,          {false, true, true, 0x10CF0000UL, true}};
    auto report = NewReport();
    WriteWindowBlock(*report, facts);
    facts.text = "Quorvex";
    facts.style = kStylePopup;
    facts.state = {false, false, false, kStylePopup, false};
    WriteWindowBlock(*report, facts);
    const std::string expected =
        "\006\002No Title\nOwner\t\003EXPLORER\n"
        "Window Style\t\003OVERLAPPED, BORDER, CAPTION, MAXIMIZE BOX, MINIMIZE BOX, SYSTEM MENU\n"
        "Window Dimensions\t\003640 x 480\nClient Dimensions\t\003632 x 453\n"
        "Status\t\003Maximized, Visible, Focus\n\n"
        "\006\002Quorvex\nOwner\t\003EXPLORER\nWindow Style\t\003POPUP\nWindow Dimensions\t\003640 x 480\n"
        "Client Dimensions\t\003632 x 453\nStatus\t\003Windowed, Hidden\n\n";
    EXPECT_EQ(ReportText(*report), expected);
}

TEST(ProcessBlocks, RoomRunsOutAtTheLastSlotAndMarksTheReportCut) {
    auto report = NewReport();
    for (int i = 0; i < kReportSlots - 1; ++i)
        AddReportLine(*report, "line %d", i);
    EXPECT_TRUE(RoomInReport(*report));
    EXPECT_EQ(report->damage, 0);
    AddReportLine(*report, "last");
    EXPECT_FALSE(RoomInReport(*report));
    EXPECT_EQ(report->damage, kReportLinesDropped);
}

} // namespace
