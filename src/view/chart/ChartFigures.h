#pragma once

#include "view/document/PixelTypes.h"

class CCanvas;
struct ViewState;

// Figures of a chart that the mouse moves without a repaint, and the divider
// bar they move.

// The bar between the upper pane and the separate phase pane, at DividerY:
// a grey line 5 pixels wide with a light edge above and a dark one below.
void DrawDivider(const ViewState& view, CCanvas& canvas, const TRect& chart);

// Inverts the rows DividerY - 2 to DividerY + 1 across the chart, the
// feedback while the divider is dragged; inverting again restores them.
void InvertDividerBand(const ViewState& view, CCanvas& canvas, const TRect& chart);

// The frequency cursor at column CursorPixel: a line with a diamond head in
// XOR, with arrows at the border it lies beyond; drawing it again erases it.
void DrawCursorLine(const ViewState& view, CCanvas& canvas, const TRect& chart);

// The Smith chart's cursor markers of the drawn traces in XOR: the dimmed
// traces' in "Dimmed", the others' in "Smith cursor". With `recompute` each
// marker is first placed at the cursor value x.
void DrawCursorMarkers(ViewState& view, CCanvas& canvas, bool recompute, double x);
