// picgen: reading a picture source (*.pic) with its palettes.
//
// Source format (line based; '#' starts a comment anywhere except inside a
// quoted string of a draw command, blank lines and leading/trailing blanks are
// ignored):
//
//     bitmap ID frame WxH count N      a strip of N frames of W x H pixels,
//                                      laid left to right (24-bit BMP)
//     icon ID sizes S1,S2,...          an icon with one square image per size
//                                      (32-bit images with an AND mask)
//     picture ID size WxH              a single drawn picture (24-bit BMP)
//     ... series N                     any of these three, N times over
//     palette                          starts the colour table
//       C = R G B                      pixel character C has that colour
//       C = transparent                transparent pixel (icons only)
//       include FILE                   reads more "C = ..." lines from FILE,
//                                      relative to the including file (an
//                                      included file cannot include another)
//     frame NAME                       starts the next frame; NAME is free text
//       <rows>                         exactly H rows of exactly W characters
//     frame NAME
//       draw                           ... or a draw block instead of rows
//         <draw commands>              (see draw.h)
//
// The header comes first and "palette" right after it; the frames follow the
// palette in the order they are laid out.  A bitmap has exactly N frames; an
// icon has one frame per listed size, in the same order.  A colour character
// is any printable ASCII character other than '#'.  A "picture" has no
// frames: its palette is followed by one "draw" line, and every line after
// that is a draw command.
//
// A header ending in "series N" makes N pictures from the one source, with the
// IDs ID to ID+N-1; their draw commands may hold {EXPR} (see series.h).  All
// the IDs of a series count as used, and two members with identical pixels are
// an error.
//
// Anything doubtful is an error reported as "file:line: message".  Besides
// syntax, these are errors: a row of the wrong width, a frame with too few or
// too many rows, a wrong number of frames, a colour character not in the
// palette, a character defined twice, two frames of one bitmap strip with
// identical pixels, a point off the canvas, text that does not fit, a
// character the font lacks, an unterminated string, and a pixel that no draw
// command paints.
#pragma once

#include "picture.h"

#include <vector>

namespace picgen {

// Reads one picture; for a series, the member given (counting from 0).
Picture parsePicture(const fs::path &file, int member);

// Reads one source file: a single picture, or every member of a series in
// order.
std::vector<Picture> readSource(const fs::path &file);

} // namespace picgen
