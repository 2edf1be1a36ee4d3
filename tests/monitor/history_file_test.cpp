// sysstats.dat: the byte image of the history, the load rules and the pure parts of a safe save.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "monitor/history_file.h"

namespace {
constexpr size_t kWords = kHistoryBytes / 4;
using Image = std::vector<unsigned char>;

// A word whose four bytes differ from each other and from those of its neighbours.
uint32_t Numbered(size_t word, uint32_t seed) {
    return (static_cast<uint32_t>(word) * 2654435761u) ^ (seed * 0x01010101u) ^ 0x80402010u;
}

// The record's fields stand in file order without padding, so word i of the record in memory is word
// i of the file: the expected image follows from the record itself, not from a second offset table.
PerformanceHistory NumberedHistory(uint32_t seed) {
    PerformanceHistory h;
    std::vector<uint32_t> words(kWords);
    for (size_t i = 2; i < kWords; ++i)
        words[i] = Numbered(i, seed);
    memcpy(&h, words.data(), kHistoryBytes);
    h.monitoredSeconds = 1234.5f; // 0x449A5000
    h.activeSeconds = 86400.0f;   // 0x47A8C000
    return h;
}

Image NumberedImage(uint32_t seed) {
    Image bytes = {0x00, 0x50, 0x9A, 0x44, 0x00, 0xC0, 0xA8, 0x47};
    for (size_t i = 2; i < kWords; ++i)
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<unsigned char>(Numbered(i, seed) >> (8 * b)));
    return bytes;
}

testing::AssertionResult SameBytes(const void *a, const void *b, size_t size = kHistoryBytes) {
    for (size_t i = 0; i < size; ++i)
        if (static_cast<const unsigned char *>(a)[i] != static_cast<const unsigned char *>(b)[i])
            return testing::AssertionFailure() << "first difference at byte " << i;
    return testing::AssertionSuccess();
}

TEST(HistoryImage, EveryWordAtItsOffsetLittleEndianFloatsAsIeeeSinglesDamagedSecondsAsZero) {
    Image saved(kHistoryBytes, 0xCC);
    const PerformanceHistory numbered = NumberedHistory(7);
    SerializeHistory(numbered, saved.data());
    EXPECT_TRUE(SameBytes(saved.data(), NumberedImage(7).data()));
    PerformanceHistory loaded{}, expected = NumberedHistory(3);
    ASSERT_EQ(DeserializeHistory(NumberedImage(3).data(), kHistoryBytes, loaded), HistoryLoad::kOk);
    EXPECT_TRUE(SameBytes(&loaded, &expected));
    // Damaged seconds count as zero, the rest is kept: stored monitored and active seconds, then as loaded.
    const float kNan = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();
    const float cases[][4] = {
        {kNan, -1.0f, 0, 0}, {kInf, -kInf, 0, 0}, {-0.5f, kNan, 0, 0}, {0.5f, 90061.5f, 0.5f, 90061.5f}};
    for (const auto &c : cases) {
        PerformanceHistory h = NumberedHistory(3);
        h.monitoredSeconds = c[0];
        h.activeSeconds = c[1];
        SerializeHistory(h, saved.data());
        ASSERT_EQ(DeserializeHistory(saved.data(), saved.size(), loaded), HistoryLoad::kOk);
        EXPECT_EQ(loaded.monitoredSeconds, c[2]) << c[0];
        EXPECT_EQ(loaded.activeSeconds, c[3]) << c[1];
        EXPECT_TRUE(SameBytes(&loaded.day, &h.day, kHistoryBytes - 8));
    }
}

// What each file found loads, and whether it is kept aside before the first save replaces it.
TEST(HistoryLoad, WholeRecordsLoadTheFirstAnythingElseChangesNothingAndIsKeptAside) {
    const struct {
        bool present;
        size_t size;
        HistoryLoad outcome;
        bool keptAside;
    } cases[] = {{false, 0, HistoryLoad::kMissing, false},   {true, 0, HistoryLoad::kBadSize, true},
                 {true, 15523, HistoryLoad::kBadSize, true}, {true, 15524, HistoryLoad::kOk, false},
                 {true, 15525, HistoryLoad::kBadSize, true}, {true, 31048, HistoryLoad::kOk, true}};
    Image file = NumberedImage(5), second = NumberedImage(9);
    file.insert(file.end(), second.begin(), second.end());
    const PerformanceHistory zero{}, first = NumberedHistory(5);
    for (const auto &c : cases) {
        PerformanceHistory h{};
        HistoryLoad outcome = LoadHistoryImage(c.present ? file.data() : nullptr, c.size, h);
        EXPECT_EQ(outcome, c.outcome) << c.size;
        EXPECT_TRUE(SameBytes(&h, c.outcome == HistoryLoad::kOk ? &first : &zero)) << c.size;
        EXPECT_EQ(HistoryNeedsKeepingAside(c.present, false, c.size, outcome), c.keptAside) << c.size;
    }
    EXPECT_TRUE(HistoryNeedsKeepingAside(true, true, 15524, HistoryLoad::kOk)) << "a folder";
    EXPECT_TRUE(HistoryNeedsKeepingAside(true, false, 15524, HistoryLoad::kReadFailed));
    // The size is taken whole: a multiple of the record that is not one in its low 32 bits.
    EXPECT_EQ(CheckHistoryFile(true, 15524ull * 276667), HistoryLoad::kOk);
    // A read cut short is a disk read failure, shown with the stop icon.
    for (size_t read : {size_t{0}, size_t{15523}}) {
        PerformanceHistory h{};
        EXPECT_EQ(DeserializeHistory(file.data(), read, h), HistoryLoad::kReadFailed) << read;
        EXPECT_TRUE(SameBytes(&h, &zero));
    }
    EXPECT_TRUE(HistoryLoadMessage(HistoryLoad::kReadFailed).stopIcon);
    char text[64];
    HistoryKeptAsideText("Unable to open.", "C:\\Q\\sysstats.bad", text, sizeof text);
    EXPECT_STREQ(text, "Unable to open. The file found was kept as C:\\Q\\sysstats.bad.");
    HistoryKeptAsideText("Unable to open.", "C:\\Q\\sysstats.bad", text, 10);
    EXPECT_STREQ(text, "Unable to");
}

// Only a complete write replaces the file; each path at its limit: the exact size fits, one less is
// refused with an empty result.
TEST(HistorySave, CompleteWritesOnlyAndPathsBesideTheProgram) {
    for (size_t written : {size_t{0}, size_t{15523}, size_t{15525}})
        EXPECT_EQ(CheckHistoryWrite(written), HistorySave::kWriteFailed) << written;
    EXPECT_EQ(CheckHistoryWrite(15524), HistorySave::kOk);
    EXPECT_STREQ(HistorySaveMessage(HistorySave::kWriteFailed).text, kHistoryWriteErrorText);
    const struct {
        bool (*make)(const char *, char *, size_t);
        const char *from, *expected;
    } cases[] = {
        {HistoryFilePath, "C:\\PROGRA~1\\QUORVEX\\QUORVEX.EXE", "C:\\PROGRA~1\\QUORVEX\\sysstats.dat"},
        {HistoryFilePath, "QV", "QV\\sysstats.dat"},
        {HistoryTempPath, "C:\\QUORVEX\\sysstats.dat", "C:\\QUORVEX\\sysstats.tmp"},
        {HistoryTempPath, "sysstats.dat", "sysstats.tmp"},
        {HistoryBadPath, "A:\\sysstats.dat", "A:\\sysstats.bad"}};
    for (const auto &c : cases) {
        size_t exact = strlen(c.expected) + 1;
        char out[64];
        ASSERT_TRUE(c.make(c.from, out, exact)) << c.from;
        EXPECT_STREQ(out, c.expected);
        for (size_t size : {exact - 1, size_t{1}}) {
            memset(out, 'x', sizeof out);
            EXPECT_FALSE(c.make(c.from, out, size)) << c.from << ", " << size;
            EXPECT_STREQ(out, "");
        }
        EXPECT_FALSE(c.make(c.from, out, 0));
    }
    // The history is recognised in any case and slash.
    EXPECT_TRUE(SameHistoryPath("c:/quorvex/SYSSTATS.DAT", "C:\\QUORVEX\\sysstats.dat"));
    for (const char *other :
         {"C:\\QUORVEX\\sysstats.da", "C:\\QUORVEX\\sysstats.dat.txt", "D:\\QUORVEX\\sysstats.dat"})
        EXPECT_FALSE(SameHistoryPath(other, "C:\\QUORVEX\\sysstats.dat")) << other;
}
} // namespace
