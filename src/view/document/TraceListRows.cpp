#include "view/document/TraceListRows.h"

#include "model/Trace.h"

#include <algorithm>

TraceListRows TraceListRowsOf(const CTraces& traces)
{
    TraceListRows list;
    list.rows.reserve(static_cast<std::size_t>(traces.Count()));
    for (int i = 0; i < traces.Count(); ++i) {
        const CTrace& trace = *traces.Get(i);
        list.rows.push_back({trace.Name, trace.Color});
        if (!trace.Selected) continue;
        if (!list.selected.empty() && list.selected.back().last == i - 1) list.selected.back().last = i;
        else list.selected.push_back({i, i});
    }
    return list;
}

void SelectRuns(CTraces& traces, int rows, const std::vector<RowRun>& runs)
{
    const int count = std::min(rows, traces.Count());
    for (int i = 0; i < count; ++i) traces.Get(i)->Selected = false;
    for (const RowRun& run : runs) {
        for (int i = std::max(run.first, 0); i <= std::min(run.last, count - 1); ++i) traces.Get(i)->Selected = true;
    }
}
