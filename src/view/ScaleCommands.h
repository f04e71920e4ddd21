#pragma once

struct ViewState;

// The zoom and fit commands of a document window and the Smith chart's
// track bar, as changes of its view state. Each command returns true when it
// changed a scale; false is a refusal that changed nothing, and the caller
// then neither repaints nor refreshes the Screen tab. The caller pushes the
// scales on the undo stack before it calls.
//
// Bounds every command keeps: a linear limit stays within +-1e20, a
// logarithmic one between 1e-20 and 1e20 (exponents -20 .. 20), the Smith
// scale within [0.01, 20]. A logarithmic axis whose limits are not both
// above 0 (a document may carry such limits) is refused rather than given
// limits computed from logarithms that do not exist. A zoom in that would
// leave a span below 1e-12 of the limits' magnitude is refused too: past
// that, every point falls on one pixel and zooming out could not widen the
// limits again.

// X limits of the current HorMode: zoom in halves the span about its middle,
// zoom out doubles it (on a logarithmic axis, the span of the logarithms).
bool ZoomHorizontal(ViewState& view, bool in);
// X limits around the first and the last drawn point of the shown traces,
// with a margin of 5 % of the span on each side; a single X value is
// widened by 1 on each side first.
bool FitHorizontal(ViewState& view);
// Top and Bot of the current kind: zoom in halves the span about its middle;
// zoom out widens a linear span by half and doubles a logarithmic one.
bool ZoomVertical(ViewState& view, bool in);
// Top and Bot around the values of the shown traces, with a 5 % margin;
// refused when there are no values or all are equal.
bool FitVertical(ViewState& view);
// Both fits on a rectangular chart; on the Smith chart the centre and scale
// that show what the last drawing drew (DrawnExtents), refused unless it drew
// an area.
bool FitAll(ViewState& view);
// The Smith scale to 2/3 (in) or 1.5 times (out) within its bounds; the
// centre stays.
bool ZoomSmith(ViewState& view, bool in);
// Scale 1, centred on Gamma 0.
void ResetSmith(ViewState& view);

// The cursor value a position of the Smith track bar stands for, within the
// X range the last drawing of the Smith chart showed (logarithmically with
// HorLog); 0 when a logarithmic range is not above 0. TrackBarPosition() is
// its inverse.
double TrackBarFrequency(const ViewState& view, int position, int minimum, int maximum);
