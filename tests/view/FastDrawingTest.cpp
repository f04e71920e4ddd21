// The fast trace drawing against the literal one, segment by segment on the
// canvas: the same pixels and the same marker entries for every kind of
// trace, chart and pen.

#include "CanvasTestSupport.h"
#include "ChartTestTraces.h"
#include "SettingsSnapshot.h"
#include "model/Correction.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ClipGuard.h"
#include "view/chart/ChartDrawing.h"
#include "view/canvas/CurvePlotter.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

const TRect kChart{0, 0, 640, 420};

struct Drawing {
    QImage image;
    std::vector<MarkerRect> markers;
};

Drawing Draw(ViewState& view, DrawingPath path)
{
    Drawing drawing{BlackImage(kChart.right, kChart.bottom), {}};
    CCanvas canvas(drawing.image);
    DrawChartContent(view, canvas, kChart, path);
    EnsureMarkerRects(view);
    for (int i = 0; i < view.MarkerRects.Count(); ++i) drawing.markers.push_back(view.MarkerRects[i]);
    return drawing;
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < kChart.bottom; ++y) {
        for (int x = 0; x < kChart.right; ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing;
}

// The chart as drawn without any of the window's traces.
QImage WithoutTraces(ViewState& view)
{
    std::vector<bool> selected;
    for (int i = 0; i < view.Traces.Count(); ++i) selected.push_back(std::exchange(view.Traces.Get(i)->Selected, false));
    const int mode = std::exchange(view.TraceMode, 0);
    QImage image = Draw(view, DrawingPath::Literal).image;
    view.TraceMode = mode;
    for (int i = 0; i < view.Traces.Count(); ++i) view.Traces.Get(i)->Selected = selected[static_cast<std::size_t>(i)];
    return image;
}

void ExpectSameDrawing(ViewState& view, const std::string& what, bool drawsTraces)
{
    const Drawing literal = Draw(view, DrawingPath::Literal);
    const Drawing fast = Draw(view, DrawingPath::Fast);
    EXPECT_EQ(DifferingPixels(literal.image, fast.image), 0) << what;
    // The traces must have drawn something for the comparison to count.
    if (drawsTraces) {
        EXPECT_GT(DifferingPixels(literal.image, WithoutTraces(view)), 500) << what;
    }
    ASSERT_EQ(literal.markers.size(), fast.markers.size()) << what;
    for (std::size_t i = 0; i < literal.markers.size(); ++i) {
        ASSERT_EQ(literal.markers[i].Rect, fast.markers[i].Rect) << what;
        ASSERT_EQ(literal.markers[i].X, fast.markers[i].X) << what;
    }
}

class FastDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        Settings.CurrentScheme = kSchemeWhite;
        view_.HorLeft[kHorF] = 1;
        view_.HorRight[kHorF] = 100;
    }

    // Every pen and symbol setting on the chart kind shown.
    void ExpectSameForEveryPen(const std::string& what)
    {
        for (const int width : {1, 2, 3}) {
            for (const bool symbols : {false, true}) {
                for (const bool line : {true, false}) {
                    Settings.LineWidth = width;
                    view_.ShowDataPoints = symbols;
                    view_.ShowLine = line;
                    ExpectSameDrawing(view_,
                                      what + " width " + std::to_string(width) + (symbols ? " symbols" : "") +
                                          (line ? " line" : ""),
                                      symbols || line);
                }
            }
        }
    }

    SettingsSnapshot snapshot_;
    ViewState view_;
};

TEST_F(FastDrawing, RectangularChartsOfSmoothNoisyAndGappedTraces)
{
    AddTrace(view_, Sweep(20000));
    AddTrace(view_, Noise(6000, 1));
    AddTrace(view_, WithGaps(Noise(3000, 2), 7));
    view_.Traces.Get(1)->Selected = false; // dimmed in the first pass
    for (const int kind : {kGraphRX, kGraphZMagPhase, kGraphVswr, kGraphVip, kGraphPower}) {
        view_.GraphKind = kind;
        ExpectSameForEveryPen(std::string(ChartKindNames[kind]));
    }
}

TEST_F(FastDrawing, CurvesReachingFarBeyondTheirPane)
{
    std::vector<PointRecord> points = Noise(8000, 3, 400);
    for (std::size_t i = 0; i < points.size(); i += 50) points[i].R = points[i].X = -1e7; // clamped far off
    AddTrace(view_, points);
    view_.GraphKind = kGraphRX;
    view_.HorLeft[kHorF] = 30; // the curve enters from the left and leaves at the right
    view_.HorRight[kHorF] = 33;
    view_.Graphs[kGraphRX].Top = 60;
    view_.Graphs[kGraphRX].Bot = -60;
    ExpectSameForEveryPen("clipped R/X");

    view_.GraphKind = kGraphGammaMagPhase;
    view_.Graphs[kGraphGammaMagPhase].Phase = kPhaseOn;
    view_.HorLog = true;
    view_.HorLeft[kHorF] = 20;
    view_.HorRight[kHorF] = 40;
    ExpectSameForEveryPen("logarithmic Gamma mag/phase");
}

TEST_F(FastDrawing, SmithChartsWithGradientReferenceAndTransitions)
{
    CTrace& noisy = AddTrace(view_, WithGaps(Noise(4000, 4, 300), 11));
    AddTrace(view_, Sweep(15000));
    noisy.Data.MatchPoints[kRMin] = {20, 5, 10, 0.2, 0.1, 0};
    noisy.Data.Transitions[0] = {0, 0, 0.25, 100, 3000};
    view_.ShowMatchTime = true;
    ReferenceTraces = std::make_unique<CTraces>();
    auto reference = std::make_unique<CTrace>();
    for (const PointRecord& p : Noise(2000, 5, 200)) reference->Data.Append(p.f, p.R, p.X);
    ReferenceTraces->Add(std::move(reference));
    Settings.ReferenceTraceIndex = 0;
    Settings.ShowReference = true;
    view_.GraphKind = kGraphSmith;
    for (const double scale : {1.0, 0.3}) {
        view_.SmithScale = scale;
        Settings.UseGradient = false;
        ExpectSameForEveryPen("Smith chart scale " + std::to_string(scale));
        Settings.UseGradient = true;
        ExpectSameForEveryPen("Smith chart with gradient, scale " + std::to_string(scale));
    }
    ReferenceTraces.reset();
}

// So many points that later lines and symbols fall on pixels painted
// already, which the fast plotter passes over: noise around the whole chart
// and beyond it, a passive load in its right half, a noisy RLC sweep in a
// band along one circle.
TEST_F(FastDrawing, SmithChartsThatPaintOverThemselves)
{
    std::mt19937 random(21);
    std::uniform_real_distribution<double> spread(-100, 100);
    std::uniform_real_distribution<double> resistance(0, 100);
    std::normal_distribution<double> noise(0, 3);
    std::vector<PointRecord> wide, passive, rlc;
    for (int i = 0; i < 40000; ++i) {
        const double f = 1 + 29.0 * i / 40000;
        const double omega = 2 * 3.141592653589793 * f * 1e6;
        wide.push_back({f, spread(random), spread(random), 0, 0, 0, 0});
        passive.push_back({f, resistance(random), spread(random), 0, 0, 0, 0});
        rlc.push_back({f, 50 + noise(random), omega * 1e-6 - 1 / (omega * 112.6e-12) + noise(random), 0, 0, 0, 0});
    }
    view_.GraphKind = kGraphSmith;
    for (const auto& [name, points] : {std::pair{"noise", &wide}, std::pair{"passive load", &passive},
                                       std::pair{"noisy RLC", &rlc}}) {
        view_.Traces.Clear();
        AddTrace(view_, *points);
        AddTrace(view_, Sweep(3000), "second");
        Settings.UseGradient = false;
        ExpectSameForEveryPen(name);
        Settings.UseGradient = true;
        view_.ShowDataPoints = true;
        ExpectSameDrawing(view_, std::string(name) + " with gradient", true);
    }
}

// Random windows: every chart kind, one to three traces smooth or noisy,
// some with gaps, each horizontal mode at any position and zoom, the Smith
// chart zoomed and moved, pens 1 to 5 wide, symbols, the gradient and every
// trace mode.
TEST_F(FastDrawing, RandomChartsOfRandomTraces)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const auto between = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        const auto real = [&random](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
        view_.Traces.Clear();
        for (int t = between(1, 3); t > 0; --t) {
            const int n = between(2, 3000);
            std::vector<PointRecord> points = between(0, 1) ? Sweep(n) : Noise(n, seed * 31 + t, real(1, 300));
            if (between(0, 3) == 0) points = WithGaps(points, between(2, 50));
            AddTrace(view_, points, "t" + std::to_string(t));
        }
        view_.GraphKind = between(kGraphSmith, kGraphKindCount - 1);
        view_.HorMode = between(kHorN, kHorT);
        const double span = view_.HorMode == kHorN ? 3000 : (view_.HorMode == kHorF ? 100 : 30);
        const double left = real(-0.2, 1.1) * span;
        view_.HorLeft[view_.HorMode] = left;
        view_.HorRight[view_.HorMode] = left + (between(0, 3) == 0 ? real(0.00001, 0.01) : real(0.01, 1.5)) * span;
        view_.HorLog = view_.HorMode == kHorF && left > 0 && between(0, 2) == 0;
        view_.TraceMode = between(0, 2);
        view_.SmithScale = between(0, 2) == 0 ? 1 : real(0.01, 3);
        view_.SmithX = between(0, 1) * real(-1, 1);
        view_.SmithY = between(0, 1) * real(-1, 1);
        Settings.LineWidth = between(1, 5);
        Settings.PointSize = between(1, 10);
        Settings.UseGradient = between(0, 3) == 0;
        view_.ShowDataPoints = between(0, 1) == 1;
        view_.ShowLine = between(0, 4) != 0;
        ExpectSameDrawing(view_, "seed " + std::to_string(seed), false);
    }
}

// Over 4096 pixels across, the fast plotter's records of full tiles (8
// pixels) and full squares (32) take several machine words per row, the
// next word starting at column 4096 for both: a steep line that crosses
// from full cells in one word into cells of the next that are not full
// must still be drawn there.
TEST_F(FastDrawing, ALineFromFullCellsIntoTheNextWordOfCells)
{
    QImage literal = BlackImage(4200, 260);
    QImage fast = literal;
    for (QImage* image : {&literal, &fast}) {
        CCanvas canvas(*image);
        canvas.SetPen({0xFFFFFF, 1, PenStyle::Solid, PenMode::Copy});
        const auto plotter = MakeCurvePlotter(canvas, image == &fast ? DrawingPath::Fast : DrawingPath::Literal,
                                              CoverTracking::On);
        // Rows of lines that fill every pixel left of column 4096.
        for (int y = -1; y < 260; ++y) {
            plotter->MoveTo({-20, y});
            plotter->LineTo({4096, y + 1});
        }
        plotter->MoveTo({4080, 0});
        plotter->LineTo({4120, 259});
    }
    EXPECT_EQ(fast, literal);
    int paintedBeyond = 0;
    for (int y = 0; y < 260; ++y) {
        for (int x = 4096; x < 4200; ++x) paintedBeyond += literal.pixel(x, y) != qRgb(0, 0, 0);
    }
    EXPECT_GT(paintedBeyond, 100);
}

// A wide pen reaches into the paint area from columns left of it, so the
// fast plotter gathers pixels there too: short lines that start at those
// columns, and runs of gathered pixels that begin there.
TEST_F(FastDrawing, ShortLinesOfAWidePenFromLeftOfThePaintArea)
{
    for (int width = 2; width <= 5; ++width) {
        QImage literal = BlackImage(120, 60);
        QImage fast = literal;
        for (QImage* image : {&literal, &fast}) {
            CCanvas canvas(*image);
            canvas.SetPen({0xFFFFFF, width, PenStyle::Solid, PenMode::Copy});
            const auto plotter = MakeCurvePlotter(canvas, image == &fast ? DrawingPath::Fast : DrawingPath::Literal,
                                                  CoverTracking::On);
            for (int x = -3; x < 2; ++x) {
                plotter->MoveTo({x, 10 + 8 * x});
                plotter->LineTo({x + 4, 12 + 8 * x});
                plotter->LineTo({x + 5, 20 + 8 * x});
            }
        }
        EXPECT_EQ(fast, literal) << "width " << width;
    }
}

// Random strokes against the literal plotter: lines short and long, along
// the axes and across, from inside the pane, from just outside it and from
// far away, squares, colour changes, pens 1 to 5 wide, with the pane the
// whole image or a part of it. Each seed's picture must be the same.
TEST_F(FastDrawing, RandomStrokesInAndAroundThePane)
{
    constexpr int kWide = 97;
    constexpr int kHigh = 71;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        const auto between = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        const int width = between(1, 5);
        const bool clipped = seed % 2 == 0;
        const TRect pane = clipped ? TRect{between(0, 20), between(0, 20), between(60, kWide), between(45, kHigh)}
                                   : TRect{0, 0, kWide, kHigh};
        const auto point = [&](TPoint from) -> TPoint {
            switch (between(0, 4)) {
            case 0: return {from.x + between(-3, 3), from.y + between(-3, 3)};                    // short
            case 1: return {from.x, between(-10, kHigh + 10)};                                    // along a column
            case 2: return {between(-10, kWide + 10), from.y};                                    // along a row
            case 3: return {between(-100000, 100000), between(-100000, 100000)};                  // far away
            default: return {between(pane.left - 6, pane.right + 5), between(pane.top - 6, pane.bottom + 5)};
            }
        };
        QImage literal = BlackImage(kWide, kHigh);
        QImage fast = literal;
        for (QImage* image : {&literal, &fast}) {
            std::mt19937 strokes(seed * 7919);
            random = strokes;
            CCanvas canvas(*image);
            canvas.SetPen({0xFFFFFF, width, PenStyle::Solid, PenMode::Copy});
            const ClipGuard confine(canvas, pane);
            const auto plotter = MakeCurvePlotter(canvas, image == &fast ? DrawingPath::Fast : DrawingPath::Literal,
                                                  seed % 3 == 0 ? CoverTracking::Off : CoverTracking::On);
            TPoint at{between(0, kWide), between(0, kHigh)};
            plotter->MoveTo(at);
            for (int stroke = 0; stroke < 400; ++stroke) {
                const int kind = between(0, 19);
                if (kind == 0) plotter->SetColor(between(0, 2) == 0 ? 0x00FF00 : 0xFFFFFF);
                if (kind == 1) plotter->Square(at, between(0, 4));
                at = point(at);
                if (kind == 2) plotter->MoveTo(at);
                else plotter->LineTo(at);
            }
        }
        ASSERT_EQ(fast, literal) << "seed " << seed << ", width " << width;
    }
}

TEST_F(FastDrawing, AnXorPenIsHandedToTheCanvasAsItComes)
{
    // Two passes over the same line cancel under XOR; merging them would not.
    QImage literal = PatternImage(50, 50);
    QImage fast = literal;
    for (QImage* image : {&literal, &fast}) {
        CCanvas canvas(*image);
        canvas.SetPen({0xFFFFFF, 1, PenStyle::Solid, PenMode::Xor});
        const auto plotter = MakeCurvePlotter(canvas, image == &fast ? DrawingPath::Fast : DrawingPath::Literal);
        plotter->MoveTo({5, 5});
        plotter->LineTo({40, 30});
        plotter->LineTo({5, 5});
        plotter->Square({20, 20}, 6);
    }
    EXPECT_EQ(fast, literal);
}

} // namespace
