#include "model/ImageEncoding.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

// libjpeg's error manager with a way back: its default error_exit ends the
// process, which would lose every open document.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf back{};
    char message[JMSG_LENGTH_MAX] = {};
};

void OnJpegError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->back, 1);
}

void OnJpegMessage(j_common_ptr, int) {}

// The one place libjpeg may jump back to; it holds nothing that needs a
// destructor. The compressed bytes land in a buffer libjpeg allocates with
// malloc and the caller frees, also after an error.
bool CompressRows(jpeg_compress_struct& info, JpegErrors& errors, int width, int height, const JSAMPLE* rows,
                  unsigned char** buffer, unsigned long* size)
{
    if (setjmp(errors.back)) return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(rows + static_cast<std::size_t>(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

// Frees the compressor and its output buffer however the compression ended.
class JpegCompressor {
public:
    JpegCompressor()
    {
        info.err = jpeg_std_error(&errors.manager);
        errors.manager.error_exit = OnJpegError;
        errors.manager.emit_message = OnJpegMessage;
    }
    ~JpegCompressor()
    {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    JpegCompressor(const JpegCompressor&) = delete;
    JpegCompressor& operator=(const JpegCompressor&) = delete;

    jpeg_compress_struct info{};
    JpegErrors errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

} // namespace

EncodedImage EncodeJpeg(const PixelImage& image)
{
    EncodedImage result;
    if (image.width <= 0 || image.height <= 0 || !image.pixels) {
        result.error = "The image is empty.";
        return result;
    }
    const std::vector<unsigned char> rows = image.RgbBytes();
    JpegCompressor compressor;
    if (!CompressRows(compressor.info, compressor.errors, image.width, image.height, rows.data(), &compressor.buffer,
                      &compressor.size)) {
        result.error = compressor.errors.message;
        return result;
    }
    result.bytes.assign(reinterpret_cast<const char*>(compressor.buffer), compressor.size);
    result.ok = true;
    return result;
}
