#pragma once

#include "model/Color.h"

#include <string>
#include <vector>

class CTraces;

// What the control window's trace list shows of a document's traces, and its
// selection as runs of neighbouring rows: a list of thousands of traces is
// selected, and read back, in one step per run rather than one per row.

// Rows first to last, both included.
struct RowRun {
    int first = 0;
    int last = 0;
    bool operator==(const RowRun&) const = default;
};

struct TraceListRow {
    std::string name;
    TColor color = 0;
};

struct TraceListRows {
    std::vector<TraceListRow> rows;
    std::vector<RowRun> selected; // in list order
};

// The rows and the runs of selected traces, gathered in one pass: the traces
// of a big document lie far apart in memory, and every pass over them costs.
TraceListRows TraceListRowsOf(const CTraces& traces);

// The first `rows` traces (at most all of them) are selected exactly when
// their row lies in one of the runs; runs may come in any order, overlap, or
// reach past the end. Traces from `rows` on keep their flags.
void SelectRuns(CTraces& traces, int rows, const std::vector<RowRun>& runs);
