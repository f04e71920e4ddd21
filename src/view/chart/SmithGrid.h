#pragma once

#include "view/document/PixelTypes.h"

class CCanvas;
struct ViewState;

// The Smith chart grid of the window's SmithGrid mode in its SmithRect,
// confined to the clip rectangle: the outer circle with the pen, then dots in
// the pen colour spaced evenly in pixels (6 along the table's arcs, 8 along
// axes, spokes and Gamma circles). Mode 0 impedance grid, 1 admittance grid,
// 2 impedance magnitude and phase, 3 polar Gamma; any other mode draws only
// the circle and the real axis. A square without width or height draws
// nothing. The caller sets the pen colour and width.
enum SmithGridMode { kSmithGridImpedance = 0, kSmithGridAdmittance = 1, kSmithGridMagnitudePhase = 2, kSmithGridPolar = 3 };
void DrawSmithGrid(CCanvas& canvas, const ViewState& view, const TRect& clip);
