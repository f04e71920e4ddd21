#pragma once

#include "view/document/PixelTypes.h"

#include <algorithm>
#include <cmath>
#include <optional>

// The pixel range that chart coordinates are clamped to before they reach the
// canvas, so that a value far off the chart (an impedance near -Z0, a point
// far outside the scales) still draws its line in the right direction without
// overflowing the integers of the drawing platform. The main window widens it
// to the virtual desktop: a desktop's width and height around it on every
// side.
struct PixelLimits {
    int MinY = -4000;
    int MaxY = 8000;
    int MinX = -4000;
    int MaxX = 8000;
};

extern PixelLimits DrawLimits;

// The one way a computed coordinate becomes a pixel: clamped to lo .. hi, then
// truncated toward zero. NaN has no pixel; callers treat it as a gap. Inline,
// since every point of every curve passes here.
inline std::optional<int> TruncateToPixel(double value, int lo, int hi)
{
    if (std::isnan(value)) return std::nullopt;
    return static_cast<int>(std::clamp(value, static_cast<double>(lo), static_cast<double>(hi)));
}

// TruncateToPixel within DrawLimits, x first, then y.
inline std::optional<int> PixelX(double x) { return TruncateToPixel(x, DrawLimits.MinX, DrawLimits.MaxX); }
inline std::optional<int> PixelY(double y) { return TruncateToPixel(y, DrawLimits.MinY, DrawLimits.MaxY); }
inline std::optional<TPoint> PixelPoint(double x, double y)
{
    const std::optional<int> px = PixelX(x);
    const std::optional<int> py = PixelY(y);
    if (!px || !py) return std::nullopt;
    return TPoint{*px, *py};
}
