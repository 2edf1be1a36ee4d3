// The memory test: every heap block of every process read and compared, then one block of free memory
// tested part by part with fill patterns.
#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

#include "diagnose/diagnose_win.h"
#include "platform/toolhelp_win.h"
#include "platform/utilities_win.h"

namespace {

// Zero-filled memory for a test; null when there is none to be had (a test never ends the program).
unsigned char *TestBuffer(SIZE_T size) {
    return static_cast<unsigned char *>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, size));
}

void ReadAndCompareBlock(DWORD processId, const HEAPENTRY32 &block, MemoryTestResults &results) {
    ++results.word[kMemBlocksTested];
    if (block.dwBlockSize == 0)
        return;
    unsigned char *read = TestBuffer(block.dwBlockSize);
    unsigned char *copy = read ? TestBuffer(block.dwBlockSize) : nullptr;
    SIZE_T bytesRead = 0;
    if (copy &&
        g_toolhelp.Toolhelp32ReadProcessMemory(processId, reinterpret_cast<LPCVOID>(block.dwAddress), read,
                                               block.dwBlockSize, &bytesRead) &&
        bytesRead > 0) {
        memcpy(copy, read, bytesRead);
        CompareHeapCopy(read, copy, bytesRead, results);
        ++results.heapBlocksRead;
    }
    if (copy)
        GlobalFree(copy);
    if (read)
        GlobalFree(read);
}

// The heap lists of one process and the blocks of each. Blocks are only walked after the first heap
// list was found: a system without heap lists (Wine) has no block walk either.
void TestHeapsOf(DWORD processId, MemoryTestResults &results) {
    HANDLE snapshot = g_toolhelp.CreateToolhelp32Snapshot(TH32CS_SNAPHEAPLIST, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    HEAPLIST32 list = {};
    list.dwSize = sizeof list;
    for (BOOL more = g_toolhelp.Heap32ListFirst(snapshot, &list); more;
         more = g_toolhelp.Heap32ListNext(snapshot, &list)) {
        HEAPENTRY32 block = {};
        block.dwSize = sizeof block;
        for (BOOL next = g_toolhelp.Heap32First(&block, processId, list.th32HeapID); next;
             next = g_toolhelp.Heap32Next(&block))
            ReadAndCompareBlock(processId, block, results);
    }
    CloseHandle(snapshot);
}

void TestHeapBlocks(MemoryTestResults &results) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedHeaps | kNeedReadMemory))
        return;
    WalkProcesses(TH32CS_SNAPPROCESS, [&](const PROCESSENTRY32 &process) {
        TestHeapsOf(process.th32ProcessID, results);
        return true;
    });
}

void FillWithByte(unsigned char *buffer, int value, size_t size) {
    memset(buffer, value, size);
}

// One block of the free memory, as large as is free up to the limit, smaller while it cannot be had.
void TestFreeMemory(MemoryTestResults &results) {
    uint64_t size = FreeMemoryBlockSize(ReadMemoryStatus().availPhys);
    unsigned char *block = nullptr;
    while (size > 0 && !(block = TestBuffer(static_cast<SIZE_T>(size))))
        size = SmallerMemoryBlock(size);
    unsigned char *reference = block ? TestBuffer(kMemoryPartSize) : nullptr;
    if (reference) {
        for (uint64_t offset = 0; offset + kMemoryPartSize <= size; offset += kMemoryPartSize)
            TestMemoryPart(block + offset, reference, kMemoryPartSize, FillWithByte, results);
        results.freeBytesTested = size;
        GlobalFree(reference);
    }
    if (block)
        GlobalFree(block);
}

} // namespace

TestOutcome RunMemoryTest(MemoryTestResults &results) {
    TestHeapBlocks(results);
    TestFreeMemory(results);
    if (results.heapBlocksRead == 0 && results.freeBytesTested == 0)
        return kTestNotRun;
    return OutcomeOfFlags(results.word + 1, 9);
}
