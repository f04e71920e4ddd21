#pragma once

#include "model/Settings.h"
#include "view/document/PixelTypes.h"
#include "view/document/ViewState.h"

#include <vector>

class CCanvas;

// What every drawing of a chart, whole or by increments, lays out the same
// way: the chart font, the panes and the curves of each chart kind.

// The chart font (Settings.GraphFont at twice its size, in the "Text" colour) on the
// canvas, and RowHeight from it.
void SetChartFont(ViewState& view, CCanvas& canvas);

// The upper pane and the phase pane of a rectangular chart: both the whole
// chart, except with a separate phase pane, where the upper one ends 2
// pixels above DividerY (set here from the kind's Divider) and the phase
// pane begins 2 pixels below it.
struct ChartPanes {
    TRect upper;
    TRect phase;
};
ChartPanes ArrangePanes(ViewState& view, const TRect& chart);

// One curve of a rectangular chart kind and its colour.
struct ChartCurve {
    int curve = 0;
    ColorKind color = kColorTrace1;
    bool ownColor = false; // the trace's own colour instead
    bool phasePane = false;
};

// Whose colour "VSWR" draws in: the trace's own, except during a replay.
enum class VswrColor { Own, Trace1 };

// The curves of a rectangular kind: the values in "Trace 1" and "Trace 2",
// the phase curve (only while the kind's phase is shown) in "Phase".
std::vector<ChartCurve> ChartCurves(const ViewState& view, VswrColor vswr = VswrColor::Own);

// The traces of the two passes of a chart drawing: first, only when
// TraceMode is 1, the unselected ones (to be dimmed); then the selected ones,
// or every trace when TraceMode is 2. A rectangular chart on the time axis
// leaves out the traces without time stamps.
template <typename Draw>
void ForEachDrawnTrace(const ViewState& view, bool rectangular, Draw&& draw);

template <typename Draw>
void ForEachDrawnTrace(const ViewState& view, bool rectangular, Draw&& draw)
{
    const auto shown = [&](const CTrace& trace) { return !(rectangular && view.HorMode == kHorT && !trace.Time); };
    const CTraces& traces = view.Traces;
    if (view.TraceMode == 1) {
        for (int i = 0; i < traces.Count(); ++i) {
            CTrace& trace = *traces.Get(i);
            if (!trace.Selected && shown(trace)) draw(trace, true);
        }
    }
    for (int i = 0; i < traces.Count(); ++i) {
        CTrace& trace = *traces.Get(i);
        if ((view.TraceMode == 2 || trace.Selected) && shown(trace)) draw(trace, false);
    }
}
