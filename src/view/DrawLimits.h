#pragma once

#include "view/PixelTypes.h"

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
// truncated toward zero. NaN has no pixel; callers treat it as a gap.
std::optional<int> TruncateToPixel(double value, int lo, int hi);

// TruncateToPixel within DrawLimits, x first, then y.
std::optional<int> PixelX(double x);
std::optional<int> PixelY(double y);
std::optional<TPoint> PixelPoint(double x, double y);
