#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The pixels of a picture to be written to a file: rows from the top, each
// pixel one 32-bit word 0xffRRGGBB (the alpha byte is ignored), `stride`
// words from one row to the next. The picture belongs to the caller.
struct PixelImage {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;
    std::size_t stride = 0;

    std::uint32_t Pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }

    // Red, green and blue bytes of every pixel, row after row.
    std::vector<unsigned char> RgbBytes() const
    {
        std::vector<unsigned char> bytes;
        bytes.reserve(static_cast<std::size_t>(width) * height * 3);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t pixel = Pixel(x, y);
                for (const int shift : {16, 8, 0}) bytes.push_back(static_cast<unsigned char>(pixel >> shift));
            }
        }
        return bytes;
    }
};

// A picture encoded into the bytes of a file, or why it could not be.
struct EncodedImage {
    bool ok = false;
    std::string bytes;
    std::string error;
};

// The three file formats of the image export, each encoded in memory so that
// the file is written in one piece by the replacing writer. A picture without
// pixels is refused. No encoder leaves the program or jumps past its caller
// on an error of the library beneath: every error comes back in the result.

// A 24-bit uncompressed Windows bitmap, rows from the bottom.
EncodedImage EncodeBmp(const PixelImage& image);
// A JPEG with libjpeg's default settings (quality 75).
EncodedImage EncodeJpeg(const PixelImage& image);
// An 8-bit RGB PNG with libpng's default settings.
EncodedImage EncodePng(const PixelImage& image);
