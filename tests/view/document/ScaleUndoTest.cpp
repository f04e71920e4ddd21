#include "view/document/ScaleUndo.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

namespace {

// Every scale a state keeps, set from one number.
void SetScales(ViewState& view, double n)
{
    GraphSettings& graph = view.Graphs[view.GraphKind];
    view.HorLeft[view.HorMode] = n;
    view.HorRight[view.HorMode] = n + 1;
    graph.Top = n + 2;
    graph.Bot = n + 3;
    graph.PhTop = n + 4;
    graph.PhBot = n + 5;
    view.SmithX = n + 6;
    view.SmithY = n + 7;
    view.SmithScale = n + 8;
}

double ScalesNumber(const ViewState& view) { return view.HorLeft[view.HorMode]; }

TEST(ScaleUndo, APopRestoresEveryScaleThePushKept)
{
    ViewState view;
    view.GraphKind = kGraphZMagPhase;
    SetScales(view, 10);
    view.HorLog = true;
    view.Graphs[kGraphZMagPhase].Log = true;
    view.Graphs[kGraphZMagPhase].Phase = kPhaseOn;
    PushScaleUndo(view);

    SetScales(view, 50);
    view.HorLog = false;
    view.Graphs[kGraphZMagPhase].Log = false;
    view.Graphs[kGraphZMagPhase].Phase = kPhaseOff;
    view.HorMode = kHorT;
    view.HorLeft[kHorT] = 123;
    PopScaleUndo(view);

    EXPECT_EQ(view.ScaleUndoCount, 0);
    EXPECT_EQ(view.HorMode, kHorF);
    EXPECT_EQ(view.HorLeft[kHorF], 10);
    EXPECT_EQ(view.HorRight[kHorF], 11);
    EXPECT_EQ(view.HorLeft[kHorT], 123); // another HorMode's limits stay
    const GraphSettings& graph = view.Graphs[kGraphZMagPhase];
    EXPECT_EQ(graph.Top, 12);
    EXPECT_EQ(graph.Bot, 13);
    EXPECT_EQ(graph.PhTop, 14);
    EXPECT_EQ(graph.PhBot, 15);
    EXPECT_EQ(view.SmithX, 16);
    EXPECT_EQ(view.SmithY, 17);
    EXPECT_EQ(view.SmithScale, 18);
    EXPECT_TRUE(view.HorLog);
    EXPECT_TRUE(graph.Log);
    EXPECT_EQ(graph.Phase, kPhaseOn);
}

TEST(ScaleUndo, KeepsTheTwentyNewestStates)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    for (int n = 1; n <= 21; ++n) {
        SetScales(view, n);
        PushScaleUndo(view);
    }
    EXPECT_EQ(view.ScaleUndoCount, 20);
    for (int n = 21; n >= 2; --n) {
        PopScaleUndo(view);
        EXPECT_EQ(ScalesNumber(view), n);
    }
    SetScales(view, 99);
    PopScaleUndo(view);
    EXPECT_EQ(ScalesNumber(view), 99);
}

TEST(ScaleUndo, TheDataViewHasNoScalesToKeep)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    PushScaleUndo(view);
    view.GraphKind = kGraphData;
    PushScaleUndo(view);
    EXPECT_EQ(view.ScaleUndoCount, 1);
    SetScales(view, 40);
    PopScaleUndo(view);
    EXPECT_EQ(ScalesNumber(view), 40);
    ResetScaleUndo(view);
    EXPECT_EQ(view.ScaleUndoCount, 1);

    view.GraphKind = kGraphSmith;
    ResetScaleUndo(view);
    EXPECT_EQ(view.ScaleUndoCount, 0);
}

} // namespace
