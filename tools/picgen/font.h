// picgen: the built-in font of the "text" draw command.
//
// Glyphs are 5 pixels wide and 9 high and sit in a 6 x 9 cell (one blank column
// to the right).  Capitals and digits fill rows 0-6, lower case has its
// x-height in rows 2-6, and descenders use rows 7-8.  Every printable ASCII
// character has a glyph.
#pragma once

#include <array>
#include <map>
#include <string>

namespace picgen {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 9;
constexpr int kCellWidth = kGlyphWidth + 1;

// One string per row, top first: '#' for an inked pixel, '.' for a blank one.
using Glyph = std::array<std::string, kGlyphHeight>;

// Checks the font table itself: every printable ASCII character exactly once,
// and bands of the right shape.  Returns an empty string when all is well.
std::string fontProblem();

// The glyphs by character.
const std::map<char, Glyph> &font();

} // namespace picgen
