#include "model/ImageEncoding.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
}

// Each row of 24-bit pixels is padded to a whole number of 32-bit words.
std::uint32_t RowSize(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }

void PutHeaders(std::string& out, const PixelImage& image)
{
    const std::uint32_t pixelBytes = RowSize(image.width) * static_cast<std::uint32_t>(image.height);
    out += "BM";
    PutLittleEndian(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, kFileHeaderSize + kInfoHeaderSize, 4);
    PutLittleEndian(out, kInfoHeaderSize, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.height), 4);
    PutLittleEndian(out, 1, 2);  // planes
    PutLittleEndian(out, 24, 2); // bits per pixel
    PutLittleEndian(out, 0, 4);  // uncompressed
    PutLittleEndian(out, pixelBytes, 4);
    PutLittleEndian(out, 3780, 4); // 96 dots per inch, in dots per metre
    PutLittleEndian(out, 3780, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
}

} // namespace

EncodedImage EncodeBmp(const PixelImage& image)
{
    EncodedImage result;
    if (image.width <= 0 || image.height <= 0 || !image.pixels) {
        result.error = "The image is empty.";
        return result;
    }
    const std::uint32_t padding = RowSize(image.width) - static_cast<std::uint32_t>(image.width) * 3;
    result.bytes.reserve(kFileHeaderSize + kInfoHeaderSize + RowSize(image.width) * static_cast<std::size_t>(image.height));
    PutHeaders(result.bytes, image);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) PutLittleEndian(result.bytes, image.Pixel(x, y) & 0xffffff, 3);
        result.bytes.append(padding, '\0');
    }
    result.ok = true;
    return result;
}
