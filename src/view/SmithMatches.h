#pragma once

#include "view/PixelTypes.h"

class CCanvas;
class CTrace;
struct ViewState;

// What the analysis tools found on a trace, shown on the Smith chart in the
// current pen.

// A circle of twice PointSize around each match point whose R and X are both
// set (strictly within +-1e90) and have a Gamma, with its number 1 to 4, or
// "Center (R=...; X=...)" for the fifth, beside it while ShowMatchNumbers is
// on; the text takes the pen's colour.
void DrawMatchPoints(CTrace& trace, ViewState& view, CCanvas& canvas);

// The transitions between match points, up to the first slot without one: a
// circle at the Gamma stored for each end, a line of text at the right edge
// of the chart ("1->3:  250e-3" with the transition time) and the trajectory
// of the trace from the transition's first to its last point. A slot that
// names a match point beyond the five, which only a damaged document holds,
// is left out, and the trajectory keeps to the points the trace has.
void DrawMatchTransitions(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart);
