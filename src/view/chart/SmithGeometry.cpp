#include "view/chart/SmithGeometry.h"

#include "model/Gamma.h"
#include "view/canvas/DrawLimits.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <cmath>

namespace {

// The square may reach far beyond the chart when zoomed in or panned away;
// its edges are kept where their differences still fit an int.
constexpr int kSquareEdgeLimit = 1 << 28;

double SafeScale(double scale)
{
    if (std::isnan(scale)) return 1;
    return std::clamp(scale, kSmithScaleMin, kSmithScaleMax);
}

double SafeOffset(double offset) { return std::isnan(offset) ? 0 : offset; }

} // namespace

bool GammaFromZ(const ViewState& view, double R, double X, double& re, double& im)
{
    return GammaFromZ(R, X, view.Z0Re, view.Z0Im, re, im);
}

bool VswrFromZ(const ViewState& view, double R, double X, double& vswr)
{
    double re = 0;
    double im = 0;
    if (!GammaFromZ(view, R, X, re, im)) return false;
    const double m = std::sqrt(re * re + im * im);
    if (m == 1) return false;
    vswr = (1 + m) / (1 - m);
    return true;
}

TRect SmithSquare(const ViewState& view, const TRect& chart)
{
    const double shorter = std::min(chart.Width(), chart.Height());
    const int side = TruncateToPixel(shorter / SafeScale(view.SmithScale) * 0.9, 0, kSquareEdgeLimit).value_or(0);
    const int mx = (chart.left + chart.right) / 2;
    const int my = (chart.top + chart.bottom) / 2;
    TRect square;
    // An empty square with an infinite offset has no position: it stays at
    // the middle.
    square.left = TruncateToPixel(mx - side * (1 + SafeOffset(view.SmithX)) / 2, -kSquareEdgeLimit, kSquareEdgeLimit)
                      .value_or(mx);
    square.top = TruncateToPixel(my - side * (1 + SafeOffset(view.SmithY)) / 2, -kSquareEdgeLimit, kSquareEdgeLimit)
                     .value_or(my);
    square.right = square.left + side;
    square.bottom = square.top + side;
    return square;
}

std::optional<TPoint> GammaToPoint(const ViewState& view, double re, double im)
{
    return GammaToPoint(view.SmithRect, re, im);
}
