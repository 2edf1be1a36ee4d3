// picgen: the binary files made from a picture.
//
// A bitmap (a strip of frames, or a drawn picture) becomes a 24-bit BMP file:
// the frames laid left to right, rows bottom-up, each padded to 4 bytes.  An
// icon becomes an ICO file with one 32-bit image per frame (BGRA colours, then
// a 1-bit AND mask set where the pixel is transparent), both bottom-up.
#pragma once

#include "picture.h"

#include <cstdint>
#include <vector>

namespace picgen {

std::vector<std::uint8_t> makeBitmap(const Picture &pic);
std::vector<std::uint8_t> makeIcon(const Picture &pic);
// The file for the picture's kind: a BMP or an ICO.
std::vector<std::uint8_t> makeFile(const Picture &pic);

} // namespace picgen
