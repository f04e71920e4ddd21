#pragma once

#include "model/Color.h"
#include "view/canvas/CurvePlotter.h"
#include "view/document/PixelTypes.h"

#include <span>

class CCanvas;
class CTrace;
struct ViewState;

// A trace on a rectangular chart: one curve (CurveValues.h) in its pane, in
// the pen colour the caller set, confined to the pane. `margin` pixels stay
// free at the top and the bottom of the pane (the chart passes its text row
// height).

// The whole curve of the shown points, from the point before the left edge
// to the first one drawn beyond the right edge. A gap lifts the pen. Points
// closer than 3 pixels to the last drawn one are held back and only the last
// of such a run is drawn, so the segments are bounded by the curve's length
// in pixels. With ShowDataPoints each drawn point gets its symbol and its
// entry in the window's marker table.
void DrawCurve(CTrace& trace, ViewState& view, int curve, CCanvas& canvas, const TRect& pane, int margin,
               DrawingPath path = DrawingPath::Fast);

// One curve of a trace to draw, in its colour and pane.
struct CurveToDraw {
    int curve = 0;
    TColor color = 0;
    TRect pane;
};

// Curves of one trace, one after the other, each as DrawCurve draws it in
// its colour. On the fast path the points of curves that share a pane are
// read once for all of them: each curve has its own plotter, and the
// plotters paint in the order of the curves, so the pixels are the same.
void DrawCurves(CTrace& trace, ViewState& view, std::span<const CurveToDraw> curves, CCanvas& canvas, int margin,
                DrawingPath path = DrawingPath::Fast);

// The segment between the last two points of the trace, during a run; returns
// the area it may have changed.
TRect DrawRunSegment(CTrace& trace, ViewState& view, int curve, CCanvas& canvas, const TRect& pane, int margin);

// The segment from point index - 1 to point index, during a replay.
void DrawReplayMarker(CTrace& trace, int index, ViewState& view, int curve, CCanvas& canvas, const TRect& pane,
                      int margin);
