#pragma once

struct ViewState;

// Empties the undo stack of scales, as a change of the chart kind does; the
// "Data" kind has no scales and leaves the stack alone.
void ResetScaleUndo(ViewState& view);
