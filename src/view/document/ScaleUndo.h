#pragma once

struct ViewState;

// The undo stack of scales of a document window: every change of its scales
// first pushes what the chart kind shown looks like, and the undo command
// pops it back. At most 20 states are kept, the oldest dropped. The "Data"
// kind has no scales and leaves the stack alone.

// Keeps the current HorMode with its X limits, the current kind's Y and phase
// limits, logarithmic flags and phase mode, and the Smith chart's centre and
// scale as the newest state.
void PushScaleUndo(ViewState& view);
// Writes the newest state back (the X limits into its HorMode, the rest into
// the current kind) and drops it; nothing when the stack is empty.
void PopScaleUndo(ViewState& view);
// Empties the stack, as a change of the chart kind does.
void ResetScaleUndo(ViewState& view);
