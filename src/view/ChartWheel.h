#pragma once

#include "view/document/PixelTypes.h"

struct ViewState;

// One turn of the mouse wheel over a chart: its position in chart pixels,
// its delta (negative towards the user, positive away) and the modifier keys.
struct WheelTurn {
    TPoint pointer;
    int delta = 0;
    bool shift = false;
    bool ctrl = false;
};

// What the wheel does to the scales of a window's chart; the window then
// repaints and shows the new scales. False, with nothing changed, when the
// pointer is outside the chart rectangle or the delta is 0. Otherwise the
// scales are first pushed on the undo stack, and the result is true even
// when a limit could not be computed (a logarithm of a limit that is not
// positive): such limits keep their values.
//
// On the Smith chart: Ctrl and Shift pan up and down, Shift alone left and
// right, otherwise it zooms (2/3 or 1.5 of the scale, kept within 0.01 and
// 20) about the reflection coefficient under the pointer. On a rectangular
// chart: no key zooms X about the pointer (to 0.8 or 1.2 of the span), Shift
// pans X by 5 %, Ctrl zooms Y of the pane under the pointer, Ctrl and Shift
// pan it (5 % of the upper pane, 10 % of the phase pane); a logarithmic axis
// zooms and pans its logarithms. New limits are kept only when both lie
// within the bounds of an axis (|x| < 1e20, and above 1e-20 on a
// logarithmic axis).
bool ChartWheel(ViewState& view, const TRect& chart, const WheelTurn& turn);
