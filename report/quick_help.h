// The Quick Help Screen's text handling: word wrapping to the list's width and the search key that
// ties a Main Screen line to its explanation. No window types here.
#pragma once

#include <cstddef>

constexpr size_t kHelpTextLimit = 100000; // working buffer; longer texts are cut
constexpr int kHelpKeyLength = 12;

struct HelpWrapper {
    void *context;
    // Width in pixels of the first length characters of text.
    int (*measure)(void *context, const char *text, int length);
    // Receives one wrapped line (zero-terminated).
    void (*emit)(void *context, const char *line);
};

// Splits the text into paragraphs at line feeds (runs of them are one separator, a carriage return
// before a line feed is dropped), wraps each paragraph at spaces to the width and emits the lines,
// then one line holding a single space. A word wider than the width stands whole on its own line.
void WrapHelpText(const char *text, int width, const HelpWrapper &wrapper);

// The key that finds a report line's explanation: the line's first column without marker codes,
// tabs and line feeds, cut to 12 characters. False (no search) for lines of 4 characters or fewer. A
// longer line whose key comes out empty (nothing but codes) gives the empty key, which matches every
// Quick Help line: the search then selects the first.
bool BuildHelpSearchKey(const char *line, char key[kHelpKeyLength + 1]);

// Whether a Quick Help line begins with the key, ignoring case.
bool HelpLineMatches(const char *helpLine, const char *key);
