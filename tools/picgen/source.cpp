#include "source.h"

#include "draw.h"
#include "writers.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>

namespace picgen {

namespace {

bool validColourChar(char c) {
    return c > ' ' && c < 127 && c != '#';
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

} // namespace

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

std::vector<Picture> readSource(const fs::path &file) {
    std::vector<Picture> members;
    members.push_back(parsePicture(file, 0));
    for (int k = 1; k < members.front().series; ++k)
        members.push_back(parsePicture(file, k));
    // Members of a series that come out exactly alike almost certainly mean a slip in an expression.
    std::map<std::vector<std::uint8_t>, int> seen;
    for (const Picture &pic : members) {
        const auto [it, fresh] = seen.emplace(makeFile(pic), pic.member);
        if (!fresh)
            fail(pic.headerAt, "members n = " + std::to_string(it->second) +
                                   " and n = " + std::to_string(pic.member) + " of the series (IDs " +
                                   std::to_string(pic.id + it->second) + " and " +
                                   std::to_string(pic.resourceId()) + ") come out identical");
    }
    return members;
}

} // namespace picgen
