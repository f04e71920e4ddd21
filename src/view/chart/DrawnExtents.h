#pragma once

struct ViewState;

// The extents of what the last drawing of the Smith chart showed
// (ViewState::DrawnExtents), which the Smith fit and track bar read. A value
// widens an extent only when it lies strictly beyond it.

// Empty extents: largest values -1e99, smallest 1e99.
void ResetDrawnExtents(ViewState& view);
void WidenGammaExtents(ViewState& view, double re, double im);
void WidenXExtents(ViewState& view, double x);
