// The Diagnose test routines without window types: result records, the memory comparisons, the choice
// of the free-memory block, the floppy rules and the printer test's page. Failure flags are 32-bit
// words, 0 meaning passed.
#pragma once

#include <cstddef>
#include <cstdint>

// What a routine found: every flag clear, a flag set, or nothing it could test.
enum TestOutcome { kTestPassed, kTestFailed, kTestNotRun };

// Passed when every flag is 0, failed otherwise.
TestOutcome OutcomeOfFlags(const uint32_t *flags, int count);

// ---- Processor ----
constexpr int kCpuOnes = 0, kCpuZero = 1, kCpuWalkingZero = 2, kCpuWalkingOne = 3, kCpuFlags = 4;
struct CpuTestResults {
    uint32_t flag[8]; // [4]..[7]: the flag test (carry, zero, parity, sign lines), set together
};
struct FpuTestResults {
    uint32_t flag[8]; // only cleared: the coprocessor lines always read "Passed"
};
// The 16 patterns of a walking test: from the first, each the next by doubling (walking one) or by
// doubling and adding one (walking zero), kept to 16 bits.
void WalkingPatterns(uint16_t first, bool addOne, uint16_t patterns[16]);

// ---- Memory ----
constexpr int kMemBlocksTested = 0, kMemAllocatedRam = 1, kMemBlockSize = 2, kMemStuckBit = 3, kMemParity = 4,
              kMemWeakBit = 5, kMemVerify = 6, kMemPattern = 7, kMemWalkingOne = 8, kMemWalkingZero = 9;
struct MemoryTestResults {
    uint32_t word[10];        // [0] heap blocks tested (a count), [1]..[9] failure flags
    uint32_t heapBlocksRead;  // blocks whose bytes could be read and compared
    uint64_t freeBytesTested; // free memory the pattern passes covered
};
constexpr size_t kMemoryPartSize = 32000;
// The free-memory block is at most this large: the test never takes all the machine's memory.
constexpr uint64_t kMemoryBlockLimit = 64ull * 1024 * 1024;

// The size of the first free-memory block to try: the available bytes, at most the limit, in whole
// parts; 0 when not one part is available.
uint64_t FreeMemoryBlockSize(uint64_t availableBytes);
// The next size to try after an allocation of this size failed: half of it in whole parts, 0 when that
// is less than one part.
uint64_t SmallerMemoryBlock(uint64_t failedSize);

// Compares a heap block's copy with the bytes read; a difference sets stuck bit, weak bit, verify and
// pattern.
void CompareHeapCopy(const unsigned char *read, const unsigned char *copy, size_t size, MemoryTestResults &r);

// Fills a buffer with a byte (memset, unless a test puts in a faulty one).
using FillBytes = void (*)(unsigned char *buffer, int value, size_t size);
// The three passes over one part of the free-memory block against the zeroed reference buffer: as
// allocated (a difference sets stuck bit), both filled with 1 (walking one, walking zero and weak bit),
// both filled with 0 (stuck bit).
void TestMemoryPart(unsigned char *part, unsigned char *reference, size_t size, FillBytes fill,
                    MemoryTestResults &r);

// ---- Floppy drives ----
constexpr int kFloppyNoType = 0, kFloppyStatus = 1, kFloppyReset = 2;
struct FloppyTestResults {
    uint32_t flag[2][4]; // drives A: and B:; [3] is never set
    bool tested[2];
};
// Whether the BIOS drive type call found a floppy drive to test: AX 0200h (change line) whatever the
// call's result, or 0100h (no change line) from a call that succeeded.
bool FloppyDriveToTest(bool callSucceeded, uint32_t eax);

// ---- Printer test ----
// The line the printer test fills its page with: digits, small and capital letters, then symbols.
extern const char kPrinterTestLine[];
constexpr size_t kPrinterTestLineLength = 92;
