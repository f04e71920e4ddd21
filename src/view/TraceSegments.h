#pragma once

#include "view/CurvePlotter.h"
#include "view/PixelTypes.h"

#include <array>
#include <optional>

class CCanvas;
struct ViewState;

// Pieces shared by the trace drawing of the rectangular charts and of the
// Smith chart.

// The symbol of a data point: a square of half side `size` around it, and
// its entry in the window's marker table with the point's x value.
void DrawPointMarker(ViewState& view, CurvePlotter& plotter, TPoint point, int size, double x);

// The newest segment of a run, or the segment that ends at the replay
// position: the two points' pixels (none for a point that is not drawn).
// The first drawn point gets its symbol and the pen; the second the line
// from it and its symbol. Symbols drawn here have no marker entries.
void DrawSegmentEnds(const ViewState& view, CCanvas& canvas, const std::array<std::optional<TPoint>, 2>& ends);

// The pen of the trace drawing: solid, LineWidth wide (RefWidth for the
// reference trace), in the colour the caller set.
void SetTracePen(CCanvas& canvas, int width);
