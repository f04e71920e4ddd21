#include "view/document/TraceCommands.h"

#include "model/Trace.h"
#include "view/document/RunInProgress.h"
#include "view/document/ViewState.h"

namespace {

// None, one or more selected traces: 0, 1 or 2. The commands ask no more, and
// a document may hold many thousands of traces.
int SelectedUpToTwo(const CTraces& traces)
{
    int count = 0;
    for (int i = 0; i < traces.Count() && count < 2; ++i) count += traces.Get(i)->Selected ? 1 : 0;
    return count;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

} // namespace

TraceCommandStates TraceCommandsFor(const ViewState* view, bool clipboardHoldsTraces)
{
    if (!view) return {};
    const int selected = SelectedUpToTwo(view->Traces);
    const bool free = !RunIsFilling(*view);
    TraceCommandStates states;
    states.copy = selected > 0;
    states.paste = free && clipboardHoldsTraces;
    states.remove = free && selected > 0;
    states.deleteAll = free && view->Traces.Count() > 0;
    states.rename = selected == 1;
    states.color = selected > 0;
    states.parse = free && selected > 0 && view->HasVipTraces;
    return states;
}

std::string TrimmedTraceName(const std::string& typed)
{
    std::size_t begin = 0;
    std::size_t end = typed.size();
    while (begin < end && IsBlank(typed[begin])) ++begin;
    while (end > begin && IsBlank(typed[end - 1])) --end;
    return typed.substr(begin, end - begin);
}

bool RenameTrace(CTrace& trace, const std::string& typed)
{
    std::string name = TrimmedTraceName(typed);
    if (name.empty()) return false;
    trace.Name = std::move(name);
    return true;
}

TColor FirstSelectedColor(const CTraces& traces)
{
    for (int i = 0; i < traces.Count(); ++i) {
        if (traces.Get(i)->Selected) return traces.Get(i)->Color;
    }
    return 0;
}

void ColorSelectedTraces(CTraces& traces, TColor color)
{
    for (int i = 0; i < traces.Count(); ++i) {
        if (traces.Get(i)->Selected) traces.Get(i)->Color = color;
    }
}
