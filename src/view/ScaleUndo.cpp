#include "view/ScaleUndo.h"

#include "view/ViewState.h"

#include <algorithm>

void PushScaleUndo(ViewState& view)
{
    if (view.GraphKind == kGraphData) return;
    if (view.ScaleUndoCount == kScaleUndoDepth) {
        std::move(view.ScaleUndo.begin() + 1, view.ScaleUndo.end(), view.ScaleUndo.begin());
        --view.ScaleUndoCount;
    }
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    ScaleState& state = view.ScaleUndo[view.ScaleUndoCount++];
    state.HorMode = view.HorMode;
    state.Left = view.HorLeft[view.HorMode];
    state.Right = view.HorRight[view.HorMode];
    state.Top = graph.Top;
    state.Bot = graph.Bot;
    state.PhTop = graph.PhTop;
    state.PhBot = graph.PhBot;
    state.SmithX = view.SmithX;
    state.SmithY = view.SmithY;
    state.SmithScale = view.SmithScale;
    state.HorLog = view.HorLog;
    state.Log = graph.Log;
    state.Phase = graph.Phase;
}

void PopScaleUndo(ViewState& view)
{
    if (view.GraphKind == kGraphData || view.ScaleUndoCount == 0) return;
    const ScaleState& state = view.ScaleUndo[--view.ScaleUndoCount];
    view.HorMode = state.HorMode;
    view.HorLeft[state.HorMode] = state.Left;
    view.HorRight[state.HorMode] = state.Right;
    GraphSettings& graph = view.Graphs[view.GraphKind];
    graph.Top = state.Top;
    graph.Bot = state.Bot;
    graph.PhTop = state.PhTop;
    graph.PhBot = state.PhBot;
    graph.Log = state.Log;
    graph.Phase = state.Phase;
    view.HorLog = state.HorLog;
    view.SmithX = state.SmithX;
    view.SmithY = state.SmithY;
    view.SmithScale = state.SmithScale;
}

void ResetScaleUndo(ViewState& view)
{
    if (view.GraphKind != kGraphData) view.ScaleUndoCount = 0;
}
