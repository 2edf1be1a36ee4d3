// The desktop set-up reports' tables and lines, built from plain values.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "explore/display_info.h"
#include "tests/report_buffer_helpers.h"

namespace {

TEST(DisplayInfoColors, HeadingAndSwatchLines) {
    EXPECT_EQ(SwatchByte(0x100), 1); // only the low byte counts
    EXPECT_EQ(SwatchByte(0x1FF), 255);
    auto report = NewReport();
    AddColorHeading(*report);
    AddColorLine(*report, "Desktop", 0x000000); // zero bytes would end the line: drawn as 1
    AddColorLine(*report, "Desktop", 0x80C0A0); // red is the low byte
    AddColorLine(*report, "Desktop", 0xFF000102);
    const std::string expected = "\006Element\t\006Sample\t\006Red\t\006Green\t\006Blue\n"
                                 "Desktop\t\a\001\001\001Sample\t\0020\t\0040\t\0030\n"
                                 "Desktop\t\a\240\300\200Sample\t\002160\t\004192\t\003128\n"
                                 "Desktop\t\a\002\001\001Sample\t\0022\t\0041\t\0030\n";
    EXPECT_EQ(ReportText(*report), expected);
}

TEST(DisplayInfoPalettes, HeadingThenOneLinePerEntry) {
    const std::string heading = "\006System Palette Entries\t\006Sample\t\006Red\t\006Green\t\006Blue\n";
    const PaletteColour entries[] = {{0, 255, 0}, {190, 236, 7}};
    auto none = NewReport(); // a display without a palette
    WritePaletteReport(*none, nullptr, 2);
    WritePaletteReport(*none, entries, -1);
    EXPECT_EQ(ReportText(*none), heading + heading);
    auto report = NewReport();
    WritePaletteReport(*report, entries, 2);
    EXPECT_EQ(ReportText(*report), heading + " 0\t\a\001\377\001Sample\t\0020\t\004255\t\0030\n"
                                             " 1\t\a\276\354\007Sample\t\002190\t\004236\t\0037\n");
}

TEST(DisplayInfoMetrics, Lines) {
    auto report = NewReport();
    AddMetricHeading(*report);
    AddMetricLine(*report, "Screen Width", 1024);
    AddMetricLine(*report, "Odd", -5);
    AddCheckMarkLines(*report, 0x000F000D);
    AddCheckMarkLines(*report, 0xFFFFFFFF);
    const std::string expected =
        "\006Element\t\006Pixels\nScreen Width \t\0031024\nOdd \t\003-5\nMenu Check Mark Width\t\00313\n"
        "Menu Check Mark Height\t\00315\nMenu Check Mark Width\t\00365535\n"
        "Menu Check Mark Height\t\00365535\n";
    EXPECT_EQ(ReportText(*report), expected);
}

// Keyboard, mouse, no joystick in the equipment record, joystick 1's capabilities read.
const InputSettings kInput = {"1", "None", 1,   6, 10,   1,
                              4,   5,      500, 0, true, {0, 4000000100ul, 200, 300, 400, 500, 600, 700}};

TEST(DisplayInfoInput, KeyboardAndMouseThenTheJoystickWhenThereIsOne) {
    InputSettings s = kInput;
    auto report = NewReport();
    WriteInputReport(*report, s);
    const std::string expected =
        "\006Keyboard\nDelay Rate\t\0031\nRepeat Speed\t\003None\n\n"
        "\006Mouse\nMouse Buttons Swapped\t\003Yes\nMouse Threshold 1\t\0036\nMouse Threshold 2\t\00310\n"
        "Mouse Speed\t\0031\nDouble Click X Width\t\0034\nDouble Click Y Width\t\0035\n"
        "Double Click Speed\t\003500\n\n";
    EXPECT_EQ(ReportText(*report), expected);

    s.joysticks = 2;
    auto joystick = NewReport();
    WriteInputReport(*joystick, s);
    const std::string joystickLines =
        "\006Joystick\nMinimum X Coordinate\t\0030\nMaximum X Coordinate\t\0034000000100\n"
        "Minimum Y Coordinate\t\003200\nMaximum Y Coordinate\t\003300\nMinimum Z Coordinate\t\003400\n"
        "Maximum Z Coordinate\t\003500\nMinimum Polling Rate\t\003600\nMaximum Polling Rate\t\003700\n";
    EXPECT_EQ(ReportText(*joystick), expected + joystickLines);

    s.joystickCapsRead = false;
    auto failed = NewReport();
    WriteInputReport(*failed, s);
    EXPECT_EQ(ReportText(*failed), expected + "\006Joystick\nJoystick Capabilities\t\002Not Available\n");
}

TEST(DisplayInfoModules, VersionValueNamesAndBuffers) {
    char name[32];
    VersionValueName("Legal Trademarks", name, sizeof name);
    EXPECT_STREQ(name, "LegalTrademarks");
    VersionValueName("Legal Trademarks", name, 5);
    EXPECT_STREQ(name, "Lega");
    VersionValueName("Company Name", name, 0);
    EXPECT_STREQ(name, "Lega") << "nothing written to an empty buffer";
    VersionValueName(nullptr, name, sizeof name);
    EXPECT_STREQ(name, "");
    // Records up to the shared buffer's size use it; larger ones get their own up to the limit.
    EXPECT_EQ(VersionBufferFor(0), 0u);
    EXPECT_EQ(VersionBufferFor(1), kVersionBufferSize);
    EXPECT_EQ(VersionBufferFor(kVersionBufferSize + 1), kVersionBufferSize + 1);
    EXPECT_EQ(VersionBufferFor(kVersionRecordLimit), kVersionRecordLimit);
    EXPECT_EQ(VersionBufferFor(kVersionRecordLimit + 1), 0u);
}

TEST(DisplayInfoModules, MicrosoftInAnyCaseWithinTheFirst511Characters) {
    EXPECT_TRUE(IsMicrosoftCompany("the MicroSoft(R) people"));
    EXPECT_FALSE(IsMicrosoftCompany(nullptr));
    EXPECT_FALSE(IsMicrosoftCompany((std::string(600, 'a') + "Microsoft").c_str()));
}

// A fake version record: value name -> text; a missing name fails the lookup, a "(null)" value
// succeeds with no text.
struct FakeRecord {
    std::string translation;
    std::map<std::string, std::string> values;
};

const char *QueryFake(void *context, const char *path, bool *found) {
    auto *record = static_cast<FakeRecord *>(context);
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

// The translation the fake record declares (none when empty).
std::string g_declared;
bool DeclareFake(void *, char out[9]) {
    snprintf(out, 9, "%s", g_declared.c_str());
    return !g_declared.empty();
}

std::string ModuleLines(FakeRecord &record, const char *translation = kVersionTranslation,
                        const char *declared = "") {
    auto report = NewReport();
    g_declared = declared;
    VersionReader reader = {&record, QueryFake, DeclareFake};
    WriteModuleVersionLines(*report, "C:\\WINDOWS\\SYSTEM", "USER32.DLL", translation, reader);
    return ReportText(*report);
}

TEST(DisplayInfoModules, FullMicrosoftRecordCleaned) {
    FakeRecord record = {"040904E4",
                         {{"CompanyName", "Microsoft Corporation"},
                          {"FileDescription", "Windows\tUser API"},
                          {"FileVersion", "4.00.950"},
                          {"InternalName", "USER"},
                          {"LegalCopyright", "Copyright (C) Microsoft Corp. 1981-1995"},
                          {"LegalTrademarks", "Microsoft(R) is a\r\nregistered trademark"},
                          {"OriginalFilename", "USER32.DLL"},
                          {"ProductName", "Microsoft(R) Windows(TM) Operating System"},
                          {"ProductVersion", "4.00.950"}}};
    const std::string expected =
        "\006\002Windows User API\nFile Name and Path\t\003C:\\WINDOWS\\SYSTEM\\USER32.DLL\n"
        "Company Name\t\003Microsoft Corporation\nFile Description\t\003Windows User API\n"
        "File Version\t\0034.00.950\nInternal Name\t\003USER\n"
        "Legal Copyright\t\003Copyright (C) Microsoft Corp. 1981-1995\n"
        "Legal Trademarks\t\003Microsoft(R) is a  registered trademark\nOriginal Filename\t\003USER32.DLL\n"
        "Product Name\t\003Microsoft(R) Windows(TM) Operating System\nProduct Version\t\0034.00.950\n\n";
    EXPECT_EQ(ModuleLines(record), expected);
}

TEST(DisplayInfoModules, MissingAndNullValuesAreLeftOut) {
    FakeRecord record = {"040904E4",
                         {{"CompanyName", "MICROSOFT CORP."},
                          {"FileDescription", "(null)"},
                          {"FileVersion", "(null)"},
                          {"ProductName", std::string(300, 'p')}}};
    const std::string expected =
        "File Name and Path\t\003C:\\WINDOWS\\SYSTEM\\USER32.DLL\nCompany Name\t\003MICROSOFT CORP.\n"
        "Product Name\t\003" +
        std::string(255 - 14, 'p') + "\n\n";
    EXPECT_EQ(ModuleLines(record), expected);
}

TEST(DisplayInfoModules, OtherVendorsAndMissingRecords) {
    FakeRecord vendor = {"040904E4", {{"CompanyName", "Acme"}, {"FileDescription", "Widget"}}};
    EXPECT_EQ(ModuleLines(vendor), "\n");
    FakeRecord nullCompany = {"040904E4", {{"CompanyName", "(null)"}, {"FileDescription", "Widget"}}};
    EXPECT_EQ(ModuleLines(nullCompany), "\n");
    FakeRecord noDescription = {"040904E4", {{"CompanyName", "Microsoft"}}};
    EXPECT_EQ(ModuleLines(noDescription), "\n");
    FakeRecord noCompany = {"040904E4", {{"FileDescription", "Widget"}}};
    EXPECT_EQ(ModuleLines(noCompany), "");
    // A record in another translation only: nothing for the US-English lookup unless the record
    // declares the translation it holds.
    FakeRecord otherTranslation = {"040904B0",
                                   {{"CompanyName", "Microsoft Corporation"}, {"FileDescription", "X"}}};
    EXPECT_EQ(ModuleLines(otherTranslation), "");
    const std::string full = "\006\002X\nFile Name and Path\t\003C:\\WINDOWS\\SYSTEM\\USER32.DLL\n"
                             "Company Name\t\003Microsoft Corporation\nFile Description\t\003X\n\n";
    EXPECT_EQ(ModuleLines(otherTranslation, "040904B0"), full);
    EXPECT_EQ(ModuleLines(otherTranslation, kVersionTranslation, "040904B0"), full);
    EXPECT_EQ(ModuleLines(otherTranslation, kVersionTranslation, "04070000"), "");
    char text[9];
    FormatTranslation(0x0409, 0x4b0, text);
    EXPECT_STREQ(text, "040904B0");
}

TEST(DisplayInfoFonts, NamesSortAfterTheHeading) {
    auto report = NewReport();
    AddReportLine(*report, "%s", kFontHeading);
    for (const char *name : {"\003Times New Roman", "\003arial", "\003Courier", "\003Arial Black"})
        AddReportLine(*report, "%s", name);
    SortReportLines(*report, 1, report->count, strcmp); // the range may run one past the last line
    EXPECT_EQ(ReportText(*report),
              "\006Font Name\n\003Arial Black\n\003Courier\n\003Times New Roman\n\003arial\n");
}

} // namespace
