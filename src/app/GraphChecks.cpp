#include "app/GraphChecks.h"

#include "view/document/ViewState.h"

void EnforceGraphChecks(GraphChecks& checks, bool hasVipTraces)
{
    checks[kGraphData] = true;
    checks[kGraphSmith] = true;
    if (!hasVipTraces) {
        checks[kGraphVip] = false;
        checks[kGraphPower] = false;
    }
}

int FirstChangedKind(const GraphChecks& checks, const ViewState& view)
{
    for (int kind = 0; kind < kGraphKindCount; ++kind) {
        if (checks[kind] != view.Graphs[kind].Visible) return kind;
    }
    return -1;
}
