#include "check/list_checks.h"

#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

namespace {

const char *const kHeapListTests[] = {"Process ID validity test", "Heap type check test"};
const char *const kHeapBlockTests[] = {"Process ID validity test", "Heap type check test",
                                       "Block size range test", "Lock count test",
                                       "Heap handle validity test"};
const char *const kProcessTests[] = {"Process ID validity test", "Default heap ID check test",
                                     "Thread count confirmation test", "Parent process ID validity test",
                                     "Priority range test"};
const char *const kModuleTests[] = {"Process ID validity test",   "Process count accuracy test",
                                    "Global count accuracy test", "Base address range test",
                                    "Base size range test",       "Module handle validity test",
                                    "Module name test",           "Module file presence test"};
const char *const kThreadTests[] = {"Process ID validity test", "Thread usage count test",
                                    "Base Priority range test", "Delta Priority range test"};

#define QV_TESTS(a) a, static_cast<int>(sizeof(a) / sizeof((a)[0]))
const ListCheckTool kTools[] = {
    {"Heap Lists", "Lists traversed", "Failing Heap Owner", QV_TESTS(kHeapListTests), 18},
    {"Heaps", "Heaps checked", "Failing Heap Owner", QV_TESTS(kHeapBlockTests), 18},
    {"Processes", "Processes checked", "Failing Processes", QV_TESTS(kProcessTests), 18},
    {"Modules", "Modules checked", "Failing Modules", QV_TESTS(kModuleTests), 18},
    {"Threads", "Threads checked", "Failing Threads", QV_TESTS(kThreadTests), 19},
};
#undef QV_TESTS

constexpr uint64_t kLargestBlock = 16000000;
constexpr uint32_t kLargestLockCount = 1000000;
constexpr int32_t kHighestPriority = 31;

uint32_t Bit(int line, bool fails) {
    return fails ? 1u << line : 0u;
}

} // namespace

const char *const kListTests[kListTestLines] = {"List termination test", "List corruption test",
                                                "Circular reference test"};

const ListCheckTool &ListCheckToolOf(ListCheckKind kind) {
    return kTools[kind];
}

void BeginListCheck(ListCheckRun &run, ListCheckKind kind) {
    memset(&run, 0, sizeof run);
    run.kind = kind;
}

bool ListRoomForEntry(const ListCheckRun &run) {
    return run.count < kListWalkLimit;
}

void CountListEntry(ListCheckRun &run, uint32_t failures, uint32_t ownerId) {
    ++run.count;
    if (failures == 0)
        return;
    run.failed |= failures;
    if (run.owners < kTools[run.kind].ownerLimit) {
        run.owner[run.owners++] = ownerId;
        run.anyOwner = true;
    }
}

void EndListCheck(ListCheckRun &run) {
    if (run.count >= kListWalkLimit)
        run.listBroken = true;
}

uint32_t HeapListFailures(const HeapListFacts &list, uint32_t walkedProcessId) {
    return Bit(0, list.processId != walkedProcessId) |
           Bit(1, (list.flags & (kHeapListDefault | kHeapListShared)) == 0);
}

uint32_t HeapBlockFailures(const HeapBlockFacts &block, uint32_t heapProcessId) {
    return Bit(0, block.processId != heapProcessId) |
           Bit(1, (block.flags & (kBlockFixed | kBlockFree | kBlockMoveable)) == 0) |
           Bit(2, block.blockSize > kLargestBlock) | Bit(3, block.lockCount > kLargestLockCount) |
           Bit(4, block.handle == 0 && (block.flags & kBlockFree) == 0);
}

uint32_t ProcessFailures(const ProcessFacts &process) {
    // The default heap line is written for every process but tests nothing: systems differ in what
    // they keep in that field (some leave it 0 for every process), so no value of it is a fault.
    return Bit(0, process.processId == 0) | Bit(2, process.threads == 0) |
           Bit(3, process.parentId == process.processId) |
           Bit(4, process.priorityBase < 0 || process.priorityBase > kHighestPriority);
}

uint32_t ModuleFailures(const ModuleFacts &module, uint32_t walkedProcessId) {
    return Bit(0, module.processId != walkedProcessId) | Bit(1, module.processUsage == 0) |
           Bit(2, module.globalUsage == 0) | Bit(3, module.baseAddress == 0) | Bit(4, module.baseSize == 0) |
           Bit(5, module.handle == 0) | Bit(6, !module.nameTerminated) | Bit(7, !module.filePresent);
}

uint32_t ThreadFailures(const ThreadFacts &thread) {
    return Bit(0, thread.ownerId == 0) | Bit(1, thread.usage == 0) |
           Bit(2, thread.basePriority > kHighestPriority) |
           Bit(3, thread.deltaPriority > kHighestPriority || thread.deltaPriority < -kHighestPriority);
}

void WriteOwnerLine(ReportBuffer &report, const char *name, const char *path) {
    // Two marker bytes and a tab leave 252 characters: the name keeps at most 64 of them and the path
    // the rest, so that a long title never pushes the program file off the line.
    char shortName[65];
    char fullPath[kReportSlotSize];
    CopyOutsideText(name, shortName, sizeof shortName);
    CopyOutsideText(path, fullPath, sizeof fullPath);
    int pathRoom = kReportSlotSize - 1 - 3 - static_cast<int>(strlen(shortName));
    AddReportLine(report, "\002%s\t\002%.*s", shortName, pathRoom, fullPath);
}

void WriteListCheckReport(ReportBuffer &report, const ListCheckRun &run, const OwnerLookup &lookup) {
    const ListCheckTool &tool = kTools[run.kind];
    AddReportLine(report, "\006%s", tool.heading);
    AddReportLine(report, "%s\t\003%d", tool.countCaption, run.count);
    for (int i = 0; i < tool.testCount; ++i)
        AddReportLine(report, "%s\t%s", tool.tests[i], PassFailMark(run.failed & (1u << i)));
    for (const char *test : kListTests)
        AddReportLine(report, "%s\t%s", test, PassFailMark(run.listBroken));
    AddReportLine(report, "%s", "");
    if (!run.anyOwner)
        return;
    AddReportLine(report, "\006%s\t\006File Name", tool.failingHeading);
    for (int i = 0; i < kOwnerSlots; ++i) {
        if (run.owner[i] == 0)
            continue;
        char name[256] = {};
        char path[260] = {};
        lookup.describe(lookup.context, run.owner[i], name, sizeof name, path, sizeof path);
        name[sizeof name - 1] = 0;
        path[sizeof path - 1] = 0;
        WriteOwnerLine(report, name, path);
    }
}
