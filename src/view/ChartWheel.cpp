#include "view/ChartWheel.h"

#include "view/chart/AxisMath.h"
#include "view/document/ScaleUndo.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kLimitBound = 1e20;
constexpr double kLogLimitFloor = 1e-20;
constexpr double kZoomStep = 0.2;
constexpr double kSmithPanStep = 0.1;

// Two axis limits in the axis's own measure: their logarithms on a
// logarithmic axis.
struct Span {
    double low;
    double high;
};

// The span shrunk to 0.8 (k = -0.2) or grown to 1.2 (k = 0.2) times about p.
Span Zoomed(Span span, double p, double k) { return {span.low - (p - span.low) * k, span.high - (p - span.high) * k}; }

// The span moved by a share of itself.
Span Panned(Span span, double share)
{
    const double move = (span.high - span.low) * share;
    return {span.low + move, span.high + move};
}

// A pair of limits of the view, read and written in the measure of their
// axis; a new pair is stored only when both are fit for the axis.
class AxisLimits {
public:
    AxisLimits(double& low, double& high, bool logarithmic) : low_(low), high_(high), log_(logarithmic) {}

    double Measure(double value) const { return log_ ? std::log10(value) : value; }
    Span Measured() const { return {Measure(low_), Measure(high_)}; }

    void Store(Span span)
    {
        const std::optional<double> low = Limit(span.low);
        const std::optional<double> high = Limit(span.high);
        if (!low || !high) return;
        low_ = *low;
        high_ = *high;
    }

private:
    std::optional<double> Limit(double measure) const
    {
        const double value = log_ ? std::pow(10.0, measure) : measure;
        if (!(value > -kLimitBound && value < kLimitBound)) return std::nullopt;
        if (log_ && !(value > kLogLimitFloor)) return std::nullopt;
        return value;
    }

    double& low_;
    double& high_;
    bool log_;
};

void SmithWheel(ViewState& view, const WheelTurn& turn)
{
    const TRect& square = view.SmithRect;
    const double gx = 2.0 * (turn.pointer.x - square.left) / square.Width() - 1;
    const double gy = 2.0 * (square.bottom - turn.pointer.y) / square.Height() - 1;
    const bool towards = turn.delta < 0;
    if (turn.ctrl && turn.shift) {
        view.SmithY += (towards ? kSmithPanStep : -kSmithPanStep) * view.SmithScale;
    } else if (turn.shift) {
        view.SmithX += (towards ? -kSmithPanStep : kSmithPanStep) * view.SmithScale;
    } else {
        const double old = view.SmithScale;
        const double scale = std::clamp(old * (towards ? 2.0 / 3.0 : 1.5), kSmithScaleMin, kSmithScaleMax);
        // The reflection coefficient under the pointer stays where it is.
        const double x = (view.SmithX - gx) * scale / old + gx;
        const double y = (view.SmithY + gy) * scale / old - gy;
        if (!std::isfinite(scale) || !std::isfinite(x) || !std::isfinite(y)) return;
        view.SmithScale = scale;
        view.SmithX = x;
        view.SmithY = y;
    }
}

void HorizontalWheel(ViewState& view, const TRect& chart, const WheelTurn& turn, double k)
{
    AxisLimits limits(view.HorLeft[view.HorMode], view.HorRight[view.HorMode], view.HorLog);
    // A logarithmic axis is the frequency axis, whatever HorMode says.
    AxisLimits frequency(view.HorLeft[kHorF], view.HorRight[kHorF], true);
    const AxisLimits& measured = view.HorLog ? frequency : limits;
    const Span span = measured.Measured();
    if (turn.shift) {
        limits.Store(Panned(span, turn.delta < 0 ? -0.05 : 0.05));
        return;
    }
    limits.Store(Zoomed(span, measured.Measure(PixelToX(view, turn.pointer.x, chart.right)), k));
}

void VerticalWheel(ViewState& view, const TRect& chart, const WheelTurn& turn, double k)
{
    GraphSettings& graph = view.Graphs[view.GraphKind];
    if (!turn.shift && view.PlotHeight <= 0) return;
    const int my = turn.pointer.y;
    const bool separate = graph.Phase == kPhaseSeparate;
    if (separate && my == view.DividerY) return;
    const bool towards = turn.delta < 0;
    if (separate && my > view.DividerY) {
        AxisLimits phase(graph.PhBot, graph.PhTop, false);
        const Span span = phase.Measured();
        if (turn.shift) {
            phase.Store(Panned(span, towards ? -0.1 : 0.1));
            return;
        }
        const double h = chart.bottom - 2 * view.RowHeight - view.DividerY;
        phase.Store(Zoomed(span, span.high + (my - view.DividerY - view.RowHeight) * (span.low - span.high) / h, k));
        return;
    }
    AxisLimits upper(graph.Bot, graph.Top, graph.Log);
    const Span span = upper.Measured();
    if (turn.shift) {
        upper.Store(Panned(span, towards ? -0.05 : 0.05));
        return;
    }
    const double h = separate ? view.PlotHeight + view.DividerY - chart.bottom - 2 : view.PlotHeight;
    upper.Store(Zoomed(span, span.high + (my - view.RowHeight) * (span.low - span.high) / h, k));
}

} // namespace

bool ChartWheel(ViewState& view, const TRect& chart, const WheelTurn& turn)
{
    const TPoint p = turn.pointer;
    if (p.x < chart.left || p.x > chart.right || p.y < chart.top || p.y > chart.bottom) return false;
    if (turn.delta == 0) return false;
    PushScaleUndo(view);
    if (view.GraphKind == kGraphSmith) {
        SmithWheel(view, turn);
    } else if (turn.ctrl) {
        VerticalWheel(view, chart, turn, turn.delta < 0 ? -kZoomStep : kZoomStep);
    } else {
        HorizontalWheel(view, chart, turn, turn.delta < 0 ? -kZoomStep : kZoomStep);
    }
    return true;
}
