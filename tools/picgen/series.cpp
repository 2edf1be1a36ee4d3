#include "series.h"

#include "picture.h"

#include <algorithm>
#include <cctype>

namespace picgen {

namespace {

// A recursive-descent reading of one expression; values are kept in 64 bits so
// that a result outside the 32-bit range can be caught.
struct Parser {
    const std::string &text;
    const int n;
    const std::string &where;
    std::size_t pos = 0;
};

[[noreturn]] void error(const Parser &p, const std::string &message) {
    fail(p.where, "in {" + p.text + "}: " + message);
}

void skipBlanks(Parser &p) {
    while (p.pos < p.text.size() && (p.text[p.pos] == ' ' || p.text[p.pos] == '\t'))
        ++p.pos;
}

bool accept(Parser &p, char c) {
    skipBlanks(p);
    if (p.pos < p.text.size() && p.text[p.pos] == c) {
        ++p.pos;
        return true;
    }
    return false;
}

long long checked(const Parser &p, long long v) {
    if (v < -2147483648LL || v > 2147483647LL)
        error(p, "the value " + std::to_string(v) + " is out of range");
    return v;
}

long long sum(Parser &p);

long long primary(Parser &p) {
    skipBlanks(p);
    const std::string &text = p.text;
    if (p.pos >= text.size())
        error(p, text.find_first_not_of(" \t") == std::string::npos ? "the expression is empty"
                                                                    : "the expression ends too early");
    const char c = text[p.pos];
    if (accept(p, '(')) {
        const long long v = sum(p);
        if (!accept(p, ')'))
            error(p, "missing ')'");
        return v;
    }
    if (std::isdigit(static_cast<unsigned char>(c))) {
        const std::size_t start = p.pos;
        while (p.pos < text.size() && std::isdigit(static_cast<unsigned char>(text[p.pos])))
            ++p.pos;
        const std::string digits = text.substr(start, p.pos - start);
        if (digits.size() > 10)
            error(p, "the number " + digits + " is out of range");
        return checked(p, std::stoll(digits));
    }
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
        const std::size_t start = p.pos;
        while (p.pos < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[p.pos])) || text[p.pos] == '_'))
            ++p.pos;
        const std::string name = text.substr(start, p.pos - start);
        if (name == "n")
            return p.n;
        if (name == "min" || name == "max") {
            if (!accept(p, '('))
                error(p, "expected '(' after " + name);
            const long long a = sum(p);
            if (!accept(p, ','))
                error(p, name + " takes two values: " + name + "(A,B)");
            const long long b = sum(p);
            if (!accept(p, ')'))
                error(p, "missing ')' after the values of " + name);
            return name == "min" ? std::min(a, b) : std::max(a, b);
        }
        error(p, "unknown name '" + name + "' (the only variable is n; the functions are min and max)");
    }
    error(p, "unexpected '" + std::string(1, c) + "'");
}

long long unary(Parser &p) {
    if (accept(p, '-'))
        return checked(p, -unary(p));
    if (accept(p, '+'))
        return unary(p);
    return primary(p);
}

long long product(Parser &p) {
    long long v = unary(p);
    while (true) {
        const char op = accept(p, '*') ? '*' : accept(p, '/') ? '/' : accept(p, '%') ? '%' : '\0';
        if (!op)
            return v;
        const long long rhs = unary(p);
        if (op == '*') {
            v = checked(p, v * rhs);
        } else {
            if (rhs == 0)
                error(p, "division by zero (" + std::to_string(v) + " " + op + " 0)");
            v = checked(p, op == '/' ? v / rhs : v % rhs);
        }
    }
}

long long sum(Parser &p) {
    long long v = product(p);
    while (true) {
        if (accept(p, '+'))
            v = checked(p, v + product(p));
        else if (accept(p, '-'))
            v = checked(p, v - product(p));
        else
            return v;
    }
}

} // namespace

int evaluate(const std::string &text, int n, const std::string &where) {
    Parser p{text, n, where};
    const long long v = sum(p);
    skipBlanks(p);
    if (p.pos < text.size())
        error(p, "unexpected '" + text.substr(p.pos, 1) + "'");
    return static_cast<int>(v);
}

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
            out += std::to_string(evaluate(text, member, where));
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

} // namespace picgen
