// The list checks: plausibility tests on the heap lists, heap blocks, processes, modules and threads
// as the tool-help functions report them. This part holds the tests on one entry (fed with plain
// records), the run's counter, failure flags and failing owners, and the report; no window types here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "report/report_lines.h"

// Every walk of a run stops at this many entries; a run that gets there marks its list as broken.
constexpr int32_t kListWalkLimit = 1000000;
constexpr int kOwnerSlots = 20;

enum ListCheckKind { kCheckHeapLists, kCheckHeapBlocks, kCheckProcesses, kCheckModules, kCheckThreads };

// What a list check shows: its heading, the count caption, the per-entry test lines in report order
// (bit i of a failure word is test line i), the heading of the failing owners and how many owners
// the list keeps.
struct ListCheckTool {
    const char *heading;
    const char *countCaption;
    const char *failingHeading;
    const char *const *tests;
    int testCount;
    int ownerLimit;
};
const ListCheckTool &ListCheckToolOf(ListCheckKind kind);

// The three lines every list check ends its tests with; they fail together when a walk hits the limit.
constexpr int kListTestLines = 3;
extern const char *const kListTests[kListTestLines];

// One run of one list check.
struct ListCheckRun {
    ListCheckKind kind;
    int32_t count;   // entries examined
    uint32_t failed; // bit i: per-entry test line i failed at least once
    bool listBroken; // the walk reached the limit
    bool anyOwner;   // at least one owner was appended (an owner id of 0 counts)
    int owners;      // slots in use
    uint32_t owner[kOwnerSlots];
};

void BeginListCheck(ListCheckRun &run, ListCheckKind kind);
// Whether another entry may be examined: the counter is still below the limit.
bool ListRoomForEntry(const ListCheckRun &run);
// Counts one entry with its failure bits; a failing entry appends its owner while slots remain.
void CountListEntry(ListCheckRun &run, uint32_t failures, uint32_t ownerId);
// Ends the walks: a run that reached the limit marks the list tests failed.
void EndListCheck(ListCheckRun &run);

// The fields the tests read, as the tool-help records hold them.
constexpr uint32_t kHeapListDefault = 1; // HF32_DEFAULT
constexpr uint32_t kHeapListShared = 2;  // HF32_SHARED
constexpr uint32_t kBlockFixed = 1;      // LF32_FIXED
constexpr uint32_t kBlockFree = 2;       // LF32_FREE
constexpr uint32_t kBlockMoveable = 4;   // LF32_MOVEABLE

struct HeapListFacts {
    uint32_t processId;
    uint32_t flags;
};
struct HeapBlockFacts {
    uint32_t processId;
    uint32_t flags;
    uint64_t blockSize;
    uint32_t lockCount;
    uint64_t handle;
};
struct ProcessFacts {
    uint32_t processId;
    uint32_t threads;
    uint32_t parentId;
    int32_t priorityBase;
    uint64_t defaultHeapId;
};
struct ModuleFacts {
    uint32_t processId;
    uint32_t processUsage;
    uint32_t globalUsage;
    uint64_t baseAddress;
    uint32_t baseSize;
    uint64_t handle;
    bool nameTerminated; // the name ends inside its 256-byte field
    bool filePresent;    // a search for the module's path found it
};
struct ThreadFacts {
    uint32_t ownerId;
    uint32_t usage;
    int32_t basePriority;
    int32_t deltaPriority;
};

// Failure bits of one entry, bit i for test line i of its tool.
uint32_t HeapListFailures(const HeapListFacts &list, uint32_t walkedProcessId);
uint32_t HeapBlockFailures(const HeapBlockFacts &block, uint32_t heapProcessId);
uint32_t ProcessFailures(const ProcessFacts &process);
uint32_t ModuleFailures(const ModuleFacts &module, uint32_t walkedProcessId);
uint32_t ThreadFailures(const ThreadFacts &thread);

// How an owner is shown: its caption (or module name) and program file, both possibly empty.
struct OwnerLookup {
    void *context;
    void (*describe)(void *context, uint32_t processId, char *name, size_t nameSize, char *path,
                     size_t pathSize);
};

// The report: heading, count, test lines, an empty line, then the failing owners under their heading.
void WriteListCheckReport(ReportBuffer &report, const ListCheckRun &run, const OwnerLookup &lookup);

// "name" and "path" in red as two columns, cut so that the line keeps both and fits its slot.
void WriteOwnerLine(ReportBuffer &report, const char *name, const char *path);
