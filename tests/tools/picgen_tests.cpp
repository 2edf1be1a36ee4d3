// The picture generator's series expressions and its BMP and ICO writers. Named *_tests.cpp so that it
// stays out of the portable test programs, which do not carry the picgen sources.
#include "tools/picgen/series.h"
#include "tools/picgen/writers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace picgen;

namespace {
// What a call reports as "where: message"; empty when it reports nothing.
template <typename F> std::string errorOf(F f) {
    try {
        f();
    } catch (const SourceError &e) {
        return e.where + ": " + e.message;
    }
    return "";
}

TEST(PicgenSeries, ExpressionsWithCPrecedenceAndTruncationAndTheirErrors) {
    const struct {
        const char *expression;
        int n, value;
    } cases[] = {
        {"1 + 2*3", 0, 7}, {"(1+2)*3", 0, 9}, {"10-4-3", 0, 3},       {"-7/2", 0, -3},
        {"-7%3", 0, -1},   {"2*-n", 4, -8},   {"29-n*27/99", 50, 16}, {"min(n,3)+max(n,10-n)", 2, 10}};
    for (const auto &c : cases)
        EXPECT_EQ(evaluate(c.expression, c.n, ""), c.value) << c.expression;
    for (auto [expression, message] :
         {std::pair{"n/(n-5)", "division by zero (5 / 0)"},
          {" ", "the expression is empty"},
          {"n+", "the expression ends too early"},
          {"m", "unknown name 'm' (the only variable is n; the functions are min and max)"},
          {"2147483647+n", "the value 2147483652 is out of range"}})
        EXPECT_EQ(errorOf([&] { evaluate(expression, 5, "g.pic:3"); }),
                  std::string("g.pic:3: in {") + expression + "}: " + message);
    EXPECT_EQ(expandSeries("text G {n},{n*2} \"{n}{{\" # {x", 3, ""), "text G 3,6 \"3{\" # {x");
    EXPECT_EQ(errorOf([] { expandSeries("rect R 0,{n", 0, "g.pic:9"); }),
              "g.pic:9: unterminated '{': no closing '}' (write {{ for a '{' of its own)");
}

std::string hex(const std::vector<std::uint8_t> &bytes) {
    std::string text;
    char pair[3];
    for (std::uint8_t b : bytes) {
        snprintf(pair, sizeof pair, "%02x", b);
        text += pair;
    }
    return text;
}

// An expected image, written as hex with spaces between its fields.
std::string unspaced(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

TEST(PicgenWriters, BitmapStripIsOneBottomUpImageWithPaddedRows) {
    Picture pic;
    pic.frameWidth = 3, pic.frameHeight = 2, pic.frameCount = 2;
    pic.palette = {{'R', {{200, 0, 0, false}, ""}},
                   {'G', {{0, 150, 0, false}, ""}},
                   {'B', {{0, 0, 100, false}, ""}},
                   {'W', {{255, 255, 255, false}, ""}}};
    pic.frames = {{"", 0, 3, 2, {"RGB", "BWR"}}, {"", 0, 3, 2, {"WWB", "GRG"}}};
    EXPECT_EQ(
        hex(makeFile(pic)),
        unspaced("424d 5e000000 00000000 36000000 " // "BM", file size, pixels after both headers
                 "28000000 06000000 02000000 0100 1800 00000000 28000000 130b0000 130b0000 00000000 00000000 "
                 "640000 ffffff 0000c8 009600 0000c8 009600 0000 " // BWR GRG, padded to 4 bytes
                 "0000c8 009600 640000 ffffff ffffff 640000 0000"));
}

TEST(PicgenWriters, IconImagesAreColoursThenAndMaskBottomUp) {
    Picture pic;
    pic.kind = Kind::Icon;
    pic.palette = {
        {'_', {{0, 0, 0, true}, ""}}, {'K', {{10, 20, 30, false}, ""}}, {'Y', {{250, 200, 0, false}, ""}}};
    pic.frames = {{"", 0, 3, 3, {"_K_", "KYK", "_KK"}}, {"", 0, 2, 2, {"Y_", "_K"}}};
    EXPECT_EQ(
        hex(makeFile(pic)),
        unspaced("0000 0100 0200 "                          // an icon of two images
                 "03 03 00 00 0100 2000 58000000 26000000 " // 3 x 3, 32 bits, size, offset
                 "02 02 00 00 0100 2000 40000000 7e000000 " // 2 x 2
                 "28000000 03000000 06000000 0100 2000 00000000 30000000 130b0000 130b0000 00000000 00000000 "
                 "00000000 1e140aff 1e140aff 1e140aff 00c8faff 1e140aff 00000000 1e140aff 00000000 "
                 "80000000 00000000 a0000000 " // the AND mask, rows padded to 32 bits
                 "28000000 02000000 04000000 0100 2000 00000000 18000000 130b0000 130b0000 00000000 00000000 "
                 "00000000 1e140aff 00c8faff 00000000 80000000 40000000"));
}
} // namespace
