// picgen: draw blocks, the drawing commands that paint a picture or frame.
//
// Draw commands paint, in order, on a canvas the size of the picture or frame.
// C is a palette character, a point X,Y is written without blanks, counts from
// 0,0 at the top left and must lie on the canvas; rectangles are given by two
// opposite corners and include both.  Every pixel must have been painted by
// the end of the block, so a block normally starts with "fill".
//
//     fill C                           paints the whole canvas
//     rect C X1,Y1 X2,Y2               filled rectangle
//     box C X1,Y1 X2,Y2 [width N]      rectangle outline, N pixels thick
//                                      (inwards; default 1)
//     line C X1,Y1 X2,Y2 [X3,Y3 ...]   1-pixel Bresenham line through the
//                                      points, every point included
//     polygon C X1,Y1 X2,Y2 X3,Y3 ...  filled polygon: the pixels whose centres
//                                      are inside by the even-odd rule, plus
//                                      the outline drawn as by "line"
//     ellipse C X1,Y1 X2,Y2            filled ellipse inscribed in the
//                                      rectangle: the pixels whose centres lie
//                                      in it
//     ring C X1,Y1 X2,Y2               outline of that ellipse: its pixels
//                                      that touch (4-way) a pixel outside it
//     pie C X1,Y1 X2,Y2 FROM TO        the pixels of that filled ellipse whose
//                                      centres lie at an angle from FROM to TO
//                                      (whole degrees 0-360, both included,
//                                      counter-clockwise, 0 = right, 90 = up)
//                                      as seen from its centre
//     flood C X,Y                      repaints the 4-connected area of the
//                                      colour found at X,Y
//     text C X,Y [left|center|right] [scale N] "TEXT"
//                                      TEXT in the built-in font; Y is the top
//                                      of the text, X its left edge (left, the
//                                      default), its middle (center) or its
//                                      right edge (right).  Each character
//                                      takes a 6 x 9 cell times N (default 1),
//                                      without the gap after the last one, and
//                                      all of that must fit on the canvas.
//                                      Inside the quotes, write \" for a quote
//                                      and \\ for a backslash.
//     include FILE                     runs the draw commands in FILE (relative
//                                      to the including file; it cannot include
//                                      another).  Give it an extension other
//                                      than .pic, e.g. ".draw".
//
// In a series, the {EXPR} of each command are replaced first (see series.h),
// and an error names the n it happened for.
#pragma once

#include "picture.h"

#include <cstddef>
#include <string>
#include <vector>

namespace picgen {

// Reads a draw block starting at lines[i] (the "draw" line), leaves i after
// it and returns the painted rows of a width x height canvas.  A frame's block
// ends at the next "frame" line; a picture's runs to the end of the file.
std::vector<std::string> drawBlock(const Picture &pic, const fs::path &file, const std::vector<Line> &lines,
                                   std::size_t &i, int width, int height);

} // namespace picgen
