#include "view/ScaleUndo.h"

#include "view/ViewState.h"

void ResetScaleUndo(ViewState& view)
{
    if (view.GraphKind != kGraphData) view.ScaleUndoCount = 0;
}
