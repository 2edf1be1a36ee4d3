#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
bool AnyToolId(int id) {
    return id >= 2201 && id <= 3305;
}

// A parse as text: the refusal, or the mode, the error text (emptied), "raw", the output file and ids.
std::string Parse(std::vector<const char *> argv) {
    static const int all[] = {2201, 2202, 3305};
    static const char *const kModes[] = {"none", "list", "report", "equipment", "history"};
    HeadlessRequest request;
    char error[200];
    memset(error, 'x', sizeof error - 1);
    error[sizeof error - 1] = 0;
    if (!ParseHeadlessArgs(static_cast<int>(argv.size()), argv.data(), AnyToolId, all, 3, request, error,
                           sizeof error))
        return std::string("refused: ") + error;
    std::string text = kModes[request.mode] + std::string(error) + (request.raw ? " raw" : "");
    if (request.outPath)
        text += std::string(" > ") + request.outPath;
    for (int i = 0; i < request.toolCount; ++i)
        text += " " + std::to_string(request.tools[i]);
    return text;
}

// The command line as the DEBUG search leaves it (upper-cased), and whether the word was found.
std::string Debug(const char *line) {
    char buffer[64];
    strcpy(buffer, line);
    bool found = UpperCaseAndFindDebug(buffer);
    return std::string(buffer) + (found ? ": found" : ": none");
}

TEST(CommandLine, DebugWordAnywhereHeadlessRequestsAndTheReasonsTheyAreRefused) {
    EXPECT_EQ(Debug("one Debug two") + " " + Debug("x/dEbUgGING") + " " + Debug("debu g") + " " + Debug(""),
              "ONE DEBUG TWO: found X/DEBUGGING: found DEBU G: none : none");
    EXPECT_FALSE(UpperCaseAndFindDebug(nullptr));
    const struct {
        std::vector<const char *> args;
        const char *parsed;
    } cases[] = {{{}, "none"},
                 {{"debug", "/raw"}, "none"},
                 {{"-list", "/out", "x.txt"}, "list > x.txt"},
                 {{"/Report", "2215,2201,2215", "/raw"}, "report raw 2215 2201 2215"},
                 {{"/report", "ALL", "-OUT", "r.txt", "/raw"}, "report raw > r.txt 2201 2202 3305"},
                 {{"/equipment", "/out", "e.txt"}, "equipment > e.txt"},
                 {{"/report"}, "refused: /report needs a list of tool ids or 'all'"},
                 {{"/report", "/raw"}, "refused: /report needs a list of tool ids or 'all'"},
                 {{"/report", "9999"}, "refused: unknown tool id in '9999'"},
                 {{"/report", ",2201"}, "refused: unknown tool id in ',2201'"},
                 {{"/report", "2201x"}, "refused: unknown tool id in '2201x'"},
                 {{"/report", "2201", "/bogus"}, "refused: unknown argument '/bogus'"},
                 {{"/report", "2201", "/out"}, "refused: /out needs a file name"},
                 {{"/report", "2201", "/out", ""}, "refused: /out needs a file name"},
                 {{"/report", "2201", "/raw", "/raw"}, "refused: unknown argument '/raw'"},
                 {{"/list", "/raw"}, "refused: unknown argument '/raw'"},
                 {{"/list", "/out", "a", "/out", "b"}, "refused: unknown argument '/out'"},
                 {{"/equipment", "2201"}, "refused: unknown argument '2201'"},
                 {{"-HISTORY", "/out", "h.csv"}, "history > h.csv"},
                 {{"/history", "/raw"}, "refused: unknown argument '/raw'"}};
    for (const auto &c : cases)
        EXPECT_EQ(Parse(c.args), c.parsed);
    std::string list = "2201";
    for (int i = 0; i < kMaxHeadlessTools; ++i)
        list += ",2202";
    EXPECT_EQ(Parse({"/report", list.c_str()}), "refused: too many tool ids (at most 400)");
}
} // namespace
