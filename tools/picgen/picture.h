// picgen: what a source describes (a picture, its palette and frames), how a
// mistake in a source is reported, and the line and number reading shared by
// the source parser and the draw commands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace picgen {

namespace fs = std::filesystem;

// A mistake in a source, reported as "where: message".
struct SourceError {
    std::string where; // "file:line"
    std::string message;
};

[[noreturn]] void fail(const std::string &where, const std::string &message);

// "file:line" for error messages.
std::string locate(const fs::path &file, int line);

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

struct SourceText {
    std::vector<Line> lines; // non-blank lines only
    int lastLine = 0;        // number of the file's last line, for errors at the end
};

// Reads a source file; an error opening it is reported at includedFrom, or at
// the file itself when that is empty.
SourceText readLines(const fs::path &file, const std::string &includedFrom);

std::string trim(const std::string &s);
// The blank-separated words of s.
std::vector<std::string> split(const std::string &s);
// "1 row", "2 rows".
std::string count(std::size_t n, const std::string &noun);
bool hasBlank(const std::string &s);

// Parses a decimal number that must lie within [lo, hi].
std::optional<int> parseNumber(const std::string &s, int lo, int hi);
// The same, reporting anything else as an error about `what`.
int needNumber(const std::string &s, int lo, int hi, const std::string &what, const std::string &where);

// 'c' for a printable character, 0xNN for any other.
std::string describeChar(char c);

} // namespace picgen
