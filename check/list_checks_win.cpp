// The list checks over the live tool-help snapshots: one outer process walk, and per process the
// heap lists, heap blocks or modules it owns; threads come from one thread snapshot.
#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

#include "check/check_win.h"
#include "check/list_checks.h"
#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"

namespace {

void DescribeOwner(void *, uint32_t processId, char *name, size_t nameSize, char *path, size_t pathSize) {
    ProcessCaption caption = {};
    FindProcessCaption(processId, &caption);
    caption.caption[sizeof caption.caption - 1] = 0;
    MODULEENTRY32 module = {};
    FindMainModule(processId, &module);
    module.szModule[sizeof module.szModule - 1] = 0;
    module.szExePath[sizeof module.szExePath - 1] = 0;
    CopyOutsideText(caption.caption[0] ? caption.caption : module.szModule, name, nameSize);
    CopyOutsideText(module.szExePath, path, pathSize);
}

void Finish(ListCheckRun &run) {
    EndListCheck(run);
    BeginReport(*g_report);
    WriteListCheckReport(*g_report, run, OwnerLookup{nullptr, DescribeOwner});
    ShowReport();
}

// Every process of a full snapshot while the run has room, through work(process).
template <typename Work> void WalkRunProcesses(ListCheckRun &run, Work work) {
    WalkProcesses(TH32CS_SNAPALL, [&](const PROCESSENTRY32 &process) {
        if (!ListRoomForEntry(run))
            return false;
        work(process);
        return true;
    });
}

// The heap lists of one process while the run has room. Blocks are only ever walked inside this, so
// never on a system whose heap list walk fails at its first call.
template <typename Visit> void WalkHeapListsOf(ListCheckRun &run, DWORD processId, Visit visit) {
    HANDLE snapshot = g_toolhelp.CreateToolhelp32Snapshot(TH32CS_SNAPHEAPLIST, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    HEAPLIST32 list = {};
    list.dwSize = sizeof list;
    for (BOOL more = g_toolhelp.Heap32ListFirst(snapshot, &list); more && ListRoomForEntry(run);
         more = g_toolhelp.Heap32ListNext(snapshot, &list))
        visit(list);
    CloseHandle(snapshot);
}

bool Unavailable(unsigned needs) {
    if (ToolHelpAvailable(needs))
        return false;
    ReportToolHelpUnavailable();
    return true;
}

} // namespace

void CheckHeapList(HWND) {
    if (Unavailable(kNeedProcesses | kNeedHeaps))
        return;
    ListCheckRun run;
    BeginListCheck(run, kCheckHeapLists);
    WalkRunProcesses(run, [&](const PROCESSENTRY32 &process) {
        WalkHeapListsOf(run, process.th32ProcessID, [&](const HEAPLIST32 &list) {
            HeapListFacts facts = {list.th32ProcessID, static_cast<uint32_t>(list.dwFlags)};
            CountListEntry(run, HeapListFailures(facts, process.th32ProcessID), process.th32ProcessID);
        });
    });
    Finish(run);
}

void CheckHeapIntegrity(HWND) {
    if (Unavailable(kNeedProcesses | kNeedHeaps))
        return;
    ListCheckRun run;
    BeginListCheck(run, kCheckHeapBlocks);
    WalkRunProcesses(run, [&](const PROCESSENTRY32 &process) {
        WalkHeapListsOf(run, process.th32ProcessID, [&](const HEAPLIST32 &list) {
            HEAPENTRY32 block = {};
            block.dwSize = sizeof block;
            for (BOOL more = g_toolhelp.Heap32First(&block, list.th32ProcessID, list.th32HeapID);
                 more && ListRoomForEntry(run); more = g_toolhelp.Heap32Next(&block)) {
                HeapBlockFacts facts = {};
                facts.processId = block.th32ProcessID;
                facts.flags = static_cast<uint32_t>(block.dwFlags);
                facts.blockSize = block.dwBlockSize;
                facts.lockCount = static_cast<uint32_t>(block.dwLockCount);
                facts.handle = reinterpret_cast<uintptr_t>(block.hHandle);
                CountListEntry(run, HeapBlockFailures(facts, list.th32ProcessID), list.th32ProcessID);
            }
        });
    });
    Finish(run);
}

void CheckProcessList(HWND) {
    if (Unavailable(kNeedProcesses))
        return;
    ListCheckRun run;
    BeginListCheck(run, kCheckProcesses);
    WalkRunProcesses(run, [&](const PROCESSENTRY32 &process) {
        ProcessFacts facts = {};
        facts.processId = process.th32ProcessID;
        facts.threads = process.cntThreads;
        facts.parentId = process.th32ParentProcessID;
        facts.priorityBase = process.pcPriClassBase;
        facts.defaultHeapId = process.th32DefaultHeapID;
        CountListEntry(run, ProcessFailures(facts), process.th32ProcessID);
    });
    Finish(run);
}

void CheckModuleList(HWND) {
    if (Unavailable(kNeedProcesses | kNeedModules))
        return;
    ListCheckRun run;
    BeginListCheck(run, kCheckModules);
    WalkRunProcesses(run, [&](const PROCESSENTRY32 &process) {
        WalkModulesOf(process.th32ProcessID, [&](MODULEENTRY32 module) {
            if (!ListRoomForEntry(run))
                return false;
            ModuleFacts facts = {};
            facts.processId = module.th32ProcessID;
            facts.processUsage = module.ProccntUsage;
            facts.globalUsage = module.GlblcntUsage;
            facts.baseAddress = reinterpret_cast<uintptr_t>(module.modBaseAddr);
            facts.baseSize = module.modBaseSize;
            facts.handle = reinterpret_cast<uintptr_t>(module.hModule);
            facts.nameTerminated = memchr(module.szModule, 0, sizeof module.szModule) != nullptr;
            module.szExePath[sizeof module.szExePath - 1] = 0;
            facts.filePresent = FileExists(module.szExePath) != 0;
            CountListEntry(run, ModuleFailures(facts, process.th32ProcessID), process.th32ProcessID);
            return true;
        });
    });
    Finish(run);
}

void CheckThreadList(HWND) {
    if (Unavailable(kNeedThreads))
        return;
    ListCheckRun run;
    BeginListCheck(run, kCheckThreads);
    // A thread snapshot holds every thread of the system whichever process it is taken for, so one
    // walk examines each thread once.
    WalkThreads([&](const THREADENTRY32 &thread) {
        if (!ListRoomForEntry(run))
            return false;
        ThreadFacts facts = {thread.th32OwnerProcessID, thread.cntUsage, thread.tpBasePri, thread.tpDeltaPri};
        CountListEntry(run, ThreadFailures(facts), thread.th32OwnerProcessID);
        return true;
    });
    Finish(run);
}
