#include "app/picture/PicturePreview.h"

#include "model/FileIO.h"

#include <QFile>
#include <QImageReader>

#include <unistd.h>

namespace {

// Formats that decode in full before scaling stop here (megabytes).
constexpr int kDecodeLimitMb = 64;

// A pipe or a device in the list would keep the dialog waiting.
bool OpenPictureFile(const QString& path, QFile& file)
{
    const int descriptor = OpenRegularFile(QFile::encodeName(path).toStdString());
    if (descriptor < 0) return false;
    if (file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    ::close(descriptor);
    return false;
}

} // namespace

QSize PreviewSize(QSize pixels, QSize pane)
{
    if (pixels.width() <= pane.width() && pixels.height() <= pane.height()) return pixels;
    const QSize fitted = pixels.scaled(pane, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

std::optional<PicturePreview> PreviewPicture(const QString& path, QSize pane)
{
    QFile file;
    if (path.isEmpty() || !OpenPictureFile(path, file)) return std::nullopt;
    QImageReader reader(&file);
    reader.setAllocationLimit(kDecodeLimitMb);
    const QSize pixels = reader.size();
    if (!pixels.isValid() || pixels.isEmpty()) return std::nullopt;
    reader.setScaledSize(PreviewSize(pixels, pane));
    return PicturePreview{pixels, reader.read()};
}
