#include "check/list_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/report_buffer_helpers.h"

namespace {

constexpr uint32_t B(int line) {
    return 1u << line;
}

// Each rule: a plain entry passes, boundary values on both sides, and an entry wrong in every way
// fails every line.
TEST(ListCheckTests, EachEntryKindAtItsBoundaries) {
    struct Case {
        const char *what;
        uint32_t failures, expected;
    } cases[] = {
        {"heap list, default", HeapListFailures({7, kHeapListDefault}, 7), 0},
        {"heap list, shared", HeapListFailures({7, kHeapListShared}, 7), 0},
        {"heap list, wrong in every way", HeapListFailures({8, 4}, 7), B(0) | B(1)},
        {"block, plain", HeapBlockFailures({7, kBlockFixed, 16000000, 1000000, 1}, 7), 0},
        {"block, combined flags", HeapBlockFailures({7, kBlockFixed | kBlockMoveable | 8, 1, 0, 1}, 7), 0},
        {"block, free without handle", HeapBlockFailures({7, kBlockFree, 1, 0, 0}, 7), 0},
        {"block, fixed without handle", HeapBlockFailures({7, kBlockFixed, 1, 0, 0}, 7), B(4)},
        {"block, wrong in every way", HeapBlockFailures({8, 8, 16000001, 1000001, 0}, 7), 31},
        {"process, plain, priority 31", ProcessFailures({7, 1, 1, 31, 0}), 0},
        {"process, priority 0", ProcessFailures({7, 1, 1, 0, 0}), 0},
        {"process, priority 32", ProcessFailures({7, 1, 1, 32, 0}), B(4)},
        {"process, priority -1", ProcessFailures({7, 1, 1, -1, 0}), B(4)},
        {"process, id 0, no threads, its own parent", ProcessFailures({0, 0, 0, 8, 0}), B(0) | B(2) | B(3)},
        {"module, plain", ModuleFailures({7, 1, 1, 1, 1, 1, true, true}, 7), 0},
        {"module, wrong in every way", ModuleFailures({8, 0, 0, 0, 0, 0, false, false}, 7), 255},
        {"thread, plain at 31", ThreadFailures({7, 1, 31, 31}), 0},
        {"thread, delta -31", ThreadFailures({7, 1, -1, -31}), 0},
        {"thread, delta -32", ThreadFailures({7, 1, 8, -32}), B(3)},
        {"thread, wrong in every way", ThreadFailures({0, 0, 32, 32}), 15},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.failures, c.expected) << c.what;
}

// Names owners "name<id>" with the path "C:\P<id>.EXE".
void FakeOwner(void *, uint32_t id, char *name, size_t nameSize, char *path, size_t pathSize) {
    snprintf(name, nameSize, "name%u", id);
    snprintf(path, pathSize, "C:\\P%u.EXE", id);
}

std::string Report(const ListCheckRun &run) {
    auto report = NewReport();
    WriteListCheckReport(*report, run, OwnerLookup{nullptr, FakeOwner});
    return ReportText(*report);
}

TEST(ListCheckRuns, ThirtyFailuresKeepEighteenOwnersOrNineteenForThreads) {
    for (ListCheckKind kind :
         {kCheckHeapLists, kCheckHeapBlocks, kCheckProcesses, kCheckModules, kCheckThreads}) {
        ListCheckRun run;
        BeginListCheck(run, kind);
        for (int i = 0; i < 30; ++i)
            CountListEntry(run, 1, 42);
        std::string text = Report(run);
        size_t lines = 0;
        for (size_t at = 0; (at = text.find("\002name42\t\002C:\\P42.EXE\n", at)) != std::string::npos; ++at)
            ++lines;
        EXPECT_EQ(lines, kind == kCheckThreads ? 19u : 18u) << kind;
    }
}

TEST(ListCheckRuns, OwnerZeroShowsTheHeadingButNoLineAndAMillionEntriesBreakTheList) {
    for (int32_t entries : {999999, 1000000}) {
        ListCheckRun run;
        BeginListCheck(run, kCheckProcesses);
        CountListEntry(run, 1, 0);
        while (ListRoomForEntry(run) && run.count < entries)
            CountListEntry(run, 0, 1);
        EndListCheck(run);
        EXPECT_EQ(run.count, entries);
        EXPECT_EQ(run.listBroken, entries == 1000000) << entries;
        EXPECT_TRUE(Report(run).ends_with("\n\n\006Failing Processes\t\006File Name\n"));
    }
}

TEST(ListCheckReport, CleanRunAndFailingRun) {
    ListCheckRun run;
    BeginListCheck(run, kCheckHeapLists);
    CountListEntry(run, 0, 5);
    CountListEntry(run, 0, 6);
    EndListCheck(run);
    EXPECT_EQ(Report(run), "\006Heap Lists\nLists traversed\t\0032\nProcess ID validity test\t\003Passed\n"
                           "Heap type check test\t\003Passed\nList termination test\t\003Passed\n"
                           "List corruption test\t\003Passed\nCircular reference test\t\003Passed\n\n");

    BeginListCheck(run, kCheckThreads);
    CountListEntry(run, ThreadFailures({3, 0, 8, 0}), 3);
    CountListEntry(run, ThreadFailures({4, 1, 8, -32}), 4);
    run.count = kListWalkLimit;
    EndListCheck(run);
    EXPECT_EQ(Report(run), "\006Threads\nThreads checked\t\0031000000\nProcess ID validity test\t\003Passed\n"
                           "Thread usage count test\t\002Failed\nBase Priority range test\t\003Passed\n"
                           "Delta Priority range test\t\002Failed\nList termination test\t\002Failed\n"
                           "List corruption test\t\002Failed\nCircular reference test\t\002Failed\n\n"
                           "\006Failing Threads\t\006File Name\n\002name3\t\002C:\\P3.EXE\n"
                           "\002name4\t\002C:\\P4.EXE\n");
}

TEST(ListCheckReport, LongOwnerLinesKeepBothColumnsWithinTheSlot) {
    std::string title = "TTT\t" + std::string(251, 'T');
    std::string path = "C:\\" + std::string(256, 'p');
    auto report = NewReport();
    WriteOwnerLine(*report, title.c_str(), path.c_str());
    std::string line = report->line[0];
    EXPECT_EQ(report->damage, 0);
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(line.substr(0, 6), "\002TTT T");
    EXPECT_EQ(line.substr(65, 5), "\t\002C:\\");
}

} // namespace
