// Tests of the picture generator's parts (tools/picgen): series expressions,
// the BMP and ICO writers, and source errors.  Named *_tests.cpp rather than
// *_test.cpp so that it stays out of the portable test programs, which do not
// carry the picgen sources.
#include "tools/picgen/series.h"
#include "tools/picgen/source.h"
#include "tools/picgen/writers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

using namespace picgen;

namespace {

template <typename F> SourceError errorFrom(F f) {
    try {
        f();
    } catch (const SourceError &e) {
        return e;
    }
    ADD_FAILURE() << "no error was reported";
    return {};
}

std::string evaluationError(const std::string &expression) {
    const SourceError e = errorFrom([&] { evaluate(expression, 5, "g.pic:3"); });
    EXPECT_EQ(e.where, "g.pic:3");
    return e.message;
}

TEST(PicgenSeries, EvaluatesWithCPrecedenceAndTruncation) {
    EXPECT_EQ(evaluate("1 + 2*3", 0, ""), 7);
    EXPECT_EQ(evaluate("(1+2)*3", 0, ""), 9);
    EXPECT_EQ(evaluate("10-4-3", 0, ""), 3);
    EXPECT_EQ(evaluate("-7/2", 0, ""), -3);
    EXPECT_EQ(evaluate("-7%3", 0, ""), -1);
    EXPECT_EQ(evaluate("2*-n", 4, ""), -8);
    EXPECT_EQ(evaluate("29-n*27/99", 50, ""), 16);
    EXPECT_EQ(evaluate("min(n,3)+max(n,10-n)", 2, ""), 10);
}

TEST(PicgenSeries, ReportsDivisionByZeroAndMalformedExpressions) {
    EXPECT_EQ(evaluationError("n/(n-5)"), "in {n/(n-5)}: division by zero (5 / 0)");
    EXPECT_EQ(evaluationError("1%0"), "in {1%0}: division by zero (1 % 0)");
    EXPECT_EQ(evaluationError(" "), "in { }: the expression is empty");
    EXPECT_EQ(evaluationError("n+"), "in {n+}: the expression ends too early");
    EXPECT_EQ(evaluationError("(n"), "in {(n}: missing ')'");
    EXPECT_EQ(evaluationError("n 1"), "in {n 1}: unexpected '1'");
    EXPECT_EQ(evaluationError("min(n)"), "in {min(n)}: min takes two values: min(A,B)");
    EXPECT_EQ(evaluationError("m"),
              "in {m}: unknown name 'm' (the only variable is n; the functions are min and max)");
    EXPECT_EQ(evaluationError("2147483647+n"), "in {2147483647+n}: the value 2147483652 is out of range");
}

TEST(PicgenSeries, ExpandsEveryExpressionBeforeTheComment) {
    EXPECT_EQ(expandSeries("text G {n},{n*2} \"{n}{{\" # {x", 3, ""), "text G 3,6 \"3{\" # {x");
    EXPECT_EQ(errorFrom([] { expandSeries("rect R 0,{n", 0, "g.pic:9"); }).message,
              "unterminated '{': no closing '}' (write {{ for a '{' of its own)");
}

PaletteEntry rgb(int r, int g, int b) {
    PaletteEntry entry;
    entry.colour.r = static_cast<std::uint8_t>(r);
    entry.colour.g = static_cast<std::uint8_t>(g);
    entry.colour.b = static_cast<std::uint8_t>(b);
    return entry;
}

Frame frame(std::vector<std::string> rows) {
    Frame f;
    f.width = static_cast<int>(rows[0].size());
    f.height = static_cast<int>(rows.size());
    f.rows = std::move(rows);
    return f;
}

std::uint32_t le(const std::vector<std::uint8_t> &bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | bytes.at(at + static_cast<std::size_t>(i));
    return v;
}

// The palette character of an opaque colour stored as B, G, R at `at`.
char colourAt(const Picture &pic, const std::vector<std::uint8_t> &bytes, std::size_t at) {
    for (const auto &[c, entry] : pic.palette)
        if (!entry.colour.transparent && entry.colour.b == bytes.at(at) &&
            entry.colour.g == bytes.at(at + 1) && entry.colour.r == bytes.at(at + 2))
            return c;
    return '?';
}

TEST(PicgenWriters, BitmapStripReadsBackBottomUpWithPaddedRows) {
    Picture pic;
    pic.frameWidth = 3;
    pic.frameHeight = 2;
    pic.frameCount = 2;
    pic.palette = {
        {'R', rgb(200, 0, 0)}, {'G', rgb(0, 150, 0)}, {'B', rgb(0, 0, 100)}, {'W', rgb(255, 255, 255)}};
    pic.frames = {frame({"RGB", "BWR"}), frame({"WWB", "GRG"})};
    const std::vector<std::uint8_t> bmp = makeFile(pic);

    const std::size_t stride = 20; // 6 pixels of 3 bytes, padded to 4
    ASSERT_EQ(bmp.size(), 54 + 2 * stride);
    EXPECT_EQ(le(bmp, 0, 2), 'B' | ('M' << 8));
    EXPECT_EQ(le(bmp, 2, 4), bmp.size());
    EXPECT_EQ(le(bmp, 10, 4), 54u); // pixels right after the headers
    EXPECT_EQ(le(bmp, 14, 4), 40u);
    EXPECT_EQ(le(bmp, 18, 4), 6u); // the frames side by side
    EXPECT_EQ(le(bmp, 22, 4), 2u); // positive: bottom-up
    EXPECT_EQ(le(bmp, 26, 2), 1u);
    EXPECT_EQ(le(bmp, 28, 2), 24u);
    EXPECT_EQ(le(bmp, 30, 4), 0u);
    EXPECT_EQ(le(bmp, 34, 4), 2 * stride);

    std::vector<std::string> rows(2);
    for (std::size_t k = 0; k < 2; ++k) {
        const std::size_t row = 54 + k * stride;
        for (std::size_t x = 0; x < 6; ++x)
            rows[1 - k] += colourAt(pic, bmp, row + 3 * x);
        EXPECT_EQ(le(bmp, row + 18, 2), 0u) << "padding of stored row " << k;
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"RGBWWB", "BWRGRG"}));
}

TEST(PicgenWriters, IconReadsBackWithItsAndMask) {
    Picture pic;
    pic.kind = Kind::Icon;
    pic.palette = {{'_', {}}, {'K', rgb(10, 20, 30)}, {'Y', rgb(250, 200, 0)}};
    pic.palette['_'].colour.transparent = true;
    pic.frames = {frame({"_K_", "KYK", "_KK"}), frame({"Y_", "_K"})};
    const std::vector<std::uint8_t> ico = makeFile(pic);

    ASSERT_GE(ico.size(), 38u);
    EXPECT_EQ(le(ico, 0, 2), 0u);
    EXPECT_EQ(le(ico, 2, 2), 1u); // an icon
    ASSERT_EQ(le(ico, 4, 2), 2u);
    std::size_t next = 6 + 2 * 16;
    for (std::size_t i = 0; i < 2; ++i) {
        const Frame &source = pic.frames[i];
        const std::size_t size = static_cast<std::size_t>(source.width), entry = 6 + 16 * i;
        EXPECT_EQ(ico.at(entry), size);
        EXPECT_EQ(ico.at(entry + 1), size);
        EXPECT_EQ(le(ico, entry + 2, 2), 0u);
        EXPECT_EQ(le(ico, entry + 4, 2), 1u);
        EXPECT_EQ(le(ico, entry + 6, 2), 32u);
        const std::size_t bytes = le(ico, entry + 8, 4), at = le(ico, entry + 12, 4);
        const std::size_t xorBytes = size * size * 4, andBytes = size * 4; // mask rows padded to 32 bits
        EXPECT_EQ(at, next);
        EXPECT_EQ(bytes, 40 + xorBytes + andBytes);
        next = at + bytes;

        EXPECT_EQ(le(ico, at, 4), 40u);
        EXPECT_EQ(le(ico, at + 4, 4), size);
        EXPECT_EQ(le(ico, at + 8, 4), 2 * size); // colours and mask stacked
        EXPECT_EQ(le(ico, at + 14, 2), 32u);
        EXPECT_EQ(le(ico, at + 20, 4), xorBytes + andBytes);
        std::vector<std::string> rows(size);
        for (std::size_t k = 0; k < size; ++k) {
            const std::uint32_t mask = le(ico, at + 40 + xorBytes + 4 * k, 1);
            for (std::size_t x = 0; x < size; ++x) {
                const std::size_t pixel = at + 40 + 4 * (k * size + x);
                const bool transparent = mask & (0x80u >> x);
                EXPECT_EQ(le(ico, pixel, 4) == 0, transparent);
                EXPECT_EQ(ico.at(pixel + 3), transparent ? 0 : 255);
                rows[size - 1 - k] += transparent ? '_' : colourAt(pic, ico, pixel);
            }
            EXPECT_EQ(mask & (0xFFu >> size), 0u) << "mask bits past the row";
            EXPECT_EQ(le(ico, at + 40 + xorBytes + 4 * k + 1, 3), 0u) << "mask row padding";
        }
        EXPECT_EQ(rows, source.rows) << "image " << i;
    }
    EXPECT_EQ(next, ico.size());
}

TEST(PicgenWriters, IconOf256PixelsIsListedAsZero) {
    Picture pic;
    pic.kind = Kind::Icon;
    pic.palette = {{'K', rgb(1, 2, 3)}};
    pic.frames = {frame(std::vector<std::string>(256, std::string(256, 'K')))};
    const std::vector<std::uint8_t> ico = makeFile(pic);
    EXPECT_EQ(le(ico, 6, 2), 0u);
    EXPECT_EQ(le(ico, 22 + 4, 4), 256u);
}

struct SourceDir {
    fs::path dir = fs::temp_directory_path() / ("picgen-tests-" + std::to_string(std::random_device{}()));
    SourceDir() { fs::create_directories(dir); }
    ~SourceDir() { fs::remove_all(dir); }
    fs::path write(const std::string &name, const std::string &text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
        return dir / name;
    }
};

TEST(PicgenSource, ErrorsNameFileAndLine) {
    const SourceDir src;
    const fs::path header =
        src.write("strip.pic", "# a strip\nbitmap 1500 frame 16x16\npalette\nK = 0 0 0\n");
    SourceError e = errorFrom([&] { parsePicture(header, 0); });
    EXPECT_EQ(e.where, header.generic_string() + ":2");
    EXPECT_EQ(e.message, "bitmap header must read 'bitmap ID frame WxH count N [series N]'");

    const fs::path colour = src.write(
        "icon.pic", "icon 7 sizes 2\npalette\nK = 0 0 0\n\nframe one\nKK\nKQ  # Q is not defined\n");
    e = errorFrom([&] { parsePicture(colour, 0); });
    EXPECT_EQ(e.where, colour.generic_string() + ":7");
    EXPECT_EQ(e.message, "colour 'Q' (column 2) is not in the palette");
}

} // namespace
