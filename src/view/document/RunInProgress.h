#pragma once

struct ViewState;

// A measurement run keeps references to its document window and its trace
// while it lets the event loop run, so that the window stays responsive. Any
// command that could close, replace or free a document window or a trace asks
// here: when its enabling is computed, and again when its handler starts,
// since a click may already be queued when the run begins.

// A run is filling this window.
bool RunIsFilling(const ViewState& view);
// A run is in progress in any window.
bool RunInProgress();

// Marks a window as being filled by a run from construction until End() or
// destruction, whichever comes first; an exception that leaves the run
// cannot leave the window marked.
class RunInProgressScope {
public:
    explicit RunInProgressScope(ViewState& view);
    ~RunInProgressScope();
    RunInProgressScope(const RunInProgressScope&) = delete;
    RunInProgressScope& operator=(const RunInProgressScope&) = delete;

    void End();

private:
    ViewState* view_;
};
