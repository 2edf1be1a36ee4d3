#include "report/quick_help.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool IsWrapSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void Emit(const HelpWrapper &w, char *text, int length) {
    char saved = text[length];
    text[length] = 0;
    w.emit(w.context, text);
    text[length] = saved;
}

// Wraps one paragraph held in [rest, rest + length).
void WrapParagraph(char *rest, int length, int width, const HelpWrapper &w) {
    while (length > 0 && w.measure(w.context, rest, length) > width) {
        // From the end, step back over spaces, then back to the space before that word; measure the
        // text before it; repeat until it fits.
        int pos = length;
        int breakAt = -1;
        while (pos > 0) {
            while (pos > 0 && rest[pos - 1] == ' ')
                --pos;
            while (pos > 0 && rest[pos - 1] != ' ')
                --pos;
            if (pos == 0)
                break;
            int before = pos - 1; // the space
            if (w.measure(w.context, rest, before) <= width) {
                breakAt = before;
                break;
            }
            pos = before;
        }
        // A break that would leave a line of nothing but spaces is no break.
        int lead = 0;
        while (lead < breakAt && rest[lead] == ' ')
            ++lead;
        if (lead == breakAt)
            breakAt = 0;
        if (breakAt <= 0) {
            // The first word alone is wider than the list: it keeps a line of its own, whole.
            int end = 0;
            while (end < length && rest[end] != ' ')
                ++end;
            breakAt = end;
            if (breakAt == 0) {
                // Leading spaces: skip them like the white space of a continuation.
                while (breakAt < length && rest[breakAt] == ' ')
                    ++breakAt;
                rest += breakAt;
                length -= breakAt;
                continue;
            }
        }
        Emit(w, rest, breakAt);
        rest += breakAt;
        length -= breakAt;
        while (length > 0 && IsWrapSpace(*rest)) {
            ++rest;
            --length;
        }
    }
    if (length > 0)
        Emit(w, rest, length);
}

} // namespace

void WrapHelpText(const char *text, int width, const HelpWrapper &wrapper) {
    std::unique_ptr<char[]> buffer(new char[kHelpTextLimit]());
    if (text)
        strncpy(buffer.get(), text, kHelpTextLimit - 1);
    char *p = buffer.get();
    while (*p) {
        while (*p == '\n')
            ++p;
        if (!*p)
            break;
        char *end = strchr(p, '\n');
        int length = end ? static_cast<int>(end - p) : static_cast<int>(strlen(p));
        int paragraph = length;
        if (paragraph > 0 && p[paragraph - 1] == '\r')
            --paragraph;
        WrapParagraph(p, paragraph, width, wrapper);
        p += length;
    }
    wrapper.emit(wrapper.context, " ");
}

bool BuildHelpSearchKey(const char *line, char key[kHelpKeyLength + 1]) {
    key[0] = 0;
    if (!line || strnlen(line, 256) <= 4)
        return false;
    const char *p = line;
    while (*p == '\t')
        ++p;
    int n = 0;
    for (; *p && *p != '\t' && n < kHelpKeyLength; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if ((c >= 1 && c <= 7) || c == 9 || c == 10 || c == '&')
            continue;
        key[n++] = *p;
    }
    key[n] = 0;
    return true;
}

bool HelpLineMatches(const char *helpLine, const char *key) {
    size_t n = strlen(key);
    for (size_t i = 0; i < n; ++i) {
        if (!helpLine[i])
            return false;
        if (tolower(static_cast<unsigned char>(helpLine[i])) != tolower(static_cast<unsigned char>(key[i])))
            return false;
    }
    return true;
}
