#include "diagnose/test_routines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(MemoryTest, FreeMemoryBlockInWholePartsUpToTheLimit) {
    const uint64_t part = kMemoryPartSize;
    // {available, first size, size after it failed}; 64 MB hold 2097 whole parts, half of them 1048.
    const uint64_t cases[][3] = {{0, 0, 0},
                                 {part - 1, 0, 0},
                                 {part, part, 0},
                                 {2 * part + 1, 2 * part, part},
                                 {3 * part, 3 * part, part},
                                 {64ull << 20, 67104000, 33536000},
                                 {16ull << 30, 67104000, 33536000}};
    for (const auto &c : cases) {
        EXPECT_EQ(FreeMemoryBlockSize(c[0]), c[1]) << c[0];
        EXPECT_EQ(SmallerMemoryBlock(c[1]), c[2]) << c[0];
    }
}

// A fill that goes wrong for one value: the part (the first buffer filled) gets one byte off.
int g_faultyValue = -1;
bool g_firstFill = true;
void FaultyFill(unsigned char *buffer, int value, size_t size) {
    memset(buffer, value, size);
    if (value == g_faultyValue && g_firstFill)
        buffer[size - 1] ^= 0x10;
    g_firstFill = !g_firstFill;
}

// The failure flags set, as a bit per word.
unsigned SetFlags(const MemoryTestResults &r) {
    unsigned set = 0;
    for (int i = 1; i < 10; ++i)
        set |= r.word[i] ? 1u << i : 0;
    return set;
}

TEST(MemoryTest, ComparisonsCatchAnInjectedDifference) {
    const struct {
        bool dirtyPart;  // the part does not read back as allocated (zero)
        int faultyValue; // the fill whose part comes out wrong
        unsigned flags;
    } cases[] = {{false, -1, 0},
                 {true, -1, 1u << kMemStuckBit},
                 {false, 1, 1u << kMemWeakBit | 1u << kMemWalkingOne | 1u << kMemWalkingZero},
                 {false, 0, 1u << kMemStuckBit}};
    for (const auto &c : cases) {
        std::vector<unsigned char> part(kMemoryPartSize), reference(kMemoryPartSize);
        part[kMemoryPartSize / 2] = c.dirtyPart ? 0x80 : 0;
        g_faultyValue = c.faultyValue;
        g_firstFill = true;
        MemoryTestResults r = {};
        TestMemoryPart(part.data(), reference.data(), kMemoryPartSize, FaultyFill, r);
        EXPECT_EQ(SetFlags(r), c.flags) << c.dirtyPart << " " << c.faultyValue;
    }
    unsigned char read[4] = {1, 2, 3, 4}, copy[4] = {1, 2, 3, 5};
    MemoryTestResults r = {};
    CompareHeapCopy(read, copy, 3, r);
    EXPECT_EQ(OutcomeOfFlags(r.word + 1, 9), kTestPassed) << "only the bytes read are compared";
    CompareHeapCopy(read, copy, 4, r);
    EXPECT_EQ(SetFlags(r), 1u << kMemStuckBit | 1u << kMemWeakBit | 1u << kMemVerify | 1u << kMemPattern);
    EXPECT_EQ(OutcomeOfFlags(r.word + 1, 9), kTestFailed);
    EXPECT_TRUE(OutcomeOfFlags(r.word + 3, 0) == kTestPassed && OutcomeOfFlags(r.word + 3, 1) == kTestFailed);
}

TEST(CpuFloppyAndPrinterTests, PatternsDrivesAndTheTestLine) {
    uint16_t zero[16], one[16];
    WalkingPatterns(0xFFFE, true, zero);
    WalkingPatterns(0x0001, false, one);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(zero[i] == static_cast<uint16_t>(~(1u << i)) && one[i] == 1u << i) << i;
    // The BIOS drive type: AX 0200h (change line) tests the drive whatever the call's result.
    EXPECT_TRUE(FloppyDriveToTest(true, 0x0200) && FloppyDriveToTest(false, 0x0200));
    EXPECT_TRUE(FloppyDriveToTest(true, 0x0100) && !FloppyDriveToTest(false, 0x0100));
    EXPECT_FALSE(FloppyDriveToTest(true, 0x0300) || FloppyDriveToTest(true, 0) ||
                 FloppyDriveToTest(false, 0x1500));
    // Digits, small and capital letters, then every other printable character but space, "\" and "|".
    std::string line = kPrinterTestLine, symbols;
    for (char c = '!'; c <= '~'; ++c)
        symbols += isalnum(c) || c == '\\' || c == '|' ? "" : std::string(1, c);
    EXPECT_EQ(line.substr(0, 62), "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    std::string rest = line.substr(62);
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ(rest, symbols);
}

} // namespace
