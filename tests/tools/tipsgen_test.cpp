// The tip source reader of tools/tipsgen: good sources become records, faults name their line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/tipsgen/tips_source.h"

namespace {

TEST(TipSource, ReadsTipsOfEveryTool) {
    std::vector<TipRecord> tips;
    std::string error;
    ASSERT_TRUE(
        ParseTipSource("# tips\ntools 10 boost\n\ntool 9 Video Display\ntip Use keys\nvalue 3\neffort 1\n"
                       "downside None\ndescription Page Up moves\n    a screen at a time.\r\n"
                       "tool 2\ntip Defragment\neffort 2\nvalue 5\ndownside Slow\ndescription Joins files.\n",
                       "boost.tips", tips, error))
        << error;
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips[0].tool, 9u);
    EXPECT_STREQ(tips[0].name, "Use keys");
    EXPECT_STREQ(tips[0].description, "Page Up moves a screen at a time.");
    EXPECT_EQ(tips[1].tool, 2u);
    EXPECT_EQ(tips[1].value, 5);
    EXPECT_EQ(tips[1].effort, 2);
    std::string image = EncodeTipFile(tips);
    TipRecord back[2];
    ASSERT_EQ(SelectTips(reinterpret_cast<const unsigned char *>(image.data()), image.size(), 2, back, 2), 1);
    EXPECT_STREQ(back[0].downside, "Slow");
}

TEST(TipSource, FaultsNameTheirLine) {
    const std::string longName(64, 'n');
    const struct {
        std::string source, error;
    } rows[] = {
        {"tool 0\n", "t:1: the file must start"},
        {"tools 13 other\n", "t:1: expected one line"},
        {"tools 2 coach\ntool 2\n", "t:2: tool index \"2\" is not 0..1"},
        {"tools 2 coach\ntip A\n", "t:2: a tip before the first"},
        {"tools 2 coach\ntool 1\ntip " + longName + "\n", "t:3: name is 64 characters; at most 63 fit"},
        {"tools 2 coach\ntool 1\ntip A\ndescription " + std::string(511, 'd') + "\n x\n",
         "t:5: description is 513"},
        {"tools 2 coach\ntool 1\ntip A\nvalue 3\n", "t:4: \"value\" is for Boost tips only"},
        {"tools 2 coach\ntool 1\ntip A\ntip B\n", "t:4: the tip before this line has no description"},
        {"tools 2 coach\ntool 1\ntip A\ndescription x\n", ""},
        {"tools 2 boost\ntool 1\ntip A\nvalue 6\n", "t:4: value must be given once, 1..5"},
        {"tools 2 boost\ntool 1\ntip A\nvalue 2\ndescription x\n",
         "t:6: the Boost tip before this line needs"},
        {"tools 2 coach\n  more\n", "t:2: a continued line follows no description"},
        {"tools 2 coach\ntool 1\ntip A\ndescription tab\there\n",
         "t:4: description holds a control character"},
    };
    for (const auto &r : rows) {
        std::vector<TipRecord> tips;
        std::string error;
        EXPECT_EQ(ParseTipSource(r.source, "t", tips, error), r.error.empty()) << r.source;
        EXPECT_EQ(error.substr(0, r.error.size()), r.error) << r.source;
    }
}

} // namespace
