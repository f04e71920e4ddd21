#pragma once

#include "model/MatchSlots.h"
#include "view/document/PixelTypes.h"

#include <string>
#include <vector>

class CCanvas;
class CData;
class CTrace;
struct ViewState;

// What the analysis tools found on a trace, shown on the Smith chart in the
// current pen.

// A circle of twice Settings.PointSize around each match point whose R and X are both
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

// The label beside a match point: its number 1 to 4, or for the fifth slot
// "Center (R=" R "; X=" X ")" with Settings.TableDataDigits digits.
std::string MatchPointLabel(int slot, const MatchPoint& match);

// The line of text of a transition: "1->3:  " and its time with 3 digits.
std::string TransitionLabel(const MatchTransition& transition);

// The transition slots that are drawn, in order: up to the first without a
// first match point, leaving out slots that name a match point beyond the
// five. The last one shows only its first end when it has no second match
// point, and the drawing ends there.
struct ShownTransition {
    int slot = 0;
    bool bothEnds = true;
};
std::vector<ShownTransition> ShownTransitions(const CData& data);
