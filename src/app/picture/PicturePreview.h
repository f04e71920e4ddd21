#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// What the preview pane of the picture save dialog shows of a file.
struct PicturePreview {
    QSize pixels; // the picture's own size, from the file's header
    QImage image; // scaled to fit the pane; null when it could not be decoded
};

// The size a picture of `pixels` is shown at in a pane of `pane`: as large
// as fits with its aspect kept, never larger than the picture itself, at
// least one pixel each way.
QSize PreviewSize(QSize pixels, QSize pane);

// The preview of the picture file at path, none when it is not a regular
// file or not a picture whose header gives its size. Named pipes, devices
// and the like are never opened for reading, so pointing at one cannot
// block; the picture is decoded at the preview size where its format
// allows, and one too large to decode in a modest amount of memory gives
// its size without an image.
std::optional<PicturePreview> PreviewPicture(const QString& path, QSize pane);
