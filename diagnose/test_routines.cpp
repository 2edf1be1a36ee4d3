#include "diagnose/test_routines.h"

#include <cstring>

// "~!@#$%^&*()_+{}\":<>?/.,';[]`-=" after the digits and the letters.
const char kPrinterTestLine[] = "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                "~!@#$%^&*()_+{}\":<>?/.,';[]`-=";
static_assert(sizeof kPrinterTestLine == kPrinterTestLineLength + 1);

TestOutcome OutcomeOfFlags(const uint32_t *flags, int count) {
    for (int i = 0; i < count; ++i)
        if (flags[i] != 0)
            return kTestFailed;
    return kTestPassed;
}

void WalkingPatterns(uint16_t first, bool addOne, uint16_t patterns[16]) {
    uint16_t pattern = first;
    for (int i = 0; i < 16; ++i) {
        patterns[i] = pattern;
        pattern = static_cast<uint16_t>(pattern * 2 + (addOne ? 1 : 0));
    }
}

uint64_t FreeMemoryBlockSize(uint64_t availableBytes) {
    uint64_t size = availableBytes < kMemoryBlockLimit ? availableBytes : kMemoryBlockLimit;
    return size / kMemoryPartSize * kMemoryPartSize;
}

uint64_t SmallerMemoryBlock(uint64_t failedSize) {
    return failedSize / 2 / kMemoryPartSize * kMemoryPartSize;
}

void CompareHeapCopy(const unsigned char *read, const unsigned char *copy, size_t size,
                     MemoryTestResults &r) {
    if (memcmp(read, copy, size) == 0)
        return;
    r.word[kMemStuckBit] = r.word[kMemWeakBit] = r.word[kMemVerify] = r.word[kMemPattern] = 1;
}

void TestMemoryPart(unsigned char *part, unsigned char *reference, size_t size, FillBytes fill,
                    MemoryTestResults &r) {
    if (memcmp(part, reference, size) != 0)
        r.word[kMemStuckBit] = 1;
    fill(part, 1, size);
    fill(reference, 1, size);
    if (memcmp(part, reference, size) != 0)
        r.word[kMemWalkingOne] = r.word[kMemWalkingZero] = r.word[kMemWeakBit] = 1;
    fill(part, 0, size);
    fill(reference, 0, size);
    if (memcmp(part, reference, size) != 0)
        r.word[kMemStuckBit] = 1;
}

bool FloppyDriveToTest(bool callSucceeded, uint32_t eax) {
    return eax == 0x0200 || (callSucceeded && eax == 0x0100);
}
