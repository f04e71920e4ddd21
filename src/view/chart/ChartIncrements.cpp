#include "view/chart/ChartIncrements.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartLayout.h"
#include "view/chart/RunScreenPace.h"
#include "view/chart/SmithTrace.h"
#include "view/chart/TraceCurve.h"
#include "view/document/ViewState.h"

namespace {

// One segment in each curve of the chart kind: `smith` on the Smith chart,
// `curve` for each curve of a rectangular chart.
template <typename Smith, typename Curve>
void DrawSegments(ViewState& view, CTrace& trace, VswrColor vswr, CCanvas& canvas, const TRect& chart, Smith&& smith,
                  Curve&& curve)
{
    SetChartFont(view, canvas);
    const ChartPanes panes = ArrangePanes(view, chart);
    if (view.GraphKind == kGraphSmith) {
        smith();
        return;
    }
    for (const ChartCurve& drawn : ChartCurves(view, vswr)) {
        canvas.SetPenColor(drawn.ownColor ? trace.Color : SchemeColor(drawn.color));
        curve(drawn.curve, drawn.phasePane ? panes.phase : panes.upper);
    }
}

} // namespace

TRect DrawRunSegments(ViewState& view, CCanvas& canvas, const TRect& chart)
{
    const int count = view.Traces.Count();
    if (count == 0 || !view.Traces.Get(count - 1)->Selected) return {};
    CTrace& trace = *view.Traces.Get(count - 1);
    TRect changed;
    DrawSegments(
        view, trace, VswrColor::Own, canvas, chart,
        [&] {
            canvas.SetPenColor(SchemeColor(kColorTrace1));
            changed = DrawSmithRunSegment(trace, view, canvas, chart);
        },
        [&](int curve, const TRect& pane) {
            changed = UniteRects(changed, DrawRunSegment(trace, view, curve, canvas, pane, view.RowHeight));
        });
    return changed;
}

void DrawReplaySegments(ViewState& view, CTrace* replayed, int index, CCanvas& canvas, const TRect& chart)
{
    if (!replayed || index >= replayed->Data.Count()) return;
    CTrace& trace = *replayed;
    DrawSegments(
        view, trace, VswrColor::Trace1, canvas, chart,
        [&] {
            canvas.SetPenColor(trace.Color);
            DrawSmithReplayMarker(trace, index, view, canvas, chart);
        },
        [&](int curve, const TRect& pane) {
            DrawReplayMarker(trace, index, view, curve, canvas, pane, view.RowHeight);
        });
}
