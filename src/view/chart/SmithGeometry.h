#pragma once

#include "view/canvas/DrawLimits.h"
#include "view/document/PixelTypes.h"

#include <optional>

struct ViewState;

// The reflection coefficient Gamma of R + jX against the window's Z0. An R or
// X above 1e90 (infinite or absent) gives 1 + j0. Fails, leaving re and im as
// they were, for Z = -Z0 and for inputs or results that are not finite.
bool GammaFromZ(const ViewState& view, double R, double X, double& re, double& im);

// The VSWR of R + jX against the window's Z0; fails where Gamma does and for
// |Gamma| of exactly 1. An impedance outside the chart (|Gamma| > 1) has a
// negative VSWR.
bool VswrFromZ(const ViewState& view, double R, double X, double& vswr);

// The smallest and largest Smith zoom divisor. Anything outside, including 0
// from a typed value or a document, is brought inside where the square is
// computed, so the square stays finite and the grid's loops short.
constexpr double kSmithScaleMin = 0.01;
constexpr double kSmithScaleMax = 20;

// The Smith chart's square in a chart rectangle: 90 % of the shorter side
// divided by the zoom divisor, its middle showing Gamma = SmithX - j SmithY.
TRect SmithSquare(const ViewState& view, const TRect& chart);

// The pixel of a Gamma in the window's SmithRect, truncated toward zero and
// clamped to DrawLimits, since |Gamma| grows without bound near Z = -Z0.
// None for NaN.
std::optional<TPoint> GammaToPoint(const ViewState& view, double re, double im);

// The same in a given square; inline, since every point of the chart passes
// here.
inline std::optional<TPoint> GammaToPoint(const TRect& square, double re, double im)
{
    return PixelPoint(square.left + square.Width() * (re + 1) * 0.5, square.bottom - square.Height() * (im + 1) * 0.5);
}
