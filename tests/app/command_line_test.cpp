#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

bool AnyToolId(int id) {
    return id >= 2201 && id <= 3305;
}

struct Parsed {
    bool ok;
    HeadlessRequest request;
    std::string error;
};

Parsed Parse(std::initializer_list<const char *> args) {
    static const int all[] = {2201, 2202, 3305};
    const char *argv[16];
    int argc = 0;
    for (const char *a : args)
        argv[argc++] = a;
    Parsed p;
    char error[200];
    p.ok = ParseHeadlessArgs(argc, argv, AnyToolId, all, 3, p.request, error, sizeof error);
    p.error = error;
    return p;
}

TEST(CommandLine, DebugWordAnywhereInAnyCase) {
    struct Case {
        const char *line;
        bool debug;
    } cases[] = {{"debug", true},   {"DEBUG", true},         {"one Debug two", true},
                 {"x/dEbUg", true}, {"DEBUGGING", true},     {"", false},
                 {"DEBU G", false}, {"/report 2201", false}, {"debu", false}};
    for (const Case &c : cases) {
        char buffer[64];
        strcpy(buffer, c.line);
        EXPECT_EQ(UpperCaseAndFindDebug(buffer), c.debug) << c.line;
    }
    EXPECT_FALSE(UpperCaseAndFindDebug(nullptr));
}

TEST(CommandLine, UpperCasesInPlace) {
    char buffer[] = "one Debug two";
    UpperCaseAndFindDebug(buffer);
    EXPECT_STREQ(buffer, "ONE DEBUG TWO");
}

TEST(CommandLine, OrdinaryStartIsNotHeadless) {
    Parsed p = Parse({"debug"});
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.request.mode, kHeadlessNone);
    EXPECT_TRUE(Parse({}).ok);
    EXPECT_FALSE(IsHeadlessCommand("report"));
    EXPECT_TRUE(IsHeadlessCommand("/REPORT"));
    EXPECT_TRUE(IsHeadlessCommand("-list"));
}

TEST(CommandLine, ListAndReportRequests) {
    Parsed list = Parse({"/list", "/out", "x.txt"});
    ASSERT_TRUE(list.ok) << list.error;
    EXPECT_EQ(list.request.mode, kHeadlessList);
    EXPECT_STREQ(list.request.outPath, "x.txt");

    Parsed report = Parse({"/Report", "2215,2201,2215", "/raw"});
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.request.mode, kHeadlessReport);
    EXPECT_TRUE(report.request.raw);
    EXPECT_EQ(report.request.outPath, nullptr);
    ASSERT_EQ(report.request.toolCount, 3);
    EXPECT_EQ(report.request.tools[0], 2215);
    EXPECT_EQ(report.request.tools[1], 2201);
    EXPECT_EQ(report.request.tools[2], 2215);

    Parsed equipment = Parse({"/equipment", "/out", "e.txt"});
    ASSERT_TRUE(equipment.ok) << equipment.error;
    EXPECT_EQ(equipment.request.mode, kHeadlessEquipment);
    EXPECT_STREQ(equipment.request.outPath, "e.txt");
    EXPECT_FALSE(Parse({"/equipment", "/raw"}).ok);
    EXPECT_FALSE(Parse({"/equipment", "2201"}).ok);

    Parsed all = Parse({"/report", "ALL", "/out", "r.txt", "/raw"});
    ASSERT_TRUE(all.ok) << all.error;
    ASSERT_EQ(all.request.toolCount, 3);
    EXPECT_EQ(all.request.tools[2], 3305);
}

TEST(CommandLine, BadArgumentsAreRefusedWithAReason) {
    struct Case {
        std::initializer_list<const char *> args;
        const char *reason;
    } cases[] = {
        {{"/report"}, "needs a list"},
        {{"/report", "/raw"}, "needs a list"},
        {{"/report", "9999"}, "unknown tool id"},
        {{"/report", "2201,"}, "unknown tool id"},
        {{"/report", ",2201"}, "unknown tool id"},
        {{"/report", "2201x"}, "unknown tool id"},
        {{"/report", "2201", "/bogus"}, "unknown argument"},
        {{"/report", "2201", "/out"}, "needs a file"},
        {{"/report", "2201", "/raw", "/raw"}, "unknown argument"},
        {{"/list", "/raw"}, "unknown argument"},
        {{"/list", "2201"}, "unknown argument"},
    };
    for (const Case &c : cases) {
        Parsed p = Parse(c.args);
        EXPECT_FALSE(p.ok) << *c.args.begin();
        EXPECT_NE(p.error.find(c.reason), std::string::npos) << p.error;
    }
}

TEST(CommandLine, TooManyIdsAreRefusedNotOverrun) {
    std::string list;
    for (int i = 0; i < kMaxHeadlessTools + 1; ++i)
        list += i ? ",2201" : "2201";
    Parsed p = Parse({"/report", list.c_str()});
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find("too many"), std::string::npos);
}

} // namespace
