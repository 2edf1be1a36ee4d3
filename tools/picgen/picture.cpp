#include "picture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace picgen {

void fail(const std::string &where, const std::string &message) {
    throw SourceError{where, message};
}

std::string locate(const fs::path &file, int line) {
    return file.generic_string() + ":" + std::to_string(line);
}

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

std::string describeChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u > ' ' && u < 127)
        return std::string("'") + c + "'";
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%02X", u);
    return buf;
}

} // namespace picgen
