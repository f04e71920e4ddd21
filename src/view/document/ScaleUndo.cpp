#include "view/document/ScaleUndo.h"

#include "view/document/ViewState.h"

#include <algorithm>

namespace {

// Hands each scale of a state to `pair` with the view's own: HorMode first,
// so that the X limits are those of the HorMode the state holds once it is
// written back.
template <typename Pair>
void PairScales(ScaleState& state, ViewState& view, Pair&& pair)
{
    pair(state.HorMode, view.HorMode);
    pair(state.Left, view.HorLeft[view.HorMode]);
    pair(state.Right, view.HorRight[view.HorMode]);
    GraphSettings& graph = view.Graphs[view.GraphKind];
    pair(state.Top, graph.Top);
    pair(state.Bot, graph.Bot);
    pair(state.PhTop, graph.PhTop);
    pair(state.PhBot, graph.PhBot);
    pair(state.Log, graph.Log);
    pair(state.Phase, graph.Phase);
    pair(state.HorLog, view.HorLog);
    pair(state.SmithX, view.SmithX);
    pair(state.SmithY, view.SmithY);
    pair(state.SmithScale, view.SmithScale);
}

} // namespace

void PushScaleUndo(ViewState& view)
{
    if (view.GraphKind == kGraphData) return;
    if (view.ScaleUndoCount == kScaleUndoDepth) {
        std::move(view.ScaleUndo.begin() + 1, view.ScaleUndo.end(), view.ScaleUndo.begin());
        --view.ScaleUndoCount;
    }
    PairScales(view.ScaleUndo[view.ScaleUndoCount++], view, [](auto& kept, const auto& shown) { kept = shown; });
}

void PopScaleUndo(ViewState& view)
{
    if (view.GraphKind == kGraphData || view.ScaleUndoCount == 0) return;
    PairScales(view.ScaleUndo[--view.ScaleUndoCount], view, [](const auto& kept, auto& shown) { shown = kept; });
}

void ResetScaleUndo(ViewState& view)
{
    if (view.GraphKind != kGraphData) view.ScaleUndoCount = 0;
}
