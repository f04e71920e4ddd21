#include "view/document/ViewState.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewState, GivesEveryChartKindItsOwnScales)
{
    const ViewState view;
    for (int kind = 0; kind < kGraphKindCount; ++kind) {
        const GraphSettings& graph = view.Graphs[kind];
        EXPECT_EQ(graph.Kind, kind);
        EXPECT_EQ(graph.Visible, kind != kGraphVip && kind != kGraphPower) << kind;
        const bool separate = kind == kGraphZMagPhase || kind == kGraphGammaMagPhase || kind == kGraphVip;
        EXPECT_EQ(graph.Phase, separate ? kPhaseSeparate : kPhaseOff) << kind;
    }
}

TEST(ViewState, ItsTracesAreReadThroughItsDisplayTransform)
{
    ViewState view;
    auto trace = std::make_unique<CTrace>();
    trace->Data.Append(10, 60, 5);
    view.Traces.Add(std::move(trace));
    EXPECT_EQ(view.Traces.Owner, &view);

    view.OffsetUse = true;
    view.OffsetR = 10;
    view.OffsetX = 5;
    CData& data = view.Traces.Get(0)->Data;
    double f = 0, R = 0, X = 0, t = 0;
    ASSERT_TRUE(data.GetPoint(0, f, R, X, t));
    EXPECT_EQ(R, 50);
    EXPECT_EQ(X, 0);

    view.OffsetUse = false;
    view.Z0Re = 75;
    view.Z0Im = 25;
    EXPECT_EQ(view.CurrentDisplayTransform().z0Re, 75);
    EXPECT_EQ(view.CurrentDisplayTransform().z0Im, 25);
    ASSERT_TRUE(data.GetPoint(0, f, R, X, t));
    EXPECT_EQ(R, 60);
}

} // namespace
