// The chart's drag state machine without a window: each gesture's effect on
// the scales, the undo stack and the figures it draws and erases.

#include "view/ChartMouse.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct RecordingFeedback final : CMouseFeedback {
    void ToggleDragFigure() override { ++figures; }
    void ToggleCursorLine() override { ++cursorLines; }
    void ToggleDividerBand() override { ++bands; }
    void Repaint() override { ++repaints; }
    void ScalesChanged() override { ++scaleRefreshes; }
    void Readout(bool show, TPoint) override { lastReadoutShown = show; }
    void PointerShape(TPoint) override { ++shapes; }
    void CursorValuesChanged() override { ++cursorValues; }
    void TrackBarToCursor() override { ++trackBars; }
    void LabelMenu(TPoint p) override { menus.push_back(p); }

    int figures = 0;
    int cursorLines = 0;
    int bands = 0;
    int repaints = 0;
    int scaleRefreshes = 0;
    bool lastReadoutShown = false;
    int shapes = 0;
    int cursorValues = 0;
    int trackBars = 0;
    std::vector<TPoint> menus;
};

// A rectangular chart 400 x 300 whose X axis shows its column (0 .. 400) and
// whose upper pane, rows 20 to 280, shows 100 down to -100.
class ChartMouseTest : public ::testing::Test {
protected:
    ChartMouseTest()
    {
        view_.GraphKind = kGraphRX;
        view_.HorLeft[kHorF] = 0;
        view_.HorRight[kHorF] = 400;
        view_.RowHeight = 20;
        view_.PlotHeight = client_.bottom - 2 * view_.RowHeight;
        view_.SmithRect = {50, 0, 350, 300};
    }

    MouseAction At(int x, int y, bool shift = false, bool ctrl = false, MouseButton button = MouseButton::Left)
    {
        return {{x, y}, button, shift, ctrl};
    }
    void Press(int x, int y, bool shift = false, bool ctrl = false) { ChartMousePress(view_, client_, At(x, y, shift, ctrl), feedback_); }
    void Move(int x, int y) { ChartMouseMove(view_, client_, At(x, y), feedback_); }
    void Release(int x, int y) { ChartMouseRelease(view_, client_, At(x, y), feedback_); }
    void Drag(TPoint from, TPoint to, bool shift = false)
    {
        Press(from.x, from.y, shift);
        Move(to.x, to.y);
        Release(to.x, to.y);
    }
    void DoubleClick(int x, int y) { ChartDoubleClick(view_, client_, At(x, y), feedback_); }

    GraphSettings& Graph() { return view_.Graphs[view_.GraphKind]; }
    void SeparatePhasePane(int dividerY)
    {
        Graph().Phase = kPhaseSeparate;
        view_.DividerY = dividerY;
    }

    ViewState view_;
    TRect client_{0, 0, 400, 300};
    RecordingFeedback feedback_;
};

TEST_F(ChartMouseTest, AZoomRectangleChoosesTheRangesItSpansByEightPixelsOrMore)
{
    Drag({100, 100}, {200, 104}); // horizontal only: X
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], 100);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 200);
    EXPECT_EQ(Graph().Top, 100);
    EXPECT_EQ(view_.ScaleUndoCount, 1);
    EXPECT_EQ(feedback_.figures % 2, 0); // drawn and erased
    EXPECT_EQ(view_.DragMode, kDragNone);

    Drag({50, 46}, {52, 176}); // vertical only: Y, rows 46 .. 176 of the pane from row 20, 260 high
    EXPECT_DOUBLE_EQ(Graph().Top, 80);
    EXPECT_DOUBLE_EQ(Graph().Bot, -20);
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], 100);
    EXPECT_EQ(view_.ScaleUndoCount, 2);

    Drag({10, 10}, {17, 17}); // short: nothing zoomed, nothing pushed, still repainted
    EXPECT_EQ(view_.ScaleUndoCount, 2);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 200);
    EXPECT_EQ(feedback_.repaints, 3);
    EXPECT_EQ(feedback_.scaleRefreshes, 3);
    EXPECT_TRUE(feedback_.lastReadoutShown);
}

TEST_F(ChartMouseTest, ADragBegunInTheSeparatePhasePaneChoosesXOnly)
{
    SeparatePhasePane(150);
    Press(100, 200);
    Move(150, 290);
    EXPECT_EQ(view_.DragShape, kXorVerticalPair);
    Release(150, 290);
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], 100);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 150);
    EXPECT_EQ(Graph().Top, 100);
    EXPECT_EQ(Graph().Bot, -100);
}

TEST_F(ChartMouseTest, TheSmithRectangleKeepsTheWindowsAspectAndZoomsToIt)
{
    view_.GraphKind = kGraphSmith; // H / W = 0.75
    Press(100, 100);
    Move(180, 100); // horizontal: extends downwards by 80 * 0.75
    EXPECT_EQ(view_.DragRect, (TRect{100, 100, 180, 160}));
    EXPECT_EQ(view_.DragShape, kXorFrame);
    Move(100, 160); // straight down: extends to the right
    EXPECT_EQ(view_.DragRect, (TRect{100, 100, 180, 160}));
    Move(100, 40); // straight up: extends to the left
    EXPECT_EQ(view_.DragRect, (TRect{20, 40, 100, 100}));
    Move(180, 100);
    Release(180, 100);
    EXPECT_DOUBLE_EQ(view_.SmithX, (140 - 50) / 150.0 - 1);
    EXPECT_DOUBLE_EQ(view_.SmithY, 130 / 150.0 - 1);
    EXPECT_DOUBLE_EQ(view_.SmithScale, 60.0 / 300);
    EXPECT_EQ(view_.ScaleUndoCount, 1);

    view_.SmithScale = 0.03;
    Drag({100, 100}, {108, 100}); // a rectangle 6 rows high: 0.03 * 6 / 300, raised to the floor
    EXPECT_DOUBLE_EQ(view_.SmithScale, 0.01);

    // Seven rows down is too short to zoom, though the window's aspect
    // stretches the rectangle to nine columns.
    Press(100, 100);
    Move(100, 107);
    EXPECT_EQ(view_.DragShape, kXorCross);
    EXPECT_EQ(view_.DragRect, (TRect{100, 100, 109, 107}));
    Release(100, 107);
    EXPECT_DOUBLE_EQ(view_.SmithScale, 0.01);
    EXPECT_EQ(view_.ScaleUndoCount, 2);
}

TEST_F(ChartMouseTest, APanPushesAtThePressAndMovesTheScalesByThePointersStep)
{
    Press(100, 100, true);
    EXPECT_EQ(view_.DragMode, kDragPan);
    EXPECT_EQ(view_.ScaleUndoCount, 1);
    Move(140, 126);
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], -40);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 360);
    EXPECT_DOUBLE_EQ(Graph().Top, 120);
    EXPECT_DOUBLE_EQ(Graph().Bot, -80);
    Move(140, 126); // the same point: no repaint
    EXPECT_EQ(feedback_.repaints, 1);
    Release(140, 126);
    EXPECT_EQ(view_.ScaleUndoCount, 1);
    EXPECT_EQ(feedback_.scaleRefreshes, 1);

    view_.HorLog = true; // a quarter of the width is a quarter of the decades
    view_.HorLeft[kHorF] = 1;
    view_.HorRight[kHorF] = 10000;
    view_.HandTool = 1;
    Drag({200, 100}, {300, 100});
    EXPECT_NEAR(view_.HorLeft[kHorF], 0.1, 1e-12);
    EXPECT_NEAR(view_.HorRight[kHorF], 1000, 1e-9);

    Press(200, 100, false, true); // Ctrl with the hand tool: the selection tool
    EXPECT_EQ(view_.DragMode, kDragZoom);
}

TEST_F(ChartMouseTest, ThePhasePaneAndTheSmithChartPanToo)
{
    SeparatePhasePane(200); // the phase pane's plot is 300 - 40 - 200 = 60 rows high
    Graph().PhTop = 180;
    Graph().PhBot = -180;
    Press(100, 250, true);
    EXPECT_EQ(view_.DragMode, kDragPhasePan);
    Move(100, 270);
    Release(100, 270);
    EXPECT_DOUBLE_EQ(Graph().PhTop, 300);
    EXPECT_DOUBLE_EQ(Graph().PhBot, -60);
    EXPECT_EQ(Graph().Top, 100);

    view_.GraphKind = kGraphSmith;
    Drag({200, 150}, {170, 180}, true);
    EXPECT_DOUBLE_EQ(view_.SmithX, 0.2);
    EXPECT_DOUBLE_EQ(view_.SmithY, -0.2);
}

TEST_F(ChartMouseTest, APanBeyondTheBoundsOfOneAxisStillMovesTheOther)
{
    view_.HorLeft[kHorF] = -9e19;
    view_.HorRight[kHorF] = 9e19;
    Drag({100, 100}, {50, 126}, true);
    EXPECT_EQ(view_.HorLeft[kHorF], -9e19);
    EXPECT_EQ(view_.HorRight[kHorF], 9e19);
    EXPECT_DOUBLE_EQ(Graph().Top, 120);
}

TEST_F(ChartMouseTest, TheDividerFollowsWithinItsBandAndIsStoredAsAShare)
{
    SeparatePhasePane(150);
    Press(100, 152);
    EXPECT_EQ(view_.DragMode, kDragDivider);
    EXPECT_FALSE(feedback_.lastReadoutShown);
    Move(100, 50); // above 20 % of the height: stays
    EXPECT_EQ(view_.DividerY, 150);
    Move(100, 210);
    EXPECT_EQ(view_.DividerY, 210);
    Release(100, 210);
    EXPECT_DOUBLE_EQ(Graph().Divider, 0.7);
    EXPECT_EQ(feedback_.bands, 4);
    EXPECT_EQ(view_.ScaleUndoCount, 0);

    view_.DividerY = 255; // a press and release without a move clamps what is there
    Drag({100, 255}, {100, 255});
    EXPECT_DOUBLE_EQ(Graph().Divider, 0.8);
}

TEST_F(ChartMouseTest, TheCursorIsGrabbedNearItsLineOrAtTheTopOfTheEdgeItSitsBeyond)
{
    view_.TableVisible = true;
    view_.CursorPixel = 200;
    Press(207, 100);
    EXPECT_EQ(view_.DragMode, kDragCursor);
    EXPECT_DOUBLE_EQ(view_.CursorX, 207);
    Move(450, 20); // also beyond the chart
    EXPECT_DOUBLE_EQ(view_.CursorX, 450);
    EXPECT_EQ(view_.CursorPixel, 450);
    Release(450, 20);
    EXPECT_EQ(feedback_.cursorLines, 4);
    EXPECT_EQ(feedback_.cursorValues, 2);
    EXPECT_EQ(feedback_.repaints, 0);
    EXPECT_EQ(view_.ScaleUndoCount, 0);

    view_.CursorPixel = 200;
    Press(208, 100); // 8 columns away: a zoom rectangle
    EXPECT_EQ(view_.DragMode, kDragZoom);
    Release(208, 100);

    view_.CursorPixel = 3;
    Press(18, 20); // below the grab zone
    EXPECT_EQ(view_.DragMode, kDragZoom);
    Release(18, 20);
    Press(18, 13);
    EXPECT_EQ(view_.DragMode, kDragCursor);
    Release(18, 13);
    view_.CursorPixel = 396;
    Press(380, 5);
    EXPECT_EQ(view_.DragMode, kDragCursor);
    Release(380, 5);

    view_.GraphKind = kGraphSmith; // no cursor line there
    view_.CursorPixel = 200;
    Press(200, 100);
    EXPECT_EQ(view_.DragMode, kDragZoom);
}

TEST_F(ChartMouseTest, APressOnADataPointMovesTheCursorToItAndTheTrackBarFollows)
{
    view_.GraphKind = kGraphSmith;
    view_.MarkerRects.Alloc(2);
    view_.MarkerRects.Add({90, 90, 96, 96}, 42.5);
    Press(92, 92);
    EXPECT_EQ(view_.DragShape, kXorMarkerFrame);
    EXPECT_EQ(view_.DragRect, (TRect{88, 88, 98, 98}));
    EXPECT_DOUBLE_EQ(view_.CursorX, 42.5);
    EXPECT_EQ(feedback_.trackBars, 1);
    Release(92, 92);
    EXPECT_EQ(view_.DragShape, kXorCross);
    EXPECT_EQ(view_.SmithScale, 1);
    EXPECT_EQ(view_.ScaleUndoCount, 0);
    EXPECT_EQ(feedback_.repaints, 1);
}

TEST_F(ChartMouseTest, ADoubleClickCentresTheChartOnThePointer)
{
    DoubleClick(300, 85); // 100 right of the middle; 65 rows above the middle of the pane
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], 100);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 500);
    EXPECT_DOUBLE_EQ(Graph().Top, 150);
    EXPECT_DOUBLE_EQ(Graph().Bot, -50);
    EXPECT_EQ(view_.ScaleUndoCount, 1);
    EXPECT_EQ(feedback_.repaints, 1);
    EXPECT_EQ(feedback_.scaleRefreshes, 1);

    view_.GraphKind = kGraphSmith;
    view_.SmithScale = 0.5;
    DoubleClick(200, 75);
    EXPECT_DOUBLE_EQ(view_.SmithX, 0);
    EXPECT_DOUBLE_EQ(view_.SmithY, -0.5);
    EXPECT_EQ(view_.SmithScale, 0.5);
    EXPECT_EQ(view_.ScaleUndoCount, 2);
}

TEST_F(ChartMouseTest, APressWhileADragRunsEndsThatDragWithoutItsEffect)
{
    Press(10, 10);
    Move(100, 100);
    Press(200, 200); // the release was lost
    EXPECT_EQ(feedback_.figures, 5); // the old frame erased, the new cross drawn
    EXPECT_EQ(view_.DragStart, (TPoint{200, 200}));
    EXPECT_EQ(view_.DragShape, kXorCross);
    EXPECT_EQ(view_.ScaleUndoCount, 0);
    EXPECT_EQ(view_.HorRight[kHorF], 400);

    SeparatePhasePane(150);
    Release(200, 200);
    Press(100, 150);
    Press(100, 100); // the band of the lost divider drag is erased
    EXPECT_EQ(feedback_.bands, 2);
    EXPECT_EQ(view_.DragMode, kDragZoom);
}

TEST_F(ChartMouseTest, AnAxisWithoutRoomOrWithoutLogarithmsRefusesTheGestureWithoutAnUndoEntry)
{
    view_.GraphKind = kGraphSmith;
    view_.SmithRect = {200, 150, 200, 150}; // a square without size
    Drag({100, 100}, {200, 100});
    Drag({100, 100}, {150, 130}, true);
    EXPECT_EQ(view_.SmithX, 0);
    EXPECT_EQ(view_.SmithY, 0);
    EXPECT_EQ(view_.SmithScale, 1);
    EXPECT_EQ(view_.ScaleUndoCount, 1); // the pan's own, at its press

    view_.GraphKind = kGraphRX;
    SeparatePhasePane(40); // the upper pane: 260 - (300 - 40) - 2 rows
    Drag({50, 10}, {52, 30}); // Y only
    EXPECT_EQ(view_.ScaleUndoCount, 1);
    EXPECT_EQ(Graph().Top, 100);
    Drag({50, 10}, {60, 30}, true); // X still pans
    EXPECT_EQ(Graph().Top, 100);
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], -10);

    SeparatePhasePane(270); // the phase pane: 300 - 40 - 270 rows
    Drag({50, 280}, {50, 290}, true);
    EXPECT_EQ(Graph().PhTop, 360);

    SeparatePhasePane(150);
    Graph().Log = true; // a logarithmic axis whose bottom is not positive
    const int depth = view_.ScaleUndoCount;
    Drag({50, 30}, {52, 100});
    EXPECT_EQ(view_.ScaleUndoCount, depth);
    EXPECT_EQ(Graph().Bot, -100);
}

TEST_F(ChartMouseTest, ARightPressOpensTheLabelMenuOnTheSmithChartOnly)
{
    ChartMousePress(view_, client_, At(120, 80, false, false, MouseButton::Right), feedback_);
    EXPECT_TRUE(feedback_.menus.empty());
    view_.GraphKind = kGraphSmith;
    view_.SelectedLabel = 3;
    ChartMousePress(view_, client_, At(120, 80, false, false, MouseButton::Right), feedback_);
    ASSERT_EQ(feedback_.menus.size(), 1u);
    EXPECT_EQ(view_.MenuPoint, (TPoint{120, 80}));
    EXPECT_EQ(view_.SelectedLabel, -1);
    EXPECT_EQ(view_.DragMode, kDragNone);
}

} // namespace
