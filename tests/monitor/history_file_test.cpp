// sysstats.dat: byte layout of the history image, the load rules and the pure parts of a safe save.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "monitor/history_file.h"

namespace {

// The word fields of the file, written out here independently of the code under test.
struct WordField {
    const char *name;
    size_t offset;
    uint32_t *words;
    size_t count;
};

std::vector<WordField> WordFields(PerformanceHistory &h) {
    return {
        {"day", 8, &h.day, 1},
        {"month", 12, &h.month, 1},
        {"year", 16, &h.year, 1},
        {"days seen", 20, &h.daysSeen, 1},
        {"cpu", 24, h.cpu, 101},
        {"keystrokes", 428, &h.keystrokes, 1},
        {"typing seconds", 432, &h.typingSeconds, 1},
        {"help keys", 436, &h.helpKeys, 1},
        {"pointer actions", 440, &h.pointerActions, 1},
        {"right clicks", 444, &h.rightClicks, 1},
        {"function keys", 448, &h.functionKeys, 1},
        {"navigation actions", 452, &h.navigationActions, 1},
        {"screen change", 456, h.screenChange, 101},
        {"reserved", 860, &h.reserved, 1},
        {"window moves", 864, &h.windowMoves, 1},
        {"display activity", 868, h.displayActivity, 101},
        {"physical free", 1272, h.physicalFree, 101},
        {"page file free", 1676, h.pageFileFree, 101},
        {"virtual free", 2080, h.virtualFree, 101},
        {"memory load", 2484, h.memoryLoad, 101},
        {"paging", 2888, h.paging, 101},
        {"paging peak", 3292, &h.pagingPeak, 1},
        {"task switches", 3296, &h.taskSwitches, 1},
        {"shutdown queries", 3300, &h.shutdownQueries, 1},
        {"print pages", 3304, h.printPages, 101},
        {"modem", 3708, h.modem, 101},
        {"modem peak", 4112, &h.modemPeak, 1},
        {"disk free", 4116, h.diskFree, 101},
        {"transfers", 4520, h.transfers, 101},
        {"transfers peak", 4924, &h.transfersPeak, 1},
        {"bytes read", 4928, h.bytesRead, 101},
        {"bytes read peak", 5332, &h.bytesReadPeak, 1},
        {"bytes written", 5336, h.bytesWritten, 101},
        {"bytes written peak", 5740, &h.bytesWrittenPeak, 1},
        {"reads", 5744, h.reads, 101},
        {"reads peak", 6148, &h.readsPeak, 1},
        {"writes", 6152, h.writes, 101},
        {"writes peak", 6556, &h.writesPeak, 1},
        {"read size", 6560, h.readSize, 101},
        {"read size peak", 6964, &h.readSizePeak, 1},
        {"write size", 6968, h.writeSize, 101},
        {"write size peak", 7372, &h.writeSizePeak, 1},
        {"processes", 7376, h.processes, 501},
        {"threads", 9380, h.threads, 501},
        {"windows", 11384, h.windows, 501},
        {"modules", 13388, h.modules, 501},
        {"priority", 15392, h.priority, 33},
    };
}

// A value for the word at a byte offset whose four bytes all differ from each other and from those
// of its neighbours; seed tells two records apart.
uint32_t Pattern(size_t offset, uint32_t seed) {
    uint32_t o = static_cast<uint32_t>(offset);
    return (o * 2654435761u) ^ (seed * 0x01010101u) ^ 0x80402010u;
}

std::unique_ptr<PerformanceHistory> ZeroHistory() {
    auto h = std::make_unique<PerformanceHistory>();
    memset(h.get(), 0, sizeof *h);
    return h;
}

std::unique_ptr<PerformanceHistory> PatternHistory(uint32_t seed) {
    auto h = ZeroHistory();
    h->monitoredSeconds = 1234.5f + static_cast<float>(seed);
    h->activeSeconds = 0.25f;
    for (const WordField &f : WordFields(*h))
        for (size_t i = 0; i < f.count; ++i)
            f.words[i] = Pattern(f.offset + 4 * i, seed);
    return h;
}

uint32_t WordAt(const unsigned char *bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

std::vector<unsigned char> PatternImage(uint32_t seed) {
    std::vector<unsigned char> bytes(kHistoryBytes);
    SerializeHistory(*PatternHistory(seed), bytes.data());
    return bytes;
}

testing::AssertionResult SameHistory(PerformanceHistory &a, PerformanceHistory &b) {
    if (a.monitoredSeconds != b.monitoredSeconds)
        return testing::AssertionFailure() << "monitored seconds";
    if (a.activeSeconds != b.activeSeconds)
        return testing::AssertionFailure() << "active seconds";
    std::vector<WordField> fa = WordFields(a), fb = WordFields(b);
    for (size_t n = 0; n < fa.size(); ++n)
        for (size_t i = 0; i < fa[n].count; ++i)
            if (fa[n].words[i] != fb[n].words[i])
                return testing::AssertionFailure() << fa[n].name << "[" << i << "]";
    return testing::AssertionSuccess();
}

TEST(HistoryFileLayout, FieldsCoverTheWholeImageInOrder) {
    auto h = ZeroHistory();
    size_t next = 8; // after the two floats
    for (const WordField &f : WordFields(*h)) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.offset, next);
        next = f.offset + 4 * f.count;
    }
    EXPECT_EQ(next, static_cast<size_t>(kHistoryBytes));
}

TEST(HistoryFileLayout, WritesEveryWordAtItsOffsetLittleEndian) {
    auto h = PatternHistory(7);
    std::vector<unsigned char> bytes(kHistoryBytes, 0xCC);
    SerializeHistory(*h, bytes.data());
    for (const WordField &f : WordFields(*h)) {
        SCOPED_TRACE(f.name);
        for (size_t i = 0; i < f.count; ++i) {
            size_t at = f.offset + 4 * i;
            uint32_t v = Pattern(at, 7);
            ASSERT_EQ(bytes[at], v & 0xFF) << "offset " << at;
            ASSERT_EQ(bytes[at + 1], (v >> 8) & 0xFF) << "offset " << at;
            ASSERT_EQ(bytes[at + 2], (v >> 16) & 0xFF) << "offset " << at;
            ASSERT_EQ(bytes[at + 3], v >> 24) << "offset " << at;
        }
    }
}

TEST(HistoryFileLayout, FloatsAreIeeeSinglesLittleEndian) {
    auto h = ZeroHistory();
    h->monitoredSeconds = 1234.5f; // 0x449A5000
    h->activeSeconds = 86400.0f;   // 0x47A8C000
    unsigned char bytes[kHistoryBytes];
    SerializeHistory(*h, bytes);
    const unsigned char expected[8] = {0x00, 0x50, 0x9A, 0x44, 0x00, 0xC0, 0xA8, 0x47};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytes[i], expected[i]) << "byte " << i;
    for (int i = 8; i < kHistoryBytes; ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(HistoryFileLayout, ReadsEveryWordFromItsOffset) {
    std::vector<unsigned char> bytes(kHistoryBytes);
    for (size_t at = 8; at < bytes.size(); at += 4) {
        uint32_t v = Pattern(at, 3);
        bytes[at] = v & 0xFF;
        bytes[at + 1] = (v >> 8) & 0xFF;
        bytes[at + 2] = (v >> 16) & 0xFF;
        bytes[at + 3] = v >> 24;
    }
    const unsigned char floats[8] = {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3E}; // 1.0, 0.25
    memcpy(bytes.data(), floats, 8);
    auto h = ZeroHistory();
    ASSERT_EQ(DeserializeHistory(bytes.data(), bytes.size(), *h), HistoryLoad::kOk);
    EXPECT_EQ(h->monitoredSeconds, 1.0f);
    EXPECT_EQ(h->activeSeconds, 0.25f);
    for (const WordField &f : WordFields(*h)) {
        SCOPED_TRACE(f.name);
        for (size_t i = 0; i < f.count; ++i)
            ASSERT_EQ(f.words[i], Pattern(f.offset + 4 * i, 3)) << "index " << i;
    }
}

TEST(HistoryFileLayout, RoundTrip) {
    auto original = PatternHistory(11);
    std::vector<unsigned char> first(kHistoryBytes), second(kHistoryBytes);
    SerializeHistory(*original, first.data());
    auto loaded = ZeroHistory();
    ASSERT_EQ(DeserializeHistory(first.data(), first.size(), *loaded), HistoryLoad::kOk);
    EXPECT_TRUE(SameHistory(*original, *loaded));
    SerializeHistory(*loaded, second.data());
    EXPECT_EQ(first, second);
    EXPECT_EQ(WordAt(first.data(), 15392 + 4 * 32), Pattern(15392 + 4 * 32, 11)); // last word
}

// ---- Load rules ----

struct LoadCase {
    const char *name;
    bool present;
    size_t size;
    HistoryLoad outcome;
    bool loads;
};

TEST(HistoryLoadRules, MissingEmptyShortExactLong) {
    const LoadCase cases[] = {
        {"missing", false, 0, HistoryLoad::kMissing, false},
        {"empty", true, 0, HistoryLoad::kBadSize, false},
        {"one byte short", true, 15523, HistoryLoad::kBadSize, false},
        {"one record", true, 15524, HistoryLoad::kOk, true},
        {"one byte long", true, 15525, HistoryLoad::kBadSize, false},
        {"two records", true, 31048, HistoryLoad::kOk, true},
    };
    for (const LoadCase &c : cases) {
        SCOPED_TRACE(c.name);
        // The file: record seed 5, then (for longer files) a different record.
        std::vector<unsigned char> file = PatternImage(5);
        std::vector<unsigned char> second = PatternImage(9);
        file.insert(file.end(), second.begin(), second.end());
        file.resize(c.size);
        auto h = ZeroHistory();
        auto zero = ZeroHistory();
        HistoryLoad outcome = LoadHistoryImage(c.present ? file.data() : nullptr, c.size, *h);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(CheckHistoryFile(c.present, c.size), c.loads ? HistoryLoad::kOk : c.outcome);
        if (c.loads) {
            EXPECT_TRUE(SameHistory(*h, *PatternHistory(5))); // the first record
        } else {
            EXPECT_TRUE(SameHistory(*h, *zero)); // stays zero-filled
            HistoryMessage m = HistoryLoadMessage(outcome);
            EXPECT_STREQ(m.caption, "Error!");
            EXPECT_STREQ(m.text, kHistoryOpenErrorText);
            EXPECT_FALSE(m.stopIcon);
        }
    }
}

TEST(HistoryLoadRules, SizeIsCheckedAsSixtyFourBits) {
    EXPECT_EQ(CheckHistoryFile(true, 15524ull * 3), HistoryLoad::kOk);
    EXPECT_EQ(CheckHistoryFile(true, 0x100000000ull), HistoryLoad::kBadSize); // 4 GB wraps to 0 in 32 bits
}

TEST(HistoryLoadRules, NothingOrTooLittleReadIsADiskReadFailure) {
    std::vector<unsigned char> image = PatternImage(2);
    for (size_t read : {size_t{0}, size_t{1}, size_t{15523}}) {
        SCOPED_TRACE(read);
        auto h = ZeroHistory();
        EXPECT_EQ(DeserializeHistory(image.data(), read, *h), HistoryLoad::kReadFailed);
        EXPECT_TRUE(SameHistory(*h, *ZeroHistory()));
    }
    HistoryMessage m = HistoryLoadMessage(HistoryLoad::kReadFailed);
    EXPECT_STREQ(m.caption, "Disk Read Failed");
    EXPECT_STREQ(m.text, "An attempt to read your hard disk failed!");
    EXPECT_TRUE(m.stopIcon);
}

TEST(HistoryLoadRules, DamagedSecondsCountAsZero) {
    const float kNan = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();
    const float cases[][2] = {{kNan, -1.0f}, {kInf, -kInf}, {-0.5f, kNan}};
    for (const auto &c : cases) {
        auto h = PatternHistory(3);
        h->monitoredSeconds = c[0];
        h->activeSeconds = c[1];
        std::vector<unsigned char> image(kHistoryBytes);
        SerializeHistory(*h, image.data());
        auto loaded = ZeroHistory();
        ASSERT_EQ(DeserializeHistory(image.data(), image.size(), *loaded), HistoryLoad::kOk);
        EXPECT_EQ(loaded->monitoredSeconds, 0.0f);
        EXPECT_EQ(loaded->activeSeconds, 0.0f);
        EXPECT_EQ(loaded->cpu[7], h->cpu[7]) << "the rest of the record is kept";
    }
    auto h = PatternHistory(3);
    h->monitoredSeconds = 90061.5f;
    std::vector<unsigned char> image(kHistoryBytes);
    SerializeHistory(*h, image.data());
    auto loaded = ZeroHistory();
    DeserializeHistory(image.data(), image.size(), *loaded);
    EXPECT_EQ(loaded->monitoredSeconds, 90061.5f);
}

TEST(HistoryLoadRules, WhatIsKeptAsideBeforeTheFirstSave) {
    EXPECT_FALSE(HistoryNeedsKeepingAside(false, false, 0, HistoryLoad::kMissing));
    EXPECT_FALSE(HistoryNeedsKeepingAside(true, false, 15524, HistoryLoad::kOk));
    for (uint64_t size : {0ull, 15523ull, 15525ull, 31048ull})
        EXPECT_TRUE(HistoryNeedsKeepingAside(true, false, size, CheckHistoryFile(true, size))) << size;
    EXPECT_TRUE(HistoryNeedsKeepingAside(true, true, 0, HistoryLoad::kBadSize)) << "a folder";
    EXPECT_TRUE(HistoryNeedsKeepingAside(true, false, 15524, HistoryLoad::kOpenFailed));
    EXPECT_TRUE(HistoryNeedsKeepingAside(true, false, 15524, HistoryLoad::kReadFailed));
    char text[64];
    HistoryKeptAsideText("Unable to open.", "C:\\Q\\sysstats.bad", text, sizeof text);
    EXPECT_STREQ(text, "Unable to open. The file found was kept as C:\\Q\\sysstats.bad.");
    HistoryKeptAsideText("Unable to open.", "C:\\Q\\sysstats.bad", text, 10);
    EXPECT_STREQ(text, "Unable to");
}

TEST(HistoryLoadRules, OpenFailureAndSuccessMessages) {
    HistoryMessage open = HistoryLoadMessage(HistoryLoad::kOpenFailed);
    EXPECT_STREQ(open.caption, "Error!");
    EXPECT_STREQ(open.text,
                 "Unable to open file due to error. If you are running from a floppy disk your disk "
                 "may be write protected. Or your hard disk may be full.");
    HistoryMessage ok = HistoryLoadMessage(HistoryLoad::kOk);
    EXPECT_EQ(ok.caption, nullptr);
    EXPECT_EQ(ok.text, nullptr);
}

// ---- Saving ----

TEST(HistorySave, OnlyACompleteWriteMayReplaceTheFile) {
    EXPECT_EQ(CheckHistoryWrite(0), HistorySave::kWriteFailed);
    EXPECT_EQ(CheckHistoryWrite(4096), HistorySave::kWriteFailed);
    EXPECT_EQ(CheckHistoryWrite(15523), HistorySave::kWriteFailed);
    EXPECT_EQ(CheckHistoryWrite(15524), HistorySave::kOk);
}

TEST(HistorySave, Messages) {
    HistoryMessage create = HistorySaveMessage(HistorySave::kCreateFailed);
    EXPECT_STREQ(create.caption, "Error!");
    EXPECT_STREQ(create.text,
                 "Unable to create file due to error. If you are running from a floppy disk your "
                 "disk may be write protected. Or your hard disk may be full.");
    HistoryMessage write = HistorySaveMessage(HistorySave::kWriteFailed);
    EXPECT_STREQ(write.caption, "Error!");
    EXPECT_STREQ(write.text,
                 "Unable to write file due to error. If this occurs again call Technical Support.");
    EXPECT_STREQ(HistorySaveMessage(HistorySave::kReplaceFailed).text, kHistoryCreateErrorText);
    EXPECT_EQ(HistorySaveMessage(HistorySave::kOk).text, nullptr);
    EXPECT_STREQ(kUsageHookErrorText, "Unable to collect mouse and keyboard data due to error. The program "
                                      "will continue. Contact Technical Support.");
}

TEST(HistorySave, FileBesideTheExecutable) {
    char path[64];
    ASSERT_TRUE(HistoryFilePath("C:\\PROGRA~1\\QUORVEX\\QUORVEX.EXE", path, sizeof path));
    EXPECT_STREQ(path, "C:\\PROGRA~1\\QUORVEX\\sysstats.dat");
    ASSERT_TRUE(HistoryFilePath("A:\\QV.EXE", path, sizeof path));
    EXPECT_STREQ(path, "A:\\sysstats.dat");
}

TEST(HistorySave, TemporaryFileInTheSameDirectory) {
    char path[64];
    ASSERT_TRUE(HistoryTempPath("C:\\QUORVEX\\sysstats.dat", path, sizeof path));
    EXPECT_STREQ(path, "C:\\QUORVEX\\sysstats.tmp");
    ASSERT_TRUE(HistoryTempPath("sysstats.dat", path, sizeof path));
    EXPECT_STREQ(path, "sysstats.tmp");
    ASSERT_TRUE(HistoryBadPath("C:\\QUORVEX\\sysstats.dat", path, sizeof path));
    EXPECT_STREQ(path, "C:\\QUORVEX\\sysstats.bad");
}

TEST(HistorySave, TheHistoryIsRecognisedInAnyCaseAndSlash) {
    EXPECT_TRUE(SameHistoryPath("C:\\Quorvex\\SYSSTATS.DAT", "c:\\QUORVEX\\sysstats.dat"));
    EXPECT_TRUE(SameHistoryPath("c:/quorvex/sysstats.dat", "C:\\QUORVEX\\sysstats.dat"));
    EXPECT_FALSE(SameHistoryPath("C:\\QUORVEX\\sysstats.da", "C:\\QUORVEX\\sysstats.dat"));
    EXPECT_FALSE(SameHistoryPath("C:\\QUORVEX\\sysstats.dat.txt", "C:\\QUORVEX\\sysstats.dat"));
    EXPECT_FALSE(SameHistoryPath("D:\\QUORVEX\\sysstats.dat", "C:\\QUORVEX\\sysstats.dat"));
}

TEST(HistorySave, PathsThatDoNotFitAreRefused) {
    char small[16];
    memset(small, 'x', sizeof small);
    EXPECT_FALSE(HistoryFilePath("C:\\QUORVEX\\QUORVEX.EXE", small, sizeof small));
    EXPECT_STREQ(small, "");
    memset(small, 'x', sizeof small);
    EXPECT_FALSE(HistoryTempPath("C:\\QUORVEX\\sysstats.dat", small, sizeof small));
    EXPECT_STREQ(small, "");
    char exact[sizeof "C:\\Q\\sysstats.tmp"];
    EXPECT_TRUE(HistoryTempPath("C:\\Q\\sysstats.dat", exact, sizeof exact));
    EXPECT_STREQ(exact, "C:\\Q\\sysstats.tmp");
}

} // namespace
