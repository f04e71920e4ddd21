#pragma once

#include "model/Color.h"

#include <string>

class CTrace;
class CTraces;
struct ViewState;

// The Traces tab's commands without their window: when each is offered, and
// what rename and recolour do to the traces.

struct TraceCommandStates {
    bool copy = false;
    bool paste = false;
    bool remove = false;
    bool deleteAll = false;
    bool rename = false;
    bool color = false;
    bool parse = false;
};

// Each command needs a window. A run that fills the window appends to its
// last trace and to its point list, so the commands that free, move or add
// traces (remove, delete all, paste, parse) wait for the run to end.
TraceCommandStates TraceCommandsFor(const ViewState* view, bool clipboardHoldsTraces);

// The text typed into the rename dialog without leading and trailing
// characters of code 0 to 32; empty when nothing else is left.
std::string TrimmedTraceName(const std::string& typed);
// The trace takes the trimmed name; false, with the old name kept, when it is
// empty.
bool RenameTrace(CTrace& trace, const std::string& typed);

// The colour of the first selected trace, black when none is.
TColor FirstSelectedColor(const CTraces& traces);
// Every selected trace takes the colour.
void ColorSelectedTraces(CTraces& traces, TColor color);
