#include "tools/tipsgen/tips_source.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

struct Parser {
    const std::string &name;
    std::string &error;
    int line = 0;
    int toolCount = 0;
    bool boost = false;
    int tool = -1;
    bool fail(const std::string &message) {
        error = name + ":" + std::to_string(line) + ": " + message;
        return false;
    }
};

// What a tip has been given so far.
struct Seen {
    bool value, effort, downside, description;
};

bool ParseNumber(const std::string &text, int low, int high, int &out) {
    char *end = nullptr;
    long v = strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || v < low || v > high)
        return false;
    out = static_cast<int>(v);
    return true;
}

bool Printable(const std::string &text) {
    for (unsigned char c : text)
        if (c < 32 || c == 127)
            return false;
    return true;
}

bool SetText(Parser &p, const std::string &field, const std::string &text, char *out,
             size_t width) { // width: the field in the file, its zero included
    if (text.empty())
        return p.fail(field + " is empty");
    if (!Printable(text))
        return p.fail(field + " holds a control character");
    if (text.size() > width - 1)
        return p.fail(field + " is " + std::to_string(text.size()) + " characters; at most " +
                      std::to_string(width - 1) + " fit");
    memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

// A tip is complete when it has what its kind of file needs.
bool Finish(Parser &p, const Seen &seen) {
    if (!seen.description)
        return p.fail("the tip before this line has no description");
    if (p.boost && !(seen.value && seen.effort && seen.downside))
        return p.fail("the Boost tip before this line needs value, effort and downside");
    return true;
}

} // namespace

bool ParseTipSource(const std::string &text, const std::string &name, std::vector<TipRecord> &tips,
                    std::string &error) {
    Parser p{name, error};
    std::istringstream in(text);
    std::string raw;
    Seen seen{};
    bool open = false;       // a tip is being read
    std::string description; // its description so far
    bool continuing = false; // the last field was the description
    tips.clear();
    while (std::getline(in, raw)) {
        ++p.line;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        size_t start = raw.find_first_not_of(" \t");
        if (start == std::string::npos || raw[start] == '#')
            continue;
        std::string rest = raw.substr(start);
        if (start > 0) {
            if (!continuing)
                return p.fail("a continued line follows no description");
            description += " " + rest;
            if (!SetText(p, "description", description, tips.back().description, kTipDescriptionBytes))
                return false;
            continue;
        }
        continuing = false;
        size_t blank = rest.find(' ');
        std::string key = rest.substr(0, blank);
        size_t valueStart = blank == std::string::npos ? blank : rest.find_first_not_of(' ', blank);
        std::string value = valueStart == std::string::npos ? "" : rest.substr(valueStart);
        if (key == "tools") {
            std::istringstream words(value);
            std::string count, kind;
            words >> count >> kind;
            if (p.toolCount || !ParseNumber(count, 1, 1000, p.toolCount) ||
                (kind != "boost" && kind != "coach"))
                return p.fail("expected one line \"tools N boost\" or \"tools N coach\" first");
            p.boost = kind == "boost";
            continue;
        }
        if (!p.toolCount)
            return p.fail("the file must start with \"tools N boost\" or \"tools N coach\"");
        if (key == "tool") {
            if (open && !Finish(p, seen))
                return false;
            open = false;
            std::string number = value.substr(0, value.find(' '));
            if (!ParseNumber(number, 0, p.toolCount - 1, p.tool))
                return p.fail("tool index \"" + number + "\" is not 0.." + std::to_string(p.toolCount - 1));
        } else if (key == "tip") {
            if (p.tool < 0)
                return p.fail("a tip before the first \"tool\" line");
            if (open && !Finish(p, seen))
                return false;
            tips.push_back(TipRecord{});
            tips.back().tool = static_cast<uint32_t>(p.tool);
            open = true;
            seen = Seen{};
            if (!SetText(p, "name", value, tips.back().name, kTipNameBytes))
                return false;
        } else if (!open) {
            return p.fail("\"" + key + "\" outside a tip");
        } else if ((key == "value" || key == "effort" || key == "downside") && !p.boost) {
            return p.fail("\"" + key + "\" is for Boost tips only");
        } else if (key == "value" || key == "effort") {
            bool &given = key == "value" ? seen.value : seen.effort;
            int number = 0;
            if (given || !ParseNumber(value, kBoostValueLow, kBoostValueHigh, number))
                return p.fail(key + " must be given once, 1..5");
            given = true;
            (key == "value" ? tips.back().value : tips.back().effort) = number;
        } else if (key == "downside") {
            if (seen.downside)
                return p.fail("downside given twice");
            seen.downside = true;
            if (!SetText(p, "downside", value, tips.back().downside, kTipDownsideBytes))
                return false;
        } else if (key == "description") {
            if (seen.description)
                return p.fail("description given twice");
            seen.description = continuing = true;
            description = value;
            if (!SetText(p, "description", description, tips.back().description, kTipDescriptionBytes))
                return false;
        } else {
            return p.fail("unknown line \"" + key + "\"");
        }
    }
    ++p.line;
    if (open && !Finish(p, seen))
        return false;
    if (tips.empty())
        return p.fail("no tips");
    return true;
}

std::string EncodeTipFile(const std::vector<TipRecord> &tips) {
    std::string image(tips.size() * kTipRecordBytes, '\0');
    for (size_t i = 0; i < tips.size(); ++i)
        EncodeTipRecord(tips[i], reinterpret_cast<unsigned char *>(&image[i * kTipRecordBytes]));
    return image;
}
