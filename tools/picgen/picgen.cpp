// picgen - turns the text picture sources in resources/pictures into Windows
// bitmaps and icons, plus a resource script that pulls them all in.
//
// Usage:  picgen SRC_DIR OUT_DIR
//
// Every SRC_DIR/*.pic file (taken in name order) becomes one resource.  The
// binary is written as OUT_DIR/<stem>.bmp or OUT_DIR/<stem>.ico, where <stem>
// is the source file name without ".pic", and OUT_DIR/pictures.rc gets one
// line per picture, for example
//
//     1500 BITMAP "tb1500.bmp"
//     1000 ICON "app1000.ico"
//
// Source format (line based; '#' starts a comment anywhere, blank lines and
// leading/trailing blanks are ignored):
//
//     bitmap ID frame WxH count N      a strip of N frames of W x H pixels,
//                                      laid left to right (24-bit BMP)
//     icon ID sizes S1,S2,...          an icon with one square image per size
//                                      (32-bit images with an AND mask)
//     palette                          starts the colour table
//       C = R G B                      pixel character C has that colour
//       C = transparent                transparent pixel (icons only)
//       include FILE                   reads more "C = ..." lines from FILE,
//                                      relative to the including file (an
//                                      included file cannot include another)
//     frame NAME                       starts the next frame; NAME is free text
//       <rows>                         exactly H rows of exactly W characters
//     frame NAME
//       ...
//
// The header comes first and "palette" right after it; the frames follow the
// palette in the order they are laid out.  A bitmap has exactly N frames; an
// icon has one frame per listed size, in the same order.  A colour character
// is any printable ASCII character other than '#'.  Resource IDs must be
// unique over all pictures.
//
// Anything doubtful is an error reported as "file:line: message", and the
// program then exits with status 1 without writing pictures.rc (an old one
// is deleted), so a broken source can never end up as a silently wrong
// picture.  Besides syntax, these are errors: a row of the wrong width, a
// frame with too few or too many rows, a wrong number of frames, a colour
// character not in the palette, a character defined twice, two pictures
// with the same ID, and two frames of one bitmap strip with identical pixels.

#include <algorithm>
#include <cctype>
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
    int frameWidth = 0;     // bitmaps
    int frameHeight = 0;    // bitmaps
    int frameCount = 0;     // bitmaps
    std::vector<int> sizes; // icons
    std::map<char, PaletteEntry> palette;
    std::vector<Frame> frames;

    std::string outputName() const { return stem + (kind == Kind::Bitmap ? ".bmp" : ".ico"); }
};

// One logical source line with its comment removed and blanks trimmed.
struct Line {
    int number = 0;
    std::string text;
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
        const auto hash = raw.find('#');
        if (hash != std::string::npos)
            raw.erase(hash);
        std::string text = trim(raw);
        if (!text.empty())
            src.lines.push_back({src.lastLine, std::move(text)});
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

void parseHeader(Picture &pic, const Line &line) {
    const std::string where = locate(pic.source, line.number);
    pic.headerAt = where;
    const auto tokens = split(line.text);
    if (tokens.empty() || (tokens[0] != "bitmap" && tokens[0] != "icon"))
        fail(where, "expected 'bitmap ID frame WxH count N' or 'icon ID sizes S1,S2,...' header");
    if (tokens.size() < 2)
        fail(where, "missing resource ID");
    pic.id = needNumber(tokens[1], 1, 65535, "resource ID", where);

    if (tokens[0] == "bitmap") {
        pic.kind = Kind::Bitmap;
        if (tokens.size() != 6 || tokens[2] != "frame" || tokens[4] != "count")
            fail(where, "bitmap header must read 'bitmap ID frame WxH count N'");
        const auto x = tokens[3].find('x');
        if (x == std::string::npos)
            fail(where, "frame size must be written WxH, not '" + tokens[3] + "'");
        pic.frameWidth = needNumber(tokens[3].substr(0, x), 1, 256, "frame width", where);
        pic.frameHeight = needNumber(tokens[3].substr(x + 1), 1, 256, "frame height", where);
        pic.frameCount = needNumber(tokens[5], 1, 1000, "frame count", where);
        return;
    }

    pic.kind = Kind::Icon;
    if (tokens.size() < 4 || tokens[2] != "sizes")
        fail(where, "icon header must read 'icon ID sizes S1,S2,...'");
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

Picture parsePicture(const fs::path &file) {
    Picture pic;
    pic.source = file;
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

    while (i < lines.size() && split(lines[i].text)[0] != "frame")
        parsePaletteLine(pic, file, lines[i++], true);
    if (pic.palette.empty())
        fail(locate(file, i < lines.size() ? lines[i].number : endLine), "the palette is empty");

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
    std::map<int, std::string> ids;
    bool ok = true;
    for (const fs::path &src : sources) {
        try {
            Picture pic = parsePicture(src);
            const auto [it, fresh] = ids.emplace(pic.id, pic.headerAt);
            if (!fresh)
                fail(pic.headerAt,
                     "resource ID " + std::to_string(pic.id) + " is already used at " + it->second);
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
        const Bytes data = pic.kind == Kind::Bitmap ? makeBitmap(pic) : makeIcon(pic);
        const fs::path out = outDir / pic.outputName();
        if (!writeFile(out, data.data())) {
            std::cerr << out.generic_string() << ": cannot write file\n";
            fs::remove(rcPath, ec);
            return 1;
        }
        rc += std::to_string(pic.id) + (pic.kind == Kind::Bitmap ? " BITMAP \"" : " ICON \"") +
              pic.outputName() + "\"\n";
    }
    if (!writeText(rcPath, rc)) {
        std::cerr << rcPath.generic_string() << ": cannot write file\n";
        return 1;
    }
    return 0;
}
