#include "platform/utilities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
TEST(DebugTraceText, EachKindFormatsItsValueCutToTheBuffer) {
    char out[256];
    auto trace = [&out](int kind, auto value) {
        FormatTrace(out, sizeof out, kind, "v", value);
        return std::string(out);
    };
    EXPECT_EQ(trace(kTraceBool, 1) + "|" + trace(kTraceBool, 2) + "|" + trace(kTraceInt, -42) + "|" +
                  trace(kTraceText, "Main") + "|" + trace(kTraceFloat, 3.14159) + "|" +
                  trace(kTraceDouble, 123.456),
              "v = TRUE|v = FALSE|v = -42|v = Main|v =  3.14|v = 123.46")
        << "only exactly 1 is TRUE";
    EXPECT_EQ(trace(kTraceULong, 4000000000UL) + "|" + trace(kTraceChar, 'A') + "|" +
                  trace(kTraceUInt, 4294967295U) + "|" + trace(99, 0),
              "v = 4000000000|v = A|v = 4294967295|v = ?");
    EXPECT_EQ(trace(kTraceText, std::string(1000, 'x').c_str()), "v = " + std::string(251, 'x'));
}

TEST(CenteredPosition, OverAnotherWindowOrTheDesktopNeverOffTheScreen) {
    auto at = [](int width, int height, ScreenRect other, ScreenRect desktop = {0, 0, 800, 600}) {
        ScreenPoint p = CenteredPosition(width, height, other.right ? &other : nullptr, desktop);
        return std::pair(p.x, p.y);
    };
    EXPECT_EQ(at(200, 100, {100, 100, 500, 400}), std::pair(200, 200));
    EXPECT_EQ(at(200, 102, {0, 0, 100, 100}), std::pair(0, 0)) << "not at -50, -1";
    EXPECT_EQ(at(200, 150, {700, 500, 800, 600}), std::pair(600, 450)) << "inside the right and bottom edges";
    EXPECT_EQ(at(301, 1000, {}, {0, 0, 1024, 768}), std::pair(512 - 150, 0)) << "over the desktop";
}

// What a copying function leaves in a buffer that held "keep", told the buffer has the given size.
std::string Copied(void (*copier)(const char *, char *, size_t), const char *source, size_t size = 256) {
    std::string out = std::string("keep\0", 5) + std::string(251, 'x'); // a missing terminator shows
    copier(source, out.data(), size);
    return out.c_str();
}

TEST(OutsideText, CaptionsCopiesAndBinaryValuesMadeSafeForALine) {
    // A caption gives the document name before the dash.
    EXPECT_EQ(Copied(CleanCaptionText, "Report.txt - Notepad"), "Report.txt");
    EXPECT_EQ(Copied(CleanCaptionText, "---Inbox-Mail"), "Inbox");
    EXPECT_EQ(Copied(CleanCaptionText, "Spaces \t - x"), "Spaces");
    EXPECT_EQ(Copied(CleanCaptionText, nullptr), "");
    EXPECT_EQ(Copied(CleanCaptionText, "Long caption - x", 5), "Long");
    const char spaced[] = "  - x"; // nothing but white space before the dash
    EXPECT_EQ(Copied(CleanCaptionText, spaced + 1), "");
    std::string longest(255, 'c');
    EXPECT_EQ(Copied(CleanCaptionText, longest.c_str()), longest);
    char text[] = "X\n== FAKE\tcol\r\x01\x1f\x7f\xe9";
    CleanOutsideText(text);
    EXPECT_STREQ(text, "X == FAKE col   \x7f\xe9") << "only bytes 1-31 change";
    EXPECT_EQ(Copied(CopyOutsideText, "a\tb\ncdefghij", 8), "a b cde");
    EXPECT_EQ(Copied(CopyOutsideText, "abc", 1), "");
    EXPECT_EQ(Copied(CopyOutsideText, nullptr), "");
    EXPECT_EQ(Copied(CopyUpper, "Hello, World", 8), "HELLO, ");
    EXPECT_EQ(Copied(CopyUpper, "ab", 8), "AB");
    EXPECT_EQ(Copied(CopyUpper, nullptr), "keep");
    const unsigned char bytes[] = {0x0a, 0x00, 0xff, 0x41};
    auto hex = [&bytes](size_t length, size_t size) {
        std::string out = std::string("keep\0", 5) + std::string(7, 'x');
        FormatHexBytes(bytes, length, out.data(), size);
        return std::string(out.c_str());
    };
    EXPECT_EQ(hex(4, 12), "0a 00 ff 41");
    EXPECT_EQ(hex(4, 11) + "|" + hex(4, 3) + "|" + hex(0, 12), "0a 00 ff|0a|") << "cut to whole pairs";
}

TEST(HistogramMean, WeightedMeanOfTheEntriesAfterTheFirstInSixtyFourBits) {
    uint32_t counts[] = {5, 0, 2, 2}, first[] = {1000, 0, 0, 0}, busy[101] = {};
    busy[100] = busy[50] = 4000000000u; // 100 x 4e9 overflows 32 bits
    EXPECT_EQ(std::vector<unsigned>({HistogramMean(counts, sizeof counts), HistogramMean(first, sizeof first),
                                     HistogramMean(busy, sizeof busy)}),
              std::vector<unsigned>({2, 0, 75}));
}

long g_comparisons = 0;

bool LessAt(void *values, int i, int j) {
    ++g_comparisons;
    return static_cast<std::vector<int> *>(values)->at(i) < static_cast<std::vector<int> *>(values)->at(j);
}

void SwapAt(void *values, int i, int j) {
    std::swap(static_cast<std::vector<int> *>(values)->at(i), static_cast<std::vector<int> *>(values)->at(j));
}

TEST(QuickSort, SortsRandomInputsAndSubrangesOnlyAndSortedInputFast) {
    unsigned seed = 12345;
    for (int round = 0; round < 200; ++round) {
        std::vector<int> values;
        for (int i = 0; i < round % 37; ++i) {
            seed = seed * 1103515245u + 12345u;
            values.push_back(static_cast<int>((seed >> 16) % (round % 5 == 0 ? 3 : 1000)));
        }
        std::vector<int> expected = values;
        std::sort(expected.begin(), expected.end());
        QuickSort(0, static_cast<int>(values.size()) - 1, LessAt, SwapAt, &values);
        EXPECT_EQ(values, expected) << "round " << round;
    }
    std::vector<int> values = {9, 5, 4, 3, 2, 1, 0};
    QuickSort(1, 4, LessAt, SwapAt, &values);
    QuickSort(6, 5, LessAt, SwapAt, &values);
    EXPECT_EQ(values, (std::vector<int>{9, 2, 3, 4, 5, 1, 0}));
    // The median of three keeps sorted and reversed input fast, and equal items split in the middle:
    // nowhere near n * n / 2 comparisons.
    for (int step : {1, -1, 0}) {
        values.clear();
        for (int i = 0; i < 2000; ++i)
            values.push_back(step * i + (step == 0 ? i % 2 : 0));
        g_comparisons = 0;
        QuickSort(0, 1999, LessAt, SwapAt, &values);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()) && g_comparisons < 60000) << g_comparisons;
    }
}
} // namespace
