#include "view/chart/SmithTrace.h"

#include "model/Correction.h"
#include "model/Gamma.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ClipGuard.h"
#include "view/canvas/CoalescingPlotter.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/chart/DrawnExtents.h"
#include "view/ReplayLimit.h"
#include "view/chart/SmithGeometry.h"
#include "view/chart/SmithMatches.h"
#include "view/chart/TraceSegments.h"
#include "view/document/ViewState.h"

#include <array>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kNearPixels = 3;

bool NothingMeasured(double R, double X) { return R == 0 && X == 0; }

// The extents of one curve's drawn points, gathered in the loop and handed
// to the window's once at the end: widening by the smallest and the largest
// value gives what widening by each one does.
class CurveExtents {
public:
    explicit CurveExtents(ViewState& view) : view_(view) {}
    ~CurveExtents()
    {
        if (minRe_ <= maxRe_) {
            WidenGammaExtents(view_, minRe_, minIm_);
            WidenGammaExtents(view_, maxRe_, maxIm_);
        }
        if (minX_ <= maxX_) {
            WidenXExtents(view_, minX_);
            WidenXExtents(view_, maxX_);
        }
    }
    CurveExtents(const CurveExtents&) = delete;
    CurveExtents& operator=(const CurveExtents&) = delete;

    void WidenX(double x) { Widen(minX_, maxX_, x); }

    // The pixel of an impedance on the chart, widening the Gamma extents;
    // false without a Gamma. Column and row come out apart: the loop runs for
    // every point, and a pixel put together in memory costs more here than
    // everything else it does.
    bool Place(double R, double X, int& column, int& row)
    {
        double re = 0, im = 0;
        if (!GammaFromZ(R, X, view_.Z0Re, view_.Z0Im, re, im)) return false;
        Widen(minRe_, maxRe_, re);
        Widen(minIm_, maxIm_, im);
        const TRect& square = view_.SmithRect;
        const std::optional<int> x = PixelX(square.left + square.Width() * (re + 1) * 0.5);
        const std::optional<int> y = PixelY(square.bottom - square.Height() * (im + 1) * 0.5);
        if (!x || !y) return false;
        column = *x;
        row = *y;
        return true;
    }

private:
    static void Widen(double& least, double& most, double value)
    {
        if (value > most) most = value;
        if (value < least) least = value;
    }

    static constexpr double kInf = std::numeric_limits<double>::infinity();
    ViewState& view_;
    double minRe_ = kInf, maxRe_ = -kInf, minIm_ = kInf, maxIm_ = -kInf, minX_ = kInf, maxX_ = -kInf;
};

// A single point's pixel, widening the window's extents.
std::optional<TPoint> PlaceOnChart(ViewState& view, double R, double X)
{
    TPoint p;
    if (!CurveExtents(view).Place(R, X, p.x, p.y)) return std::nullopt;
    return p;
}

int CountMeasured(const PointReader& reader)
{
    int n = 0;
    reader.ForEach(0, [&n](int, const ShownPoint& shown) {
        if (!NothingMeasured(shown.point.R, shown.point.X)) ++n;
        return true;
    });
    return n;
}

// The walk along a Smith curve: with symbols, a point within 3 pixels of
// the last drawn one in each direction is held back; without, only a point on
// its very pixel is passed over.
template <typename Plotter>
class SmithPen : public CurveWalk<Plotter> {
    using Walk = CurveWalk<Plotter>;
    using Walk::down_;
    using Walk::last_;
    using Walk::plotter_;
    using Walk::view_;

public:
    using Walk::Walk;

    void Point(TPoint p, double x)
    {
        if (view_.ShowDataPoints) {
            if (down_ && std::abs(p.x - last_.x) < kNearPixels && std::abs(p.y - last_.y) < kNearPixels) {
                Walk::HoldBack(p, x);
                return;
            }
            if (down_ && view_.ShowLine) plotter_.LineTo(p);
            DrawPointMarker(view_, plotter_, p, Settings.PointSize, x);
            plotter_.MoveTo(p);
        } else if (!down_) {
            plotter_.MoveTo(p);
        } else if (p != last_ && view_.ShowLine) {
            plotter_.LineTo(p);
        }
        Walk::Drawn(p);
    }
};

// A point read and placed on the chart, waiting for the pen.
struct PlacedPoint {
    enum class Kind : unsigned char { NothingMeasured, NoPixel, Placed };
    Kind kind;
    TPoint pixel;
    double x;
};

template <typename Plotter>
void WalkCurvePoints(const PointReader& reader, ViewState& view, Plotter& plotter, bool gradient, int measured)
{
    SmithPen<Plotter> pen(view, plotter);
    CurveExtents extents(view);
    int k = 0;
    // Points are placed a batch at a time and then walked by the pen. The
    // placing loop hardly branches, so the divisions of many points overlap;
    // the pen's turns, which the processor cannot foresee, come after.
    constexpr std::size_t kBatch = 256;
    std::array<PlacedPoint, kBatch> batch;
    std::size_t count = 0;
    const auto walk = [&] {
        for (std::size_t i = 0; i < count; ++i) {
            const PlacedPoint& placed = batch[i];
            if (placed.kind == PlacedPoint::Kind::NothingMeasured) {
                pen.Gap();
                continue;
            }
            if (gradient) plotter.SetColor(RainbowColor(k++, measured));
            if (placed.kind == PlacedPoint::Kind::NoPixel) pen.Gap();
            else pen.Point(placed.pixel, placed.x);
        }
        count = 0;
    };
    reader.ForEach(0, [&](int, const ShownPoint& shown) {
        PlacedPoint& placed = batch[count];
        placed.x = shown.x;
        if (NothingMeasured(shown.point.R, shown.point.X)) {
            placed.kind = PlacedPoint::Kind::NothingMeasured;
        } else {
            extents.WidenX(shown.x);
            placed.kind = extents.Place(shown.point.R, shown.point.X, placed.pixel.x, placed.pixel.y)
                              ? PlacedPoint::Kind::Placed
                              : PlacedPoint::Kind::NoPixel;
        }
        if (++count == kBatch) walk();
        return true;
    });
    walk();
    pen.DrawHeldBack();
}

void DrawCurvePoints(CTrace& trace, ViewState& view, CCanvas& canvas, bool dimmed, DrawingPath path)
{
    const PointReader reader(trace.Data, view.HorMode, ReplaySampleLimit(trace));
    const bool gradient = Settings.UseGradient && Settings.CurrentScheme != kSchemeBlackAndWhite && !dimmed;
    const int measured = gradient ? CountMeasured(reader) : 0;
    if (FastPlotterApplies(canvas, path)) {
        CoalescingPlotter plotter(canvas, CoverTracking::On);
        WalkCurvePoints(reader, view, plotter, gradient, measured);
        return;
    }
    const std::unique_ptr<CurvePlotter> plotter = MakeCurvePlotter(canvas, path, CoverTracking::On);
    WalkCurvePoints(reader, view, *plotter, gradient, measured);
}

TRect DrawTwoPoints(CTrace& trace, int first, ViewState& view, CCanvas& canvas, const TRect& chart)
{
    SetTracePen(canvas, Settings.LineWidth);
    const ClipGuard confine(canvas, chart);
    std::array<std::optional<TPoint>, 2> ends;
    for (int i = 0; i < 2; ++i) {
        const int index = first + i;
        if (index < 0) continue;
        double f = 0, R = 0, X = 0, t = 0;
        if (!trace.Data.GetPoint(index, f, R, X, t)) break;
        ends[static_cast<std::size_t>(i)] = PlaceOnChart(view, R, X);
    }
    return DrawSegmentEnds(view, canvas, ends);
}

} // namespace

void DrawSmithCurve(CTrace& trace, ViewState& view, CCanvas& canvas, bool dimmed, const TRect& chart, DrawingPath path)
{
    SetTracePen(canvas, Settings.LineWidth);
    const ClipGuard confine(canvas, chart);
    DrawCurvePoints(trace, view, canvas, dimmed, path);
    if (path == DrawingPath::MarkersOnly) return;

    canvas.SetPenColor(SchemeColor(dimmed ? kColorDimmed : kColorTrajectories));
    DrawMatchPoints(trace, view, canvas);
    if (view.ShowMatchTime && !dimmed) DrawMatchTransitions(trace, view, canvas, chart);
}

TRect DrawSmithRunSegment(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart)
{
    return DrawTwoPoints(trace, trace.Data.Count() - 2, view, canvas, chart);
}

void DrawSmithReplayMarker(CTrace& trace, int index, ViewState& view, CCanvas& canvas, const TRect& chart)
{
    DrawTwoPoints(trace, index - 1, view, canvas, chart);
}

void DrawSmithReference(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart, DrawingPath path)
{
    SetTracePen(canvas, Settings.RefWidth);
    const ClipGuard confine(canvas, chart);
    {
        const PointReader reader(trace.Data, view.HorMode, ReplaySampleLimit(trace));
        const std::unique_ptr<CurvePlotter> plotter = MakeCurvePlotter(canvas, path, CoverTracking::On);
        CurveExtents extents(view);
        bool down = false;
        TPoint last;
        reader.ForEach(0, [&](int, const ShownPoint& shown) {
            if (NothingMeasured(shown.point.R, shown.point.X)) {
                down = false;
                return true;
            }
            extents.WidenX(shown.x);
            int column = 0, row = 0;
            if (!extents.Place(shown.point.R, shown.point.X, column, row)) {
                down = false;
                return true;
            }
            const TPoint p{column, row};
            if (!down) plotter->MoveTo(p);
            else if (p != last) plotter->LineTo(p);
            last = p;
            down = true;
            return true;
        });
    }
    DrawMatchPoints(trace, view, canvas);
}

void DrawSmithCursorMarker(CTrace& trace, ViewState& view, CCanvas& canvas, bool recompute, double x)
{
    if (recompute) {
        trace.SmithMarkerShown = false;
        CData& data = trace.Data;
        const int index = data.FindIndex(view.HorMode, x);
        if (index < 0 || index >= data.Count()) return;
        double pointX = 0, R = 0, X = 0, re = 0, im = 0;
        data.GetPointX(view.HorMode, index, pointX, &R, &X);
        // Beyond the last point there is nothing to mark.
        if (index == data.Count() - 1 && pointX < x) return;
        if (!GammaFromZ(view, R, X, re, im)) return;
        const std::optional<TPoint> p = GammaToPoint(view, re, im);
        if (!p) return;
        trace.SmithMarkerX = p->x;
        trace.SmithMarkerY = p->y;
        trace.SmithMarkerShown = true;
    }
    if (!trace.SmithMarkerShown) return;
    const CanvasStateGuard keep(canvas);
    canvas.SetPen({canvas.Pen().Color ^ SchemeColor(kColorBackground), Settings.LineWidth + 1, PenStyle::Solid, PenMode::Xor});
    DrawSquare(canvas, trace.SmithMarkerX, trace.SmithMarkerY, Settings.PointSize + 2);
}
