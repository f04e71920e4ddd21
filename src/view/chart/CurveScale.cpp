#include "view/chart/CurveScale.h"

#include "view/chart/CurveValues.h"
#include "view/document/ViewState.h"

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
    double left = view.HorLeft[view.HorMode];
    double right = view.HorRight[view.HorMode];
    if (view.HorLog) {
        // A logarithmic axis is the frequency axis, whatever HorMode says.
        if (!(view.HorLeft[kHorF] > 0 && view.HorRight[kHorF] > 0)) return std::nullopt;
        left = std::log10(view.HorLeft[kHorF]);
        right = std::log10(view.HorRight[kHorF]);
    }
    if (!Usable(left, right)) return std::nullopt;

    const GraphSettings& graph = view.Graphs[view.GraphKind];
    double top = graph.Top;
    double bottom = graph.Bot;
    if (IsPhaseCurve(view.GraphKind, curve)) {
        top = graph.PhTop;
        bottom = graph.PhBot;
        if (top == bottom) top = bottom + kPhaseRangeOfEqualLimits;
        scale.middle_ = (pane.top + pane.bottom) / 2.0;
    } else {
        if (graph.Log) {
            // Without a positive bottom the decibels of the pane have no
            // scale, and the pane shows no curve.
            if (!(graph.Top > 0 && graph.Bot > 0)) return std::nullopt;
            top = 20 * std::log10(graph.Top);
            bottom = 20 * std::log10(graph.Bot);
        }
        // The upper pane always starts at the top of the chart.
        scale.middle_ = pane.bottom / 2.0;
    }
    if (!Usable(bottom, top)) return std::nullopt;
    scale.left_ = left;
    scale.columnsPerUnit_ = pane.right / (right - left);
    scale.valueMiddle_ = (top + bottom) / 2;
    scale.rowsPerUnit_ = std::max(0, pane.bottom - pane.top - 2 * margin) / (top - bottom);
    return scale;
}
