#pragma once

#include "view/document/PixelTypes.h"

#include <array>
#include <string>

struct ViewState;

// What a chart means under the pointer, as the three texts of the status
// bar's readout panels (each begins with a blank; empty clears a panel).
// `client` is the chart rectangle from (0, 0).
//
// Empty when `show` is false, when the chart has no plot height, and on
// "Data", "V/I/phase" and "P". On the Smith chart panels 0 and 1 hold, by
// StatusSmithReadout, R and X, |Z| and its phase, Gamma's real and imaginary
// parts, |Gamma| and its phase, or the VSWR, and stay empty where the
// quantity is not defined (the impedance at Gamma = 1, the VSWR at
// |Gamma| = 1, a square without width or height). On a rectangular chart
// panel 0 holds X, panel 1 the upper pane's Y above the divider of a
// separate phase pane (only " Z = " and " G = " on a logarithmic axis) and
// panel 2 the phase where a phase scale is shown; a pane without a height
// leaves its panel empty. Values are not limited to the axis ranges.
std::array<std::string, 3> PointInfoTexts(const ViewState& view, const TRect& client, bool show, TPoint pointer);

// The pointer's shape over a chart.
enum class PointerShape {
    Keep,          // not changed
    DividerSplit,  // over the divider of a separate phase pane
    OpenHand,      // the hand tool
    ClosedHand,    // the hand tool while panning
    CursorGrab,    // over the cursor line
    Arrow,
};
PointerShape PaintBoxPointerShape(const ViewState& view, TPoint pointer);
