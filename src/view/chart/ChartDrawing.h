#pragma once

#include "view/canvas/CurvePlotter.h"
#include "view/document/PixelTypes.h"

class CCanvas;
struct ViewState;

// The whole chart of a window's chart kind onto a canvas over the chart
// rectangle (left and top 0), in this order: the background; on the Smith
// chart the colour ramp of the gradient, the grid, the reference trace, the
// traces, and the cursor markers while the cursor table is shown; on a
// rectangular chart the divider of a separate phase pane, the grids, the
// legend, the traces' curves, and the cursor line while the cursor table is
// shown. Rewrites what the mouse and the fits read until the next drawing:
// RowHeight, PlotHeight, SmithRect, DividerY, CursorPixel, DrawnExtents, and
// empties the marker table until EnsureMarkerRects builds it.
void DrawChartContent(ViewState& view, CCanvas& canvas, const TRect& chart, DrawingPath path = DrawingPath::Fast);

// The marker table of the last drawing (MarkerRects.h), built when a
// drawing has left it to be built: by the same walk along the curves over
// the same chart rectangle, painting nothing. The mouse calls it before it
// searches the table; the state must not have changed since the drawing.
void EnsureMarkerRects(ViewState& view);

// The legend of a rectangular chart at its top right corner: a colour box
// and a caption per curve ("R", "X"; "Re", "Im"; "V", "I" and "Phase" while
// the phase shares the pane; "Mag" and "Phase" while it shares the pane).
void DrawLegend(const ViewState& view, CCanvas& canvas, const TRect& chart);
