#include "view/DrawLimits.h"

#include <algorithm>
#include <cmath>

PixelLimits DrawLimits;

std::optional<int> TruncateToPixel(double value, int lo, int hi)
{
    if (std::isnan(value)) return std::nullopt;
    return static_cast<int>(std::clamp(value, static_cast<double>(lo), static_cast<double>(hi)));
}

std::optional<int> PixelX(double x) { return TruncateToPixel(x, DrawLimits.MinX, DrawLimits.MaxX); }

std::optional<int> PixelY(double y) { return TruncateToPixel(y, DrawLimits.MinY, DrawLimits.MaxY); }

std::optional<TPoint> PixelPoint(double x, double y)
{
    const std::optional<int> px = PixelX(x);
    const std::optional<int> py = PixelY(y);
    if (!px || !py) return std::nullopt;
    return TPoint{*px, *py};
}
