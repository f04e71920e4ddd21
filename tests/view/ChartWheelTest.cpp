#include "view/ChartWheel.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTowardsUser = -120;
constexpr int kAwayFromUser = 120;

class ChartWheelTest : public ::testing::Test {
protected:
    ChartWheelTest()
    {
        view_.GraphKind = kGraphRX;
        view_.HorLeft[kHorF] = 0;
        view_.HorRight[kHorF] = 100;
        view_.RowHeight = 20;
        view_.PlotHeight = chart_.bottom - 2 * view_.RowHeight;
    }

    bool Turn(int x, int y, int delta, bool shift = false, bool ctrl = false)
    {
        return ChartWheel(view_, chart_, {{x, y}, delta, shift, ctrl});
    }

    GraphSettings& Graph() { return view_.Graphs[view_.GraphKind]; }

    ViewState view_;
    TRect chart_{0, 0, 100, 400};
};

TEST_F(ChartWheelTest, ZoomsXAboutThePointer)
{
    EXPECT_TRUE(Turn(50, 100, kTowardsUser));
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], 10);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 90);
    EXPECT_EQ(view_.ScaleUndoCount, 1);

    EXPECT_TRUE(Turn(25, 100, kAwayFromUser)); // p = 30: 1.2 times the span about it
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], 6);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 102);
}

TEST_F(ChartWheelTest, ShiftPansXByAShareOfItsSpan)
{
    EXPECT_TRUE(Turn(50, 100, kTowardsUser, true));
    EXPECT_DOUBLE_EQ(view_.HorLeft[kHorF], -5);
    EXPECT_DOUBLE_EQ(view_.HorRight[kHorF], 95);
}

TEST_F(ChartWheelTest, ALogarithmicXAxisZoomsItsLogarithms)
{
    view_.HorLog = true;
    view_.HorLeft[kHorF] = 1;
    view_.HorRight[kHorF] = 10000;
    EXPECT_TRUE(Turn(50, 100, kTowardsUser)); // the pointer at 100 MHz
    EXPECT_NEAR(view_.HorLeft[kHorF], 2.5118864, 1e-6);
    EXPECT_NEAR(view_.HorRight[kHorF], 3981.0717, 1e-3);
}

TEST_F(ChartWheelTest, LimitsBeyondTheAxisBoundsAreNotStored)
{
    view_.HorLeft[kHorF] = -9e19;
    view_.HorRight[kHorF] = 9e19;
    EXPECT_TRUE(Turn(50, 100, kAwayFromUser));
    EXPECT_EQ(view_.HorLeft[kHorF], -9e19);
    EXPECT_EQ(view_.HorRight[kHorF], 9e19);
}

TEST_F(ChartWheelTest, OutsideTheChartOrWithoutADeltaNothingHappens)
{
    EXPECT_FALSE(Turn(-1, 100, kTowardsUser));
    EXPECT_FALSE(Turn(50, 401, kTowardsUser));
    EXPECT_FALSE(Turn(50, 100, 0));
    EXPECT_EQ(view_.HorLeft[kHorF], 0);
    EXPECT_EQ(view_.ScaleUndoCount, 0);
    EXPECT_TRUE(Turn(100, 400, kTowardsUser)); // the edges belong to the chart
}

TEST_F(ChartWheelTest, CtrlZoomsTheUpperPaneAboutThePointer)
{
    EXPECT_TRUE(Turn(50, 200, kTowardsUser, false, true)); // the value 0 under the pointer
    EXPECT_DOUBLE_EQ(Graph().Top, 80);
    EXPECT_DOUBLE_EQ(Graph().Bot, -80);

    view_.PlotHeight = 0;
    EXPECT_TRUE(Turn(50, 200, kTowardsUser, false, true));
    EXPECT_DOUBLE_EQ(Graph().Top, 80);
}

TEST_F(ChartWheelTest, ALogarithmicYAxisWithABottomBelowZeroIgnoresTheZoom)
{
    Graph().Log = true;
    EXPECT_TRUE(Turn(50, 200, kTowardsUser, false, true));
    EXPECT_EQ(Graph().Top, 100);
    EXPECT_EQ(Graph().Bot, -100);
    EXPECT_EQ(view_.ScaleUndoCount, 1);
}

TEST_F(ChartWheelTest, TheSeparatePhasePaneZoomsAndPansItsOwnLimits)
{
    chart_ = {0, 0, 100, 500};
    view_.GraphKind = kGraphZMagPhase; // phase in a pane of its own
    view_.RowHeight = 22;
    view_.PlotHeight = chart_.bottom - 44;
    view_.DividerY = 300;
    EXPECT_TRUE(Turn(50, 400, kTowardsUser, false, true)); // 0 degrees under the pointer
    EXPECT_DOUBLE_EQ(Graph().PhTop, 288);
    EXPECT_DOUBLE_EQ(Graph().PhBot, -288);
    EXPECT_EQ(Graph().Top, 100);

    Graph().PhTop = 360;
    Graph().PhBot = -360;
    EXPECT_TRUE(Turn(50, 400, kTowardsUser, true, true));
    EXPECT_DOUBLE_EQ(Graph().PhTop, 288);
    EXPECT_DOUBLE_EQ(Graph().PhBot, -432);

    EXPECT_TRUE(Turn(50, 300, kTowardsUser, true, true)); // on the divider nothing moves
    EXPECT_DOUBLE_EQ(Graph().PhTop, 288);
    EXPECT_EQ(Graph().Top, 100);

    EXPECT_TRUE(Turn(50, 100, kAwayFromUser, true, true)); // above it the upper pane pans
    EXPECT_DOUBLE_EQ(Graph().Top, 110);
    EXPECT_DOUBLE_EQ(Graph().Bot, -90);
}

TEST_F(ChartWheelTest, TheSmithChartZoomsAboutThePointerWithinItsScaleLimits)
{
    chart_ = {0, 0, 400, 400};
    view_.GraphKind = kGraphSmith;
    view_.SmithRect = SmithSquare(view_, chart_);
    const double gx = 2.0 * (300 - view_.SmithRect.left) / view_.SmithRect.Width() - 1;
    const double gy = 2.0 * (view_.SmithRect.bottom - 120) / view_.SmithRect.Height() - 1;
    EXPECT_TRUE(Turn(300, 120, kTowardsUser));
    EXPECT_DOUBLE_EQ(view_.SmithScale, 2.0 / 3.0);
    view_.SmithRect = SmithSquare(view_, chart_);
    const std::optional<TPoint> stays = GammaToPoint(view_, gx, gy);
    ASSERT_TRUE(stays);
    EXPECT_NEAR(stays->x, 300, 2);
    EXPECT_NEAR(stays->y, 120, 2);

    view_.SmithScale = 0.012;
    Turn(300, 120, kTowardsUser);
    EXPECT_EQ(view_.SmithScale, 0.01);
    view_.SmithScale = 15;
    Turn(300, 120, kAwayFromUser);
    EXPECT_EQ(view_.SmithScale, 20);
}

TEST_F(ChartWheelTest, ShiftPansTheSmithChart)
{
    chart_ = {0, 0, 400, 400};
    view_.GraphKind = kGraphSmith;
    view_.SmithRect = SmithSquare(view_, chart_);
    view_.SmithScale = 2;
    Turn(200, 200, kTowardsUser, true);
    EXPECT_DOUBLE_EQ(view_.SmithX, -0.2);
    Turn(200, 200, kTowardsUser, true, true);
    EXPECT_DOUBLE_EQ(view_.SmithY, 0.2);
    EXPECT_EQ(view_.SmithScale, 2);
}

} // namespace
