#include "view/ScaleCommands.h"

#include "model/Trace.h"
#include "view/chart/ChartLayout.h"
#include "view/chart/CurveValues.h"
#include "view/ReplayLimit.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kLinearBound = 1e20;
constexpr double kLogFloor = 1e-20;
constexpr double kExponentBound = 20;
constexpr double kLogZoomInFloor = 1e-15;
constexpr double kRelativeSpanFloor = 1e-12;
constexpr double kFitMargin = 0.05;

// Two limits of an axis, the lower one first (Left and Right, or Bot and Top).
struct Limits {
    double low;
    double high;
};

bool LogPossible(Limits limits) { return limits.low > 0 && limits.high > 0; }

// A zoom in must leave a span that the doubles can still tell apart.
std::optional<Limits> AboveFloor(Limits limits)
{
    const double magnitude = std::max(std::fabs(limits.low), std::fabs(limits.high));
    if (!(limits.high - limits.low > kRelativeSpanFloor * magnitude)) return std::nullopt;
    return limits;
}

// Doubles a span of exponents about its middle, within the exponent bounds.
Limits Doubled(double a, double b, double bound)
{
    const double m = (a + b) / 2;
    double d = b - a;
    if (m - d < -bound) d = m + bound;
    if (m + d > bound) d = bound - m;
    return {m - d, m + d};
}

std::optional<Limits> LogZoom(Limits limits, bool in)
{
    if (!LogPossible(limits)) return std::nullopt;
    const double a = std::log10(limits.low);
    const double b = std::log10(limits.high);
    if (in) {
        if (limits.high - limits.low <= kLogZoomInFloor) return std::nullopt;
        const double q = (b - a) / 4;
        return AboveFloor({std::pow(10.0, a + q), std::pow(10.0, b - q)});
    }
    const Limits exponents = Doubled(a, b, kExponentBound);
    return Limits{std::pow(10.0, exponents.low), std::pow(10.0, exponents.high)};
}

std::optional<Limits> LinearZoomIn(Limits limits)
{
    const double q = (limits.high - limits.low) / 4;
    return AboveFloor({limits.low + q, limits.high - q});
}

// A span of numbers far below the bounds keeps its shape; the bounds then
// cut it as they cut the exponents.
Limits LinearZoomOut(Limits limits) { return Doubled(limits.low, limits.high, kLinearBound); }

// The vertical zoom out widens by half; limits that would pass the bounds
// are refused.
std::optional<Limits> LinearWiden(Limits limits)
{
    const double q = (limits.high - limits.low) / 4;
    const Limits wider{limits.low - q, limits.high + q};
    const auto inside = [](double v) { return std::fabs(v) < kLinearBound; };
    if (!inside(wider.low) || !inside(wider.high)) return std::nullopt;
    return wider;
}

bool Store(std::optional<Limits> limits, double& low, double& high)
{
    if (!limits) return false;
    low = limits->low;
    high = limits->high;
    return true;
}

// The fitted limits with the 5 % margin, on a logarithmic axis in the
// exponents; both stay within the bounds and the lower one below the upper.
std::optional<Limits> WithMargin(Limits limits, bool logarithmic)
{
    Limits result;
    if (logarithmic) {
        limits.low = std::max(limits.low, kLogFloor);
        limits.high = std::max(limits.high, kLogFloor);
        if (limits.high <= limits.low) limits.high = 2 * limits.low;
        const double a = std::log10(limits.low);
        const double b = std::log10(limits.high);
        const double m = kFitMargin * (b - a);
        result = {std::max(std::pow(10.0, a - m), kLogFloor), std::min(std::pow(10.0, b + m), kLinearBound)};
    } else {
        const double m = kFitMargin * (limits.high - limits.low);
        result = {std::max(limits.low - m, -kLinearBound), std::min(limits.high + m, kLinearBound)};
    }
    if (!(result.low < result.high)) return std::nullopt;
    return result;
}

template <typename Visit>
void ForEachShownTrace(const ViewState& view, Visit&& visit)
{
    ForEachDrawnTrace(view, true, [&](CTrace& trace, bool) { visit(trace); });
}

} // namespace

bool ZoomHorizontal(ViewState& view, bool in)
{
    if (view.HorLog) {
        double& left = view.HorLeft[kHorF];
        double& right = view.HorRight[kHorF];
        return Store(LogZoom({left, right}, in), left, right);
    }
    double& left = view.HorLeft[view.HorMode];
    double& right = view.HorRight[view.HorMode];
    const Limits limits{left, right};
    return Store(in ? LinearZoomIn(limits) : LinearZoomOut(limits), left, right);
}

bool ZoomVertical(ViewState& view, bool in)
{
    GraphSettings& graph = view.Graphs[view.GraphKind];
    const Limits limits{graph.Bot, graph.Top};
    if (graph.Log) return Store(LogZoom(limits, in), graph.Bot, graph.Top);
    return Store(in ? LinearZoomIn(limits) : LinearWiden(limits), graph.Bot, graph.Top);
}

bool FitHorizontal(ViewState& view)
{
    Limits range{kNoValue, -kNoValue};
    ForEachShownTrace(view, [&](CTrace& trace) {
        const int n = ReplaySampleLimit(trace);
        double x = 0;
        if (n <= 0) return;
        if (trace.Data.GetPointX(view.HorMode, 0, x)) range.low = std::min(range.low, x);
        if (trace.Data.GetPointX(view.HorMode, n - 1, x)) range.high = std::max(range.high, x);
    });
    if (range.high < range.low) return false;
    if (range.high == range.low) range = {range.low - 1, range.high + 1};
    return Store(WithMargin(range, view.HorLog), view.HorLeft[view.HorMode], view.HorRight[view.HorMode]);
}

bool FitVertical(ViewState& view)
{
    Limits range{kNoValue, -kNoValue};
    ForEachShownTrace(view, [&](CTrace& trace) { GetFitRange(trace, view, range.low, range.high); });
    if (!(range.high > range.low)) return false;
    GraphSettings& graph = view.Graphs[view.GraphKind];
    return Store(WithMargin(range, graph.Log), graph.Bot, graph.Top);
}

bool FitAll(ViewState& view)
{
    if (view.GraphKind == kGraphData) return false;
    if (view.GraphKind != kGraphSmith) {
        const bool horizontal = FitHorizontal(view);
        const bool vertical = FitVertical(view);
        return horizontal || vertical;
    }
    const auto& e = view.DrawnExtents;
    if (!(e[kExtentMaxRe] > e[kExtentMinRe] && e[kExtentMaxIm] > e[kExtentMinIm])) return false;
    view.SmithX = (e[kExtentMaxRe] + e[kExtentMinRe]) / 2;
    view.SmithY = -(e[kExtentMaxIm] + e[kExtentMinIm]) / 2;
    const double scale = std::max((e[kExtentMaxIm] - e[kExtentMinIm]) / 2, (e[kExtentMaxRe] - e[kExtentMinRe]) / 2);
    view.SmithScale = std::clamp(scale, kSmithScaleMin, kSmithScaleMax);
    return true;
}

bool ZoomSmith(ViewState& view, bool in)
{
    const double old = view.SmithScale;
    view.SmithScale = std::clamp(old * (in ? 2.0 / 3.0 : 1.5), kSmithScaleMin, kSmithScaleMax);
    return view.SmithScale != old;
}

void ResetSmith(ViewState& view)
{
    view.SmithScale = 1;
    view.SmithX = 0;
    view.SmithY = 0;
}

double TrackBarFrequency(const ViewState& view, int position, int minimum, int maximum)
{
    if (maximum <= minimum) return 0;
    const double t = static_cast<double>(position - minimum) / (maximum - minimum);
    const double lo = view.DrawnExtents[kExtentMinX];
    const double hi = view.DrawnExtents[kExtentMaxX];
    if (!view.HorLog) return lo + (hi - lo) * t;
    if (!(lo > 0 && hi > 0)) return 0;
    const double a = std::log10(lo);
    return std::pow(10.0, a + (std::log10(hi) - a) * t);
}
