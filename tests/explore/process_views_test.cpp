// The word lists, heap sums, module path set and line building of the process and window views.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "explore/process_views.h"
#include "tests/report_buffer_helpers.h"

namespace {

std::string Line(const ReportBuffer &report, int i) {
    return report.line[i];
}

std::string StyleWords(unsigned long style) {
    char out[256];
    WindowStyleWords(style, out, sizeof out);
    return out;
}

TEST(WindowStyleWords, EachBitInItsPlace) {
    struct Case {
        unsigned long style;
        const char *words;
    };
    const Case cases[] = {
        {0, "OVERLAPPED"},
        {kStylePopup, "POPUP"},
        // WS_BORDER is one of the two caption bits, so a bordered window counts as captioned too.
        {kStyleBorder, "OVERLAPPED, BORDER, CAPTION"},
        // WS_DLGFRAME alone is one bit of the caption: it counts as a caption.
        {0x00400000UL, "OVERLAPPED, CAPTION"},
        {kStyleCaption, "OVERLAPPED, BORDER, CAPTION"},
        {kStyleMaximizeBox, "OVERLAPPED, MAXIMIZE BOX"},
        {kStyleMinimizeBox, "OVERLAPPED, MINIMIZE BOX"},
        {kStyleSystemMenu, "OVERLAPPED, SYSTEM MENU"},
        // WS_OVERLAPPEDWINDOW (with WS_THICKFRAME, which has no word)
        {0x00CF0000UL, "OVERLAPPED, BORDER, CAPTION, MAXIMIZE BOX, MINIMIZE BOX, SYSTEM MENU"},
        // WS_POPUPWINDOW
        {0x80880000UL, "POPUP, BORDER, CAPTION, SYSTEM MENU"},
        // visible, child, disabled and clip bits have no words
        {0x10000000UL | 0x40000000UL | 0x08000000UL | 0x04000000UL, "OVERLAPPED"},
        {0xFFFFFFFFUL, "POPUP, BORDER, CAPTION, MAXIMIZE BOX, MINIMIZE BOX, SYSTEM MENU"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(StyleWords(c.style), c.words);
    }
}

TEST(WindowStyleWords, SmallBuffersStayTerminated) {
    for (size_t size = 1; size < 80; ++size) {
        SCOPED_TRACE(size);
        char out[80];
        std::memset(out, 'x', sizeof out);
        WindowStyleWords(0x80CF0000UL, out, size);
        EXPECT_LT(std::strlen(out), size);
        EXPECT_EQ(out[size], 'x') << "nothing written past the buffer";
    }
}

std::string StatusWords(bool iconic, bool zoomed, bool visible, unsigned long style, bool focus) {
    WindowState state = {iconic, zoomed, visible, style, focus};
    char out[256];
    WindowStatusWords(state, out, sizeof out);
    return out;
}

TEST(WindowStatusWords, Combinations) {
    struct Case {
        bool iconic, zoomed, visible;
        unsigned long style;
        bool focus;
        const char *words;
    };
    const Case cases[] = {
        {false, true, true, kStyleCaption, true, "Maximized, Visible, Focus"},
        {false, false, false, kStylePopup, false, "Windowed, Hidden"},
        {true, true, true, kStyleCaption, false, "Iconed, Visible"}, // iconic wins over zoomed
        {true, false, false, 0, true, "Iconed, Hidden, Focus"},
        {false, false, true, 0, false, "Windowed, Hidden"},             // visible but no caption
        {false, false, true, kStyleBorder, false, "Windowed, Visible"}, // one caption bit is enough
        {false, false, true, 0x00400000UL, false, "Windowed, Visible"},
        {false, false, false, kStyleCaption, false, "Windowed, Hidden"},
        {false, true, false, kStyleCaption, true, "Maximized, Hidden, Focus"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.words);
        EXPECT_EQ(StatusWords(c.iconic, c.zoomed, c.visible, c.style, c.focus), c.words);
    }
}

TEST(PriorityClassWord, TheFourClassesAndNothingElse) {
    struct Case {
        unsigned long value;
        const char *word;
    };
    const Case cases[] = {
        {0x40, "IDLE"},      {0x20, "NORMAL"}, {0x80, "HIGH"},
        {0x100, "REALTIME"}, {0, nullptr},     {0x4000, nullptr}, // below normal
        {0x8000, nullptr},                                        // above normal
        {0x60, nullptr},     {0x1, nullptr},   {0xFFFFFFFFUL, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        const char *word = PriorityClassWord(c.value);
        if (c.word) {
            EXPECT_STREQ(word, c.word);
        } else {
            EXPECT_EQ(word, nullptr);
        }
    }
}

TEST(NameBeforeDot, CutsAtTheFirstDot) {
    struct Case {
        const char *text;
        size_t size;
        const char *name;
    };
    const Case cases[] = {
        {"KERNEL32.DLL", 256, "KERNEL32"},
        {"explorer.exe", 256, "explorer"},
        {"my.prog.exe", 256, "my"},
        {"NODOT", 256, "NODOT"},
        {".hidden", 256, ""},
        {"", 256, ""},
        {"KERNEL32.DLL", 4, "KER"},
        {"KERNEL32.DLL", 1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        char out[256];
        NameBeforeDot(c.text, out, c.size);
        EXPECT_STREQ(out, c.name);
    }
    char out[8] = "x";
    NameBeforeDot(nullptr, out, sizeof out);
    EXPECT_STREQ(out, "");
}

TEST(PathFileName, LastPartOfAPath) {
    EXPECT_STREQ(PathFileName("C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL"), "KERNEL32.DLL");
    EXPECT_STREQ(PathFileName("C:NOTE.TXT"), "NOTE.TXT");
    EXPECT_STREQ(PathFileName("/usr/lib/x.so"), "x.so");
    EXPECT_STREQ(PathFileName("PLAIN"), "PLAIN");
    EXPECT_STREQ(PathFileName("C:\\DIR\\"), "");
    EXPECT_STREQ(PathFileName(nullptr), "");
}

TEST(HeapSums, BlocksCountByExactFlags) {
    HeapSums sums = {};
    AddHeapBlock(sums, kHeapBlockFixed, 100);
    AddHeapBlock(sums, kHeapBlockFixed, 20);
    AddHeapBlock(sums, kHeapBlockFree, 7);
    AddHeapBlock(sums, kHeapBlockMoveable, 300);
    AddHeapBlock(sums, 3, 1000); // fixed and free at once: none
    AddHeapBlock(sums, 0, 1000);
    AddHeapBlock(sums, 8, 1000);
    AddHeapBlock(sums, 5, 1000);
    EXPECT_EQ(sums.fixed, 120u);
    EXPECT_EQ(sums.free, 7u);
    EXPECT_EQ(sums.moveable, 300u);
}

TEST(HeapSums, WrapAt32Bits) {
    HeapSums sums = {};
    AddHeapBlock(sums, kHeapBlockFixed, 0xFFFFFFF0UL);
    AddHeapBlock(sums, kHeapBlockFixed, 0x20);
    EXPECT_EQ(sums.fixed, 0x10u);
}

TEST(ModulePathSet, EachPathOnceIgnoringCaseInFirstOrder) {
    ModulePathSet set;
    EXPECT_TRUE(AddModulePath(set, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL"));
    EXPECT_TRUE(AddModulePath(set, "C:\\WINDOWS\\EXPLORER.EXE"));
    for (int i = 0; i < 10; ++i) // loaded by ten processes
        EXPECT_FALSE(AddModulePath(set, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL"));
    EXPECT_FALSE(AddModulePath(set, "c:\\windows\\system\\kernel32.dll"));
    EXPECT_FALSE(AddModulePath(set, "C:\\Windows\\Explorer.exe"));
    EXPECT_TRUE(AddModulePath(set, "C:\\WINDOWS\\SYSTEM\\USER32.DLL"));
    ASSERT_EQ(set.paths.size(), 3u);
    EXPECT_EQ(set.paths[0], "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
    EXPECT_EQ(set.paths[1], "C:\\WINDOWS\\EXPLORER.EXE");
    EXPECT_EQ(set.paths[2], "C:\\WINDOWS\\SYSTEM\\USER32.DLL");
}

TEST(ModulePathSet, KeepsTheFirstSpelling) {
    ModulePathSet set;
    AddModulePath(set, "c:\\windows\\Mixed.dll");
    AddModulePath(set, "C:\\WINDOWS\\MIXED.DLL");
    ASSERT_EQ(set.paths.size(), 1u);
    EXPECT_EQ(set.paths[0], "c:\\windows\\Mixed.dll");
}

TEST(ModulePathSet, HoldsMoreThanFiveHundredPaths) {
    ModulePathSet set;
    char path[64];
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 20000; ++i) {
            snprintf(path, sizeof path, round == 1 ? "c:\\lib\\m%05d.dll" : "C:\\LIB\\M%05d.DLL", i);
            EXPECT_EQ(AddModulePath(set, path), round == 0);
        }
    }
    ASSERT_EQ(set.paths.size(), 20000u);
    EXPECT_EQ(set.paths[500], "C:\\LIB\\M00500.DLL");
    EXPECT_EQ(set.paths[19999], "C:\\LIB\\M19999.DLL");
}

TEST(ProcessMemoryBlock, CaptionOrProcessName) {
    auto report = NewReport();
    ProcessMemoryFacts facts = {};
    facts.caption = "";
    facts.processName = "EXPLORER";
    facts.path = "C:\\WINDOWS\\EXPLORER.EXE";
    facts.processId = 4011;
    facts.heaps = {10, 20, 30};
    WriteProcessMemoryBlock(*report, facts);
    ASSERT_EQ(report->count, 7);
    EXPECT_EQ(Line(*report, 0), "\006\002EXPLORER");
    EXPECT_EQ(Line(*report, 1), "Module Path\t\003C:\\WINDOWS\\EXPLORER.EXE");
    EXPECT_EQ(Line(*report, 2), "Process ID\t\0034011");
    EXPECT_EQ(Line(*report, 3), "Fixed Memory\t\00310");
    EXPECT_EQ(Line(*report, 4), "Moveable Memory\t\00320");
    EXPECT_EQ(Line(*report, 5), "Free Memory\t\00330");
    EXPECT_EQ(Line(*report, 6), "");

    facts.caption = "Letter to Bob";
    WriteProcessMemoryBlock(*report, facts);
    EXPECT_EQ(Line(*report, 7), "\006\002Letter to Bob");
}

TEST(ProcessMemoryBlock, NotFoundShowsEmptyTextsAndZero) {
    auto report = NewReport();
    ProcessMemoryFacts facts = {};
    facts.caption = "";
    facts.processName = "";
    facts.path = "";
    WriteProcessMemoryBlock(*report, facts);
    EXPECT_EQ(Line(*report, 0), "\006\002");
    EXPECT_EQ(Line(*report, 1), "Module Path\t\003");
    EXPECT_EQ(Line(*report, 2), "Process ID\t\0030");
}

TEST(ProcessList, SummaryAboveTwoEmptyLines) {
    auto report = NewReport();
    BeginProcessList(*report);
    ASSERT_EQ(report->count, 5);
    WriteProcessListHeader(*report, "KERNEL32", "C:\\WINDOWS\\SYSTEM\\KRNL386.EXE", 2, 3);
    WriteProcessModuleLine(*report, "KERNEL32.DLL", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
    WriteProcessModuleLine(*report, "USER32.DLL", "C:\\WINDOWS\\SYSTEM\\USER32.DLL");
    WriteProcessListSummary(*report, 1, 3);
    ASSERT_EQ(report->count, 13);
    const char *expected[] = {
        "\006Processes",
        "Active Processes\t\0031",
        "Active Threads\t\0033",
        "",
        "",
        "\006\002KERNEL32",
        "File Name\t\003C:\\WINDOWS\\SYSTEM\\KRNL386.EXE",
        "Modules\t\0032",
        "Threads\t\0033",
        "",
        "\006Module List",
        "\003KERNEL32.DLL\t\003C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL",
        "\003USER32.DLL\t\003C:\\WINDOWS\\SYSTEM\\USER32.DLL",
    };
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Line(*report, i), expected[i]);
    }
}

TEST(ProcessList, NothingFoundReadsZero) {
    auto report = NewReport();
    BeginProcessList(*report);
    WriteProcessListSummary(*report, 0, 0);
    EXPECT_EQ(report->count, 5);
    EXPECT_EQ(Line(*report, 1), "Active Processes\t\0030");
    EXPECT_EQ(Line(*report, 2), "Active Threads\t\0030");
}

TEST(ModuleList, TitleBeforeDotAndPathInUpperCase) {
    auto report = NewReport();
    WriteModuleListHeader(*report, 2);
    WriteModuleListLine(*report, "Kernel32.dll", "c:\\windows\\system\\Kernel32.dll");
    WriteModuleListLine(*report, "notepad", "C:\\Windows\\notepad.exe");
    ASSERT_EQ(report->count, 5);
    EXPECT_EQ(Line(*report, 0), "\006Modules");
    EXPECT_EQ(Line(*report, 1), "Active Modules\t\0032");
    EXPECT_EQ(Line(*report, 2), "");
    EXPECT_EQ(Line(*report, 3), "\003Kernel32\t\003C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
    EXPECT_EQ(Line(*report, 4), "\003notepad\t\003C:\\WINDOWS\\NOTEPAD.EXE");
}

TEST(ModuleList, OverlongPathIsCutAndSaidSo) {
    auto report = NewReport();
    std::string path = "C:\\" + std::string(300, 'a') + ".dll";
    WriteModuleListLine(*report, "x.dll", path.c_str());
    EXPECT_EQ(std::strlen(report->line[0]), 255u);
    EXPECT_EQ(Line(*report, 0).substr(0, 7), "\003x\t\003C:\\");
    EXPECT_EQ(EndReport(*report), 2);
    EXPECT_EQ(Line(*report, 1).rfind(kReportCutCaption, 0), 0u);
}

TEST(PriorityList, ClassLineOnlyForKnownClasses) {
    auto report = NewReport();
    WritePriorityHeader(*report, "EXPLORER", PriorityClassWord(0x20));
    WritePriorityThreadLine(*report, "Exploring - C:\\", 77, 8, 0);
    WritePriorityThreadLine(*report, "", 78, 9, 2);
    ASSERT_EQ(report->count, 6);
    EXPECT_EQ(Line(*report, 0), "\006\002EXPLORER");
    EXPECT_EQ(Line(*report, 1), "Process Priority Class\t\003NORMAL");
    EXPECT_EQ(Line(*report, 2), "");
    EXPECT_EQ(Line(*report, 3), "\006Threads\t\006Base Priority\t\006Current Priority");
    EXPECT_EQ(Line(*report, 4), "\003Exploring - C:\\\t\0038\t\0038");
    EXPECT_EQ(Line(*report, 5), "\00378\t\0039\t\00311");

    auto other = NewReport();
    WritePriorityHeader(*other, "SERVICE", PriorityClassWord(0x4000));
    ASSERT_EQ(other->count, 3);
    EXPECT_EQ(Line(*other, 1), "");
    EXPECT_EQ(Line(*other, 2), "\006Threads\t\006Base Priority\t\006Current Priority");
}

TEST(PriorityList, NegativePrioritiesPrintAsUnsigned32Bit) {
    auto report = NewReport();
    WritePriorityThreadLine(*report, "", 5, -2, 0);
    WritePriorityThreadLine(*report, "", 6, 15, -16);
    EXPECT_EQ(Line(*report, 0), "\0035\t\0034294967294\t\0034294967294");
    EXPECT_EQ(Line(*report, 1), "\0036\t\00315\t\0034294967295");
}

TEST(WindowList, SevenLinesPerWindow) {
    auto report = NewReport();
    WindowFacts facts = {};
    facts.text = "";
    facts.owner = "EXPLORER";
    facts.style = 0x10CF0000UL;
    facts.windowWidth = 640;
    facts.windowHeight = 480;
    facts.clientWidth = 632;
    facts.clientHeight = 453;
    facts.state = {false, true, true, facts.style, true};
    WriteWindowBlock(*report, facts);
    ASSERT_EQ(report->count, kWindowBlockLines);
    const char *expected[] = {
        "\006\002No Title",
        "Owner\t\003EXPLORER",
        "Window Style\t\003OVERLAPPED, BORDER, CAPTION, MAXIMIZE BOX, MINIMIZE BOX, SYSTEM MENU",
        "Window Dimensions\t\003640 x 480",
        "Client Dimensions\t\003632 x 453",
        "Status\t\003Maximized, Visible, Focus",
        "",
    };
    for (int i = 0; i < kWindowBlockLines; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Line(*report, i), expected[i]);
    }
    facts.text = "Quorvex";
    facts.style = kStylePopup;
    facts.state = {false, false, false, kStylePopup, false};
    WriteWindowBlock(*report, facts);
    EXPECT_EQ(Line(*report, 7), "\006\002Quorvex");
    EXPECT_EQ(Line(*report, 9), "Window Style\t\003POPUP");
    EXPECT_EQ(Line(*report, 12), "Status\t\003Windowed, Hidden");
}

TEST(Report, RoomRunsOutAtThreeThousandLinesAndSaysSo) {
    auto report = NewReport();
    WindowFacts facts = {};
    facts.text = "W";
    facts.owner = "P";
    int blocks = 0;
    while (RoomInReport(*report)) {
        WriteWindowBlock(*report, facts);
        ++blocks;
    }
    EXPECT_EQ(blocks, (kReportSlots + kWindowBlockLines - 1) / kWindowBlockLines);
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_NE(report->damage & kReportLinesDropped, 0);
    EXPECT_EQ(EndReport(*report), kReportSlots);
    EXPECT_EQ(Line(*report, kReportSlots - 1).rfind(kReportCutCaption, 0), 0u);
}

TEST(Report, ExactlyFullIsNotCut) {
    auto report = NewReport();
    for (int i = 0; i < kReportSlots; ++i)
        AddReportLine(*report, "line %d", i);
    EXPECT_EQ(report->damage, 0) << "nothing left to write, nothing dropped";
    EXPECT_EQ(EndReport(*report), kReportSlots);
    EXPECT_EQ(Line(*report, kReportSlots - 1), "line 2999");
}

} // namespace
