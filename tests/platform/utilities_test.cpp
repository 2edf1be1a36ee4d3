#include "platform/utilities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(DebugTraceText, EachKindFormatsItsValue) {
    char out[256];
    FormatTrace(out, sizeof out, kTraceBool, "flag", 1);
    EXPECT_STREQ(out, "flag = TRUE");
    FormatTrace(out, sizeof out, kTraceBool, "flag", 2);
    EXPECT_STREQ(out, "flag = FALSE") << "only exactly 1 is TRUE";
    FormatTrace(out, sizeof out, kTraceBool, "flag", 0);
    EXPECT_STREQ(out, "flag = FALSE");
    FormatTrace(out, sizeof out, kTraceInt, "n", -42);
    EXPECT_STREQ(out, "n = -42");
    FormatTrace(out, sizeof out, kTraceText, "Main...", "Initialize");
    EXPECT_STREQ(out, "Main... = Initialize");
    FormatTrace(out, sizeof out, kTraceFloat, "f", 3.14159);
    EXPECT_STREQ(out, "f =  3.14");
    FormatTrace(out, sizeof out, kTraceULong, "u", 4000000000UL);
    EXPECT_STREQ(out, "u = 4000000000");
    FormatTrace(out, sizeof out, kTraceChar, "c", 'A');
    EXPECT_STREQ(out, "c = A");
    FormatTrace(out, sizeof out, kTraceUInt, "u", 4294967295U);
    EXPECT_STREQ(out, "u = 4294967295");
    FormatTrace(out, sizeof out, kTraceDouble, "d", 123.456);
    EXPECT_STREQ(out, "d = 123.46");
}

TEST(DebugTraceText, LongTextIsCutToTheBuffer) {
    std::string value(1000, 'x');
    char out[256];
    FormatTrace(out, sizeof out, kTraceText, "label", value.c_str());
    EXPECT_EQ(std::string(out).size(), 255u);
    EXPECT_EQ(std::string(out).substr(0, 8), "label = ");
}

TEST(CenteredPosition, OverAnotherWindow) {
    ScreenRect desktop = {0, 0, 800, 600};
    ScreenRect other = {100, 100, 500, 400};
    ScreenPoint p = CenteredPosition(200, 100, &other, desktop);
    EXPECT_EQ(p.x, 300 - 100);
    EXPECT_EQ(p.y, 250 - 50);
}

TEST(CenteredPosition, NegativeBecomesZeroAndRightEdgeIsKept) {
    ScreenRect desktop = {0, 0, 800, 600};
    // Centre 50 pixels from the left edge: a 200-wide window would start at -50.
    ScreenRect nearLeft = {0, 0, 100, 100};
    EXPECT_EQ(CenteredPosition(200, 50, &nearLeft, desktop).x, 0);
    EXPECT_EQ(CenteredPosition(200, 150, &nearLeft, desktop).y, 0);
    ScreenRect nearRight = {700, 500, 800, 600};
    ScreenPoint p = CenteredPosition(200, 150, &nearRight, desktop);
    EXPECT_EQ(p.x, 600);
    EXPECT_EQ(p.y, 450);
}

TEST(CenteredPosition, OverTheDesktop) {
    ScreenRect desktop = {0, 0, 1024, 768};
    ScreenPoint p = CenteredPosition(301, 101, nullptr, desktop);
    EXPECT_EQ(p.x, 512 - 150);
    EXPECT_EQ(p.y, 384 - 50);
    p = CenteredPosition(2000, 1000, nullptr, desktop);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

} // namespace

namespace {

std::string Clean(const char *caption, size_t size = 256) {
    char out[256];
    CleanCaptionText(caption, out, size);
    return out;
}

TEST(CleanCaption, DocumentNameBeforeTheDash) {
    EXPECT_EQ(Clean("Report.txt - Notepad"), "Report.txt");
    EXPECT_EQ(Clean("-"), "");
    EXPECT_EQ(Clean("---Inbox-Mail"), "Inbox");
    EXPECT_EQ(Clean("Calculator"), "Calculator");
    EXPECT_EQ(Clean("Spaces \t - x"), "Spaces");
    EXPECT_EQ(Clean(" - Program"), "");
    EXPECT_EQ(Clean(""), "");
    EXPECT_EQ(Clean(nullptr), "");
    EXPECT_EQ(Clean("Long caption - x", 5), "Long");
    std::string longest(255, 'c');
    EXPECT_EQ(Clean(longest.c_str()), longest);
}

TEST(CopyUpper, CopiesCutAndUpperCases) {
    char out[8] = "keep";
    CopyUpper(nullptr, out, sizeof out);
    EXPECT_STREQ(out, "keep");
    CopyUpper("Hello, World", out, sizeof out);
    EXPECT_STREQ(out, "HELLO, ");
    CopyUpper("ab", out, sizeof out);
    EXPECT_STREQ(out, "AB");
}

TEST(SaturateToU32, LargeSizesStopAtTheTopInsteadOfWrapping) {
    EXPECT_EQ(SaturateToU32(0), 0u);
    EXPECT_EQ(SaturateToU32(0xFFFFFFFFull), 0xFFFFFFFFu);
    EXPECT_EQ(SaturateToU32(0x100000000ull), 0xFFFFFFFFu) << "4 GB must not read as 0";
    EXPECT_EQ(SaturateToU32(17179869184ull + 3153432576ull), 0xFFFFFFFFu);
}

TEST(OutsideText, ControlBytesBecomeSpacesAndBinaryBecomesHex) {
    char text[] = "X\n== FAKE\tcol\r\x01\x1f\x7f\xe9";
    CleanOutsideText(text);
    EXPECT_STREQ(text, "X == FAKE col   \x7f\xe9") << "only bytes 1-31 change";
    char out[8] = "keep";
    CopyOutsideText("a\tb\ncdefghij", out, sizeof out);
    EXPECT_STREQ(out, "a b cde");
    CopyOutsideText(nullptr, out, sizeof out);
    EXPECT_STREQ(out, "");
    const unsigned char bytes[] = {0x0a, 0x00, 0xff, 0x41};
    char hex[12];
    FormatHexBytes(bytes, 4, hex, sizeof hex);
    EXPECT_STREQ(hex, "0a 00 ff 41");
    FormatHexBytes(bytes, 4, hex, 10);
    EXPECT_STREQ(hex, "0a 00 ff") << "cut to whole pairs";
    FormatHexBytes(bytes, 0, hex, sizeof hex);
    EXPECT_STREQ(hex, "");
}

TEST(HistogramMean, WeightedMeanOfBucketsAfterTheFirst) {
    uint32_t counts[] = {5, 0, 2, 2};
    EXPECT_EQ(HistogramMean(counts, sizeof counts), 2u);
    uint32_t zeros[101] = {};
    EXPECT_EQ(HistogramMean(zeros, sizeof zeros), 0u);
    uint32_t onlyFirst[4] = {1000, 0, 0, 0};
    EXPECT_EQ(HistogramMean(onlyFirst, sizeof onlyFirst), 0u);
    // Large counts must not wrap: 100 x 4e9 overflows 32 bits.
    uint32_t busy[101] = {};
    busy[100] = 4000000000u;
    busy[50] = 4000000000u;
    EXPECT_EQ(HistogramMean(busy, sizeof busy), 75u);
}

struct SortState {
    std::vector<int> values;
    int swaps = 0;
};

bool LessAt(void *context, int i, int j) {
    auto *s = static_cast<SortState *>(context);
    return s->values.at(i) < s->values.at(j);
}

void SwapAt(void *context, int i, int j) {
    auto *s = static_cast<SortState *>(context);
    std::swap(s->values.at(i), s->values.at(j));
    ++s->swaps;
}

TEST(QuickSort, SortsRandomInputsIntoAPermutation) {
    unsigned seed = 12345;
    for (int round = 0; round < 200; ++round) {
        SortState s;
        int n = round % 37;
        for (int i = 0; i < n; ++i) {
            seed = seed * 1103515245u + 12345u;
            s.values.push_back(static_cast<int>((seed >> 16) % (round % 5 == 0 ? 3 : 1000)));
        }
        std::vector<int> expected = s.values;
        std::sort(expected.begin(), expected.end());
        if (n > 0)
            QuickSort(0, n - 1, LessAt, SwapAt, &s);
        EXPECT_EQ(s.values, expected) << "round " << round;
    }
}

TEST(QuickSort, SubrangesAndTinyRanges) {
    SortState s{{9, 5, 4, 3, 2, 1, 0}};
    QuickSort(1, 4, LessAt, SwapAt, &s);
    EXPECT_EQ(s.values, (std::vector<int>{9, 2, 3, 4, 5, 1, 0}));
    s.swaps = 0;
    QuickSort(3, 3, LessAt, SwapAt, &s);
    QuickSort(4, 2, LessAt, SwapAt, &s);
    EXPECT_EQ(s.swaps, 0);
}

TEST(QuickSort, SortedAndReversedInputStayCheap) {
    SortState s;
    for (int i = 0; i < 2000; ++i)
        s.values.push_back(2000 - i);
    QuickSort(0, 1999, LessAt, SwapAt, &s);
    EXPECT_TRUE(std::is_sorted(s.values.begin(), s.values.end()));
    EXPECT_LT(s.swaps, 40000);
}

} // namespace
