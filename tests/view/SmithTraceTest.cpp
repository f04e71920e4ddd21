// Traces on the Smith chart: where points go, gaps, the gradient, match
// points and transitions, the cursor marker and the reference trace.

#include "CanvasTestSupport.h"
#include "ChartTestTraces.h"
#include "SettingsSnapshot.h"
#include "model/Correction.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/chart/DrawnExtents.h"
#include "view/chart/SmithMatches.h"
#include "view/chart/SmithTrace.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
// The unit circle spans the 200 x 200 chart: Gamma = 0 at (100, 100), 0.5 at
// (150, 100), 0.2 + j0.4 at (120, 60), -1 at (0, 100).
const TRect kChart{0, 0, 200, 200};

PointRecord Z(double f, double R, double X) { return {f, R, X, 0, 0, 0, 0}; }

class SmithTrace : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        view_.GraphKind = kGraphSmith;
        view_.SmithRect = kChart;
        view_.ShowMatchNumbers = false;
    }

    CTrace& Trace(const std::vector<PointRecord>& points)
    {
        view_.Traces.Clear();
        return AddTrace(view_, points);
    }

    std::vector<TPoint> DrawCurve(const std::vector<PointRecord>& points, bool dimmed = false)
    {
        CTrace& trace = Trace(points);
        image_ = BlackImage(kChart.right, kChart.bottom);
        CCanvas canvas(image_);
        canvas.SetPenColor(kWhite);
        view_.MarkerRects.Free();
        view_.MarkerRects.Alloc(16);
        ResetDrawnExtents(view_);
        DrawSmithCurve(trace, view_, canvas, dimmed, kChart);
        std::vector<TPoint> centres;
        for (int i = 0; i < view_.MarkerRects.Count(); ++i) {
            const TRect& r = view_.MarkerRects[i].Rect;
            centres.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        }
        return centres;
    }

    SettingsSnapshot snapshot_;
    ViewState view_;
    QImage image_;
};

TEST_F(SmithTrace, PointsGoWhereTheirGammaIs)
{
    EXPECT_EQ(DrawCurve({Z(1, 50, 0), Z(2, 150, 0), Z(3, 50, 50)}),
              (std::vector<TPoint>{{100, 100}, {150, 100}, {120, 60}}));
    EXPECT_EQ(view_.MarkerRects[2].X, 3);
    EXPECT_EQ(view_.DrawnExtents[kExtentMaxRe], 0.5);
    EXPECT_EQ(view_.DrawnExtents[kExtentMaxIm], 0.4);
    EXPECT_EQ(view_.DrawnExtents[kExtentMinX], 1);
    EXPECT_EQ(view_.DrawnExtents[kExtentMaxX], 3);
}

TEST_F(SmithTrace, NothingMeasuredBreaksTheCurveAndHasNoColourOfTheRamp)
{
    view_.ShowDataPoints = false;
    Settings.UseGradient = true;
    Settings.CurrentScheme = kSchemeWhite;
    DrawCurve({Z(1, 50, 0), Z(2, 0, 0), Z(3, 150, 0), Z(4, 50, 50)});
    EXPECT_FALSE(IsSet(image_, 125, 100)); // no line across the gap
    // The three measured points count 0, 1, 2: the last segment is drawn in
    // the ramp's third colour.
    EXPECT_EQ(PixelColor(image_, 142, 90), RainbowColor(2, 3));
}

TEST_F(SmithTrace, ALoneMeasuredPointUnderTheGradientIsBlue)
{
    Settings.UseGradient = true;
    Settings.CurrentScheme = kSchemeWhite;
    DrawCurve({Z(1, 50, 0)});
    EXPECT_EQ(PixelColor(image_, 94, 100), RainbowColor(0, 1));
    EXPECT_EQ(RainbowColor(0, 1), RGBColor(0, 0, 255));

    DrawCurve({Z(1, 50, 0)}, true); // a dimmed trace keeps the caller's pen
    EXPECT_EQ(PixelColor(image_, 94, 100), kWhite);
}

TEST_F(SmithTrace, WithoutSymbolsOnlyPointsOnTheSamePixelAreLeftOut)
{
    view_.ShowDataPoints = false;
    DrawCurve({Z(1, 50, 0), Z(2, 50.5, 0), Z(3, 150, 0)});
    EXPECT_TRUE(IsSet(image_, 101, 100));
    EXPECT_TRUE(IsSet(image_, 149, 100));
}

TEST_F(SmithTrace, EmptyMatchSlotsAreNotDrawn)
{
    CTrace& trace = Trace({});
    image_ = BlackImage(kChart.right, kChart.bottom);
    CCanvas canvas(image_);
    canvas.SetPenColor(kWhite);
    DrawMatchPoints(trace, view_, canvas); // every slot holds 1e99 or -1e99
    EXPECT_TRUE(SetPixels(image_).empty());

    trace.Data.MatchPoints[kXMax].R = 50;
    trace.Data.MatchPoints[kXMax].X = 0;
    DrawMatchPoints(trace, view_, canvas);
    EXPECT_TRUE(IsSet(image_, 100, 88)); // the top of a circle of 2 Settings.PointSize
    EXPECT_FALSE(IsSet(image_, 100, 100));
}

TEST_F(SmithTrace, MatchPointAndTransitionTexts)
{
    MatchPoint center;
    center.R = 52.5;
    center.X = -3;
    Settings.TableDataDigits = 3;
    EXPECT_EQ(MatchPointLabel(kCenter, center),
              "Center (R=" + FormatEng(3, 52.5) + "; X=" + FormatEng(3, -3) + ")");
    EXPECT_EQ(MatchPointLabel(kRMax, center), "3");
    EXPECT_EQ(TransitionLabel({0, 2, 0.25, 0, 0}), "1->3:  " + FormatEng(3, 0.25));
}

TEST_F(SmithTrace, TransitionsAreDrawnUpToTheFirstEmptySlot)
{
    CData data;
    data.Transitions[0] = {0, 2, 0.1, 0, 1};
    data.Transitions[1] = {-1, 1, 0.2, 0, 1};
    data.Transitions[2] = {1, 3, 0.3, 0, 1};
    std::vector<ShownTransition> shown = ShownTransitions(data);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].slot, 0);

    data.Transitions[1] = {1, -1, 0.2, 0, 1}; // without a second end the drawing ends
    shown = ShownTransitions(data);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(shown[1].bothEnds);
}

TEST_F(SmithTrace, TransitionsNamingNoMatchPointAreLeftOut)
{
    CData data;
    data.Transitions[0] = {7, 1, 0.1, 0, 1};
    data.Transitions[1] = {1, 12, 0.2, 0, 1};
    data.Transitions[2] = {4, 0, 0.3, 0, 1};
    const std::vector<ShownTransition> shown = ShownTransitions(data);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].slot, 2);
}

TEST_F(SmithTrace, ATrajectoryKeepsToThePointsTheTraceHas)
{
    view_.ShowMatchTime = true;
    view_.ShowDataPoints = false;
    std::vector<PointRecord> points = {Z(1, 50, 0), Z(2, 150, 0)};
    CTrace& trace = Trace(points);
    trace.Data.Transitions[0] = {0, 1, 0.1, -5, INT_MAX};
    image_ = BlackImage(kChart.right, kChart.bottom);
    CCanvas canvas(image_);
    canvas.SetPenColor(kWhite);
    view_.ShowLine = false; // only the trajectory draws the line
    DrawSmithCurve(trace, view_, canvas, false, kChart);
    EXPECT_TRUE(IsSet(image_, 125, 100));
}

TEST_F(SmithTrace, TheCursorMarkerIsPlacedAtTheCursorAndErasedByDrawingItAgain)
{
    CTrace& trace = Trace({Z(10, 50, 0), Z(20, 150, 0)});
    const QImage background = PatternImage(kChart.right, kChart.bottom);
    QImage image = background;
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    DrawSmithCursorMarker(trace, view_, canvas, true, 5); // before the first point
    EXPECT_FALSE(trace.SmithMarkerShown);
    DrawSmithCursorMarker(trace, view_, canvas, true, 25); // beyond the last
    EXPECT_FALSE(trace.SmithMarkerShown);
    EXPECT_EQ(image, background);

    DrawSmithCursorMarker(trace, view_, canvas, true, 15);
    ASSERT_TRUE(trace.SmithMarkerShown);
    EXPECT_EQ(trace.SmithMarkerX, 100);
    EXPECT_EQ(trace.SmithMarkerY, 100);
    EXPECT_NE(image, background);
    DrawSmithCursorMarker(trace, view_, canvas, false, 0);
    EXPECT_EQ(image, background);
}

TEST_F(SmithTrace, TheReferenceIsALineWhateverTheTraceSettings)
{
    view_.ShowLine = false;
    CTrace& reference = Trace({Z(1, 50, 0), Z(2, 0, 0), Z(3, 150, 0), Z(4, 50, 50)});
    image_ = BlackImage(kChart.right, kChart.bottom);
    CCanvas canvas(image_);
    canvas.SetPenColor(kWhite);
    view_.MarkerRects.Alloc(8);
    DrawSmithReference(reference, view_, canvas, kChart);
    EXPECT_TRUE(IsSet(image_, 135, 80));   // on the way from (150, 100) to (120, 60)
    EXPECT_FALSE(IsSet(image_, 125, 100)); // not across the gap
    EXPECT_EQ(view_.MarkerRects.Count(), 0);
}

TEST_F(SmithTrace, ARunSegmentDrawsEvenAPointWithNothingMeasured)
{
    view_.ShowDataPoints = false;
    CTrace& trace = Trace({Z(1, 50, 0), Z(2, 0, 0)});
    image_ = BlackImage(kChart.right, kChart.bottom);
    CCanvas canvas(image_);
    canvas.SetPenColor(kWhite);
    DrawSmithRunSegment(trace, view_, canvas, kChart);
    EXPECT_TRUE(IsSet(image_, 50, 100)); // towards Gamma = -1
}

} // namespace
