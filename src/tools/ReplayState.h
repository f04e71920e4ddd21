#pragma once

class CTrace;

// What the Replay tab knows, without its controls: the trace its scroll bar
// is bound to, the scroll bar, and whether that trace is drawn cut short
// and whether a timed run is going on.
struct ReplayState {
    CTrace* trace = nullptr; // not owned; cleared when the trace goes
    bool partial = false;
    bool running = false;
    bool scrollEnabled = false;
    int position = 0;
    int maximum = 0;
    int largeChange = 1;
};

// Binds the scroll bar to `selected` (the view's single selected trace, or
// null) while the tools window is shown: the same trace keeps its position,
// another one is shown whole and ends a run. Without a window, a trace or points the
// binding is dropped and a run ends.
void BindReplay(ReplayState& state, CTrace* selected, bool windowShown);

// Forgets the trace and binds afresh, with the position at the end.
void RebindReplay(ReplayState& state, CTrace* selected, bool windowShown);

// How many points of `trace` the charts and the data grid show: all of
// them, but for the bound trace while the Replay tab is shown, which shows
// the points up to the position. Records whether that cut it short.
int ReplayDrawLimit(ReplayState& state, const CTrace& trace, bool replayTabShown);

// Whether the replay commands may be used. A run cannot start while a
// measurement run fills the window, which would fight over its drawing.
bool CanRunReplay(const ReplayState& state, bool runFilling);
bool CanStopReplay(const ReplayState& state);
bool CanResetReplay(const ReplayState& state);
