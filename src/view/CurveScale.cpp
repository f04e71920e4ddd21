#include "view/CurveScale.h"

#include "view/CurveValues.h"
#include "view/ViewState.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPhaseRangeOfEqualLimits = 360;

bool Usable(double low, double high) { return std::isfinite(low) && std::isfinite(high) && low != high; }

} // namespace

std::optional<CurveScale> CurveScale::For(const ViewState& view, int curve, const TRect& pane, int margin)
{
    CurveScale scale;
    scale.logX_ = view.HorLog;
    if (view.HorLog) {
        const double left = view.HorLeft[kHorF];
        const double right = view.HorRight[kHorF];
        if (!(left > 0 && right > 0)) return std::nullopt;
        scale.left_ = std::log10(left);
        scale.right_ = std::log10(right);
    } else {
        scale.left_ = view.HorLeft[view.HorMode];
        scale.right_ = view.HorRight[view.HorMode];
    }
    if (!Usable(scale.left_, scale.right_)) return std::nullopt;
    scale.width_ = pane.right;

    const GraphSettings& graph = view.Graphs[view.GraphKind];
    scale.height_ = std::max(0, pane.bottom - pane.top - 2 * margin);
    if (IsPhaseCurve(view.GraphKind, curve)) {
        scale.top_ = graph.PhTop;
        scale.bottom_ = graph.PhBot;
        if (scale.top_ == scale.bottom_) scale.top_ = scale.bottom_ + kPhaseRangeOfEqualLimits;
        scale.middle_ = (pane.top + pane.bottom) / 2.0;
    } else {
        if (graph.Log) {
            if (!(graph.Top > 0 && graph.Bot > 0)) return std::nullopt;
            scale.top_ = 20 * std::log10(graph.Top);
            scale.bottom_ = 20 * std::log10(graph.Bot);
        } else {
            scale.top_ = graph.Top;
            scale.bottom_ = graph.Bot;
        }
        // The upper pane always starts at the top of the chart.
        scale.middle_ = pane.bottom / 2.0;
    }
    if (!Usable(scale.bottom_, scale.top_)) return std::nullopt;
    scale.valueMiddle_ = (scale.top_ + scale.bottom_) / 2;
    scale.columnsPerUnit_ = scale.width_ / (scale.right_ - scale.left_);
    scale.rowsPerUnit_ = scale.height_ / (scale.top_ - scale.bottom_);
    return scale;
}
