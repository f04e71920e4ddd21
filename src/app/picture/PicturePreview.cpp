#include "app/picture/PicturePreview.h"

#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Formats that decode in full before scaling stop here (megabytes).
constexpr int kDecodeLimitMb = 64;

bool IsRegularFile(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// Opened without waiting (a pipe put in the file's place since the check
// opens at once) and kept only when it is still a regular file.
bool OpenRegularFile(const QString& path, QFile& file)
{
    const QByteArray name = QFile::encodeName(path);
    if (!IsRegularFile(name)) return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return true;
    }
    ::close(fd);
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
    if (path.isEmpty() || !OpenRegularFile(path, file)) return std::nullopt;
    QImageReader reader(&file);
    reader.setAllocationLimit(kDecodeLimitMb);
    const QSize pixels = reader.size();
    if (!pixels.isValid() || pixels.isEmpty()) return std::nullopt;
    reader.setScaledSize(PreviewSize(pixels, pane));
    return PicturePreview{pixels, reader.read()};
}
