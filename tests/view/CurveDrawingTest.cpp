// Curves of the rectangular charts: where each kind puts its points, gaps,
// held-back points, the edges of the X range and the scales that have no
// meaning.

#include "CanvasTestSupport.h"
#include "ChartTestTraces.h"
#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/ReplayLimit.h"
#include "view/chart/TraceCurve.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
// A pane of 200 x 120 pixels with 10 pixels kept free at the top and the
// bottom: the X range 0 .. 100 maps to columns 0 .. 200, values from Top to
// Bot to rows 10 .. 110.
const TRect kPane{0, 0, 200, 120};
constexpr int kMargin = 10;

PointRecord At(double f, double R, double X = 0, double V = 0, double I = 0, double phase = 0)
{
    return {f, R, X, 0, V, I, phase};
}

class CurveDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        view_.HorLeft[kHorF] = 0;
        view_.HorRight[kHorF] = 100;
        view_.GraphKind = kGraphRX;
        view_.MarkerRects.Alloc(16);
    }

    // The centres of the symbols the curve drew, in drawing order.
    std::vector<TPoint> Draw(const std::vector<PointRecord>& points, int curve = 0, const TRect& pane = kPane)
    {
        view_.Traces.Clear();
        CTrace& trace = AddTrace(view_, points);
        image_ = BlackImage(kPane.right, kPane.bottom);
        CCanvas canvas(image_);
        canvas.SetPenColor(kWhite);
        view_.MarkerRects.Free();
        view_.MarkerRects.Alloc(16);
        DrawCurve(trace, view_, curve, canvas, pane, kMargin);
        std::vector<TPoint> centres;
        for (int i = 0; i < view_.MarkerRects.Count(); ++i) {
            const TRect& r = view_.MarkerRects[i].Rect;
            centres.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        }
        return centres;
    }

    GraphSettings& Graph() { return view_.Graphs[view_.GraphKind]; }

    SettingsSnapshot snapshot_;
    ViewState view_;
    QImage image_;
};

TEST_F(CurveDrawing, EachKindPlacesItsValuesBetweenTopAndBot)
{
    // R = 40 and X = -20 of 100 .. -100: rows 60 - v / 2.
    EXPECT_EQ(Draw({At(25, 40, -20)}, 0), (std::vector<TPoint>{{50, 40}}));
    EXPECT_EQ(Draw({At(25, 40, -20)}, 1), (std::vector<TPoint>{{50, 70}}));
    EXPECT_EQ(view_.MarkerRects[0].X, 25);
    EXPECT_EQ(view_.MarkerRects[0].Rect, (TRect{44, 64, 56, 76})); // Settings.PointSize around it

    view_.GraphKind = kGraphZMagPhase; // |30 + j40| = 50 of 100 .. -100
    EXPECT_EQ(Draw({At(25, 30, 40)}, 0), (std::vector<TPoint>{{50, 35}}));
    Graph().PhTop = 90; // 53.13 degrees of 90 .. -90: row 30.48, truncated
    Graph().PhBot = -90;
    EXPECT_EQ(Draw({At(25, 30, 40)}, 1), (std::vector<TPoint>{{50, 30}}));

    view_.GraphKind = kGraphGammaMagPhase; // |Gamma| of 50 + j50 is 0.4472 of 1 .. -1
    Graph().Top = 1;
    Graph().Bot = -1;
    EXPECT_EQ(Draw({At(25, 50, 50)}, 0), (std::vector<TPoint>{{50, 37}}));

    view_.GraphKind = kGraphGammaReIm; // Gamma of 150 ohm is 0.5
    Graph().Top = 1;
    Graph().Bot = -1;
    EXPECT_EQ(Draw({At(25, 150, 0)}, 0), (std::vector<TPoint>{{50, 35}}));

    view_.GraphKind = kGraphVswr; // 100 ohm: VSWR 2 of 4.5 .. 0, row 65.6
    Graph().Top = 4.5;
    Graph().Bot = 0;
    EXPECT_EQ(Draw({At(25, 100, 0)}, 0), (std::vector<TPoint>{{50, 65}}));

    view_.GraphKind = kGraphPower; // 2 V, 1.5 A, 60 degrees: 1.5 W of 2.2 .. 0, row 41.8
    Graph().Top = 2.2;
    Graph().Bot = 0;
    EXPECT_EQ(Draw({At(25, 0, 0, 2, 1.5, 60)}, 0), (std::vector<TPoint>{{50, 41}}));

    view_.GraphKind = kGraphVip; // I = 1.5 A of the same range
    Graph().Top = 2.2;
    Graph().Bot = 0;
    EXPECT_EQ(Draw({At(25, 0, 0, 2, 1.5, 60)}, 1), (std::vector<TPoint>{{50, 41}}));
}

TEST_F(CurveDrawing, TheXAxisFollowsHorMode)
{
    view_.HorMode = kHorN; // point numbers from 1
    view_.HorLeft[kHorN] = 0;
    view_.HorRight[kHorN] = 4;
    EXPECT_EQ(Draw({At(70, 0), At(80, 0)}), (std::vector<TPoint>{{50, 60}, {100, 60}}));

    view_.HorMode = kHorF;
    view_.HorLog = true; // 10 MHz halfway between 1 and 100
    view_.HorLeft[kHorF] = 1;
    EXPECT_EQ(Draw({At(10, 0)}), (std::vector<TPoint>{{100, 60}}));
}

TEST_F(CurveDrawing, AValueBeyond1e90BreaksTheCurve)
{
    view_.ShowDataPoints = false;
    Draw({At(0, 0), At(10, 0), At(20, 1e99), At(30, 0), At(40, 0)});
    EXPECT_TRUE(IsSet(image_, 10, 60));
    EXPECT_TRUE(IsSet(image_, 70, 60));
    EXPECT_FALSE(IsSet(image_, 40, 60)); // nothing joins the points on either side
    EXPECT_FALSE(IsSet(image_, 30, 60));

    view_.ShowDataPoints = true; // a point held back near the last one is drawn at the gap
    EXPECT_EQ(Draw({At(10, 0), At(11, 0), At(20, 1e99), At(30, 0)}),
              (std::vector<TPoint>{{20, 60}, {22, 60}, {60, 60}}));
    EXPECT_FALSE(IsSet(image_, 40, 60));
}

TEST_F(CurveDrawing, PointsNearTheLastDrawnOneAreHeldBack)
{
    view_.ShowDataPoints = true;
    // 1 pixel, then 2, then 4 pixels from the first: only the last of the
    // close run and the far point get symbols.
    EXPECT_EQ(Draw({At(10, 0), At(10.5, 0), At(11, 0), At(12, 0)}), (std::vector<TPoint>{{20, 60}, {24, 60}}));
    EXPECT_EQ(Draw({At(10, 0), At(10.5, 0), At(11, 0)}), (std::vector<TPoint>{{20, 60}, {22, 60}}));
}

TEST_F(CurveDrawing, ALogarithmicAxisLeavesOutFrequenciesWithoutALogarithm)
{
    view_.HorLog = true;
    view_.HorLeft[kHorF] = 1;
    view_.ShowDataPoints = false;
    Draw({At(1, 0), At(0, 50), At(100, 0)});
    EXPECT_TRUE(IsSet(image_, 100, 60)); // the neighbours are joined
    EXPECT_FALSE(IsSet(image_, 100, 35));
}

TEST_F(CurveDrawing, TheLineEntersFromThePointBeforeTheLeftEdgeAndEndsBeyondTheRight)
{
    EXPECT_EQ(Draw({At(-50, 0), At(-30, 0), At(-10, 0), At(10, 0)}).size(), 3u);
    EXPECT_EQ(Draw({At(10, 0), At(120, 0), At(130, 0)}), (std::vector<TPoint>{{20, 60}, {240, 60}}));
}

TEST_F(CurveDrawing, MagnitudesOnALogarithmicAxisAreDecibels)
{
    view_.GraphKind = kGraphZMagPhase;
    Graph().Log = true;
    Graph().Top = 1000; // 60 dB
    Graph().Bot = 1;    // 0 dB
    EXPECT_EQ(Draw({At(25, 100, 0)}), (std::vector<TPoint>{{50, 43}})); // 40 dB: row 43.3
    EXPECT_TRUE(Draw({At(25, 0, 0)}).empty()); // no logarithm of 0
    EXPECT_TRUE(Draw({At(25, 1e99, 0)}).empty());
    // The phase of 0 ohm is 0 degrees, in the middle of the phase pane.
    EXPECT_EQ(Draw({At(25, 0, 0)}, 1), (std::vector<TPoint>{{50, 60}}));

    Graph().Log = false; // drawn at 0, just below the bottom of 1000 .. 1
    EXPECT_EQ(Draw({At(25, 0, 0)}), (std::vector<TPoint>{{50, 110}}));
}

TEST_F(CurveDrawing, ALogarithmicAxisWithABottomBelowZeroDrawsNoMagnitude)
{
    view_.GraphKind = kGraphZMagPhase;
    Graph().Log = true; // Bot stays -100
    EXPECT_TRUE(Draw({At(25, 100, 0), At(50, 30, 40)}).empty());
    EXPECT_TRUE(SetPixels(image_).empty());
    EXPECT_EQ(Draw({At(25, 100, 0)}, 1).size(), 1u); // the phase has its own scale
}

TEST_F(CurveDrawing, EqualPhaseLimitsShowTheFullCircleAboveThem)
{
    view_.GraphKind = kGraphZMagPhase;
    Graph().PhTop = 0;
    Graph().PhBot = 0;
    // 90 degrees of 360 .. 0: row 60 + 25.
    EXPECT_EQ(Draw({At(25, 0, 10)}, 1), (std::vector<TPoint>{{50, 85}}));
}

TEST_F(CurveDrawing, ScalesWithoutARangeDrawNothing)
{
    view_.HorRight[kHorF] = 0;
    EXPECT_TRUE(Draw({At(0, 0), At(0, 50)}).empty());
    view_.HorRight[kHorF] = 100;
    Graph().Top = Graph().Bot = 5;
    EXPECT_TRUE(Draw({At(10, 5), At(20, 5)}).empty());
    EXPECT_TRUE(SetPixels(image_).empty());
}

TEST_F(CurveDrawing, ALoneSymbolOrNothing)
{
    EXPECT_EQ(Draw({At(25, 0)}).size(), 1u);
    EXPECT_FALSE(SetPixels(image_).empty());
    view_.ShowDataPoints = false;
    EXPECT_TRUE(Draw({At(25, 0)}).empty());
    EXPECT_TRUE(SetPixels(image_).empty());
}

TEST_F(CurveDrawing, OnlyThePointsUpToTheReplayPositionAreDrawn)
{
    InstallReplaySampleLimit([](const CTrace&) { return 2; });
    EXPECT_EQ(Draw({At(10, 0), At(30, 0), At(50, 0)}).size(), 2u);
    InstallReplaySampleLimit({});
    EXPECT_EQ(Draw({At(10, 0), At(30, 0), At(50, 0)}).size(), 3u);
}

class RunSegment : public CurveDrawing {
protected:
    QImage DrawSegment(const std::vector<PointRecord>& points, int replayIndex = -1)
    {
        view_.Traces.Clear();
        CTrace& trace = AddTrace(view_, points);
        QImage image = BlackImage(kPane.right, kPane.bottom);
        CCanvas canvas(image);
        canvas.SetPenColor(kWhite);
        view_.MarkerRects.Free();
        view_.MarkerRects.Alloc(4);
        if (replayIndex < 0) DrawRunSegment(trace, view_, 0, canvas, kPane, kMargin);
        else DrawReplayMarker(trace, replayIndex, view_, 0, canvas, kPane, kMargin);
        return image;
    }
};

TEST_F(RunSegment, DrawsTheLineBetweenTheLastTwoPointsWithTheirSymbols)
{
    view_.ShowDataPoints = false;
    const QImage image = DrawSegment({At(0, 80), At(10, 0), At(40, 0)});
    EXPECT_TRUE(IsSet(image, 20, 60));
    EXPECT_TRUE(IsSet(image, 79, 60));
    EXPECT_FALSE(IsSet(image, 80, 60)); // the line leaves out its end
    EXPECT_FALSE(IsSet(image, 10, 40)); // nothing of the points before
    EXPECT_EQ(SetPixels(image).size(), 60u);

    view_.ShowDataPoints = true;
    const QImage withSymbols = DrawSegment({At(0, 80), At(10, 0), At(40, 0)});
    EXPECT_TRUE(IsSet(withSymbols, 86, 60)); // the right edge of the last symbol
    EXPECT_EQ(view_.MarkerRects.Count(), 0);
}

TEST_F(RunSegment, OfAOnePointTraceIsItsSymbolAlone)
{
    const QImage image = DrawSegment({At(10, 0)});
    EXPECT_EQ(SetPixels(image).size(), 4u * 12);
    view_.ShowDataPoints = false;
    EXPECT_TRUE(SetPixels(DrawSegment({At(10, 0)})).empty());
}

TEST_F(RunSegment, AReplayDrawsTheSegmentEndingAtItsPosition)
{
    view_.ShowDataPoints = false;
    const QImage image = DrawSegment({At(10, 0), At(40, 0), At(60, 80)}, 1);
    EXPECT_TRUE(IsSet(image, 20, 60));
    EXPECT_FALSE(IsSet(image, 100, 40));
}

} // namespace
