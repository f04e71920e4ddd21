#include "view/document/RunInProgress.h"

#include "view/document/ViewState.h"

namespace {

// How many windows runs are filling; a count rather than a flag, so that the
// answer stays right however the scopes of runs nest.
int runsUnderWay = 0;

} // namespace

bool RunIsFilling(const ViewState& view) { return view.Busy; }

bool RunInProgress() { return runsUnderWay > 0; }

RunInProgressScope::RunInProgressScope(ViewState& view) : view_(&view)
{
    view.Busy = true;
    ++runsUnderWay;
}

RunInProgressScope::~RunInProgressScope() { End(); }

void RunInProgressScope::End()
{
    if (!view_) return;
    view_->Busy = false;
    --runsUnderWay;
    view_ = nullptr;
}
