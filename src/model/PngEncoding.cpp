#include "model/ImageEncoding.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>
#include <vector>

namespace {

// What libpng's callbacks reach through their pointers. Its error handler
// copies the message here and jumps back into WritePngRows.
struct PngSession {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string* out = nullptr;
    char message[256] = {};
};

void OnPngError(png_structp png, png_const_charp message)
{
    auto* session = static_cast<PngSession*>(png_get_error_ptr(png));
    std::snprintf(session->message, sizeof session->message, "%s", message ? message : "PNG error");
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto* session = static_cast<PngSession*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        session->out->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    // Only once the exception is over may libpng jump out of here.
    if (!stored) png_error(png, "Out of memory");
}

void OnPngFlush(png_structp) {}

// The one place libpng may jump back to. It holds nothing that needs a
// destructor, so the jump skips no clean-up; the rows come converted.
bool WritePngRows(PngSession& session, int width, int height, const png_byte* rows, std::size_t rowBytes)
{
    if (setjmp(png_jmpbuf(session.png))) return false;
    png_set_write_fn(session.png, &session, OnPngWrite, OnPngFlush);
    png_set_IHDR(session.png, session.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(session.png, session.info);
    for (int y = 0; y < height; ++y) png_write_row(session.png, rows + static_cast<std::size_t>(y) * rowBytes);
    png_write_end(session.png, session.info);
    return true;
}

// Frees libpng's structures however the writing ended.
class PngWriter {
public:
    explicit PngWriter(PngSession& session) : session_(session)
    {
        session.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &session, OnPngError, OnPngWarning);
        if (session.png) session.info = png_create_info_struct(session.png);
    }
    ~PngWriter() { png_destroy_write_struct(&session_.png, session_.info ? &session_.info : nullptr); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    bool Ready() const { return session_.png && session_.info; }

private:
    PngSession& session_;
};

} // namespace

EncodedImage EncodePng(const PixelImage& image)
{
    EncodedImage result;
    if (image.width <= 0 || image.height <= 0 || !image.pixels) {
        result.error = "The image is empty.";
        return result;
    }
    const std::vector<unsigned char> rows = image.RgbBytes();
    PngSession session;
    session.out = &result.bytes;
    PngWriter writer(session);
    if (!writer.Ready()) {
        result.error = "The PNG encoder could not start.";
        return result;
    }
    result.ok = WritePngRows(session, image.width, image.height, rows.data(), static_cast<std::size_t>(image.width) * 3);
    if (!result.ok) {
        result.error = session.message;
        result.bytes.clear();
    }
    return result;
}
