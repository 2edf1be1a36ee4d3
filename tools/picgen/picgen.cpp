// picgen - turns the text picture sources in resources/pictures into Windows
// bitmaps and icons, plus a resource script that pulls them all in.
//
// Usage:  picgen SRC_DIR OUT_DIR
//
// Every SRC_DIR/*.pic file (taken in name order) becomes one resource, or a
// numbered series of them.  The
// binary is written as OUT_DIR/<stem>.bmp or OUT_DIR/<stem>.ico, where <stem>
// is the source file name without ".pic", and OUT_DIR/pictures.rc gets one
// line per picture, for example
//
//     1500 BITMAP "tb1500.bmp"
//     1000 ICON "app1000.ico"
//
// A header ending in "series N" makes N pictures from the one source, with
// the IDs ID to ID+N-1, written as <stem>_0 to <stem>_<N-1>:
//
//     1700 ICON "gauge1700_0.ico"
//     ...
//     1799 ICON "gauge1700_99.ico"
//
// Their draw commands may hold {EXPR}, an integer expression over n, the
// member's number from 0 to N-1 (see "Series" below).
//
// Source format (line based; '#' starts a comment anywhere except inside a
// quoted string of a draw command, blank lines and leading/trailing blanks are
// ignored):
//
//     bitmap ID frame WxH count N      a strip of N frames of W x H pixels,
//                                      laid left to right (24-bit BMP)
//     icon ID sizes S1,S2,...          an icon with one square image per size
//                                      (32-bit images with an AND mask)
//     picture ID size WxH              a single drawn picture (24-bit BMP)
//     ... series N                     any of these three, N times over
//     palette                          starts the colour table
//       C = R G B                      pixel character C has that colour
//       C = transparent                transparent pixel (icons only)
//       include FILE                   reads more "C = ..." lines from FILE,
//                                      relative to the including file (an
//                                      included file cannot include another)
//     frame NAME                       starts the next frame; NAME is free text
//       <rows>                         exactly H rows of exactly W characters
//     frame NAME
//       draw                           ... or a draw block instead of rows
//         <draw commands>
//
// The header comes first and "palette" right after it; the frames follow the
// palette in the order they are laid out.  A bitmap has exactly N frames; an
// icon has one frame per listed size, in the same order.  A colour character
// is any printable ASCII character other than '#'.  Resource IDs must be
// unique over all pictures.  A "picture" has no frames: its palette is
// followed by one "draw" line, and every line after that is a draw command.
//
// Draw commands paint, in order, on a canvas the size of the picture or frame.
// C is a palette character, a point X,Y is written without blanks, counts from
// 0,0 at the top left and must lie on the canvas; rectangles are given by two
// opposite corners and include both.  Every pixel must have been painted by
// the end of the block, so a block normally starts with "fill".
//
//     fill C                           paints the whole canvas
//     rect C X1,Y1 X2,Y2               filled rectangle
//     box C X1,Y1 X2,Y2 [width N]      rectangle outline, N pixels thick
//                                      (inwards; default 1)
//     line C X1,Y1 X2,Y2 [X3,Y3 ...]   1-pixel Bresenham line through the
//                                      points, every point included
//     polygon C X1,Y1 X2,Y2 X3,Y3 ...  filled polygon: the pixels whose centres
//                                      are inside by the even-odd rule, plus
//                                      the outline drawn as by "line"
//     ellipse C X1,Y1 X2,Y2            filled ellipse inscribed in the
//                                      rectangle: the pixels whose centres lie
//                                      in it
//     ring C X1,Y1 X2,Y2               outline of that ellipse: its pixels
//                                      that touch (4-way) a pixel outside it
//     pie C X1,Y1 X2,Y2 FROM TO        the pixels of that filled ellipse whose
//                                      centres lie at an angle from FROM to TO
//                                      (whole degrees 0-360, both included,
//                                      counter-clockwise, 0 = right, 90 = up)
//                                      as seen from its centre
//     flood C X,Y                      repaints the 4-connected area of the
//                                      colour found at X,Y
//     text C X,Y [left|center|right] [scale N] "TEXT"
//                                      TEXT in the built-in font; Y is the top
//                                      of the text, X its left edge (left, the
//                                      default), its middle (center) or its
//                                      right edge (right).  Each character
//                                      takes a 6 x 9 cell times N (default 1),
//                                      without the gap after the last one, and
//                                      all of that must fit on the canvas.
//                                      Inside the quotes, write \" for a quote
//                                      and \\ for a backslash.
//     include FILE                     runs the draw commands in FILE (relative
//                                      to the including file; it cannot include
//                                      another).  Give it an extension other
//                                      than .pic, e.g. ".draw".
//
// Series: in the draw commands of a series every {EXPR} is replaced by its
// value for the member being drawn before the command is read, in numbers,
// points and strings alike ("{{" gives a '{' of its own).  EXPR is made of
// decimal numbers, n, + - * / % (C integer arithmetic; dividing by zero is an
// error), unary minus, parentheses, min(A,B) and max(A,B), e.g.
//
//     rect R 2,{29-n*27/99} 5,29
//     text G 15,12 center scale 2 "{n}"
//
// An error in a draw command of a series names the n it happened for.  All the
// IDs of a series count as used, and two members with identical pixels are an
// error.
//
// Anything doubtful is an error reported as "file:line: message", and the
// program then exits with status 1 without writing pictures.rc (an old one
// is deleted), so a broken source can never end up as a silently wrong
// picture.  Besides syntax, these are errors: a row of the wrong width, a
// frame with too few or too many rows, a wrong number of frames, a colour
// character not in the palette, a character defined twice, two pictures
// with the same ID, two frames of one bitmap strip with identical pixels, a
// point off the canvas, text that does not fit, a character the font lacks,
// an unterminated string, and a pixel that no draw command paints.

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct SourceError {
    std::string where; // "file:line"
    std::string message;
};

[[noreturn]] void fail(const std::string &where, const std::string &message) {
    throw SourceError{where, message};
}

std::string locate(const fs::path &file, int line) {
    return file.generic_string() + ":" + std::to_string(line);
}

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool transparent = false;
};

struct PaletteEntry {
    Colour colour;
    std::string definedAt;
};

struct Frame {
    std::string name;
    int line = 0;
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;
};

enum class Kind { Bitmap, Icon };

struct Picture {
    fs::path source;
    std::string stem;
    Kind kind = Kind::Bitmap;
    int id = 0;
    std::string headerAt;
    bool drawn = false;     // a "picture": a one-frame bitmap given by a draw block
    int frameWidth = 0;     // bitmaps
    int frameHeight = 0;    // bitmaps
    int frameCount = 0;     // bitmaps
    std::vector<int> sizes; // icons
    int series = 0;         // number of members of a series (0: a single picture)
    int member = 0;         // which member this is, the value of n in its expressions
    std::map<char, PaletteEntry> palette;
    std::vector<Frame> frames;

    int resourceId() const { return id + member; }
    std::string outputName() const {
        return stem + (series ? "_" + std::to_string(member) : "") + (kind == Kind::Bitmap ? ".bmp" : ".ico");
    }
};

// One logical source line with its comment removed and blanks trimmed.
struct Line {
    int number = 0;
    std::string text;
    std::string raw; // as written: draw commands find their own comments, since strings may hold '#'
};

std::string trim(const std::string &s) {
    const char *blanks = " \t\r\n\f\v";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string &s) {
    std::vector<std::string> tokens;
    std::istringstream in(s);
    std::string token;
    while (in >> token)
        tokens.push_back(token);
    return tokens;
}

std::string count(std::size_t n, const std::string &noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

bool hasBlank(const std::string &s) {
    return s.find_first_of(" \t") != std::string::npos;
}

struct SourceText {
    std::vector<Line> lines; // non-blank lines only
    int lastLine = 0;        // number of the file's last line, for errors at the end
};

SourceText readLines(const fs::path &file, const std::string &includedFrom) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        fail(includedFrom.empty() ? file.generic_string() : includedFrom,
             "cannot open '" + file.generic_string() + "'");
    SourceText src;
    std::string raw;
    while (std::getline(in, raw)) {
        ++src.lastLine;
        std::string text = raw;
        const auto hash = text.find('#');
        if (hash != std::string::npos)
            text.erase(hash);
        text = trim(text);
        if (!text.empty())
            src.lines.push_back({src.lastLine, std::move(text), raw});
    }
    src.lastLine = std::max(src.lastLine, 1);
    return src;
}

// Parses a decimal number that must lie within [lo, hi].
std::optional<int> parseNumber(const std::string &s, int lo, int hi) {
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < lo || value > hi)
        return std::nullopt;
    return value;
}

int needNumber(const std::string &s, int lo, int hi, const std::string &what, const std::string &where) {
    const auto value = parseNumber(s, lo, hi);
    if (!value)
        fail(where, what + " must be a number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                        ", not '" + s + "'");
    return *value;
}

bool validColourChar(char c) {
    return c > ' ' && c < 127 && c != '#';
}

std::string describeChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u > ' ' && u < 127)
        return std::string("'") + c + "'";
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%02X", u);
    return buf;
}

void parseSize(const std::string &token, int limit, const std::string &what, const std::string &where,
               int &width, int &height) {
    const auto x = token.find('x');
    if (x == std::string::npos)
        fail(where, what + " size must be written WxH, not '" + token + "'");
    width = needNumber(token.substr(0, x), 1, limit, what + " width", where);
    height = needNumber(token.substr(x + 1), 1, limit, what + " height", where);
}

void parseHeader(Picture &pic, const Line &line) {
    const std::string where = locate(pic.source, line.number);
    pic.headerAt = where;
    auto tokens = split(line.text);
    if (tokens.empty() || (tokens[0] != "bitmap" && tokens[0] != "icon" && tokens[0] != "picture"))
        fail(where,
             "expected 'bitmap ID frame WxH count N', 'icon ID sizes S1,S2,...' or 'picture ID size WxH' "
             "header");
    if (tokens.size() < 2)
        fail(where, "missing resource ID");
    pic.id = needNumber(tokens[1], 1, 65535, "resource ID", where);

    // A trailing "series N" makes N pictures with consecutive IDs from the one source.
    if (tokens.size() >= 4 && tokens[tokens.size() - 2] == "series") {
        pic.series = needNumber(tokens.back(), 2, 1000, "series count", where);
        if (pic.id + pic.series - 1 > 65535)
            fail(where, "the series runs past resource ID 65535 (IDs " + std::to_string(pic.id) + " to " +
                            std::to_string(pic.id + pic.series - 1) + ")");
        tokens.resize(tokens.size() - 2);
    }

    if (tokens[0] == "bitmap") {
        pic.kind = Kind::Bitmap;
        if (tokens.size() != 6 || tokens[2] != "frame" || tokens[4] != "count")
            fail(where, "bitmap header must read 'bitmap ID frame WxH count N [series N]'");
        parseSize(tokens[3], 256, "frame", where, pic.frameWidth, pic.frameHeight);
        pic.frameCount = needNumber(tokens[5], 1, 1000, "frame count", where);
        return;
    }

    if (tokens[0] == "picture") {
        pic.kind = Kind::Bitmap;
        pic.drawn = true;
        if (tokens.size() != 4 || tokens[2] != "size")
            fail(where, "picture header must read 'picture ID size WxH [series N]'");
        parseSize(tokens[3], 2048, "picture", where, pic.frameWidth, pic.frameHeight);
        pic.frameCount = 1;
        return;
    }

    pic.kind = Kind::Icon;
    if (tokens.size() < 4 || tokens[2] != "sizes")
        fail(where, "icon header must read 'icon ID sizes S1,S2,... [series N]'");
    std::string list;
    for (std::size_t i = 3; i < tokens.size(); ++i)
        list += tokens[i];
    std::size_t pos = 0;
    while (true) {
        const auto comma = list.find(',', pos);
        const std::string item =
            list.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        const int size = needNumber(item, 1, 256, "icon size", where);
        if (std::find(pic.sizes.begin(), pic.sizes.end(), size) != pic.sizes.end())
            fail(where, "icon size " + std::to_string(size) + " listed twice");
        pic.sizes.push_back(size);
        if (comma == std::string::npos)
            break;
        pos = comma + 1;
    }
    if (pic.sizes.size() > 64)
        fail(where, "too many icon sizes");
}

void parsePaletteLine(Picture &pic, const fs::path &file, const Line &line, bool allowInclude);

void includePalette(Picture &pic, const fs::path &from, const Line &line, const std::string &name) {
    const std::string where = locate(from, line.number);
    const fs::path file = from.parent_path() / name;
    for (const Line &l : readLines(file, where).lines)
        parsePaletteLine(pic, file, l, false);
}

void parsePaletteLine(Picture &pic, const fs::path &file, const Line &line, bool allowInclude) {
    const std::string where = locate(file, line.number);
    const auto tokens = split(line.text);
    if (tokens.size() == 2 && tokens[0] == "include") {
        if (!allowInclude)
            fail(where, "an included palette file cannot include another");
        includePalette(pic, file, line, tokens[1]);
        return;
    }
    if (tokens.size() < 2 || tokens[1] != "=")
        fail(where, "expected 'C = R G B', 'C = transparent' or 'include FILE' in the palette");
    if (tokens[0].size() != 1 || !validColourChar(tokens[0][0]))
        fail(where, "a colour must be named by a single printable character other than '#', not '" +
                        tokens[0] + "'");
    const char c = tokens[0][0];

    PaletteEntry entry;
    entry.definedAt = where;
    if (tokens.size() == 3 && tokens[2] == "transparent") {
        if (pic.kind != Kind::Icon)
            fail(where, "'transparent' is only allowed in icons");
        entry.colour.transparent = true;
    } else if (tokens.size() == 5) {
        entry.colour.r = static_cast<std::uint8_t>(needNumber(tokens[2], 0, 255, "red", where));
        entry.colour.g = static_cast<std::uint8_t>(needNumber(tokens[3], 0, 255, "green", where));
        entry.colour.b = static_cast<std::uint8_t>(needNumber(tokens[4], 0, 255, "blue", where));
    } else {
        fail(where, "colour must be 'R G B' (three numbers 0-255) or 'transparent'");
    }

    const auto it = pic.palette.find(c);
    if (it != pic.palette.end())
        fail(where, "colour " + describeChar(c) + " already defined at " + it->second.definedAt);
    pic.palette.emplace(c, entry);
}

// ---- built-in font ----------------------------------------------------------

// Glyphs are 5 pixels wide and 9 high and sit in a 6 x 9 cell (one blank column
// to the right).  Capitals and digits fill rows 0-6, lower case has its
// x-height in rows 2-6, and descenders use rows 7-8.  Each band below shows the
// glyphs of its characters side by side, separated by one blank column.
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 9;
constexpr int kCellWidth = kGlyphWidth + 1;

struct FontBand {
    const char *chars;
    const char *rows[kGlyphHeight];
};

// clang-format off
const FontBand kFont[] = {
    {" !\"#$%&'()",
     {"..... ..#.. .#.#. .#.#. ..#.. ##... .##.. ..#.. ...#. .#...",
      "..... ..#.. .#.#. .#.#. .#### ##..# #..#. ..#.. ..#.. ..#..",
      "..... ..#.. .#.#. ##### #.#.. ...#. #.#.. .#... .#... ...#.",
      "..... ..#.. ..... .#.#. .###. ..#.. .#... ..... .#... ...#.",
      "..... ..#.. ..... ##### ..#.# .#... #.#.# ..... .#... ...#.",
      "..... ..... ..... .#.#. ####. #..## #..#. ..... ..#.. ..#..",
      "..... ..#.. ..... .#.#. ..#.. ...## .##.# ..... ...#. .#...",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {"*+,-./0123",
     {"..... ..... ..... ..... ..... ..... .###. ..#.. .###. #####",
      "..#.. ..#.. ..... ..... ..... ....# #...# .##.. #...# ...#.",
      "#.#.# ..#.. ..... ..... ..... ...#. #..## ..#.. ....# ..#..",
      ".###. ##### ..... ##### ..... ..#.. #.#.# ..#.. ...#. ...#.",
      "#.#.# ..#.. ..... ..... ..... .#... ##..# ..#.. ..#.. ....#",
      "..#.. ..#.. .##.. ..... .##.. #.... #...# ..#.. .#... #...#",
      "..... ..... .##.. ..... .##.. ..... .###. .###. ##### .###.",
      "..... ..... .#... ..... ..... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {"456789:;<=",
     {"...#. ##### ..##. ##### .###. .###. ..... ..... ...#. .....",
      "..##. #.... .#... ....# #...# #...# ..... ..... ..#.. .....",
      ".#.#. ####. #.... ...#. #...# #...# .##.. .##.. .#... #####",
      "#..#. ....# ####. ..#.. .###. .#### .##.. .##.. #.... .....",
      "##### ....# #...# .#... #...# ....# ..... ..... .#... #####",
      "...#. #...# #...# .#... #...# ...#. .##.. .##.. ..#.. .....",
      "...#. .###. .###. .#... .###. .##.. .##.. .##.. ...#. .....",
      "..... ..... ..... ..... ..... ..... ..... .#... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {">?@ABCDEFG",
     {".#... .###. .###. .###. ####. .###. ###.. ##### ##### .###.",
      "..#.. #...# #...# #...# #...# #...# #..#. #.... #.... #...#",
      "...#. ....# ....# #...# #...# #.... #...# #.... #.... #....",
      "....# ...#. .##.# #...# ####. #.... #...# ####. ####. #.###",
      "...#. ..#.. #.#.# ##### #...# #.... #...# #.... #.... #...#",
      "..#.. ..... #.#.# #...# #...# #...# #..#. #.... #.... #...#",
      ".#... ..#.. .###. #...# ####. .###. ###.. ##### #.... .####",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {"HIJKLMNOPQ",
     {"#...# .###. ..### #...# #.... #...# #...# .###. ####. .###.",
      "#...# ..#.. ...#. #..#. #.... ##.## #...# #...# #...# #...#",
      "#...# ..#.. ...#. #.#.. #.... #.#.# ##..# #...# #...# #...#",
      "##### ..#.. ...#. ##... #.... #.#.# #.#.# #...# ####. #...#",
      "#...# ..#.. ...#. #.#.. #.... #...# #..## #...# #.... #.#.#",
      "#...# ..#.. #..#. #..#. #.... #...# #...# #...# #.... #..#.",
      "#...# .###. .##.. #...# ##### #...# #...# .###. #.... .##.#",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {"RSTUVWXYZ[",
     {"####. .#### ##### #...# #...# #...# #...# #...# ##### .###.",
      "#...# #.... ..#.. #...# #...# #...# #...# #...# ....# .#...",
      "#...# #.... ..#.. #...# #...# #...# .#.#. .#.#. ...#. .#...",
      "####. .###. ..#.. #...# #...# #.#.# ..#.. ..#.. ..#.. .#...",
      "#.#.. ....# ..#.. #...# #...# #.#.# .#.#. ..#.. .#... .#...",
      "#..#. ....# ..#.. #...# .#.#. #.#.# #...# ..#.. #.... .#...",
      "#...# ####. ..#.. .###. ..#.. .#.#. #...# ..#.. ##### .###.",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {"\\]^_`abcde",
     {"..... .###. ..#.. ..... .#... ..... #.... ..... ....# .....",
      "#.... ...#. .#.#. ..... ..#.. ..... #.... ..... ....# .....",
      ".#... ...#. #...# ..... ..... .###. #.##. .###. .##.# .###.",
      "..#.. ...#. ..... ..... ..... ....# ##..# #.... #..## #...#",
      "...#. ...#. ..... ..... ..... .#### #...# #.... #...# #####",
      "....# ...#. ..... ..... ..... #...# #...# #...# #...# #....",
      "..... .###. ..... ..... ..... .#### ####. .###. .#### .###.",
      "..... ..... ..... ##### ..... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... ..... ..... ..... ..... ..... ....."}},
    {"fghijklmno",
     {"..##. ..... #.... ..#.. ...#. #.... .##.. ..... ..... .....",
      ".#..# ..... #.... ..... ..... #.... ..#.. ..... ..... .....",
      ".#... .#### #.##. .##.. ..##. #..#. ..#.. ##.#. #.##. .###.",
      "###.. #...# ##..# ..#.. ...#. #.#.. ..#.. #.#.# ##..# #...#",
      ".#... #...# #...# ..#.. ...#. ##... ..#.. #.#.# #...# #...#",
      ".#... #...# #...# ..#.. ...#. #.#.. ..#.. #.#.# #...# #...#",
      ".#... .#### #...# .###. ...#. #..#. .###. #.#.# #...# .###.",
      "..... ....# ..... ..... #..#. ..... ..... ..... ..... .....",
      "..... .###. ..... ..... .##.. ..... ..... ..... ..... ....."}},
    {"pqrstuvwxy",
     {"..... ..... ..... ..... .#... ..... ..... ..... ..... .....",
      "..... ..... ..... ..... .#... ..... ..... ..... ..... .....",
      "####. .#### #.##. .#### ###.. #...# #...# #...# #...# #...#",
      "#...# #...# ##..# #.... .#... #...# #...# #...# .#.#. #...#",
      "#...# #...# #.... .###. .#... #...# #...# #.#.# ..#.. #...#",
      "#...# #...# #.... ....# .#..# #..## .#.#. #.#.# .#.#. #...#",
      "####. .#### #.... ####. ..##. .##.# ..#.. .#.#. #...# .####",
      "#.... ....# ..... ..... ..... ..... ..... ..... ..... ....#",
      "#.... ....# ..... ..... ..... ..... ..... ..... ..... .###."}},
    {"z{|}~",
     {"..... ...#. ..#.. .#... .....",
      "..... ..#.. ..#.. ..#.. .....",
      "##### ..#.. ..#.. ..#.. .#...",
      "...#. .#... ..#.. ...#. #.#.#",
      "..#.. ..#.. ..#.. ..#.. ...#.",
      ".#... ..#.. ..#.. ..#.. .....",
      "##### ...#. ..#.. .#... .....",
      "..... ..... ..... ..... .....",
      "..... ..... ..... ..... ....."}},
};
// clang-format on

using Glyph = std::array<std::string, kGlyphHeight>;

// Checks the font table itself: every printable ASCII character exactly once,
// and bands of the right shape.  Returns an empty string when all is well.
std::string fontProblem() {
    std::string seen;
    for (const FontBand &band : kFont) {
        const std::string chars = band.chars;
        for (char c : chars) {
            if (c < ' ' || c > '~' || seen.find(c) != std::string::npos)
                return "character " + describeChar(c) + " is duplicated or not printable ASCII";
            seen += c;
        }
        const std::size_t width = chars.size() * kCellWidth - 1;
        for (const char *row : band.rows) {
            const std::string r = row;
            if (r.size() != width)
                return "a row of band \"" + chars + "\" is " + std::to_string(r.size()) + " wide, expected " +
                       std::to_string(width);
            for (std::size_t x = 0; x < r.size(); ++x) {
                const bool gap = x % kCellWidth == kGlyphWidth;
                if (gap ? r[x] != ' ' : r[x] != '.' && r[x] != '#')
                    return "band \"" + chars + "\" has a stray " + describeChar(r[x]) + " in column " +
                           std::to_string(x + 1);
            }
        }
    }
    if (seen.size() != '~' - ' ' + 1)
        return "only " + std::to_string(seen.size()) + " of the printable ASCII characters are defined";
    return {};
}

const std::map<char, Glyph> &font() {
    static const std::map<char, Glyph> glyphs = [] {
        std::map<char, Glyph> table;
        for (const FontBand &band : kFont) {
            const std::string chars = band.chars;
            for (std::size_t i = 0; i < chars.size(); ++i) {
                Glyph &glyph = table[chars[i]];
                for (int y = 0; y < kGlyphHeight; ++y)
                    glyph[static_cast<std::size_t>(y)] =
                        std::string(band.rows[y]).substr(i * kCellWidth, kGlyphWidth);
            }
        }
        return table;
    }();
    return glyphs;
}

// ---- drawing ----------------------------------------------------------------

struct Point {
    int x = 0, y = 0;
};

class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, '\0') {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // '\0' for a pixel nothing has painted yet.
    char at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, char c) {
        if (contains(x, y))
            pixels_[index(x, y)] = c;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_, height_;
    std::vector<char> pixels_;
};

void drawLine(Canvas &canvas, Point a, Point b, char c) {
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    while (true) {
        canvas.set(a.x, a.y, c);
        if (a.x == b.x && a.y == b.y)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            a.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            a.y += sy;
        }
    }
}

void fillRect(Canvas &canvas, Point a, Point b, char c) {
    for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
        for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
            canvas.set(x, y, c);
}

void drawBox(Canvas &canvas, Point a, Point b, char c, int thickness) {
    int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    for (int i = 0; i < thickness && left <= right && top <= bottom; ++i, ++left, --right, ++top, --bottom) {
        drawLine(canvas, {left, top}, {right, top}, c);
        drawLine(canvas, {left, bottom}, {right, bottom}, c);
        drawLine(canvas, {left, top}, {left, bottom}, c);
        drawLine(canvas, {right, top}, {right, bottom}, c);
    }
}

// Even-odd test of a pixel centre against a polygon whose vertices are pixel
// centres, in exact integer arithmetic.
bool insidePolygon(const std::vector<Point> &points, int x, int y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point &p = points[i], &q = points[j];
        if ((p.y > y) == (q.y > y))
            continue;
        // The edge crosses this row; is the crossing to the right of x?
        const long long lhs = static_cast<long long>(x - p.x) * (q.y - p.y);
        const long long rhs = static_cast<long long>(y - p.y) * (q.x - p.x);
        if (q.y > p.y ? lhs < rhs : lhs > rhs)
            inside = !inside;
    }
    return inside;
}

void fillPolygon(Canvas &canvas, const std::vector<Point> &points, char c) {
    int left = canvas.width(), right = 0, top = canvas.height(), bottom = 0;
    for (const Point &p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (insidePolygon(points, x, y))
                canvas.set(x, y, c);
    for (std::size_t i = 0; i < points.size(); ++i)
        drawLine(canvas, points[i], points[(i + 1) % points.size()], c);
}

// Whether the pixel's centre lies in the ellipse inscribed in the rectangle
// [left, right] x [top, bottom] (all doubled to stay in integers).
bool insideEllipse(int left, int top, int right, int bottom, int x, int y) {
    const long long rx = right - left + 1, ry = bottom - top + 1;
    const long long dx = 2LL * x - left - right, dy = 2LL * y - top - bottom;
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

void drawEllipse(Canvas &canvas, Point a, Point b, char c, bool outlineOnly) {
    const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    const auto in = [&](int x, int y) { return insideEllipse(left, top, right, bottom, x, y); };
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (in(x, y) &&
                (!outlineOnly || !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
                canvas.set(x, y, c);
}

// Whether the angle of (dx, dy) (y up) lies on the counter-clockwise sweep from `from` to `to` degrees.
bool withinSweep(long long dx, long long dy, int from, int to) {
    if (dx == 0 && dy == 0)
        return true;
    constexpr double kPi = 3.14159265358979323846;
    const double angle = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / kPi;
    const double sweep = std::fmod(to - from + 720.0, 360.0);
    const double offset = std::fmod(angle - from + 720.0, 360.0);
    // Rays along the sweep's edges count as inside, whichever way rounding goes.
    return offset <= sweep + 1e-9 || offset >= 360.0 - 1e-9 || (sweep == 0.0 && to != from);
}

void drawPie(Canvas &canvas, Point a, Point b, int from, int to, char c) {
    const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (insideEllipse(left, top, right, bottom, x, y) &&
                withinSweep(2LL * x - left - right, static_cast<long long>(top) + bottom - 2LL * y, from, to))
                canvas.set(x, y, c);
}

void floodFill(Canvas &canvas, Point start, char c) {
    const char target = canvas.at(start.x, start.y);
    if (target == c)
        return;
    std::vector<Point> pending{start};
    canvas.set(start.x, start.y, c);
    while (!pending.empty()) {
        const Point p = pending.back();
        pending.pop_back();
        const Point next[] = {{p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
        for (const Point &n : next)
            if (canvas.contains(n.x, n.y) && canvas.at(n.x, n.y) == target) {
                canvas.set(n.x, n.y, c);
                pending.push_back(n);
            }
    }
}

int textWidth(const std::string &text, int scale) {
    return static_cast<int>(text.size()) * kCellWidth * scale - scale;
}

void drawText(Canvas &canvas, Point topLeft, const std::string &text, int scale, char c) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph &glyph = font().at(text[i]);
        const int left = topLeft.x + static_cast<int>(i) * kCellWidth * scale;
        for (int gy = 0; gy < kGlyphHeight; ++gy)
            for (int gx = 0; gx < kGlyphWidth; ++gx)
                if (glyph[static_cast<std::size_t>(gy)][static_cast<std::size_t>(gx)] == '#')
                    fillRect(canvas, {left + gx * scale, topLeft.y + gy * scale},
                             {left + gx * scale + scale - 1, topLeft.y + gy * scale + scale - 1}, c);
    }
}

struct Token {
    std::string text;
    bool quoted = false;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Splits a draw command into words and "quoted strings", stopping at a '#'
// outside a string.
std::vector<Token> tokenizeDraw(const std::string &raw, const std::string &where) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (true) {
        while (i < raw.size() && isBlank(raw[i]))
            ++i;
        if (i >= raw.size() || raw[i] == '#')
            return tokens;
        Token token;
        if (raw[i] == '"') {
            token.quoted = true;
            ++i;
            while (true) {
                if (i >= raw.size())
                    fail(where, "unterminated string: no closing '\"'");
                char c = raw[i++];
                if (c == '"')
                    break;
                if (c == '\\') {
                    if (i >= raw.size())
                        fail(where, "unterminated string: no closing '\"'");
                    c = raw[i++];
                    if (c != '"' && c != '\\')
                        fail(where, "unknown escape '\\" + std::string(1, c) +
                                        "' in a string (only \\\" and \\\\ are allowed)");
                }
                token.text += c;
            }
            if (i < raw.size() && !isBlank(raw[i]) && raw[i] != '#')
                fail(where, "a blank must follow the closing '\"' of a string");
        } else {
            while (i < raw.size() && !isBlank(raw[i]) && raw[i] != '#') {
                if (raw[i] == '"')
                    fail(where, "a string must start a new word: '" + token.text + "\"'");
                token.text += raw[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
}

// ---- series expressions ----------------------------------------------------

// An integer expression from inside "{...}", evaluated for one member of a
// series: decimal literals, the variable n, + - * / % with the usual
// precedence (C semantics: division truncates toward zero, a remainder takes
// the sign of the dividend), unary + and -, parentheses, and min(A,B) and
// max(A,B).  Every value must stay within the range of a 32-bit int.
class Expression {
public:
    Expression(const std::string &text, int n, const std::string &where)
        : text_(text), n_(n), where_(where) {}

    int value() {
        const long long v = sum();
        skipBlanks();
        if (pos_ < text_.size())
            error("unexpected '" + text_.substr(pos_, 1) + "'");
        return static_cast<int>(v);
    }

private:
    [[noreturn]] void error(const std::string &message) const {
        fail(where_, "in {" + text_ + "}: " + message);
    }

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }

    bool accept(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    long long checked(long long v) const {
        if (v < -2147483648LL || v > 2147483647LL)
            error("the value " + std::to_string(v) + " is out of range");
        return v;
    }

    long long sum() {
        long long v = product();
        while (true) {
            if (accept('+'))
                v = checked(v + product());
            else if (accept('-'))
                v = checked(v - product());
            else
                return v;
        }
    }

    long long product() {
        long long v = unary();
        while (true) {
            const char op = accept('*') ? '*' : accept('/') ? '/' : accept('%') ? '%' : '\0';
            if (!op)
                return v;
            const long long rhs = unary();
            if (op == '*') {
                v = checked(v * rhs);
            } else {
                if (rhs == 0)
                    error("division by zero (" + std::to_string(v) + " " + op + " 0)");
                v = checked(op == '/' ? v / rhs : v % rhs);
            }
        }
    }

    long long unary() {
        if (accept('-'))
            return checked(-unary());
        if (accept('+'))
            return unary();
        return primary();
    }

    long long primary() {
        skipBlanks();
        if (pos_ >= text_.size())
            error(text_.find_first_not_of(" \t") == std::string::npos ? "the expression is empty"
                                                                      : "the expression ends too early");
        const char c = text_[pos_];
        if (accept('(')) {
            const long long v = sum();
            if (!accept(')'))
                error("missing ')'");
            return v;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                ++pos_;
            const std::string digits = text_.substr(start, pos_ - start);
            if (digits.size() > 10)
                error("the number " + digits + " is out of range");
            return checked(std::stoll(digits));
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const std::size_t start = pos_;
            while (pos_ < text_.size() &&
                   (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
                ++pos_;
            const std::string name = text_.substr(start, pos_ - start);
            if (name == "n")
                return n_;
            if (name == "min" || name == "max") {
                if (!accept('('))
                    error("expected '(' after " + name);
                const long long a = sum();
                if (!accept(','))
                    error(name + " takes two values: " + name + "(A,B)");
                const long long b = sum();
                if (!accept(')'))
                    error("missing ')' after the values of " + name);
                return name == "min" ? std::min(a, b) : std::max(a, b);
            }
            error("unknown name '" + name + "' (the only variable is n; the functions are min and max)");
        }
        error("unexpected '" + std::string(1, c) + "'");
    }

    const std::string &text_;
    const int n_;
    const std::string &where_;
    std::size_t pos_ = 0;
};

// Replaces every {EXPR} in a draw command of a series member by its value for
// n = member, in words and in strings alike; "{{" stands for a literal '{'.
// A comment ('#' outside a string) is left as it is.
std::string expandSeries(const std::string &raw, int member, const std::string &where) {
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '#' && !inString) {
            out += raw.substr(i);
            break;
        }
        if (c == '{') {
            if (i + 1 < raw.size() && raw[i + 1] == '{') {
                out += '{';
                ++i;
                continue;
            }
            const auto close = raw.find('}', i + 1);
            if (close == std::string::npos)
                fail(where, "unterminated '{': no closing '}' (write {{ for a '{' of its own)");
            const std::string text = raw.substr(i + 1, close - i - 1);
            out += std::to_string(Expression(text, member, where).value());
            i = close;
            continue;
        }
        if (inString && c == '\\' && i + 1 < raw.size()) {
            out += c;
            out += raw[++i];
            continue;
        }
        if (c == '"')
            inString = !inString;
        out += c;
    }
    return out;
}

// Runs the draw commands of one picture or frame.
class Drawing {
public:
    Drawing(const Picture &pic, int width, int height) : pic_(pic), canvas_(width, height) {}

    void command(const fs::path &file, const Line &line, bool allowInclude);

    // The finished pixel rows; every pixel must have been painted.
    std::vector<std::string> rows(const std::string &where) const {
        std::vector<std::string> result;
        for (int y = 0; y < canvas_.height(); ++y) {
            std::string row;
            for (int x = 0; x < canvas_.width(); ++x) {
                if (canvas_.at(x, y) == '\0')
                    fail(where, "pixel " + std::to_string(x) + "," + std::to_string(y) +
                                    " is never painted (start the block with 'fill C')");
                row += canvas_.at(x, y);
            }
            result.push_back(std::move(row));
        }
        return result;
    }

private:
    char colour(const Token &token, const std::string &where) const {
        if (token.text.size() != 1)
            fail(where, "a colour is one palette character, not '" + token.text + "'");
        if (!pic_.palette.count(token.text[0]))
            fail(where, "colour " + describeChar(token.text[0]) + " is not in the palette");
        return token.text[0];
    }

    Point point(const Token &token, const std::string &where) const {
        const std::string &s = token.text;
        const auto comma = s.find(',');
        // A coordinate computed by a series expression may come out negative or huge: that is just off
        // the canvas (any value outside it will do for the check below, which reports the point as written).
        const auto coordinate = [](const std::string &t) -> std::optional<int> {
            const std::string digits = t.size() > 1 && t[0] == '-' ? t.substr(1) : t;
            if (digits.size() > 9 && digits.find_first_not_of("0123456789") == std::string::npos)
                return -1;
            const bool negative = digits.size() != t.size();
            const auto v = parseNumber(digits, negative ? 1 : 0, 999999999);
            return v && negative ? std::optional<int>(-*v) : v;
        };
        std::optional<int> x, y;
        if (comma != std::string::npos) {
            x = coordinate(s.substr(0, comma));
            y = coordinate(s.substr(comma + 1));
        }
        if (!x || !y)
            fail(where, "expected a point X,Y, not '" + s + "'" +
                            (!pic_.series && s.find('{') != std::string::npos
                                 ? " ({...} is only allowed in a series: add 'series N' to the header)"
                                 : ""));
        if (!canvas_.contains(*x, *y))
            fail(where, "point " + s + " is off the " + std::to_string(canvas_.width()) + "x" +
                            std::to_string(canvas_.height()) + " canvas (X runs from 0 to " +
                            std::to_string(canvas_.width() - 1) + ", Y from 0 to " +
                            std::to_string(canvas_.height() - 1) + ")");
        return {*x, *y};
    }

    void text(const std::vector<Token> &tokens, const std::string &where);

    const Picture &pic_;
    Canvas canvas_;
};

void Drawing::command(const fs::path &file, const Line &line, bool allowInclude) {
    const std::string where = locate(file, line.number);
    const std::vector<Token> tokens =
        tokenizeDraw(pic_.series ? expandSeries(line.raw, pic_.member, where) : line.raw, where);
    if (tokens.empty())
        return;
    const std::string &name = tokens[0].text;
    for (std::size_t k = 0; k < tokens.size(); ++k)
        if (tokens[k].quoted && (k == 0 || name != "text" || k + 1 != tokens.size()))
            fail(where, "unexpected string \"" + tokens[k].text + "\"");
    const auto expect = [&](bool ok, const char *form) {
        if (!ok)
            fail(where, std::string("expected '") + form + "'");
    };
    const std::size_t n = tokens.size();

    if (name == "include") {
        expect(n == 2, "include FILE");
        if (!allowInclude)
            fail(where, "an included draw file cannot include another");
        const fs::path included = file.parent_path() / tokens[1].text;
        for (const Line &l : readLines(included, where).lines)
            command(included, l, false);
    } else if (name == "fill") {
        expect(n == 2, "fill C");
        fillRect(canvas_, {0, 0}, {canvas_.width() - 1, canvas_.height() - 1}, colour(tokens[1], where));
    } else if (name == "rect") {
        expect(n == 4, "rect C X1,Y1 X2,Y2");
        fillRect(canvas_, point(tokens[2], where), point(tokens[3], where), colour(tokens[1], where));
    } else if (name == "box") {
        expect((n == 4 || n == 6) && (n == 4 || tokens[4].text == "width"), "box C X1,Y1 X2,Y2 [width N]");
        const int thickness = n == 6 ? needNumber(tokens[5].text, 1, 1024, "box width", where) : 1;
        drawBox(canvas_, point(tokens[2], where), point(tokens[3], where), colour(tokens[1], where),
                thickness);
    } else if (name == "line" || name == "polygon") {
        const bool line = name == "line";
        expect(n >= (line ? 4u : 5u),
               line ? "line C X1,Y1 X2,Y2 [X3,Y3 ...]" : "polygon C X1,Y1 X2,Y2 X3,Y3 [...]");
        const char c = colour(tokens[1], where);
        std::vector<Point> points;
        for (std::size_t k = 2; k < n; ++k)
            points.push_back(point(tokens[k], where));
        if (line)
            for (std::size_t k = 1; k < points.size(); ++k)
                drawLine(canvas_, points[k - 1], points[k], c);
        else
            fillPolygon(canvas_, points, c);
    } else if (name == "ellipse" || name == "ring") {
        expect(n == 4, name == "ring" ? "ring C X1,Y1 X2,Y2" : "ellipse C X1,Y1 X2,Y2");
        drawEllipse(canvas_, point(tokens[2], where), point(tokens[3], where), colour(tokens[1], where),
                    name == "ring");
    } else if (name == "pie") {
        expect(n == 6, "pie C X1,Y1 X2,Y2 FROM TO");
        const int from = needNumber(tokens[4].text, 0, 360, "start angle", where);
        const int to = needNumber(tokens[5].text, 0, 360, "end angle", where);
        if (from == to)
            fail(where, "a pie needs two different angles (use 'ellipse' for a whole one)");
        drawPie(canvas_, point(tokens[2], where), point(tokens[3], where), from, to,
                colour(tokens[1], where));
    } else if (name == "flood") {
        expect(n == 3, "flood C X,Y");
        floodFill(canvas_, point(tokens[2], where), colour(tokens[1], where));
    } else if (name == "text") {
        text(tokens, where);
    } else {
        fail(where,
             "unknown draw command '" + name +
                 "' (expected fill, rect, box, line, polygon, ellipse, ring, pie, flood, text or include)");
    }
}

void Drawing::text(const std::vector<Token> &tokens, const std::string &where) {
    const char *form = "text C X,Y [left|center|right] [scale N] \"TEXT\"";
    if (tokens.size() < 4 || !tokens.back().quoted)
        fail(where, std::string("expected '") + form + "'");
    const char c = colour(tokens[1], where);
    const Point at = point(tokens[2], where);
    std::string align;
    int scale = 0;
    for (std::size_t k = 3; k + 1 < tokens.size(); ++k) {
        const std::string &option = tokens[k].text;
        if (option == "left" || option == "center" || option == "right") {
            if (!align.empty())
                fail(where, "text alignment given twice");
            align = option;
        } else if (option == "scale" && k + 2 < tokens.size()) {
            if (scale)
                fail(where, "text scale given twice");
            scale = needNumber(tokens[++k].text, 1, 16, "text scale", where);
        } else {
            fail(where, "unexpected '" + option + "' in '" + form + "'");
        }
    }
    scale = std::max(scale, 1);

    const std::string &text = tokens.back().text;
    if (text.empty())
        fail(where, "the text is empty");
    for (char ch : text)
        if (!font().count(ch))
            fail(where,
                 "character " + describeChar(ch) + " is not in the built-in font (printable ASCII only)");
    const int width = textWidth(text, scale), height = kGlyphHeight * scale;
    const int left = align == "center" ? at.x - width / 2 : align == "right" ? at.x - width + 1 : at.x;
    if (left < 0 || left + width > canvas_.width() || at.y + height > canvas_.height())
        fail(where, "text \"" + text + "\" (" + std::to_string(width) + "x" + std::to_string(height) +
                        " pixels from " + std::to_string(left) + "," + std::to_string(at.y) +
                        ") does not fit on the " + std::to_string(canvas_.width()) + "x" +
                        std::to_string(canvas_.height()) + " canvas");
    drawText(canvas_, {left, at.y}, text, scale, c);
}

// Reads a draw block starting at lines[i] (the "draw" line) and returns the
// painted rows.  A frame's block ends at the next "frame" line; a picture's
// runs to the end of the file.
std::vector<std::string> drawBlock(const Picture &pic, const fs::path &file, const std::vector<Line> &lines,
                                   std::size_t &i, int width, int height) {
    const Line &start = lines[i++];
    const std::string where = locate(file, start.number);
    if (start.text != "draw")
        fail(where, "'draw' stands alone on its line");
    try {
        Drawing drawing(pic, width, height);
        while (i < lines.size() && (pic.drawn || split(lines[i].text)[0] != "frame"))
            drawing.command(file, lines[i++], true);
        return drawing.rows(where);
    } catch (SourceError &e) {
        // In a series the same line may be fine for one member and wrong for another.
        if (pic.series)
            e.message = "with n = " + std::to_string(pic.member) + ": " + e.message;
        throw;
    }
}

// Reads one picture; for a series, the member given (counting from 0).
Picture parsePicture(const fs::path &file, int member) {
    Picture pic;
    pic.source = file;
    pic.member = member;
    pic.stem = file.stem().string();
    for (char c : pic.stem)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.')
            fail(locate(file, 1), "file name may only use letters, digits, '_', '-' and '.'");

    const SourceText text = readLines(file, {});
    const std::vector<Line> &lines = text.lines;
    const int endLine = text.lastLine;
    if (lines.empty())
        fail(locate(file, 1), "empty source: expected a 'bitmap' or 'icon' header");

    std::size_t i = 0;
    parseHeader(pic, lines[i++]);

    if (i >= lines.size() || lines[i].text != "palette")
        fail(locate(file, i < lines.size() ? lines[i].number : endLine),
             "expected 'palette' after the header");
    ++i;

    const std::string paletteEnd = pic.drawn ? "draw" : "frame";
    while (i < lines.size() && split(lines[i].text)[0] != paletteEnd)
        parsePaletteLine(pic, file, lines[i++], true);
    if (pic.palette.empty())
        fail(locate(file, i < lines.size() ? lines[i].number : endLine), "the palette is empty");

    if (pic.drawn) {
        if (i >= lines.size())
            fail(locate(file, endLine), "expected 'draw' after the palette");
        Frame frame;
        frame.name = "picture";
        frame.line = lines[i].number;
        frame.width = pic.frameWidth;
        frame.height = pic.frameHeight;
        frame.rows = drawBlock(pic, file, lines, i, frame.width, frame.height);
        pic.frames.push_back(std::move(frame));
        return pic;
    }

    const std::size_t expectedFrames =
        pic.kind == Kind::Bitmap ? static_cast<std::size_t>(pic.frameCount) : pic.sizes.size();

    while (i < lines.size()) {
        const Line &head = lines[i++];
        const std::string where = locate(file, head.number);
        const auto tokens = split(head.text);
        if (tokens[0] != "frame") {
            if (pic.frames.empty())
                fail(where, "expected 'frame NAME'");
            const Frame &prev = pic.frames.back();
            fail(where, "frame '" + prev.name + "' has more than " +
                            count(static_cast<std::size_t>(prev.height), "row"));
        }
        Frame frame;
        frame.name = trim(head.text.substr(5));
        frame.line = head.number;
        if (frame.name.empty())
            fail(where, "a frame needs a name: 'frame NAME'");
        if (pic.frames.size() >= expectedFrames)
            fail(where, "too many frames: the header asks for " + std::to_string(expectedFrames));
        if (pic.kind == Kind::Bitmap) {
            frame.width = pic.frameWidth;
            frame.height = pic.frameHeight;
        } else {
            frame.width = frame.height = pic.sizes[pic.frames.size()];
        }

        if (i < lines.size() && split(lines[i].text)[0] == "draw") {
            frame.rows = drawBlock(pic, file, lines, i, frame.width, frame.height);
            pic.frames.push_back(std::move(frame));
            continue;
        }

        while (static_cast<int>(frame.rows.size()) < frame.height) {
            if (i >= lines.size() || split(lines[i].text)[0] == "frame")
                fail(locate(file, i < lines.size() ? lines[i].number : endLine),
                     "frame '" + frame.name + "' has " + count(frame.rows.size(), "row") + ", expected " +
                         std::to_string(frame.height));
            const Line &row = lines[i++];
            const std::string rowAt = locate(file, row.number);
            if (hasBlank(row.text))
                fail(rowAt, "a pixel row must not contain blanks");
            if (static_cast<int>(row.text.size()) != frame.width)
                fail(rowAt, "row is " + std::to_string(row.text.size()) + " pixels wide, expected " +
                                std::to_string(frame.width));
            for (std::size_t x = 0; x < row.text.size(); ++x)
                if (!pic.palette.count(row.text[x]))
                    fail(rowAt, "colour " + describeChar(row.text[x]) + " (column " + std::to_string(x + 1) +
                                    ") is not in the palette");
            frame.rows.push_back(row.text);
        }
        pic.frames.push_back(std::move(frame));
    }

    if (pic.frames.size() != expectedFrames)
        fail(locate(file, endLine), "found " + count(pic.frames.size(), "frame") + ", the header asks for " +
                                        std::to_string(expectedFrames));

    // Two identical frames in one strip are almost certainly a copy-and-paste slip.
    if (pic.kind == Kind::Bitmap) {
        for (std::size_t a = 0; a < pic.frames.size(); ++a)
            for (std::size_t b = a + 1; b < pic.frames.size(); ++b)
                if (pic.frames[a].rows == pic.frames[b].rows)
                    fail(locate(file, pic.frames[b].line),
                         "frame '" + pic.frames[b].name + "' is identical to frame '" + pic.frames[a].name +
                             "' (line " + std::to_string(pic.frames[a].line) + ")");
    }
    return pic;
}

// ---- binary writers --------------------------------------------------------

class Bytes {
public:
    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void append(const Bytes &other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t> &data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

void infoHeader(Bytes &out, int width, int height, int bitCount, std::uint32_t imageSize) {
    out.u32(40);                                   // biSize
    out.u32(static_cast<std::uint32_t>(width));    // biWidth
    out.u32(static_cast<std::uint32_t>(height));   // biHeight (positive: bottom-up)
    out.u16(1);                                    // biPlanes
    out.u16(static_cast<std::uint16_t>(bitCount)); // biBitCount
    out.u32(0);                                    // biCompression = BI_RGB
    out.u32(imageSize);                            // biSizeImage
    out.u32(2835);                                 // biXPelsPerMeter (72 dpi)
    out.u32(2835);                                 // biYPelsPerMeter
    out.u32(0);                                    // biClrUsed
    out.u32(0);                                    // biClrImportant
}

Bytes makeBitmap(const Picture &pic) {
    const int width = pic.frameWidth * pic.frameCount;
    const int height = pic.frameHeight;
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);

    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(14 + 40 + imageSize); // bfSize
    out.u16(0);
    out.u16(0);
    out.u32(14 + 40); // bfOffBits
    infoHeader(out, width, height, 24, imageSize);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (const Frame &frame : pic.frames) {
            for (char c : frame.rows[static_cast<std::size_t>(y)]) {
                const Colour &col = pic.palette.at(c).colour;
                out.u8(col.b);
                out.u8(col.g);
                out.u8(col.r);
                written += 3;
            }
        }
        for (; written < stride; ++written)
            out.u8(0);
    }
    return out;
}

Bytes makeIconImage(const Picture &pic, const Frame &frame) {
    const int size = frame.width;
    const std::uint32_t maskStride = ((static_cast<std::uint32_t>(size) + 31) / 32) * 4;
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(size * size * 4);
    const std::uint32_t maskBytes = maskStride * static_cast<std::uint32_t>(size);

    Bytes out;
    infoHeader(out, size, size * 2, 32, colourBytes + maskBytes); // colour + mask stacked
    for (int y = size - 1; y >= 0; --y)
        for (char c : frame.rows[static_cast<std::size_t>(y)]) {
            const Colour &col = pic.palette.at(c).colour;
            if (col.transparent) {
                out.u32(0);
            } else {
                out.u8(col.b);
                out.u8(col.g);
                out.u8(col.r);
                out.u8(255);
            }
        }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> mask(maskStride, 0);
        const std::string &row = frame.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < size; ++x)
            if (pic.palette.at(row[static_cast<std::size_t>(x)]).colour.transparent)
                mask[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        for (std::uint8_t m : mask)
            out.u8(m);
    }
    return out;
}

Bytes makeIcon(const Picture &pic) {
    std::vector<Bytes> images;
    for (const Frame &frame : pic.frames)
        images.push_back(makeIconImage(pic, frame));

    Bytes out;
    out.u16(0); // reserved
    out.u16(1); // type: icon
    out.u16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = pic.frames[i].width;
        out.u8(static_cast<std::uint8_t>(size == 256 ? 0 : size)); // width
        out.u8(static_cast<std::uint8_t>(size == 256 ? 0 : size)); // height
        out.u8(0);                                                 // colour count (0: 8 bpp or more)
        out.u8(0);                                                 // reserved
        out.u16(1);                                                // planes
        out.u16(32);                                               // bits per pixel
        out.u32(static_cast<std::uint32_t>(images[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes &image : images)
        out.append(image);
    return out;
}

Bytes makeFile(const Picture &pic) {
    return pic.kind == Kind::Bitmap ? makeBitmap(pic) : makeIcon(pic);
}

// Reads one source file: a single picture, or every member of a series in
// order.  Members of a series that come out exactly alike almost certainly
// mean a slip in an expression.
std::vector<Picture> readSource(const fs::path &file) {
    std::vector<Picture> members;
    members.push_back(parsePicture(file, 0));
    for (int k = 1; k < members.front().series; ++k)
        members.push_back(parsePicture(file, k));
    std::map<std::vector<std::uint8_t>, int> seen;
    for (const Picture &pic : members) {
        const auto [it, fresh] = seen.emplace(makeFile(pic).data(), pic.member);
        if (!fresh)
            fail(pic.headerAt, "members n = " + std::to_string(it->second) +
                                   " and n = " + std::to_string(pic.member) + " of the series (IDs " +
                                   std::to_string(pic.id + it->second) + " and " +
                                   std::to_string(pic.resourceId()) + ") come out identical");
    }
    return members;
}

bool writeFile(const fs::path &path, const std::vector<std::uint8_t> &data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char *>(data.data()), static_cast<std::streamsize>(data.size()));
    out.close();
    return static_cast<bool>(out);
}

bool writeText(const fs::path &path, const std::string &text) {
    return writeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: picgen SRC_DIR OUT_DIR\n";
        return 2;
    }
    if (const std::string problem = fontProblem(); !problem.empty()) {
        std::cerr << "picgen: built-in font: " << problem << "\n";
        return 1;
    }
    const fs::path srcDir = argv[1];
    const fs::path outDir = argv[2];
    const fs::path rcPath = outDir / "pictures.rc";

    std::error_code ec;
    std::vector<fs::path> sources;
    for (fs::directory_iterator it(srcDir, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file() && it->path().extension() == ".pic")
            sources.push_back(it->path());
    if (ec) {
        std::cerr << srcDir.generic_string() << ": cannot read directory: " << ec.message() << "\n";
        return 1;
    }
    std::sort(sources.begin(), sources.end(), [](const fs::path &a, const fs::path &b) {
        return a.filename().string() < b.filename().string();
    });

    std::vector<Picture> pictures;
    std::map<int, std::string> ids;          // where each resource ID comes from
    std::map<std::string, std::string> outs; // and each output file
    bool ok = true;
    for (const fs::path &src : sources) {
        try {
            std::vector<Picture> members = readSource(src);
            const Picture &first = members.front();
            const std::string origin = first.series
                                           ? first.headerAt + " (series " + std::to_string(first.id) + "-" +
                                                 std::to_string(first.id + first.series - 1) + ")"
                                           : first.headerAt;
            for (const Picture &pic : members) {
                const auto [it, fresh] = ids.emplace(pic.resourceId(), origin);
                if (!fresh)
                    fail(pic.headerAt, "resource ID " + std::to_string(pic.resourceId()) +
                                           " is already used at " + it->second);
                const auto [out, freshOut] = outs.emplace(pic.outputName(), origin);
                if (!freshOut)
                    fail(pic.headerAt,
                         "output file " + pic.outputName() + " is already written for " + out->second);
            }
            for (Picture &pic : members)
                pictures.push_back(std::move(pic));
        } catch (const SourceError &e) {
            std::cerr << e.where << ": " << e.message << "\n";
            ok = false;
        }
    }
    if (ok && pictures.empty()) {
        std::cerr << srcDir.generic_string() << ": no .pic files found\n";
        ok = false;
    }
    if (!ok) {
        fs::remove(rcPath, ec);
        return 1;
    }

    fs::create_directories(outDir, ec);
    if (ec) {
        std::cerr << outDir.generic_string() << ": cannot create directory: " << ec.message() << "\n";
        return 1;
    }

    std::string rc = "// Generated by picgen from the .pic sources in resources/pictures; do not edit.\n";
    for (const Picture &pic : pictures) {
        const Bytes data = makeFile(pic);
        const fs::path out = outDir / pic.outputName();
        if (!writeFile(out, data.data())) {
            std::cerr << out.generic_string() << ": cannot write file\n";
            fs::remove(rcPath, ec);
            return 1;
        }
        rc += std::to_string(pic.resourceId()) + (pic.kind == Kind::Bitmap ? " BITMAP \"" : " ICON \"") +
              pic.outputName() + "\"\n";
    }
    if (!writeText(rcPath, rc)) {
        std::cerr << rcPath.generic_string() << ": cannot write file\n";
        return 1;
    }
    return 0;
}
