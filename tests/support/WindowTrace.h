#pragma once

#include "FakeView.h"
#include "model/Trace.h"

#include <memory>

// One trace in the trace list of a window reduced to its display transform,
// so that its points read as that window shows them.
struct WindowTrace {
    FakeView view;
    CTraces traces;
    CTrace* trace;

    WindowTrace()
    {
        traces.Owner = &view;
        auto owned = std::make_unique<CTrace>();
        trace = owned.get();
        traces.Add(std::move(owned));
    }
    CData& data() { return trace->Data; }
};
