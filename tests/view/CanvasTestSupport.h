#pragma once

#include "model/Color.h"
#include "view/document/PixelTypes.h"

#include <QImage>

#include <functional>
#include <vector>

// Images for the drawing tests: a black or patterned RGB32 image, and the
// pixels that are no longer black.

inline QImage BlackImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// A background whose every pixel differs from its neighbours, so that a
// figure drawn twice in XOR must restore each one.
inline QImage PatternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    }
    return image;
}

inline TColor PixelColor(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

inline bool IsSet(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFFu) != 0; }

inline std::vector<TPoint> SetPixels(const QImage& image)
{
    std::vector<TPoint> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsSet(image, x, y)) pixels.push_back({x, y});
        }
    }
    return pixels;
}

// True when every set pixel lies inside the rectangle.
inline bool AllSetPixelsWithin(const QImage& image, const TRect& rect)
{
    for (const TPoint& p : SetPixels(image)) {
        if (p.x < rect.left || p.x >= rect.right || p.y < rect.top || p.y >= rect.bottom) return false;
    }
    return true;
}
