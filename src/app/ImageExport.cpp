#include "app/ImageExport.h"

#include "app/picture/PictureSaveDialog.h"
#include "model/FileIO.h"
#include "model/ImageEncoding.h"
#include "model/MessageBoxes.h"
#include "model/SaveFailure.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <array>

namespace {

struct ImageFormat {
    const char* caption;
    const char* filter;
    const char* suffix;
};

constexpr std::array<ImageFormat, 4> kFormats = {{
    {"Copy to clipboard", "", ""},
    {"Save As BMP", "Bitmaps (*.bmp);;All files (*)", "bmp"},
    {"Save As JPG", "JPEG Image File (*.jpg);;All files (*)", "jpg"},
    {"Save As PNG", "PNG Image File (*.png);;All files (*)", "png"},
}};

bool ValidMode(int mode) { return mode >= kImageClipboard && mode <= kImagePng; }

EncodedImage Encode(int mode, const PixelImage& pixels)
{
    switch (mode) {
    case kImageBmp:
        return EncodeBmp(pixels);
    case kImageJpeg:
        return EncodeJpeg(pixels);
    default:
        return EncodePng(pixels);
    }
}

void CopyToClipboard(const QImage& bitmap)
{
    QGuiApplication::clipboard()->setImage(bitmap);
    ShowInfo(kFormats[kImageClipboard].caption, "The image has been copied to the clipboard");
}

} // namespace

std::string ImageSaveDialogs::ChooseImageFile(int mode)
{
    if (!ValidMode(mode) || mode == kImageClipboard) return {};
    // Qt's own dialog asks about overwriting after the default suffix is
    // added, so the question is about the file that will be written.
    PictureSaveDialog dialog(parent_, kFormats[mode].filter, kFormats[mode].suffix, PictureStartFolder(lastFolder_));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath().toStdString();
    return chosen.toStdString();
}

WriteResult WriteImageFile(int mode, const QImage& bitmap, const std::string& fileName)
{
    const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB32);
    const PixelImage pixels{rgb.width(), rgb.height(), reinterpret_cast<const std::uint32_t*>(rgb.constBits()),
                            static_cast<std::size_t>(rgb.bytesPerLine()) / sizeof(std::uint32_t)};
    const EncodedImage encoded = Encode(mode, pixels);
    if (!encoded.ok) return WriteResult::Refused(encoded.error);
    return WriteFileReplacing(fileName, encoded.bytes);
}

void ExportImage(int mode, const QImage& bitmap, CImageFileChooser& chooser)
{
    if (!ValidMode(mode)) return;
    const char* caption = kFormats[mode].caption;
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) {
        ShowWarning(caption, "The chart has no area: there is no image to export.");
        return;
    }
    if (mode == kImageClipboard) {
        CopyToClipboard(bitmap);
        return;
    }
    const std::string fileName = chooser.ChooseImageFile(mode);
    if (fileName.empty()) return;
    const WriteResult written = WriteImageFile(mode, bitmap, fileName);
    if (!written) ShowSaveFailure(caption, fileName, written);
}
