#include "report/report_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/report_buffer_helpers.h"

namespace {
// The columns of a line as text, each as drawn: "heading", a colour other than black (with a swatch's
// colour or a bar's value) and ":" before the text.
std::string Describe(const char *line) {
    static const char *const kColours[] = {"", "red", "blue", "green", "olive", "swatch", "bar", "grey"};
    ColumnPiece pieces[kReportColumns];
    int n = SplitReportColumns(line, pieces);
    std::string out;
    for (int i = 0; i < n; ++i) {
        ColumnStyle s = ParseReportColumn(pieces[i]);
        char extra[16] = "";
        if (s.colour == kColourSwatch)
            snprintf(extra, sizeof extra, " %02X%02X%02X", s.rgb[0], s.rgb[1], s.rgb[2]);
        if (s.colour == kColourBar)
            snprintf(extra, sizeof extra, " %d", s.barValue);
        std::string style = std::string(s.heading ? "heading" : "") + (s.heading && s.colour ? " " : "") +
                            kColours[s.colour] + extra;
        out += (i ? " | " : "") + (style.empty() ? "" : style + ":") +
               std::string(s.text ? s.text : "", s.length);
    }
    return out;
}

TEST(ReportColumns, RunsOfTabsSeparateAtMostNineColumnsWhoseCodesAreReadAndBarsDrawn) {
    EXPECT_EQ(Describe("\t\tone\t\ttwo\t") + "/" + Describe("\t\t"), "one | two/");
    EXPECT_EQ(Describe("0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10"), "0 | 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8");
    EXPECT_EQ(
        Describe("\001black\t\002Failed\t\003Yes\t\004green\t\005olive\t&grey\t\002\tplain\t\010back"),
        "black | red:Failed | blue:Yes | green:green | olive:olive | grey:grey | red: | plain | \010back");
    // A swatch cut short by the end of its column reads no further.
    EXPECT_EQ(
        Describe(
            "\377x\t\006\t\006\002Warning\t\006Head\t\002\006x\t\007\377\001\200Sample\t\007\100\100\tTail"),
        "\377x | heading: | heading red:Warning | heading:Head | red:\006x | swatch FF0180:Sample | "
        "swatch 404000: | Tail");
    // A bar's label is two characters; their leading digits give its value.
    EXPECT_EQ(Describe("%05\t%99\t%7x\t%x7\t%5\t%\t%123\t%-5"),
              "bar 5:05 | bar 99:99 | bar 7:7x | bar 0:x7 | bar 5:5 | bar 0: | bar 12:12 | bar 0:-5");
    EXPECT_EQ(std::string(YesNoMark(0x80000000UL)) + YesNoMark(0) + PassFailMark(0) + PassFailMark(4),
              "\003Yes\003No\003Passed\002Failed");
    std::vector<char> slot(kReportSlotSize, 'a');
    EXPECT_EQ(Describe(slot.data()), std::string(255, 'a')) << "an unterminated slot is read only to its end";
    // A full bar spans two columns, shrunk by a pixel at either end.
    auto bar = [](int column, int value) {
        BarGeometry b = ReportBarGeometry(column, value);
        EXPECT_EQ(b.labelX, b.right + 5);
        return std::pair(b.left, b.right);
    };
    EXPECT_EQ(bar(1, 5), std::pair(221, 220 + 7 - 1)) << "columns 1 to 3 are 140 pixels; 5 % is 7";
    EXPECT_EQ(bar(0, 99), std::pair(11, 10 + 277 - 1));
    EXPECT_EQ(bar(2, -4), std::pair(291, 289)) << "no bar for 0 or less";
    EXPECT_EQ(bar(6, 50), std::pair(571, 570 + 70 - 1)) << "past the last column the 70-pixel steps go on";
    EXPECT_EQ(bar(8, 200), std::pair(711, 710 + 138 - 1)) << "values clamp to 99";
    EXPECT_EQ(bar(-3, 0), std::pair(11, 9)) << "columns clamp to the first";
    EXPECT_EQ(bar(12, 100), std::pair(711, 710 + 138 - 1)) << "and the last";
}

TEST(ReportBuffer, LinesAreCut255CharactersAndTheReportAt3000Lines) {
    auto report = NewReport();
    report->count = -4;
    ASSERT_TRUE(AddReportLine(*report, "%s\t%s", "caption", std::string(600, 'w').c_str()));
    EXPECT_EQ(strlen(report->line[0]), 255u);
    EXPECT_EQ(EndReport(*report), 2);
    EXPECT_STREQ(report->line[1], "Report Cut Short\t\002Lines longer than 255 characters were cut");
    EXPECT_EQ(EndReport(*report), 2) << "said once";
    BeginReport(*report);
    AddReportLine(*report, "short");
    EXPECT_EQ(EndReport(*report), 1) << "nothing to say";
    for (int i = 1; i < kReportSlots; ++i)
        ASSERT_TRUE(AddReportLine(*report, "line %d", i));
    EXPECT_STREQ(report->line[0], "short");
    EXPECT_FALSE(AddReportLine(*report, "one too many"));
    EXPECT_EQ(report->count, kReportSlots);
    EXPECT_EQ(EndReport(*report), kReportSlots);
    EXPECT_STREQ(report->line[kReportSlots - 2], "line 2998");
    EXPECT_STREQ(report->line[kReportSlots - 1], "Report Cut Short\t\002Only the first 2999 lines are shown");
}

TEST(ReportBuffer, LinesSetBlankedSortedAndReadFromATextStayInsideTheReport) {
    auto report = NewReport();
    SetReportLine(*report, 0, std::string(400, 'z').c_str());
    EXPECT_EQ(strlen(report->line[0]), 255u);
    BlankReportLine(*report, 0);
    EXPECT_STREQ(report->line[0], "");
    SetReportLine(*report, kReportSlots - 1, "last");
    EXPECT_STREQ(report->line[kReportSlots - 1], "last");
    SetReportLine(*report, kReportSlots - 1, nullptr);
    EXPECT_STREQ(report->line[kReportSlots - 1], "");
    BlankReportLine(*report, -1);
    BlankReportLine(*report, kReportSlots);
    SetReportLine(*report, -1, "out of range");
    SetReportLine(*report, kReportSlots, "out of range");
    // Sorting clamps its range to the report's lines.
    for (const char *line : {"delta", "Bravo", "alpha", "charlie"})
        AddReportLine(*report, "%s", line);
    SetReportLine(*report, 4, "aaa: past the report");
    SortReportLines(*report, -1, 4, strcmp);
    EXPECT_EQ(Lines(*report), (std::vector<std::string>{"Bravo", "alpha", "charlie", "delta"}));
    EXPECT_STREQ(report->line[4], "aaa: past the report");
    // Lines of a text: runs of line feeds are one separator, a carriage return before one is dropped, a
    // long line is cut, a zero byte ends the text and its size bounds it too.
    BeginReport(*report);
    const char text[] = "OVERVIEW\r\n\n\nfirst line\n\n\nsecond\r\n";
    EXPECT_EQ(AddReportText(*report, text, sizeof text - 1), 3);
    std::string more = "\n" + std::string(300, 'x') + "\nnext" + std::string(1, '\0') + "\nafter";
    EXPECT_EQ(AddReportText(*report, more.data(), more.size()), 5);
    EXPECT_EQ(AddReportText(*report, "abcdef", 3), 6);
    EXPECT_EQ(Lines(*report), (std::vector<std::string>{"OVERVIEW", "first line", "second",
                                                        std::string(255, 'x'), "next", "abc"}));
    report->count = kReportSlots - 1;
    EXPECT_EQ(AddReportText(*report, "a\nb\nc", 5), kReportSlots) << "stops when the report is full";
}

// A line in one of its printed forms, written into a buffer of the given size.
template <typename Form> std::string Printed(Form form, const char *line, size_t size = kReportSlotSize) {
    std::string out(kReportSlotSize, 'x'); // so that a missing terminator shows
    form(line, out.data(), size);
    return out.c_str();
}

TEST(PrintedText, PlainHeadlessAndRawForms) {
    EXPECT_EQ(Printed(PlainReportText, "\006\002Head\t\007\377\001\001Sample\t%37\t&grey\t\010"),
              "Head\t\377Sample\t%37\tgrey\t\010");
    EXPECT_EQ(Printed(PlainReportText, "abcdef", 4), "abc");
    // A colour component of 10 would otherwise be a line feed; code 7 inside a column is no swatch.
    EXPECT_EQ(Printed(HeadlessReportText, "\006\002Colour\t\007\012\001\377Window\t\003x\007&\010"),
              "Colour\t#0A01FFWindow\tx&\010");
    // '&' is the grey code only before a column's text, as the Main Screen reads it; within, it is text.
    for (auto form : {PlainReportText, HeadlessReportText})
        EXPECT_EQ(Printed(form, "\003&A & B\t\002&C&"), "A & B\tC&");
    EXPECT_EQ(Printed(HeadlessReportText, "\006\007\200"), "#800000");
    EXPECT_EQ(Printed(HeadlessReportText, "a\t\007\001\002\003", 8), "a\t") << "a colour that does not fit";
    EXPECT_EQ(Printed(RawReportText, "\006\002Head\tx~\377"), "\\x06\\x02Head\tx~\\xFF");
    EXPECT_EQ(Printed(RawReportText, "ab\001", 6), "ab") << "never half an escape";
    // Raw text tells when it was cut; escapes count against the 255 characters of a line.
    char out[kReportSlotSize * 4 + 1];
    EXPECT_TRUE(RawReportText("x", out, 0));
    EXPECT_FALSE(RawReportText("", out, 0));
    EXPECT_TRUE(RawReportText(std::string(255, '\377').c_str(), out, sizeof out));
    EXPECT_EQ(strlen(out), 252u);
    EXPECT_FALSE(RawReportText(std::string(255, 'a').c_str(), out, sizeof out));
    EXPECT_EQ(strlen(out), 255u);
}
} // namespace
