#pragma once

struct ViewState;

// The position of the Smith chart's track bar (minimum .. maximum) that
// stands for the cursor value `value` within the X range the last drawing of
// the Smith chart showed, logarithmically on a logarithmic X axis. The
// minimum when that range is empty or the value has no logarithm.
int TrackBarPosition(const ViewState& view, double value, int minimum, int maximum);
