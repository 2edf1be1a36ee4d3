#include "report/printing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ScreenPrinting, CodesDroppedTabsToCommasTitlesUpperCasedRowsWhole) {
    const struct {
        const char *line;
        size_t size;
        const char *printed;
    } cases[] = {
        {"\006\002Heading", 256, "Heading"},
        {"a\t\003b\t\tc", 256, "a, b, , c"},
        {"\001\002\003\004\005\006\007&x", 256, "x"},
        {"Colour\t\007\x10\x20\x30 red", 256, "Colour, \x10\x20\x30 red"},
        {"Bar\t%42\x08\n", 256, "Bar, %42\x08\n"},
        // Cut at the destination: a tab's comma and space go in whole or not at all.
        {"abc\tdef", 5, "abc"},
        {"abc\tdef", 6, "abc, "},
        {"abc\tdef", 1, ""},
    };
    for (const auto &c : cases) {
        char printed[256];
        EXPECT_EQ(PrintedReportText(c.line, printed, c.size), strlen(c.printed)) << c.line;
        EXPECT_STREQ(printed, c.printed) << c.line;
    }
    char title[9];
    UpperCaseText("  Colors \xe9x and more", title, sizeof title);
    EXPECT_STREQ(title, "  COLORS");
    UpperCaseText("az\xe9`{", title, sizeof title);
    EXPECT_STREQ(title, "AZ\xe9`{");
    UpperCaseText("x", title, 1);
    EXPECT_STREQ(title, "");
    EXPECT_EQ(PrintedReportText("x", title, 0), 0u);
    EXPECT_TRUE(RowsPerPage(3000, 100) == 30 && RowsPerPage(3099, 100) == 30 && RowsPerPage(99, 100) == 0 &&
                RowsPerPage(5, 1) == 5);
    EXPECT_TRUE(RowsPerPage(3000, 0) == 0 && RowsPerPage(3000, -5) == 0);
}

// The page calls as text: S start, E end, rows as "row:text"; the page call numbered fail fails.
struct PageLog {
    std::string calls;
    int pageCalls, fail;
};
bool LogPageCall(void *c, const char *call) {
    PageLog &log = *static_cast<PageLog *>(c);
    log.calls += call;
    return ++log.pageCalls != log.fail;
}

TEST(ScreenPrinting, TitleOnEveryPageAndFullPagesEnded) {
    const struct {
        int rowsPerPage, lines, fail;
        bool ok;
        int pages;
        const char *calls;
    } cases[] = {
        {5, 0, 0, true, 0, ""},
        // Rows per page minus 2 lines fill one page; the next line starts page 2 with the title.
        {5, 3, 0, true, 1, "S 0:T 2:a 3:b 4:c E "},
        {5, 4, 0, true, 2, "S 0:T 2:a 3:b 4:c E S 0:T 2:d E "},
        // A page with no room past the title still takes one line.
        {1, 2, 0, true, 2, "S 0:T 2:a E S 0:T 2:b E "},
        // A failed page call ends the job: nothing more is printed.
        {5, 4, 1, false, 0, "S "},
        {5, 4, 2, false, 1, "S 0:T 2:a 3:b 4:c E "},
        {5, 4, 3, false, 1, "S 0:T 2:a 3:b 4:c E S "},
        {5, 2, 2, false, 1, "S 0:T 2:a 3:b E "},
    };
    for (const auto &c : cases) {
        PageLog log = {"", 0, c.fail};
        PageSink sink = {&log, [](void *l) { return LogPageCall(l, "S "); },
                         [](void *l) { return LogPageCall(l, "E "); },
                         [](void *l, int row, const char *text) {
                             static_cast<PageLog *>(l)->calls += std::to_string(row) + ":" + text + " ";
                         }};
        PrintJob job = BeginPrintJob("T", c.rowsPerPage, sink);
        bool ok = true;
        for (int i = 0; i < c.lines && ok; ++i)
            ok = PrintJobLine(job, std::string(1, static_cast<char>('a' + i)).c_str());
        ok = ok && EndPrintJob(job);
        SCOPED_TRACE(testing::Message()
                     << c.rowsPerPage << " rows, " << c.lines << " lines, fail " << c.fail);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(job.pages, c.pages);
        EXPECT_EQ(log.calls, c.calls);
    }
}

} // namespace
