// The whole chart: layout, divider, legend, cursor, the passes over the
// traces and the Smith chart's ramp and reference.

#include "CanvasTestSupport.h"
#include "ChartTestTraces.h"
#include "SettingsSnapshot.h"
#include "model/Correction.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartDrawing.h"
#include "view/chart/ChartFigures.h"
#include "view/chart/ChartLayout.h"
#include "view/canvas/ColorConversion.h"
#include "view/canvas/DrawLimits.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

namespace {

class ChartDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        Settings.CurrentScheme = kSchemeWhite;
        view_.GraphKind = kGraphRX;
    }

    QImage Draw(const TRect& chart = {0, 0, 400, 300})
    {
        QImage image = BlackImage(chart.right, chart.bottom);
        CCanvas canvas(image);
        DrawChartContent(view_, canvas, chart);
        return image;
    }

    static int PixelsOf(const QImage& image, TColor color)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) count += PixelColor(image, x, y) == color;
        }
        return count;
    }

    SettingsSnapshot snapshot_;
    ViewState view_;
};

TEST_F(ChartDrawing, TheRowHeightComesFromTheChartFont)
{
    Settings.GraphFont.Size = 12;
    Draw({0, 0, 400, 300});
    EXPECT_EQ(view_.RowHeight, 26);
    EXPECT_EQ(view_.PlotHeight, 300 - 52);
    Draw({0, 0, 400, 40});
    EXPECT_EQ(view_.PlotHeight, 0);
}

TEST_F(ChartDrawing, ASeparatePhasePaneLiesBelowTheDivider)
{
    view_.GraphKind = kGraphZMagPhase;
    const TRect chart{0, 0, 400, 500};
    const ChartPanes panes = ArrangePanes(view_, chart);
    EXPECT_EQ(view_.DividerY, 300);
    EXPECT_EQ(panes.upper, (TRect{0, 0, 400, 298}));
    EXPECT_EQ(panes.phase, (TRect{0, 302, 400, 500}));

    const QImage image = Draw(chart);
    EXPECT_EQ(PixelColor(image, 3, 300), 0xAAAAAAu);
    EXPECT_EQ(PixelColor(image, 3, 298), 0xEEEEEEu);
    EXPECT_EQ(PixelColor(image, 3, 302), 0x777777u);

    view_.Graphs[kGraphZMagPhase].Phase = kPhaseOn;
    EXPECT_EQ(ArrangePanes(view_, chart).phase, chart);
}

TEST_F(ChartDrawing, TheLegendShowsTheColoursOfTheCurves)
{
    const QImage image = Draw(); // the boxes are 17 pixels apart, 102 pixels left of the edge
    EXPECT_EQ(PixelColor(image, 400 - 95, 15), SchemeColor(kColorTrace1));
    EXPECT_EQ(PixelColor(image, 400 - 95, 15 + 17), SchemeColor(kColorTrace2));

    view_.GraphKind = kGraphVswr; // no legend
    EXPECT_EQ(PixelColor(Draw(), 400 - 95, 15), SchemeColor(kColorBackground));
}

TEST_F(ChartDrawing, ACursorFarLeftStaysAtTheDrawLimitWithArrowsAtTheBorder)
{
    const QImage withoutCursor = Draw();
    const QRgb cursorXor = (ToRgb(SchemeColor(kColorCursor)) ^ ToRgb(SchemeColor(kColorBackground))) & 0xFFFFFFu;
    const auto cursorAt = [&](const QImage& image, int x, int y) {
        return ((image.pixel(x, y) ^ withoutCursor.pixel(x, y)) & 0xFFFFFFu) == cursorXor;
    };
    view_.TableVisible = true;
    view_.CursorX = -1e6;
    const QImage farLeft = Draw();
    EXPECT_EQ(view_.CursorPixel, DrawLimits.MinX);
    EXPECT_TRUE(cursorAt(farLeft, 2, 7)); // the tip of the first arrow

    view_.CursorX = 50.5; // in the middle of 1 .. 100: a line down the chart
    const QImage middle = Draw();
    EXPECT_EQ(view_.CursorPixel, 200);
    for (int y = 20; y < 300; y += 7) EXPECT_TRUE(cursorAt(middle, 200, y)) << y;
    EXPECT_FALSE(cursorAt(middle, 2, 7));
}

TEST_F(ChartDrawing, WhichTracesEachTraceModeDraws)
{
    CTrace& trace = AddTrace(view_, Sweep(200));
    view_.GraphKind = kGraphVswr; // drawn in the trace's own colour
    trace.Color = RGBColor(10, 200, 30);
    trace.Selected = false;
    view_.TraceMode = 0;
    EXPECT_EQ(PixelsOf(Draw(), trace.Color), 0);
    EXPECT_EQ(PixelsOf(Draw(), SchemeColor(kColorDimmed)), 0);
    view_.TraceMode = 1;
    EXPECT_GT(PixelsOf(Draw(), SchemeColor(kColorDimmed)), 100);
    view_.TraceMode = 2;
    EXPECT_GT(PixelsOf(Draw(), trace.Color), 100);
}

TEST_F(ChartDrawing, TheTimeAxisLeavesOutTracesWithoutTimes)
{
    CTrace& trace = AddTrace(view_, Sweep(200));
    view_.GraphKind = kGraphVswr; // in the trace's own colour, without a legend
    trace.Color = RGBColor(10, 200, 30);
    view_.HorMode = kHorT;
    view_.HorLeft[kHorT] = 0;
    view_.HorRight[kHorT] = 2;
    EXPECT_GT(PixelsOf(Draw(), trace.Color), 100);
    trace.Time = false;
    EXPECT_EQ(PixelsOf(Draw(), trace.Color), 0);
}

TEST_F(ChartDrawing, TheSmithChartShowsItsRampAndTracesInColourButInBlackAndWhite)
{
    view_.GraphKind = kGraphSmith;
    CTrace& trace = AddTrace(view_, Sweep(300));
    trace.Color = RGBColor(10, 200, 30);
    Settings.UseGradient = true;
    const QImage ramp = Draw();
    EXPECT_EQ(PixelColor(ramp, 10 + 75, 15), RainbowColor(75, 150));
    EXPECT_EQ(PixelsOf(ramp, trace.Color), 0); // the gradient colours the trace

    Settings.UseGradient = false;
    EXPECT_GT(PixelsOf(Draw(), trace.Color), 100);
    EXPECT_EQ(PixelColor(Draw(), 10 + 75, 15), SchemeColor(kColorBackground));

    Settings.CurrentScheme = kSchemeBlackAndWhite;
    Settings.UseGradient = true;
    const QImage blackAndWhite = Draw();
    EXPECT_EQ(PixelColor(blackAndWhite, 10 + 75, 15), SchemeColor(kColorBackground));
    EXPECT_GT(PixelsOf(blackAndWhite, 0), 100);
}

TEST_F(ChartDrawing, TheReferenceTraceIsOverlaidWhenShown)
{
    view_.GraphKind = kGraphSmith;
    ReferenceTraces = std::make_unique<CTraces>();
    auto reference = std::make_unique<CTrace>();
    for (const PointRecord& p : Sweep(300)) reference->Data.Append(p.f, p.R, p.X);
    ReferenceTraces->Add(std::move(reference));
    Settings.ReferenceTraceIndex = 0;
    Settings.ShowReference = true;
    EXPECT_GT(PixelsOf(Draw(), SchemeColor(kColorReference)), 100);
    Settings.ReferenceTraceIndex = 1; // no such trace
    EXPECT_EQ(PixelsOf(Draw(), SchemeColor(kColorReference)), 0);
    ReferenceTraces.reset();
}

TEST_F(ChartDrawing, FiguresDrawnTwiceLeaveTheChartAsItWas)
{
    view_.CursorPixel = 3;
    view_.DividerY = 30;
    const TRect chart{0, 0, 100, 60};
    const QImage background = PatternImage(chart.right, chart.bottom);
    QImage image = background;
    CCanvas canvas(image);
    DrawCursorLine(view_, canvas, chart);
    EXPECT_NE(image, background);
    DrawCursorLine(view_, canvas, chart);
    EXPECT_EQ(image, background);

    InvertDividerBand(view_, canvas, chart); // rows 28 to 31
    EXPECT_EQ(image.pixel(50, 28), background.pixel(50, 28) ^ 0x00FFFFFFu);
    EXPECT_EQ(image.pixel(50, 31), background.pixel(50, 31) ^ 0x00FFFFFFu);
    EXPECT_EQ(image.pixel(50, 32), background.pixel(50, 32));
    InvertDividerBand(view_, canvas, chart);
    EXPECT_EQ(image, background);
}

} // namespace
