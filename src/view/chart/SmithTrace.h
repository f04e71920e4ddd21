#pragma once

#include "view/canvas/CurvePlotter.h"
#include "view/document/PixelTypes.h"

class CCanvas;
class CTrace;
struct ViewState;

// A trace on the Smith chart: each point at its Gamma against the window's
// Z0 in the window's SmithRect, confined to the chart rectangle. The drawing
// widens the window's DrawnExtents by what it shows.

// The whole curve of the shown points in the pen colour the caller set, or
// in a colour ramp from blue to magenta along the trace under the settings'
// gradient (not in the black and white scheme, nor for a dimmed trace). A
// point with R = X = 0 (nothing measured) and a point without a Gamma lift
// the pen. With ShowDataPoints, points within 3 pixels of the last drawn one
// are held back and each drawn point gets its symbol and marker entry;
// without, only points on the very pixel of the last one are left out. Then
// the match points and, unless dimmed and while ShowMatchTime is on, the
// transitions.
void DrawSmithCurve(CTrace& trace, ViewState& view, CCanvas& canvas, bool dimmed, const TRect& chart,
                    DrawingPath path = DrawingPath::Fast);

// The segment between the last two points, during a run; a point with
// R = X = 0 is drawn like any other here. Returns the area it may have
// changed.
TRect DrawSmithRunSegment(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart);

// The segment from point index - 1 to point index, during a replay.
void DrawSmithReplayMarker(CTrace& trace, int index, ViewState& view, CCanvas& canvas, const TRect& chart);

// The reference trace: always a line Settings.RefWidth wide, without symbols, and its
// match points.
void DrawSmithReference(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart,
                        DrawingPath path = DrawingPath::Fast);

// The trace's marker at the cursor value x: a square drawn in XOR over the
// chart, so that drawing it again erases it. With `recompute` the marker is
// first placed on the trace's point at x (hidden when x lies before the
// first point or beyond the last, or the point has no Gamma); without, it is
// drawn where it was.
void DrawSmithCursorMarker(CTrace& trace, ViewState& view, CCanvas& canvas, bool recompute, double x);
