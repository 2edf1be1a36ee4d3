#include "report/quick_help.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Every character is 5 pixels wide, except "W", which is 9.
int FixedWidth(void *, const char *text, int length) {
    EXPECT_GE(length, 0) << "a width is asked of a piece of the text";
    int w = 0;
    for (int i = 0; i < length; ++i)
        w += text[i] == 'W' ? 9 : 5;
    return w;
}

std::vector<std::string> Wrap(const char *text, int width) {
    std::vector<std::string> lines;
    auto collect = [](void *context, const char *line) {
        static_cast<std::vector<std::string> *>(context)->push_back(line);
    };
    WrapHelpText(text, width, HelpWrapper{&lines, FixedWidth, collect});
    return lines;
}

using Lines = std::vector<std::string>;

TEST(HelpWrapping, ParagraphsBreaksAndLongWords) {
    const struct {
        const char *text;
        int width; // 10 characters fit in 50 pixels
        Lines lines;
    } cases[] = {
        {"OVERVIEW\nShort text.\n \nDESCRIPTION", 200, {"OVERVIEW", "Short text.", " ", "DESCRIPTION", " "}},
        // Runs of line feeds are one separator; a carriage return before a line feed is dropped.
        {"\n\none\n\n\n\ntwo\n", 200, {"one", "two", " "}},
        {"", 200, {" "}},
        {"windows\r\nline\r\n\r\nend", 200, {"windows", "line", "end", " "}},
        // Breaks at the last space that fits; an exact fit is a fit.
        {"aaa bbb ccc ddd", 50, {"aaa bbb", "ccc ddd", " "}},
        {"aaaa bbbbb ccc", 50, {"aaaa bbbbb", "ccc", " "}},
        {"aaaa bbbbb", 50, {"aaaa bbbbb", " "}},
        {"aaaa bbbbbb", 50, {"aaaa", "bbbbbb", " "}},
        // White space at the start of a continuation is skipped.
        {"aaaa bbbb \t  cccc", 50, {"aaaa bbbb", "cccc", " "}},
        // The search steps back over trailing spaces and over the last word, so the break falls
        // before "bbb" although "aaa bbb" alone would fit.
        {"aaa bbb      ", 50, {"aaa", "bbb      ", " "}},
        {"aaaaaaaaa  ", 50, {"aaaaaaaaa", " "}},
        // A word wider than the list stands whole on its own line.
        {"supercalifragilistic", 50, {"supercalifragilistic", " "}},
        {"supercalifragilistic is long", 50, {"supercalifragilistic", "is long", " "}},
        {"a supercalifragilistic word", 50, {"a", "supercalifragilistic", "word", " "}},
        {"a  supercalifragilistic", 50, {"a ", "supercalifragilistic", " "}}, // the break is the last space
        {"   leading spaces", 50, {"   leading", "spaces", " "}},
        {"   supercalifragilistic", 50, {"supercalifragilistic", " "}},
        // In a list narrower than a space, leading blanks and a paragraph of blanks leave nothing.
        {"  abc", 3, {"abc", " "}},
        {"a\n \nb", 3, {"a", "b", " "}},
        // Widths come from the measure: six W are 54 pixels.
        {"WWW WWW", 50, {"WWW", "WWW", " "}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Wrap(c.text, c.width), c.lines) << c.text;
}

TEST(HelpWrapping, OverlongTextIsCutAtTheWorkingBuffer) {
    std::string text(kHelpTextLimit + 500, 'x');
    Lines lines = Wrap(text.c_str(), 1000000);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), kHelpTextLimit - 1);
}

// Lines of 4 characters or fewer are not searched (no key); the swatch's colour bytes and a bar's code
// stay in the key; a line of nothing but codes gives the empty key, which matches every line, so the
// search stops at the first.
TEST(HelpKey, FirstColumnWithoutCodesCutTo12Characters) {
    const struct {
        const char *line;
        const char *key;
    } cases[] = {{nullptr, nullptr},
                 {"", nullptr},
                 {"abcd", nullptr},
                 {"\003\003\003\003", nullptr},
                 {"abcde", "abcde"},
                 {"Windows Build\t\0034.0.950", "Windows Buil"},
                 {"Debug Version Running\t\003No", "Debug Versio"},
                 {"\t\tMemory\tx", "Memory"},
                 {"\006\002Heading", "Heading"},
                 {"\001Black text\tx", "Black text"},
                 {"&Grey text", "Grey text"},
                 {"Two\nLines\tx", "TwoLines"},
                 {"Back\bspace\tx", "Back\bspace"},
                 {"\007ABCSample\tx", "ABCSample"},
                 {"%37 of it", "%37 of it"},
                 {"\003\003\003\003\003", ""},
                 {"\t\t\t\t\t", ""},
                 {"\006\002&\n\tName", ""}};
    for (const auto &c : cases) {
        char key[kHelpKeyLength + 1];
        memset(key, 'x', sizeof key);
        EXPECT_EQ(BuildHelpSearchKey(c.line, key), c.key != nullptr) << (c.line ? c.line : "null");
        EXPECT_STREQ(key, c.key ? c.key : "") << (c.line ? c.line : "null");
    }
}

TEST(HelpKey, MatchingIgnoresCaseAndNeedsTheWholeKey) {
    EXPECT_TRUE(HelpLineMatches("OVERVIEW", ""));
    EXPECT_TRUE(HelpLineMatches("", ""));
    EXPECT_TRUE(HelpLineMatches("Windows Build number", "WINDOWS BUIL"));
    EXPECT_FALSE(HelpLineMatches("Windows", "Windows Build"));
    EXPECT_FALSE(HelpLineMatches(" Windows Build", "Windows Build"));
    EXPECT_FALSE(HelpLineMatches("Vindows Build", "Windows Build"));
}

} // namespace
