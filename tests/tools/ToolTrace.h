#pragma once

#include "FakeView.h"
#include "model/Trace.h"

#include <memory>

// One trace in the trace list of a window reduced to its display transform,
// so the tools read its points as that window shows them.
struct ToolTrace {
    FakeView view;
    CTraces traces;
    CTrace* trace;

    ToolTrace()
    {
        traces.Owner = &view;
        auto owned = std::make_unique<CTrace>();
        trace = owned.get();
        traces.Add(std::move(owned));
    }
    CData& data() { return trace->Data; }
};
