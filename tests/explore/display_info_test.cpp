// The desktop set-up reports' tables and lines, built from plain values.
#include <gtest/gtest.h>

#include <strings.h>

#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "explore/display_info.h"
#include "tests/report_buffer_helpers.h"

namespace {

std::string Line(const ReportBuffer &report, int i) {
    return report.line[i];
}

// ---- Colors -------------------------------------------------------------------------------------

TEST(DisplayInfoColors, TableHoldsEveryElementOnce) {
    std::set<int> indexes;
    for (int i = 0; i < kColorElementCount; ++i) {
        SCOPED_TRACE(kColorElements[i].name);
        EXPECT_GE(kColorElements[i].index, 0);
        EXPECT_LT(kColorElements[i].index, kColorElementCount);
        indexes.insert(kColorElements[i].index);
    }
    EXPECT_EQ(indexes.size(), static_cast<size_t>(kColorElementCount));
}

TEST(DisplayInfoColors, SwatchBytesNeverZero) {
    const struct {
        unsigned in;
        unsigned char out;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {128, 128}, {255, 255}, {0x100, 1}, {0x1FF, 255}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(SwatchByte(c.in), c.out);
    }
}

TEST(DisplayInfoColors, HeadingHasFiveHeadingColumns) {
    auto report = NewReport();
    AddColorHeading(*report);
    ASSERT_EQ(report->count, 1);
    EXPECT_EQ(Line(*report, 0), "\006Element\t\006Sample\t\006Red\t\006Green\t\006Blue");
}

TEST(DisplayInfoColors, LinesCarrySwatchAndTrueValues) {
    struct Case {
        uint32_t colour;
        const char *expected;
    };
    const Case cases[] = {
        {0x000000, "Desktop\t\a\001\001\001Sample\t\0020\t\0040\t\0030"},
        {0xFFFFFF, "Desktop\t\a\377\377\377Sample\t\002255\t\004255\t\003255"},
        {0x0000FF, "Desktop\t\a\377\001\001Sample\t\002255\t\0040\t\0030"},
        {0x00FF00, "Desktop\t\a\001\377\001Sample\t\0020\t\004255\t\0030"},
        {0xFF0000, "Desktop\t\a\001\001\377Sample\t\0020\t\0040\t\003255"},
        {0x80C0A0, "Desktop\t\a\240\300\200Sample\t\002160\t\004192\t\003128"},
        {0xFF000102, "Desktop\t\a\002\001\001Sample\t\0022\t\0041\t\0030"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.colour);
        auto report = NewReport();
        AddColorLine(*report, "Desktop", c.colour);
        ASSERT_EQ(report->count, 1);
        EXPECT_EQ(Line(*report, 0), c.expected);
        ColumnPiece columns[kReportColumns];
        ASSERT_EQ(SplitReportColumns(report->line[0], columns), 5);
        ColumnStyle swatch = ParseReportColumn(columns[1]);
        EXPECT_EQ(swatch.colour, kColourSwatch);
        EXPECT_EQ(std::string(swatch.text, swatch.length), "Sample");
        EXPECT_EQ(ParseReportColumn(columns[2]).colour, kColourRed);
        EXPECT_EQ(ParseReportColumn(columns[3]).colour, kColourGreen);
        EXPECT_EQ(ParseReportColumn(columns[4]).colour, kColourBlue);
    }
}

// ---- Palettes -----------------------------------------------------------------------------------

TEST(DisplayInfoPalettes, NoPaletteGivesHeadingAlone) {
    auto report = NewReport();
    WritePaletteReport(*report, nullptr, 0);
    ASSERT_EQ(report->count, 1);
    EXPECT_EQ(Line(*report, 0), "\006System Palette Entries\t\006Sample\t\006Red\t\006Green\t\006Blue");
    PaletteColour one = {1, 2, 3};
    auto negative = NewReport();
    WritePaletteReport(*negative, &one, -1);
    EXPECT_EQ(negative->count, 1);
}

TEST(DisplayInfoPalettes, EntriesNumberedWithLeadingBlank) {
    PaletteColour entries[kSystemPaletteShown] = {};
    for (int i = 0; i < kSystemPaletteShown; ++i)
        entries[i] = {static_cast<unsigned char>(i * 10), static_cast<unsigned char>(255 - i), 0};
    auto report = NewReport();
    WritePaletteReport(*report, entries, kSystemPaletteShown);
    ASSERT_EQ(report->count, 1 + kSystemPaletteShown);
    EXPECT_EQ(Line(*report, 1), " 0\t\a\001\377\001Sample\t\0020\t\004255\t\0030");
    EXPECT_EQ(Line(*report, 20), " 19\t\a\276\354\001Sample\t\002190\t\004236\t\0030");
    for (int i = 0; i < kSystemPaletteShown; ++i) {
        SCOPED_TRACE(i);
        char prefix[16];
        snprintf(prefix, sizeof prefix, " %d\t\a", i);
        EXPECT_EQ(Line(*report, i + 1).rfind(prefix, 0), 0u);
    }
}

// ---- Video Metrics ------------------------------------------------------------------------------

TEST(DisplayInfoMetrics, TableRowsAndMetrics) {
    ASSERT_EQ(kMetricRowCount, 56);
    const std::map<std::string, int> some = {
        {"Screen Width", 0},
        {"Small Caption Height", 51},
        {"Menu Drop Alignment", 40},
        {"Sizing Frame Width", 32},
        {"Window Frame Width", 32},
        {"Vertical Scroll Arrow Height", 20},
        {"Horizontal Scroll Bar Height", 3},
        {"Horizontal Thumb Width", 10},
        {"Vertical Thumb Height", 9},
        {"Vertical Drag Rectangle Size", 69},
    };
    std::set<std::string> captions;
    for (const MetricRow &row : kMetricRows) {
        SCOPED_TRACE(row.caption);
        EXPECT_TRUE(captions.insert(row.caption).second) << "caption twice";
        EXPECT_GE(row.metric, 0);
        EXPECT_LE(row.metric, 72);
        EXPECT_LT(strlen(row.caption) + 8, 255u);
        auto it = some.find(row.caption);
        if (it != some.end()) {
            EXPECT_EQ(row.metric, it->second);
        }
    }
    EXPECT_STREQ(kMetricRows[0].caption, "Screen Width");
    EXPECT_STREQ(kMetricRows[55].caption, "Vertical Drag Rectangle Size");
    // Rows that read the same metric under two captions.
    std::map<int, int> uses;
    for (const MetricRow &row : kMetricRows)
        ++uses[row.metric];
    EXPECT_EQ(uses[32], 2);
    EXPECT_EQ(uses[33], 2);
    EXPECT_EQ(uses[2], 2);
    EXPECT_EQ(uses[3], 2);
    EXPECT_EQ(uses[20], 2);
    EXPECT_EQ(uses[21], 2);
    EXPECT_EQ(uses[0], 1);
}

TEST(DisplayInfoMetrics, Lines) {
    auto report = NewReport();
    AddMetricHeading(*report);
    AddMetricLine(*report, "Screen Width", 1024);
    AddMetricLine(*report, "Menu Drop Alignment", 0);
    AddMetricLine(*report, "Odd", -5);
    AddCheckMarkLines(*report, 0x000F000D);
    ASSERT_EQ(report->count, 6);
    EXPECT_EQ(Line(*report, 0), "\006Element\t\006Pixels");
    EXPECT_EQ(Line(*report, 1), "Screen Width \t\0031024");
    EXPECT_EQ(Line(*report, 2), "Menu Drop Alignment \t\0030");
    EXPECT_EQ(Line(*report, 3), "Odd \t\003-5");
    EXPECT_EQ(Line(*report, 4), "Menu Check Mark Width\t\00313");
    EXPECT_EQ(Line(*report, 5), "Menu Check Mark Height\t\00315");
    auto big = NewReport();
    AddCheckMarkLines(*big, 0xFFFFFFFF);
    EXPECT_EQ(Line(*big, 0), "Menu Check Mark Width\t\00365535");
    EXPECT_EQ(Line(*big, 1), "Menu Check Mark Height\t\00365535");
}

// ---- Input Devices ------------------------------------------------------------------------------

InputSettings SampleInput() {
    InputSettings s = {};
    snprintf(s.keyboardDelay, sizeof s.keyboardDelay, "%s", "1");
    snprintf(s.keyboardSpeed, sizeof s.keyboardSpeed, "%s", "None");
    s.buttonsSwapped = 0;
    s.mouseThreshold1 = 6;
    s.mouseThreshold2 = 10;
    s.mouseSpeed = 1;
    s.doubleClickWidth = 4;
    s.doubleClickHeight = 4;
    s.doubleClickSpeed = 500;
    return s;
}

TEST(DisplayInfoInput, NoJoystick) {
    auto report = NewReport();
    WriteInputReport(*report, SampleInput());
    const std::vector<std::string> expected = {
        "\006Keyboard",
        "Delay Rate\t\0031",
        "Repeat Speed\t\003None",
        "",
        "\006Mouse",
        "Mouse Buttons Swapped\t\003No",
        "Mouse Threshold 1\t\0036",
        "Mouse Threshold 2\t\00310",
        "Mouse Speed\t\0031",
        "Double Click X Width\t\0034",
        "Double Click Y Width\t\0034",
        "Double Click Speed\t\003500",
        "",
    };
    ASSERT_EQ(report->count, static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Line(*report, static_cast<int>(i)), expected[i]);
    }
}

TEST(DisplayInfoInput, SwappedButtonsSayYes) {
    InputSettings s = SampleInput();
    s.buttonsSwapped = 1;
    auto report = NewReport();
    WriteInputReport(*report, s);
    EXPECT_EQ(Line(*report, 5), "Mouse Buttons Swapped\t\003Yes");
}

TEST(DisplayInfoInput, JoystickCapabilities) {
    InputSettings s = SampleInput();
    s.joysticks = 1;
    s.joystickCapsRead = true;
    for (int i = 0; i < kJoystickValueCount; ++i)
        s.joystick[i] = 100ul * static_cast<unsigned long>(i) + 4000000000ul * (i == 1);
    auto report = NewReport();
    WriteInputReport(*report, s);
    ASSERT_EQ(report->count, 13 + 1 + kJoystickValueCount);
    EXPECT_EQ(Line(*report, 13), "\006Joystick");
    const char *captions[] = {"Minimum X Coordinate", "Maximum X Coordinate", "Minimum Y Coordinate",
                              "Maximum Y Coordinate", "Minimum Z Coordinate", "Maximum Z Coordinate",
                              "Minimum Polling Rate", "Maximum Polling Rate"};
    for (int i = 0; i < kJoystickValueCount; ++i) {
        SCOPED_TRACE(captions[i]);
        EXPECT_STREQ(kJoystickCaptions[i], captions[i]);
        char expected[128];
        snprintf(expected, sizeof expected, "%s\t\003%lu", captions[i], s.joystick[i]);
        EXPECT_EQ(Line(*report, 14 + i), expected);
    }
    EXPECT_EQ(Line(*report, 15), "Maximum X Coordinate\t\0034000000100");
}

TEST(DisplayInfoInput, JoystickWhoseCapabilitiesFail) {
    InputSettings s = SampleInput();
    s.joysticks = 2;
    s.joystickCapsRead = false;
    auto report = NewReport();
    WriteInputReport(*report, s);
    ASSERT_EQ(report->count, 15);
    EXPECT_EQ(Line(*report, 13), "\006Joystick");
    EXPECT_EQ(Line(*report, 14), "Joystick Capabilities\t\002Not Available");
}

TEST(DisplayInfoInput, LongProfileTextIsCut) {
    InputSettings s = SampleInput();
    memset(s.keyboardDelay, 'x', sizeof s.keyboardDelay - 1);
    s.keyboardDelay[sizeof s.keyboardDelay - 1] = 0;
    auto report = NewReport();
    WriteInputReport(*report, s);
    EXPECT_EQ(strlen(report->line[1]), 255u);
    EXPECT_NE(report->damage & kReportLineCut, 0);
    EndReport(*report);
    EXPECT_EQ(Line(*report, report->count - 1).rfind("Report Cut Short\t", 0), 0u);
}

// ---- Windows Modules ----------------------------------------------------------------------------

TEST(DisplayInfoModules, CaptionsAndValueNames) {
    const struct {
        const char *caption;
        const char *name;
    } cases[] = {
        {"Company Name", "CompanyName"},           {"File Description", "FileDescription"},
        {"File Version", "FileVersion"},           {"Internal Name", "InternalName"},
        {"Legal Copyright", "LegalCopyright"},     {"Legal Trademarks", "LegalTrademarks"},
        {"Original Filename", "OriginalFilename"}, {"Product Name", "ProductName"},
        {"Product Version", "ProductVersion"},
    };
    ASSERT_EQ(std::size(cases), static_cast<size_t>(kVersionCaptionCount));
    for (int i = 0; i < kVersionCaptionCount; ++i) {
        SCOPED_TRACE(cases[i].caption);
        EXPECT_STREQ(kVersionCaptions[i], cases[i].caption);
        char name[32];
        VersionValueName(kVersionCaptions[i], name, sizeof name);
        EXPECT_STREQ(name, cases[i].name);
    }
    char small[5];
    VersionValueName("Legal Trademarks", small, sizeof small);
    EXPECT_STREQ(small, "Lega");
    VersionValueName(nullptr, small, sizeof small);
    EXPECT_STREQ(small, "");
}

TEST(DisplayInfoModules, QueryPath) {
    char path[64];
    VersionQueryPath(kVersionTranslation, "CompanyName", path, sizeof path);
    EXPECT_STREQ(path, "\\StringFileInfo\\040904E4\\CompanyName");
    VersionQueryPath("040904B0", "ProductVersion", path, sizeof path);
    EXPECT_STREQ(path, "\\StringFileInfo\\040904B0\\ProductVersion");
    char tiny[10];
    VersionQueryPath(kVersionTranslation, "CompanyName", tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "\\StringFi");
}

TEST(DisplayInfoModules, MicrosoftInAnyCase) {
    const struct {
        const char *company;
        bool microsoft;
    } cases[] = {
        {"Microsoft Corporation", true},
        {"MICROSOFT", true},
        {"the microsoft people", true},
        {"MicroSoft(R)", true},
        {"Micro Soft", false},
        {"Wine", false},
        {"", false},
        {nullptr, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.company ? c.company : "(null)");
        EXPECT_EQ(IsMicrosoftCompany(c.company), c.microsoft);
    }
    std::string longName(600, 'a');
    longName += "Microsoft";
    EXPECT_FALSE(IsMicrosoftCompany(longName.c_str())) << "only the first 511 characters count";
}

TEST(DisplayInfoModules, BufferForRecordSizes) {
    const struct {
        size_t size;
        size_t buffer;
    } cases[] = {
        {0, 0},
        {1, kVersionBufferSize},
        {1500, kVersionBufferSize},
        {kVersionBufferSize, kVersionBufferSize},
        {kVersionBufferSize + 1, kVersionBufferSize + 1},
        {kVersionRecordLimit, kVersionRecordLimit},
        {kVersionRecordLimit + 1, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        EXPECT_EQ(VersionBufferFor(c.size), c.buffer);
    }
}

// A fake version record: value name -> text; a missing name fails the lookup, a "(null)" value
// succeeds with no text.
struct FakeRecord {
    std::string translation;
    std::map<std::string, std::string> values;
    std::vector<std::string> asked;
};

const char *QueryFake(void *context, const char *path, bool *found) {
    auto *record = static_cast<FakeRecord *>(context);
    record->asked.push_back(path);
    std::string prefix = "\\StringFileInfo\\" + record->translation + "\\";
    std::string p = path;
    *found = false;
    if (p.rfind(prefix, 0) != 0)
        return nullptr;
    auto it = record->values.find(p.substr(prefix.size()));
    if (it == record->values.end())
        return nullptr;
    *found = true;
    return it->second == "(null)" ? nullptr : it->second.c_str();
}

std::vector<std::string> ModuleLines(FakeRecord &record, const char *translation = kVersionTranslation) {
    auto report = NewReport();
    VersionReader reader = {&record, QueryFake};
    WriteModuleVersionLines(*report, "C:\\WINDOWS\\SYSTEM", "USER32.DLL", translation, reader);
    std::vector<std::string> lines;
    for (int i = 0; i < report->count; ++i)
        lines.push_back(report->line[i]);
    return lines;
}

TEST(DisplayInfoModules, FullMicrosoftRecord) {
    FakeRecord record = {"040904E4",
                         {{"CompanyName", "Microsoft Corporation"},
                          {"FileDescription", "Windows User API"},
                          {"FileVersion", "4.00.950"},
                          {"InternalName", "USER"},
                          {"LegalCopyright", "Copyright (C) Microsoft Corp. 1981-1995"},
                          {"LegalTrademarks", "Microsoft(R) is a registered trademark"},
                          {"OriginalFilename", "USER32.DLL"},
                          {"ProductName", "Microsoft(R) Windows(TM) Operating System"},
                          {"ProductVersion", "4.00.950"}},
                         {}};
    std::vector<std::string> expected = {
        "\006\002Windows User API",
        "File Name and Path\t\003C:\\WINDOWS\\SYSTEM\\USER32.DLL",
        "Company Name\t\003Microsoft Corporation",
        "File Description\t\003Windows User API",
        "File Version\t\0034.00.950",
        "Internal Name\t\003USER",
        "Legal Copyright\t\003Copyright (C) Microsoft Corp. 1981-1995",
        "Legal Trademarks\t\003Microsoft(R) is a registered trademark",
        "Original Filename\t\003USER32.DLL",
        "Product Name\t\003Microsoft(R) Windows(TM) Operating System",
        "Product Version\t\0034.00.950",
        "",
    };
    EXPECT_EQ(ModuleLines(record), expected);
}

TEST(DisplayInfoModules, MissingAndNullValuesAreLeftOut) {
    FakeRecord record = {"040904E4",
                         {{"CompanyName", "MICROSOFT CORP."},
                          {"FileDescription", "(null)"},
                          {"FileVersion", "(null)"},
                          {"ProductName", "Windows"}},
                         {}};
    std::vector<std::string> expected = {
        "File Name and Path\t\003C:\\WINDOWS\\SYSTEM\\USER32.DLL",
        "Company Name\t\003MICROSOFT CORP.",
        "Product Name\t\003Windows",
        "",
    };
    EXPECT_EQ(ModuleLines(record), expected);
}

TEST(DisplayInfoModules, OtherVendorsAndMissingRecords) {
    FakeRecord vendor = {"040904E4", {{"CompanyName", "Acme"}, {"FileDescription", "Widget"}}, {}};
    EXPECT_EQ(ModuleLines(vendor), std::vector<std::string>{""});
    FakeRecord nullCompany = {"040904E4", {{"CompanyName", "(null)"}, {"FileDescription", "Widget"}}, {}};
    EXPECT_EQ(ModuleLines(nullCompany), std::vector<std::string>{""});
    FakeRecord noDescription = {"040904E4", {{"CompanyName", "Microsoft"}}, {}};
    EXPECT_EQ(ModuleLines(noDescription), std::vector<std::string>{""});
    FakeRecord noCompany = {"040904E4", {{"FileDescription", "Widget"}}, {}};
    EXPECT_TRUE(ModuleLines(noCompany).empty());
    // A record in another translation only: nothing for the US-English lookup.
    FakeRecord otherTranslation = {
        "040904B0", {{"CompanyName", "Microsoft Corporation"}, {"FileDescription", "X"}}, {}};
    EXPECT_TRUE(ModuleLines(otherTranslation).empty());
    ASSERT_EQ(otherTranslation.asked.size(), 1u);
    EXPECT_EQ(otherTranslation.asked[0], "\\StringFileInfo\\040904E4\\CompanyName");
    EXPECT_EQ(ModuleLines(otherTranslation, "040904B0").size(), 5u);
}

TEST(DisplayInfoModules, LongValuesAreCut) {
    FakeRecord record = {
        "040904E4",
        {{"CompanyName", "Microsoft " + std::string(400, 'm')}, {"FileDescription", std::string(300, 'd')}},
        {}};
    auto report = NewReport();
    VersionReader reader = {&record, QueryFake};
    WriteModuleVersionLines(*report, "C:\\WINDOWS\\SYSTEM", "X.DLL", kVersionTranslation, reader);
    ASSERT_EQ(report->count, 5);
    for (int i = 0; i < report->count; ++i)
        EXPECT_LE(strlen(report->line[i]), 255u);
    EXPECT_NE(report->damage & kReportLineCut, 0);
}

TEST(DisplayInfoModules, ManyModulesStopAtTheLastSlot) {
    FakeRecord record = {"040904E4",
                         {{"CompanyName", "Microsoft Corporation"},
                          {"FileDescription", "Library"},
                          {"FileVersion", "1.0"},
                          {"ProductName", "Windows"}},
                         {}};
    auto report = NewReport();
    VersionReader reader = {&record, QueryFake};
    for (int i = 0; i < 600; ++i)
        WriteModuleVersionLines(*report, "C:\\WINDOWS\\SYSTEM", "A.DLL", kVersionTranslation, reader);
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_NE(report->damage & kReportLinesDropped, 0);
    EXPECT_EQ(EndReport(*report), kReportSlots);
    EXPECT_EQ(Line(*report, kReportSlots - 1), "Report Cut Short\t\002Only the first 2999 lines are shown");
}

// ---- Fonts --------------------------------------------------------------------------------------

int CompareNoCase(const char *a, const char *b) {
    return strcasecmp(a, b);
}

TEST(DisplayInfoFonts, SortsAfterTheHeadingIgnoringCase) {
    const char *names[] = {"\003Times New Roman", "\003arial",    "\003Courier",     "\003MS Sans Serif",
                           "\003Arial Black",     "\003Symbol",   "\003courier new", "\003Marlett",
                           "\003Tahoma",          "\003Wingdings"};
    auto report = NewReport();
    AddReportLine(*report, "%s", kFontHeading);
    for (const char *n : names)
        AddReportLine(*report, "%s", n);
    SortReportLines(*report, 1, report->count - 1, CompareNoCase);
    std::vector<std::string> expected = {"\006Font Name",       "\003arial",       "\003Arial Black",
                                         "\003Courier",         "\003courier new", "\003Marlett",
                                         "\003MS Sans Serif",   "\003Symbol",      "\003Tahoma",
                                         "\003Times New Roman", "\003Wingdings"};
    ASSERT_EQ(report->count, static_cast<int>(expected.size()));
    for (int i = 0; i < report->count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Line(*report, i), expected[static_cast<size_t>(i)]);
    }
}

TEST(DisplayInfoFonts, SortShapes) {
    // Already sorted, reversed, all equal, two lines, one line, an empty range, a range past the count.
    const std::vector<std::vector<std::string>> inputs = {
        {"a", "b", "c", "d", "e"}, {"e", "d", "c", "b", "a"}, {"x", "X", "x", "X"}, {"b", "a"}, {"a"}, {},
    };
    for (const auto &input : inputs) {
        SCOPED_TRACE(input.size());
        auto report = NewReport();
        AddReportLine(*report, "%s", kFontHeading);
        for (const auto &s : input)
            AddReportLine(*report, "%s", s.c_str());
        SortReportLines(*report, 1, report->count + 5, CompareNoCase);
        EXPECT_EQ(report->count, static_cast<int>(input.size()) + 1);
        EXPECT_EQ(Line(*report, 0), "\006Font Name");
        for (int i = 2; i < report->count; ++i)
            EXPECT_LE(strcasecmp(report->line[i - 1], report->line[i]), 0);
    }
}

TEST(DisplayInfoFonts, ManyLinesStaySortedAndComplete) {
    auto report = NewReport();
    AddReportLine(*report, "%s", kFontHeading);
    unsigned seed = 12345;
    std::multiset<std::string> before;
    for (int i = 0; i < kReportSlots - 1; ++i) {
        seed = seed * 1103515245u + 12345u;
        char name[32];
        snprintf(name, sizeof name, "\003%c%05u", (seed >> 16) % 2 ? 'F' : 'f', (seed >> 8) % 5000);
        AddReportLine(*report, "%s", name);
        before.insert(name);
    }
    ASSERT_EQ(report->count, kReportSlots);
    SortReportLines(*report, 1, report->count - 1, CompareNoCase);
    std::multiset<std::string> after;
    for (int i = 1; i < report->count; ++i) {
        after.insert(report->line[i]);
        if (i > 1) {
            ASSERT_LE(strcasecmp(report->line[i - 1], report->line[i]), 0) << i;
        }
    }
    EXPECT_EQ(before, after);
}

} // namespace
