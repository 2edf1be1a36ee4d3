// The reading lists: four sections of the sizes each list has, headed and separated as the Main
// Screen shows them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "library/reading_lists.h"
#include "tests/report_buffer_helpers.h"

namespace {

struct ListCase {
    int list;
    int size[kReadingSectionCount]; // magazines, books, software, other sources
};

const ListCase kCases[] = {{0, {9, 14, 8, 2}},  {1, {9, 8, 7, 2}},    {2, {12, 22, 21, 21}},
                           {3, {11, 12, 4, 4}}, {4, {13, 29, 5, 14}}, {5, {10, 5, 1, 7}}};

TEST(ReadingLists, SectionsHaveTheirSizesHeadingsAndBlankLinesBetween) {
    const char *heading[] = {"\006Magazines and Newsletters", "\006Books", "\006Software",
                             "\006Other Sources"};
    for (const ListCase &c : kCases) {
        auto report = NewReport();
        int count = WriteReadingList(*report, c.list);
        std::vector<std::string> lines = Lines(*report);
        ASSERT_EQ(count, static_cast<int>(lines.size()));
        size_t at = 0;
        for (int s = 0; s < kReadingSectionCount; ++s) {
            if (s) {
                EXPECT_EQ(lines.at(at++), "") << "list " << c.list;
            }
            EXPECT_EQ(lines.at(at++), heading[s]) << "list " << c.list;
            std::set<std::string> seen;
            for (int e = 0; e < c.size[s]; ++e, ++at) {
                const std::string &entry = lines.at(at);
                EXPECT_TRUE(entry.size() > 1 && entry[0] == '\003' && entry.find('\t') == std::string::npos)
                    << "list " << c.list << " line " << at;
                EXPECT_TRUE(seen.insert(entry).second) << "twice in one section: " << entry;
            }
        }
        EXPECT_EQ(at, lines.size()) << "list " << c.list;
    }
}

TEST(ReadingLists, UnknownListsWriteNothing) {
    for (int list : {-1, kReadingListCount}) {
        auto report = NewReport();
        EXPECT_EQ(WriteReadingList(*report, list), 0);
        EXPECT_EQ(ReadingSectionSize(list, 0), 0);
    }
    EXPECT_EQ(ReadingSectionSize(0, kReadingSectionCount), 0);
}

} // namespace
