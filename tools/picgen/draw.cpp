#include "draw.h"

#include "font.h"
#include "series.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace picgen {

namespace {

struct Point {
    int x = 0, y = 0;
};

// Palette characters by pixel, row by row; '\0' for a pixel nothing has painted yet.
struct Canvas {
    int width = 0, height = 0;
    std::vector<char> pixels;

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    char at(int x, int y) const { return pixels[index(x, y)]; }
    // Painting off the canvas does nothing.
    void set(int x, int y, char c) {
        if (contains(x, y))
            pixels[index(x, y)] = c;
    }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};

Canvas blankCanvas(int width, int height) {
    return {width, height, std::vector<char>(static_cast<std::size_t>(width) * height, '\0')};
}

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
    int left = canvas.width, right = 0, top = canvas.height, bottom = 0;
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

// The draw commands of one picture or frame, run so far.
struct Drawing {
    const Picture &pic;
    Canvas canvas;
};

char colour(const Drawing &d, const Token &token, const std::string &where) {
    if (token.text.size() != 1)
        fail(where, "a colour is one palette character, not '" + token.text + "'");
    if (!d.pic.palette.count(token.text[0]))
        fail(where, "colour " + describeChar(token.text[0]) + " is not in the palette");
    return token.text[0];
}

Point point(const Drawing &d, const Token &token, const std::string &where) {
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
                        (!d.pic.series && s.find('{') != std::string::npos
                             ? " ({...} is only allowed in a series: add 'series N' to the header)"
                             : ""));
    if (!d.canvas.contains(*x, *y))
        fail(where, "point " + s + " is off the " + std::to_string(d.canvas.width) + "x" +
                        std::to_string(d.canvas.height) + " canvas (X runs from 0 to " +
                        std::to_string(d.canvas.width - 1) + ", Y from 0 to " +
                        std::to_string(d.canvas.height - 1) + ")");
    return {*x, *y};
}

void text(Drawing &d, const std::vector<Token> &tokens, const std::string &where) {
    const char *form = "text C X,Y [left|center|right] [scale N] \"TEXT\"";
    if (tokens.size() < 4 || !tokens.back().quoted)
        fail(where, std::string("expected '") + form + "'");
    const char c = colour(d, tokens[1], where);
    const Point at = point(d, tokens[2], where);
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
    if (left < 0 || left + width > d.canvas.width || at.y + height > d.canvas.height)
        fail(where, "text \"" + text + "\" (" + std::to_string(width) + "x" + std::to_string(height) +
                        " pixels from " + std::to_string(left) + "," + std::to_string(at.y) +
                        ") does not fit on the " + std::to_string(d.canvas.width) + "x" +
                        std::to_string(d.canvas.height) + " canvas");
    drawText(d.canvas, {left, at.y}, text, scale, c);
}

void command(Drawing &d, const fs::path &file, const Line &line, bool allowInclude) {
    const std::string where = locate(file, line.number);
    const std::vector<Token> tokens =
        tokenizeDraw(d.pic.series ? expandSeries(line.raw, d.pic.member, where) : line.raw, where);
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
    Canvas &canvas = d.canvas;

    if (name == "include") {
        expect(n == 2, "include FILE");
        if (!allowInclude)
            fail(where, "an included draw file cannot include another");
        const fs::path included = file.parent_path() / tokens[1].text;
        for (const Line &l : readLines(included, where).lines)
            command(d, included, l, false);
    } else if (name == "fill") {
        expect(n == 2, "fill C");
        fillRect(canvas, {0, 0}, {canvas.width - 1, canvas.height - 1}, colour(d, tokens[1], where));
    } else if (name == "rect") {
        expect(n == 4, "rect C X1,Y1 X2,Y2");
        fillRect(canvas, point(d, tokens[2], where), point(d, tokens[3], where), colour(d, tokens[1], where));
    } else if (name == "box") {
        expect((n == 4 || n == 6) && (n == 4 || tokens[4].text == "width"), "box C X1,Y1 X2,Y2 [width N]");
        const int thickness = n == 6 ? needNumber(tokens[5].text, 1, 1024, "box width", where) : 1;
        drawBox(canvas, point(d, tokens[2], where), point(d, tokens[3], where), colour(d, tokens[1], where),
                thickness);
    } else if (name == "line" || name == "polygon") {
        const bool line = name == "line";
        expect(n >= (line ? 4u : 5u),
               line ? "line C X1,Y1 X2,Y2 [X3,Y3 ...]" : "polygon C X1,Y1 X2,Y2 X3,Y3 [...]");
        const char c = colour(d, tokens[1], where);
        std::vector<Point> points;
        for (std::size_t k = 2; k < n; ++k)
            points.push_back(point(d, tokens[k], where));
        if (line)
            for (std::size_t k = 1; k < points.size(); ++k)
                drawLine(canvas, points[k - 1], points[k], c);
        else
            fillPolygon(canvas, points, c);
    } else if (name == "ellipse" || name == "ring") {
        expect(n == 4, name == "ring" ? "ring C X1,Y1 X2,Y2" : "ellipse C X1,Y1 X2,Y2");
        drawEllipse(canvas, point(d, tokens[2], where), point(d, tokens[3], where),
                    colour(d, tokens[1], where), name == "ring");
    } else if (name == "pie") {
        expect(n == 6, "pie C X1,Y1 X2,Y2 FROM TO");
        const int from = needNumber(tokens[4].text, 0, 360, "start angle", where);
        const int to = needNumber(tokens[5].text, 0, 360, "end angle", where);
        if (from == to)
            fail(where, "a pie needs two different angles (use 'ellipse' for a whole one)");
        drawPie(canvas, point(d, tokens[2], where), point(d, tokens[3], where), from, to,
                colour(d, tokens[1], where));
    } else if (name == "flood") {
        expect(n == 3, "flood C X,Y");
        floodFill(canvas, point(d, tokens[2], where), colour(d, tokens[1], where));
    } else if (name == "text") {
        text(d, tokens, where);
    } else {
        fail(where,
             "unknown draw command '" + name +
                 "' (expected fill, rect, box, line, polygon, ellipse, ring, pie, flood, text or include)");
    }
}

// The finished pixel rows; every pixel must have been painted.
std::vector<std::string> paintedRows(const Canvas &canvas, const std::string &where) {
    std::vector<std::string> result;
    for (int y = 0; y < canvas.height; ++y) {
        std::string row;
        for (int x = 0; x < canvas.width; ++x) {
            if (canvas.at(x, y) == '\0')
                fail(where, "pixel " + std::to_string(x) + "," + std::to_string(y) +
                                " is never painted (start the block with 'fill C')");
            row += canvas.at(x, y);
        }
        result.push_back(std::move(row));
    }
    return result;
}

} // namespace

std::vector<std::string> drawBlock(const Picture &pic, const fs::path &file, const std::vector<Line> &lines,
                                   std::size_t &i, int width, int height) {
    const Line &start = lines[i++];
    const std::string where = locate(file, start.number);
    if (start.text != "draw")
        fail(where, "'draw' stands alone on its line");
    try {
        Drawing drawing{pic, blankCanvas(width, height)};
        while (i < lines.size() && (pic.drawn || split(lines[i].text)[0] != "frame"))
            command(drawing, file, lines[i++], true);
        return paintedRows(drawing.canvas, where);
    } catch (SourceError &e) {
        // In a series the same line may be fine for one member and wrong for another.
        if (pic.series)
            e.message = "with n = " + std::to_string(pic.member) + ": " + e.message;
        throw;
    }
}

} // namespace picgen
