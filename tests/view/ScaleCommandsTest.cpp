#include "ChartTestTraces.h"
#include "view/chart/DrawnExtents.h"
#include "view/ScaleCommands.h"
#include "view/TrackBarPosition.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void SetX(ViewState& view, double left, double right)
{
    view.HorLeft[view.HorMode] = left;
    view.HorRight[view.HorMode] = right;
}

GraphSettings& Graph(ViewState& view) { return view.Graphs[view.GraphKind]; }

TEST(ScaleCommands, HorizontalZoomHalvesAndDoublesWithinTheBounds)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    SetX(view, 10, 30);
    ASSERT_TRUE(ZoomHorizontal(view, true));
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorF], 15);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorF], 25);
    ASSERT_TRUE(ZoomHorizontal(view, false));
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorF], 10);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorF], 30);

    // The second clamp cuts the doubled span back to what it was.
    SetX(view, 0, 1e20);
    ZoomHorizontal(view, false);
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorF], 0);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorF], 1e20);

    // Only the limits of the HorMode shown change.
    view.HorMode = kHorN;
    SetX(view, 0, 8);
    ZoomHorizontal(view, true);
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorN], 2);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorN], 6);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorF], 1e20);
}

TEST(ScaleCommands, LogarithmicZoomsWorkOnTheExponents)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    view.HorLog = true;
    SetX(view, 1, 1e4);
    ASSERT_TRUE(ZoomHorizontal(view, true));
    EXPECT_NEAR(view.HorLeft[kHorF], 10, 1e-9);
    EXPECT_NEAR(view.HorRight[kHorF], 1000, 1e-6);

    SetX(view, 1e-19, 1e19);
    ZoomHorizontal(view, false);
    EXPECT_NEAR(std::log10(view.HorLeft[kHorF]), -20, 1e-9);
    EXPECT_NEAR(std::log10(view.HorRight[kHorF]), 20, 1e-9);

    GraphSettings& graph = Graph(view);
    graph.Log = true;
    graph.Top = 1000;
    graph.Bot = 10;
    ASSERT_TRUE(ZoomVertical(view, false));
    EXPECT_NEAR(graph.Top, 1e4, 1e-6);
    EXPECT_NEAR(graph.Bot, 1, 1e-9);
}

TEST(ScaleCommands, LogarithmicZoomsOfLimitsWithoutLogarithmChangeNothing)
{
    ViewState view;
    view.GraphKind = kGraphZMagPhase;
    view.HorLog = true;
    SetX(view, -100, 100);
    GraphSettings& graph = Graph(view);
    graph.Log = true;
    graph.Top = 100;
    graph.Bot = 0;
    for (const bool in : {true, false}) {
        EXPECT_FALSE(ZoomHorizontal(view, in));
        EXPECT_FALSE(ZoomVertical(view, in));
    }
    EXPECT_EQ(view.HorLeft[kHorF], -100);
    EXPECT_EQ(view.HorRight[kHorF], 100);
    EXPECT_EQ(graph.Top, 100);
    EXPECT_EQ(graph.Bot, 0);

    // A range narrower than 1e-15 is not zoomed in any further.
    SetX(view, 1, 1 + 1e-16);
    EXPECT_FALSE(ZoomHorizontal(view, true));
}

TEST(ScaleCommands, ZoomingInStopsBeforeTheLimitsMeetAndZoomOutStillWidens)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    SetX(view, 1, 100);
    GraphSettings& graph = Graph(view);
    graph.Top = 1000;
    graph.Bot = 999;
    int horizontal = 0;
    int vertical = 0;
    for (int i = 0; i < 200; ++i) {
        horizontal += ZoomHorizontal(view, true);
        vertical += ZoomVertical(view, true);
    }
    EXPECT_GT(horizontal, 20);
    EXPECT_LT(horizontal, 200);
    EXPECT_LT(vertical, 200);
    EXPECT_LT(view.HorLeft[kHorF], view.HorRight[kHorF]);
    EXPECT_LT(graph.Bot, graph.Top);

    const double span = view.HorRight[kHorF] - view.HorLeft[kHorF];
    ASSERT_TRUE(ZoomHorizontal(view, false));
    EXPECT_NEAR(view.HorRight[kHorF] - view.HorLeft[kHorF], 2 * span, 1e-3 * span);
}

TEST(ScaleCommands, VerticalLinearZoomOutWidensByHalfAndStaysWithinTheBounds)
{
    ViewState view;
    view.GraphKind = kGraphVswr;
    GraphSettings& graph = Graph(view);
    graph.Top = 9;
    graph.Bot = 1;
    ASSERT_TRUE(ZoomVertical(view, true));
    EXPECT_DOUBLE_EQ(graph.Top, 7);
    EXPECT_DOUBLE_EQ(graph.Bot, 3);
    ASSERT_TRUE(ZoomVertical(view, false));
    EXPECT_DOUBLE_EQ(graph.Top, 8);
    EXPECT_DOUBLE_EQ(graph.Bot, 2);

    graph.Top = 9e19;
    graph.Bot = -9e19;
    EXPECT_FALSE(ZoomVertical(view, false));
    EXPECT_EQ(graph.Top, 9e19);
}

std::vector<PointRecord> Line(std::initializer_list<double> frequencies, double R = 50, double X = 0)
{
    std::vector<PointRecord> points;
    for (const double f : frequencies) points.push_back({f, R, X, 0, 1, 1, 0});
    return points;
}

TEST(ScaleCommands, FitsTakeTheShownTracesWithAMargin)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    EXPECT_FALSE(FitHorizontal(view));
    EXPECT_FALSE(FitVertical(view));

    AddTrace(view, Line({10, 20, 30}, 40, -10));
    CTrace& hidden = AddTrace(view, Line({1, 500}, 1e6, 1e6));
    hidden.Selected = false;
    view.TraceMode = 0;
    ASSERT_TRUE(FitHorizontal(view));
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorF], 9);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorF], 31);
    ASSERT_TRUE(FitVertical(view));
    EXPECT_DOUBLE_EQ(Graph(view).Top, 42.5);
    EXPECT_DOUBLE_EQ(Graph(view).Bot, -12.5);

    // With the dimmed traces shown, they count too.
    view.TraceMode = 1;
    ASSERT_TRUE(FitAll(view));
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorF], 1 - 0.05 * 499);
    EXPECT_DOUBLE_EQ(Graph(view).Top, 1e6 + 0.05 * (1e6 + 10));
}

TEST(ScaleCommands, FitsOfASingleValue)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    AddTrace(view, Line({7}, 5, 5));
    ASSERT_TRUE(FitHorizontal(view));
    EXPECT_DOUBLE_EQ(view.HorLeft[kHorF], 6 - 0.1);
    EXPECT_DOUBLE_EQ(view.HorRight[kHorF], 8 + 0.1);
    Graph(view).Top = 3;
    EXPECT_FALSE(FitVertical(view));
    EXPECT_EQ(Graph(view).Top, 3);
}

TEST(ScaleCommands, LogarithmicFitsKeepBothLimitsAboveZero)
{
    ViewState view;
    view.GraphKind = kGraphZMagPhase;
    view.HorLog = true;
    AddTrace(view, Line({0, 100}, 0, 0));
    AddTrace(view, Line({1, 10}, 30, 40));
    AddTrace(view, Line({2, 3}, 3, 4));
    Graph(view).Log = true;
    ASSERT_TRUE(FitHorizontal(view));
    EXPECT_GT(view.HorLeft[kHorF], 0);
    EXPECT_GT(view.HorRight[kHorF], 100);
    // |Z| of 0 has no logarithm and is left out: 5 to 50 remain.
    ASSERT_TRUE(FitVertical(view));
    EXPECT_GT(Graph(view).Bot, 4);
    EXPECT_LT(Graph(view).Bot, 5);
    EXPECT_GT(Graph(view).Top, 50);
    EXPECT_LT(Graph(view).Top, 60);
}

TEST(ScaleCommands, SmithFitZoomAndReset)
{
    ViewState view;
    view.GraphKind = kGraphSmith;
    ResetDrawnExtents(view);
    WidenGammaExtents(view, 0.5, 0.1);
    EXPECT_FALSE(FitAll(view));
    EXPECT_EQ(view.SmithScale, 1);

    WidenGammaExtents(view, 0.1, -0.3);
    ASSERT_TRUE(FitAll(view));
    EXPECT_DOUBLE_EQ(view.SmithX, 0.3);
    EXPECT_DOUBLE_EQ(view.SmithY, 0.1);
    EXPECT_DOUBLE_EQ(view.SmithScale, 0.2);

    view.SmithScale = 0.012;
    ZoomSmith(view, true);
    EXPECT_DOUBLE_EQ(view.SmithScale, 0.01);
    EXPECT_FALSE(ZoomSmith(view, true));
    view.SmithScale = 15;
    ZoomSmith(view, false);
    EXPECT_DOUBLE_EQ(view.SmithScale, 20);
    EXPECT_DOUBLE_EQ(view.SmithX, 0.3);

    ResetSmith(view);
    EXPECT_EQ(view.SmithScale, 1);
    EXPECT_EQ(view.SmithX, 0);
    EXPECT_EQ(view.SmithY, 0);
}

TEST(ScaleCommands, TrackBarPositionsAndCursorValuesMatch)
{
    ViewState view;
    ResetDrawnExtents(view);
    // Nothing drawn: the minimum, whatever the value.
    EXPECT_EQ(TrackBarPosition(view, 50, 0, 10000), 0);

    WidenXExtents(view, 1);
    WidenXExtents(view, 100);
    view.HorLog = true;
    EXPECT_NEAR(TrackBarFrequency(view, 5000, 0, 10000), 10, 1e-9);
    EXPECT_EQ(TrackBarPosition(view, 10, 0, 10000), 5000);
    view.HorLog = false;
    EXPECT_DOUBLE_EQ(TrackBarFrequency(view, 2500, 0, 10000), 25.75);
    EXPECT_EQ(TrackBarPosition(view, TrackBarFrequency(view, 1234, 0, 10000), 0, 10000), 1234);

    // Values beyond the range and NaN stay on the track bar.
    EXPECT_EQ(TrackBarPosition(view, 1e9, 0, 10000), 10000);
    EXPECT_EQ(TrackBarPosition(view, -1e9, 0, 10000), 0);
    EXPECT_EQ(TrackBarPosition(view, std::numeric_limits<double>::quiet_NaN(), 0, 10000), 0);

    // A logarithmic range that is not above 0 has no cursor value.
    WidenXExtents(view, -5);
    view.HorLog = true;
    EXPECT_EQ(TrackBarFrequency(view, 5000, 0, 10000), 0);
    EXPECT_EQ(TrackBarPosition(view, 10, 0, 10000), 0);
}

} // namespace
