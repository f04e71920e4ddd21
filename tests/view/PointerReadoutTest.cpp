// The status bar readout under the pointer and the pointer's shape.

#include "SettingsSnapshot.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/ChartMouse.h"
#include "view/PointerReadout.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using Panels = std::array<std::string, 3>;

std::string N(double v) { return FormatEng(6, v); }

// A chart 400 x 300 with rows 20 to 280 in its upper pane and the Smith
// chart's square from (50, 0) to (350, 300): Gamma = 0 at (200, 150).
class PointerReadoutTest : public ::testing::Test {
protected:
    PointerReadoutTest()
    {
        SetDefaults(Settings);
        view_.RowHeight = 20;
        view_.PlotHeight = 260;
        view_.SmithRect = {50, 0, 350, 300};
        view_.HorLeft[kHorF] = 0;
        view_.HorRight[kHorF] = 400;
    }

    Panels At(int kind, int x, int y, bool show = true)
    {
        view_.GraphKind = kind;
        return PointInfoTexts(view_, client_, show, {x, y});
    }
    Panels Smith(int setting, int x, int y)
    {
        Settings.StatusSmithReadout = setting;
        return At(kGraphSmith, x, y);
    }
    GraphSettings& Graph(int kind) { return view_.Graphs[kind]; }

    SettingsSnapshot snapshot_;
    ViewState view_;
    TRect client_{0, 0, 400, 300};
};

TEST_F(PointerReadoutTest, TheSmithReadoutShowsEachSettingsQuantities)
{
    EXPECT_EQ(Smith(0, 200, 150), (Panels{" R = " + N(50), " X = " + N(0), ""}));
    EXPECT_EQ(Smith(1, 200, 150), (Panels{" Z = " + N(50), " Ph = " + N(0), ""}));
    EXPECT_EQ(Smith(2, 275, 75), (Panels{" Re = " + N(0.5), " Im = " + N(0.5), ""}));
    EXPECT_EQ(Smith(3, 200, 0), (Panels{" G = " + N(1), " Ph = " + N(90), ""}));
    EXPECT_EQ(Smith(4, 200, 150), (Panels{" VSWR = " + N(1), "", ""}));
    EXPECT_EQ(Smith(0, 200, 0), (Panels{" R = " + N(0), " X = " + N(50), ""})); // Gamma = j: Z = j Z0
    view_.Z0Im = 10; // the normalized impedance times the complex Z0
    EXPECT_EQ(Smith(0, 200, 0), (Panels{" R = " + N(-10), " X = " + N(50), ""}));
}

TEST_F(PointerReadoutTest, AtGammaOneOnlyTheCoefficientIsShownAndOutsideTheCircleValuesGoNegative)
{
    for (const int setting : {0, 1, 4}) EXPECT_EQ(Smith(setting, 350, 150), Panels{}) << setting;
    EXPECT_EQ(Smith(2, 350, 150), (Panels{" Re = " + N(1), " Im = " + N(0), ""}));
    EXPECT_EQ(Smith(3, 350, 150), (Panels{" G = " + N(1), " Ph = " + N(0), ""}));
    EXPECT_EQ(Smith(4, 380, 150)[0], " VSWR = " + N(-11)); // |Gamma| = 1.2
    EXPECT_EQ(Smith(0, 380, 150)[0], " R = " + N(-550));
    view_.SmithRect = {200, 150, 200, 150}; // a square without size
    EXPECT_EQ(Smith(2, 200, 150), Panels{});
}

TEST_F(PointerReadoutTest, ARectangularChartShowsXTheUpperPaneAndThePhasePane)
{
    EXPECT_EQ(At(kGraphRX, 100, 46), (Panels{" F = " + N(100), " R/X = " + N(80), ""}));
    view_.HorMode = kHorN;
    view_.HorLeft[kHorN] = 0;
    view_.HorRight[kHorN] = 40;
    EXPECT_EQ(At(kGraphVswr, 10, 20)[0], " N = " + N(1));

    GraphSettings& z = Graph(kGraphZMagPhase);
    z.Phase = kPhaseSeparate; // the phase pane's plot: 300 - 200 - 40 - 2 = 58 rows from row 220
    view_.DividerY = 200;
    EXPECT_EQ(At(kGraphZMagPhase, 10, 200), (Panels{" N = " + N(1), "", ""}));
    EXPECT_EQ(At(kGraphZMagPhase, 10, 249), (Panels{" N = " + N(1), "", " Ph = " + N(0)}));
    EXPECT_EQ(At(kGraphZMagPhase, 10, 199)[2], "");

    z.Phase = kPhaseOn; // the phase shares the upper pane
    EXPECT_EQ(At(kGraphZMagPhase, 10, 150)[2], " Ph = " + N(0));

    z.Log = true; // only Z and G have a logarithmic readout
    z.Top = 1000;
    z.Bot = 1;
    EXPECT_EQ(At(kGraphZMagPhase, 10, 150)[1], " Z = " + N(std::sqrt(1000.0)));
    Graph(kGraphRX).Log = true;
    EXPECT_EQ(At(kGraphRX, 10, 150)[1], "");
    z.Bot = -1; // no logarithm: the panel stays empty, the others are shown
    EXPECT_EQ(At(kGraphZMagPhase, 10, 150), (Panels{" N = " + N(1), "", " Ph = " + N(0)}));
}

TEST_F(PointerReadoutTest, SomeChartsAndPanesWithoutRoomLeaveThePanelsEmpty)
{
    EXPECT_EQ(At(kGraphRX, 100, 46, false), Panels{});
    for (const int kind : {kGraphData, kGraphVip, kGraphPower}) EXPECT_EQ(At(kind, 100, 46), Panels{}) << kind;
    Graph(kGraphRX).Phase = kPhaseSeparate;
    view_.DividerY = 270; // upper pane 260 - 30 - 2 rows; phase pane 300 - 270 - 42
    EXPECT_EQ(At(kGraphRX, 100, 46), (Panels{" F = " + N(100), " R/X = " + N(100 - 200 * 26.0 / 228), ""}));
    EXPECT_EQ(At(kGraphRX, 100, 290)[2], "");
    view_.DividerY = 30;
    EXPECT_EQ(At(kGraphRX, 100, 20)[1], "");
    view_.PlotHeight = 0;
    EXPECT_EQ(At(kGraphSmith, 200, 150), Panels{});
}

TEST_F(PointerReadoutTest, ThePointerShapeFollowsTheDividerTheToolAndTheCursor)
{
    view_.GraphKind = kGraphData;
    EXPECT_EQ(PaintBoxPointerShape(view_, {0, 0}), PointerShape::Keep);
    view_.GraphKind = kGraphRX;
    view_.TableVisible = true;
    view_.CursorPixel = 100;
    EXPECT_EQ(PaintBoxPointerShape(view_, {107, 50}), PointerShape::CursorGrab);
    EXPECT_EQ(PaintBoxPointerShape(view_, {108, 50}), PointerShape::Arrow);
    view_.Graphs[kGraphRX].Phase = kPhaseSeparate;
    view_.DividerY = 150;
    EXPECT_EQ(PaintBoxPointerShape(view_, {100, 152}), PointerShape::DividerSplit);
    view_.HandTool = 1;
    EXPECT_EQ(PaintBoxPointerShape(view_, {100, 50}), PointerShape::OpenHand);
    view_.DragMode = kDragPhasePan;
    EXPECT_EQ(PaintBoxPointerShape(view_, {100, 50}), PointerShape::ClosedHand);
    view_.DragMode = kDragZoom; // a press with Ctrl: the shape stays
    EXPECT_EQ(PaintBoxPointerShape(view_, {100, 50}), PointerShape::Keep);
}

} // namespace
