#include "tools/ReplayState.h"

#include "model/Trace.h"

#include <algorithm>

namespace {

void Unbind(ReplayState& state)
{
    state.trace = nullptr;
    state.scrollEnabled = false;
    state.running = false;
}

} // namespace

void BindReplay(ReplayState& state, CTrace* selected, bool windowShown)
{
    if (!windowShown || !selected) return Unbind(state);
    if (selected == state.trace) return;
    const int n = selected->Data.Count();
    if (n < 1) return Unbind(state);
    state.trace = selected;
    state.running = false;
    state.scrollEnabled = true;
    state.maximum = n - 1;
    state.largeChange = std::max(n / 8, 1);
    state.position = state.maximum;
}

void RebindReplay(ReplayState& state, CTrace* selected, bool windowShown)
{
    state.trace = nullptr;
    BindReplay(state, selected, windowShown);
}

int ReplayDrawLimit(ReplayState& state, const CTrace& trace, bool replayTabShown)
{
    const int n = trace.Data.Count();
    if (&trace != state.trace || !replayTabShown) return n;
    const int limit = std::clamp(state.position + 1, 0, n);
    state.partial = limit < n;
    return limit;
}

bool CanRunReplay(const ReplayState& state, bool runFilling) { return state.partial && !state.running && !runFilling; }

bool CanStopReplay(const ReplayState& state) { return state.partial && state.running; }

bool CanResetReplay(const ReplayState& state) { return state.trace && state.position >= 1 && !state.running; }
