#include "report/quick_help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every character is 5 pixels wide, except "W", which is 9.
int FixedWidth(void *, const char *text, int length) {
    int w = 0;
    for (int i = 0; i < length; ++i)
        w += text[i] == 'W' ? 9 : 5;
    return w;
}

void Collect(void *context, const char *line) {
    static_cast<std::vector<std::string> *>(context)->push_back(line);
}

std::vector<std::string> Wrap(const char *text, int width) {
    std::vector<std::string> lines;
    WrapHelpText(text, width, HelpWrapper{&lines, FixedWidth, Collect});
    return lines;
}

using Lines = std::vector<std::string>;

TEST(HelpWrapping, ParagraphsThatFitGiveOneLineEachPlusTheClosingSpace) {
    EXPECT_EQ(Wrap("OVERVIEW\nShort text.\n \nDESCRIPTION", 200),
              (Lines{"OVERVIEW", "Short text.", " ", "DESCRIPTION", " "}));
}

TEST(HelpWrapping, RunsOfLineFeedsAreOneSeparator) {
    EXPECT_EQ(Wrap("\n\none\n\n\n\ntwo\n", 200), (Lines{"one", "two", " "}));
    EXPECT_EQ(Wrap("", 200), (Lines{" "}));
    EXPECT_EQ(Wrap("windows\r\nline", 200), (Lines{"windows", "line", " "}));
}

TEST(HelpWrapping, BreaksAtTheLastSpaceThatFits) {
    // 10 characters fit in 50 pixels.
    EXPECT_EQ(Wrap("aaa bbb ccc ddd", 50), (Lines{"aaa bbb", "ccc ddd", " "}));
    // An exact fit is a fit.
    EXPECT_EQ(Wrap("aaaa bbbbb ccc", 50), (Lines{"aaaa bbbbb", "ccc", " "}));
    EXPECT_EQ(Wrap("aaaa bbbbbb", 50), (Lines{"aaaa", "bbbbbb", " "}));
}

TEST(HelpWrapping, WhiteSpaceAtTheStartOfAContinuationIsSkipped) {
    EXPECT_EQ(Wrap("aaaa bbbb \t  cccc", 50), (Lines{"aaaa bbbb", "cccc", " "}));
}

TEST(HelpWrapping, TheSearchStartsBeforeTheLastWord) {
    // The trailing spaces make the paragraph too wide; the search steps back over them and over the
    // last word, so the break falls before "bbb" although "aaa bbb" alone would fit.
    EXPECT_EQ(Wrap("aaa bbb      ", 50), (Lines{"aaa", "bbb      ", " "}));
}

TEST(HelpWrapping, AWordWiderThanTheListStandsWholeOnItsOwnLine) {
    EXPECT_EQ(Wrap("supercalifragilistic", 50), (Lines{"supercalifragilistic", " "}));
    EXPECT_EQ(Wrap("supercalifragilistic is long", 50), (Lines{"supercalifragilistic", "is long", " "}));
    EXPECT_EQ(Wrap("a supercalifragilistic word", 50), (Lines{"a", "supercalifragilistic", "word", " "}));
    EXPECT_EQ(Wrap("   leading spaces", 50), (Lines{"   leading", "spaces", " "}));
    EXPECT_EQ(Wrap("   supercalifragilistic", 50), (Lines{"supercalifragilistic", " "}));
}

TEST(HelpWrapping, WidthsComeFromTheMeasure) {
    // Six W are 54 pixels: wider than 50 although only six characters.
    EXPECT_EQ(Wrap("WWW WWW", 50), (Lines{"WWW", "WWW", " "}));
}

TEST(HelpWrapping, NothingIsLostOnAnyWidth) {
    const char *text = "The quick brown fox jumps over the lazy dog again and again, tirelessly.";
    for (int width = 1; width < 400; width += 7) {
        std::string joined;
        for (const std::string &line : Wrap(text, width))
            if (line != " ")
                joined += (joined.empty() ? "" : " ") + line;
        EXPECT_EQ(joined, text) << width;
    }
}

TEST(HelpWrapping, OverlongTextIsCutAtTheWorkingBuffer) {
    std::string text(kHelpTextLimit + 500, 'x');
    Lines lines = Wrap(text.c_str(), 1000000);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), kHelpTextLimit - 1);
}

std::string Key(const char *line) {
    char key[kHelpKeyLength + 1];
    return BuildHelpSearchKey(line, key) ? std::string(key) : std::string("<none>");
}

TEST(HelpKey, FirstColumnWithoutCodesCutTo12Characters) {
    EXPECT_EQ(Key("Windows Build\t\0034.0.950"), "Windows Buil");
    EXPECT_EQ(Key("Debug Version Running\t\003No"), "Debug Versio");
    EXPECT_EQ(Key("\t\tMemory\tx"), "Memory");
    EXPECT_EQ(Key("\006\002Heading"), "Heading");
    EXPECT_EQ(Key("&Grey text"), "Grey text");
    // The swatch's colour bytes and a bar's code stay in the key.
    EXPECT_EQ(Key("\007ABCSample\tx"), "ABCSample");
    EXPECT_EQ(Key("%37 of it"), "%37 of it");
}

TEST(HelpKey, ShortLinesAreNotSearched) {
    EXPECT_EQ(Key(""), "<none>");
    EXPECT_EQ(Key("abcd"), "<none>");
    EXPECT_EQ(Key("\t\t\t\t"), "<none>");
    EXPECT_EQ(Key("abcde"), "abcde");
    EXPECT_EQ(Key("\003\003\003\003\003"), "<none>") << "a key of nothing would match every line";
}

TEST(HelpKey, MatchingIgnoresCaseAndNeedsTheWholeKey) {
    EXPECT_TRUE(HelpLineMatches("Windows Build number", "WINDOWS BUIL"));
    EXPECT_TRUE(HelpLineMatches("windows build", "Windows Build"));
    EXPECT_FALSE(HelpLineMatches("Windows", "Windows Build"));
    EXPECT_FALSE(HelpLineMatches(" Windows Build", "Windows Build"));
}

} // namespace
