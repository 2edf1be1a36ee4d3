#include "writers.h"

#include <cstddef>

namespace picgen {

namespace {

// Little-endian binary output.
struct Bytes {
    std::vector<std::uint8_t> data;

    void u8(std::uint8_t v) { data.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
};

void infoHeader(Bytes &out, int width, int height, int bitCount, std::uint32_t imageSize) {
    out.u32(40);                                   // biSize
    out.u32(static_cast<std::uint32_t>(width));    // biWidth
    out.u32(static_cast<std::uint32_t>(height));   // biHeight (positive: bottom-up)
    out.u16(1);                                    // biPlanes
    out.u16(static_cast<std::uint16_t>(bitCount)); // biBitCount
    out.u32(0);                                    // biCompression = BI_RGB
    out.u32(imageSize);                            // biSizeImage
    out.u32(2835);                                 // biXPelsPerMeter (72 dpi)
    out.u32(2835);                                 // biYPelsPerMeter
    out.u32(0);                                    // biClrUsed
    out.u32(0);                                    // biClrImportant
}

Bytes makeIconImage(const Picture &pic, const Frame &frame) {
    const int size = frame.width;
    const std::uint32_t maskStride = ((static_cast<std::uint32_t>(size) + 31) / 32) * 4;
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(size * size * 4);
    const std::uint32_t maskBytes = maskStride * static_cast<std::uint32_t>(size);

    Bytes out;
    infoHeader(out, size, size * 2, 32, colourBytes + maskBytes); // colour + mask stacked
    for (int y = size - 1; y >= 0; --y)
        for (char c : frame.rows[static_cast<std::size_t>(y)]) {
            const Colour &col = pic.palette.at(c).colour;
            if (col.transparent) {
                out.u32(0);
            } else {
                out.u8(col.b);
                out.u8(col.g);
                out.u8(col.r);
                out.u8(255);
            }
        }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> mask(maskStride, 0);
        const std::string &row = frame.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < size; ++x)
            if (pic.palette.at(row[static_cast<std::size_t>(x)]).colour.transparent)
                mask[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        for (std::uint8_t m : mask)
            out.u8(m);
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> makeBitmap(const Picture &pic) {
    const int width = pic.frameWidth * pic.frameCount;
    const int height = pic.frameHeight;
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);

    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(14 + 40 + imageSize); // bfSize
    out.u16(0);
    out.u16(0);
    out.u32(14 + 40); // bfOffBits
    infoHeader(out, width, height, 24, imageSize);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (const Frame &frame : pic.frames) {
            for (char c : frame.rows[static_cast<std::size_t>(y)]) {
                const Colour &col = pic.palette.at(c).colour;
                out.u8(col.b);
                out.u8(col.g);
                out.u8(col.r);
                written += 3;
            }
        }
        for (; written < stride; ++written)
            out.u8(0);
    }
    return out.data;
}

std::vector<std::uint8_t> makeIcon(const Picture &pic) {
    std::vector<Bytes> images;
    for (const Frame &frame : pic.frames)
        images.push_back(makeIconImage(pic, frame));

    Bytes out;
    out.u16(0); // reserved
    out.u16(1); // type: icon
    out.u16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = pic.frames[i].width;
        out.u8(static_cast<std::uint8_t>(size == 256 ? 0 : size)); // width
        out.u8(static_cast<std::uint8_t>(size == 256 ? 0 : size)); // height
        out.u8(0);                                                 // colour count (0: 8 bpp or more)
        out.u8(0);                                                 // reserved
        out.u16(1);                                                // planes
        out.u16(32);                                               // bits per pixel
        out.u32(static_cast<std::uint32_t>(images[i].data.size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(images[i].data.size());
    }
    for (const Bytes &image : images)
        out.data.insert(out.data.end(), image.data.begin(), image.data.end());
    return out.data;
}

std::vector<std::uint8_t> makeFile(const Picture &pic) {
    return pic.kind == Kind::Bitmap ? makeBitmap(pic) : makeIcon(pic);
}

} // namespace picgen
