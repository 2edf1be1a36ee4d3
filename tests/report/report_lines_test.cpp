#include "report/report_lines.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "tests/report_buffer_helpers.h"

namespace {

std::string Text(const ColumnPiece &c) {
    return std::string(c.text, c.length);
}
std::string Text(const ColumnStyle &s) {
    return std::string(s.text ? s.text : "", s.length);
}

std::vector<std::string> Columns(const char *line) {
    ColumnPiece pieces[kReportColumns];
    int n = SplitReportColumns(line, pieces);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(Text(pieces[i]));
    return out;
}

ColumnStyle Style(const char *column) {
    return ParseReportColumn({column, static_cast<int>(strlen(column))});
}

TEST(ReportColumns, RunsOfTabsAreOneSeparatorAndLeadingTabsAreSkipped) {
    EXPECT_EQ(Columns("one\t\ttwo"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Columns("\t\tone\ttwo\t"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Columns(""), std::vector<std::string>{});
    EXPECT_EQ(Columns("\t\t"), std::vector<std::string>{});
    EXPECT_EQ(Columns("Windows Version\t\0034.0"), (std::vector<std::string>{"Windows Version", "\0034.0"}));
}

TEST(ReportColumns, AtMostNineColumns) {
    auto c = Columns("0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10");
    ASSERT_EQ(c.size(), 9u);
    EXPECT_EQ(c[8], "8");
}

TEST(ReportColumns, AnUnterminatedSlotIsReadOnlyToItsEnd) {
    auto slot = std::make_unique<char[]>(kReportSlotSize);
    memset(slot.get(), 'a', kReportSlotSize);
    ColumnPiece pieces[kReportColumns];
    ASSERT_EQ(SplitReportColumns(slot.get(), pieces), 1);
    EXPECT_EQ(pieces[0].length, kReportSlotSize - 1);
}

TEST(ReportColumns, ColumnPositions) {
    const int expected[] = {10, 220, 290, 360, 430, 500, 570, 640, 710};
    for (int i = 0; i < kReportColumns; ++i)
        EXPECT_EQ(kColumnX[i], expected[i]);
}

TEST(MarkerCodes, ColourCodesSelectTheColourAndAreNotDrawn) {
    struct Case {
        const char *column;
        ColumnColour colour;
        const char *text;
    } cases[] = {
        {"\001black", kColourBlack, "black"}, {"\002Failed", kColourRed, "Failed"},
        {"\003Yes", kColourBlue, "Yes"},      {"\004green", kColourGreen, "green"},
        {"\005olive", kColourOlive, "olive"}, {"&grey", kColourGrey, "grey"},
        {"plain", kColourBlack, "plain"},     {"\010back", kColourBlack, "\010back"},
        {"\377x", kColourBlack, "\377x"},     {"\x06", kColourBlack, ""},
    };
    for (const Case &c : cases) {
        ColumnStyle s = Style(c.column);
        EXPECT_EQ(s.colour, c.colour) << c.column;
        EXPECT_EQ(Text(s), c.text) << c.column;
    }
}

TEST(MarkerCodes, HeadingMarkOnlyAsFirstByteThenAColour) {
    ColumnStyle s = Style("\006\002Warning");
    EXPECT_TRUE(s.heading);
    EXPECT_EQ(s.colour, kColourRed);
    EXPECT_EQ(Text(s), "Warning");
    s = Style("\006Heading");
    EXPECT_TRUE(s.heading);
    EXPECT_EQ(s.colour, kColourBlack);
    EXPECT_EQ(Text(s), "Heading");
    s = Style("\002\006x");
    EXPECT_FALSE(s.heading);
    EXPECT_EQ(Text(s), "\006x");
}

TEST(MarkerCodes, SwatchTakesThreeColourBytes) {
    ColumnStyle s = Style("\007\377\001\200Sample");
    EXPECT_EQ(s.colour, kColourSwatch);
    EXPECT_EQ(s.rgb[0], 255);
    EXPECT_EQ(s.rgb[1], 1);
    EXPECT_EQ(s.rgb[2], 128);
    EXPECT_EQ(Text(s), "Sample");
    // A swatch cut short reads no further than its column.
    s = ParseReportColumn({"\007\100\100Tail", 3});
    EXPECT_EQ(s.rgb[0], 0x40);
    EXPECT_EQ(s.rgb[1], 0x40);
    EXPECT_EQ(s.rgb[2], 0);
    EXPECT_EQ(s.length, 0);
}

TEST(MarkerCodes, BarValuesAreLeadingDigitsOfTwoCharactersClamped) {
    struct Case {
        const char *column;
        int value;
        const char *label;
    } cases[] = {{"%05", 5, "05"}, {"%00", 0, "00"}, {"%99", 99, "99"}, {"%37", 37, "37"},  {"%7x", 7, "7x"},
                 {"%x7", 0, "x7"}, {"%5", 5, "5"},   {"%", 0, ""},      {"%123", 12, "12"}, {"%-5", 0, "-5"}};
    for (const Case &c : cases) {
        ColumnStyle s = Style(c.column);
        EXPECT_EQ(s.colour, kColourBar) << c.column;
        EXPECT_EQ(s.barValue, c.value) << c.column;
        EXPECT_EQ(Text(s), c.label) << c.column;
    }
}

TEST(BarGeometry, FullScaleSpansTwoColumnsShrunkByOnePixel) {
    // Column 1 to column 3 is 140 pixels; 5 % is 7 pixels.
    BarGeometry b = ReportBarGeometry(1, 5);
    EXPECT_EQ(b.left, 221);
    EXPECT_EQ(b.right, 220 + 7 - 1);
    EXPECT_EQ(b.labelX, b.right + 5);
    b = ReportBarGeometry(0, 99);
    EXPECT_EQ(b.right, 10 + 99 * 280 / 100 - 1);
    b = ReportBarGeometry(0, 0);
    EXPECT_LE(b.right, b.left) << "no bar for 0";
    EXPECT_EQ(b.labelX, 10 - 1 + 5);
    b = ReportBarGeometry(6, 50);
    EXPECT_EQ(b.right, 570 + 70 - 1);
    b = ReportBarGeometry(8, 200);
    EXPECT_EQ(b.right, 710 + 99 * 140 / 100 - 1)
        << "values clamp to 99; the last columns keep 70-pixel steps";
}

TEST(ReportBuffer, LinesAreCutAt255CharactersAndTheReportAt3000Lines) {
    auto report = std::make_unique<ReportBuffer>();
    report->count = 0;
    std::string longText(600, 'w');
    ASSERT_TRUE(AddReportLine(*report, "%s\t%s", "caption", longText.c_str()));
    EXPECT_EQ(strlen(report->line[0]), 255u);
    EXPECT_EQ(report->count, 1);
    for (int i = 1; i < kReportSlots; ++i)
        ASSERT_TRUE(AddReportLine(*report, "line %d", i));
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_FALSE(AddReportLine(*report, "one too many"));
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_STREQ(report->line[kReportSlots - 1], "line 2999");
}

TEST(ReportBuffer, AReportCutShortSaysSoInItsLastLine) {
    auto report = std::make_unique<ReportBuffer>();
    BeginReport(*report);
    AddReportLine(*report, "short");
    EXPECT_EQ(EndReport(*report), 1) << "nothing to say";
    BeginReport(*report);
    AddReportLine(*report, "%s", std::string(300, 'x').c_str());
    EXPECT_EQ(EndReport(*report), 2);
    EXPECT_EQ(std::string(report->line[1]).rfind("Report Cut Short\t\002Lines longer", 0), 0u);
    BeginReport(*report);
    for (int i = 0; i < kReportSlots + 5; ++i)
        AddReportLine(*report, "line %d", i);
    EXPECT_EQ(EndReport(*report), kReportSlots);
    EXPECT_STREQ(report->line[kReportSlots - 2], "line 2998");
    EXPECT_EQ(
        std::string(report->line[kReportSlots - 1]).rfind("Report Cut Short\t\002Only the first 2999", 0),
        0u);
}

TEST(ReportBuffer, BlankAndSetStayInsideTheBuffer) {
    auto report = std::make_unique<ReportBuffer>();
    SetReportLine(*report, 5, std::string(400, 'z').c_str());
    EXPECT_EQ(strlen(report->line[5]), 255u);
    BlankReportLine(*report, 5);
    EXPECT_EQ(report->line[5][0], 0);
    BlankReportLine(*report, -1);
    BlankReportLine(*report, kReportSlots);
    SetReportLine(*report, kReportSlots, "out of range");
    SetReportLine(*report, 0, nullptr);
    EXPECT_STREQ(report->line[0], "");
}

TEST(FixedWords, YesNoAndPassFail) {
    EXPECT_STREQ(YesNoMark(1), "\003Yes");
    EXPECT_STREQ(YesNoMark(0x80000000UL), "\003Yes");
    EXPECT_STREQ(YesNoMark(0), "\003No");
    EXPECT_STREQ(PassFailMark(0), "\003Passed");
    EXPECT_STREQ(PassFailMark(4), "\002Failed");
}

TEST(PrintedText, MarkersDroppedTabsKept) {
    char out[kReportSlotSize];
    PlainReportText("\006\002Head\t\007\377\001\001Sample\t%37\t&grey", out, sizeof out);
    EXPECT_STREQ(out, "Head\t\377Sample\t%37\tgrey");
    PlainReportText("abcdef", out, 4);
    EXPECT_STREQ(out, "abc");
}

TEST(PrintedText, HeadlessWritesSwatchesAsHexColours) {
    char out[kReportSlotSize];
    // A colour component of 10 would otherwise be a line feed.
    HeadlessReportText("\006\002Colour\t\007\012\001\377Window\t\003x\007", out, sizeof out);
    EXPECT_STREQ(out, "Colour\t#0A01FFWindow\tx") << "code 7 inside a column is no swatch";
    HeadlessReportText("\006\007\200", out, sizeof out);
    EXPECT_STREQ(out, "#800000") << "a swatch cut short";
    HeadlessReportText("a\t\007\001\002\003", out, 8);
    EXPECT_STREQ(out, "a\t") << "a colour that does not fit is left out whole";
}

TEST(PrintedText, RawEscapesControlAndHighBytesWithinALine) {
    char out[kReportSlotSize * 4 + 1];
    EXPECT_FALSE(RawReportText("\006\002Head\tx\377", out, sizeof out));
    EXPECT_STREQ(out, "\\x06\\x02Head\tx\\xFF");
    // A cut never leaves half an escape.
    EXPECT_TRUE(RawReportText("ab\001", out, 6));
    EXPECT_STREQ(out, "ab");
    // Escapes count against the 255 characters of a line.
    std::string high(255, '\377');
    EXPECT_TRUE(RawReportText(high.c_str(), out, sizeof out));
    EXPECT_EQ(strlen(out), 252u);
    std::string plain(255, 'a');
    EXPECT_FALSE(RawReportText(plain.c_str(), out, sizeof out));
    EXPECT_EQ(strlen(out), 255u);
}

TEST(ReportText, LinesOfATextFillTheReport) {
    auto report = NewReport();
    const char text[] = "\n\nOVERVIEW\r\nfirst line\n\n\nsecond\r\n";
    EXPECT_EQ(AddReportText(*report, text, sizeof text - 1), 3);
    EXPECT_EQ(Lines(*report), (std::vector<std::string>{"OVERVIEW", "first line", "second"}));
    // A line longer than a slot is cut; a zero byte ends the text; the size bounds it too.
    std::string text2 = std::string(300, 'x') + "\nnext" + std::string(1, '\0') + "\nafter";
    EXPECT_EQ(AddReportText(*report, text2.data(), text2.size()), 5);
    EXPECT_EQ(strlen(report->line[3]), 255u);
    EXPECT_STREQ(report->line[4], "next");
    EXPECT_EQ(AddReportText(*report, "abcdef", 3), 6);
    EXPECT_STREQ(report->line[5], "abc");
    report->count = kReportSlots - 1;
    EXPECT_EQ(AddReportText(*report, "a\nb\nc", 5), kReportSlots) << "stops when the report is full";
}

} // namespace
