#include "view/chart/TraceCurve.h"

#include "model/Settings.h"
#include "model/Trace.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ClipGuard.h"
#include "view/canvas/CoalescingPlotter.h"
#include "view/chart/CurveScale.h"
#include "view/chart/CurveValues.h"
#include "view/canvas/DrawLimits.h"
#include "view/ReplayLimit.h"
#include "view/chart/TraceSegments.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <memory>
#include <vector>
#include <cstdlib>

namespace {

// Closer than this to the last drawn point, a point is held back.
constexpr int kNearPixels = 3;

// The pixel of a point's value at a place on the X axis; none for a gap: a
// value the curve cannot show.
std::optional<TPoint> PlaceOnCurve(const CurveScale& scale, const ViewState& view, int curve, double axisX,
                                   const PointRecord& point)
{
    return PixelPoint(scale.Column(axisX), scale.Row(CurveValue(view, curve, point)));
}

// The walk along a curve of a rectangular chart: a point within 3 pixels of
// the last drawn one (in each direction with symbols, in all without) is held
// back.
template <typename Plotter = CurvePlotter>
class CurvePen : public CurveWalk<Plotter> {
    using Walk = CurveWalk<Plotter>;
    using Walk::down_;
    using Walk::last_;
    using Walk::plotter_;
    using Walk::view_;

public:
    using Walk::Walk;

    // Returns true once a point beyond the right edge has been drawn.
    bool Point(TPoint p, double x, int rightEdge)
    {
        const int dx = std::abs(p.x - last_.x);
        const int dy = std::abs(p.y - last_.y);
        if (!down_) {
            if (view_.ShowDataPoints) DrawPointMarker(view_, plotter_, p, Settings.PointSize, x);
            plotter_.MoveTo(p);
        } else if (!view_.ShowDataPoints) {
            if (dx + dy < kNearPixels) {
                Walk::HoldBack(p, x);
                return false;
            }
            if (view_.ShowLine) plotter_.LineTo(p);
        } else {
            if (dx < kNearPixels && dy < kNearPixels) {
                Walk::HoldBack(p, x);
                return false;
            }
            if (view_.ShowLine) plotter_.LineTo(p);
            DrawPointMarker(view_, plotter_, p, Settings.PointSize, x);
            plotter_.MoveTo(p);
        }
        Walk::Drawn(p);
        return p.x > rightEdge;
    }
};

// How a segment reads its points: a run by random access, a replay through
// the replay read.
using PointRead = bool (CData::*)(int, int, double&, double*, double*, double*, double*, double*);

TRect DrawTwoPoints(CTrace& trace, int first, PointRead read, ViewState& view, int curve, CCanvas& canvas,
                    const TRect& pane, int margin)
{
    SetTracePen(canvas, Settings.LineWidth);
    const ClipGuard confine(canvas, pane);
    const std::optional<CurveScale> scale = CurveScale::For(view, curve, pane, margin);
    if (!scale) return {};
    std::array<std::optional<TPoint>, 2> ends;
    for (int i = 0; i < 2; ++i) {
        const int index = first + i;
        if (index < 0) continue;
        PointRecord point{};
        double x = 0;
        if (!(trace.Data.*read)(view.HorMode, index, x, &point.R, &point.X, &point.V, &point.I, &point.phase)) continue;
        // A point left off a logarithmic X axis is not drawn either.
        if (const std::optional<double> axisX = scale->AxisX(x)) {
            ends[static_cast<std::size_t>(i)] = PlaceOnCurve(*scale, view, curve, *axisX, point);
        }
    }
    return DrawSegmentEnds(view, canvas, ends);
}

} // namespace

void DrawCurve(CTrace& trace, ViewState& view, int curve, CCanvas& canvas, const TRect& pane, int margin,
               DrawingPath path)
{
    SetTracePen(canvas, Settings.LineWidth);
    const ClipGuard confine(canvas, pane);
    const std::optional<CurveScale> scale = CurveScale::For(view, curve, pane, margin);
    if (!scale) return;

    const CData& data = trace.Data;
    // The line enters from the point before the left edge.
    const int start = std::max(0, data.FindIndex(view.HorMode, view.HorLeft[view.HorMode]) - 1);
    const PointReader reader(data, view.HorMode, ReplaySampleLimit(trace));

    const std::unique_ptr<CurvePlotter> plotter = MakeCurvePlotter(canvas, path);
    CurvePen<> pen(view, *plotter);
    reader.ForEach(start, [&](int, const ShownPoint& shown) {
        // A point on a logarithmic X axis at a frequency below 1e-20 is left
        // out without lifting the pen.
        const std::optional<double> axisX = scale->AxisX(shown.x);
        if (!axisX) return true;
        // Column and row stay apart until both are known: the loop runs for
        // every point, and a pixel put together in memory costs more here
        // than everything else it does.
        const std::optional<int> column = PixelX(scale->Column(*axisX));
        const std::optional<int> row = PixelY(scale->Row(CurveValue(view, curve, shown.point)));
        if (!column || !row) {
            pen.Gap();
            return true;
        }
        return !pen.Point({*column, *row}, shown.x, pane.right);
    });
    pen.DrawHeldBack();
}

namespace {

// One curve's part of the walk that reads the points once for several.
struct CurveInWalk {
    CurveScale scale;
    std::unique_ptr<CoalescingPlotter> plotter;
    std::unique_ptr<CurvePen<CoalescingPlotter>> pen;
    bool done = false;
};

// Curves sharing one pane, on the fast path (the caller has checked that
// the fast plotter applies).
void DrawCurvesTogether(CTrace& trace, ViewState& view, std::span<const CurveToDraw> curves, CCanvas& canvas,
                        int margin)
{
    const TRect& pane = curves.front().pane;
    SetTracePen(canvas, Settings.LineWidth);
    const ClipGuard confine(canvas, pane);
    std::vector<CurveInWalk> walks;
    std::vector<int> kinds;
    for (const CurveToDraw& drawn : curves) {
        const std::optional<CurveScale> scale = CurveScale::For(view, drawn.curve, pane, margin);
        canvas.SetPenColor(drawn.color);
        if (!scale) continue;
        CurveInWalk& walk = walks.emplace_back(
            CurveInWalk{*scale, std::make_unique<CoalescingPlotter>(canvas, CoverTracking::Off), nullptr});
        walk.pen = std::make_unique<CurvePen<CoalescingPlotter>>(view, *walk.plotter);
        kinds.push_back(drawn.curve);
    }
    if (walks.empty()) return;
    const CData& data = trace.Data;
    const int start = std::max(0, data.FindIndex(view.HorMode, view.HorLeft[view.HorMode]) - 1);
    const PointReader reader(data, view.HorMode, ReplaySampleLimit(trace));
    std::size_t left = walks.size();
    reader.ForEach(start, [&](int, const ShownPoint& shown) {
        for (std::size_t i = 0; i < walks.size(); ++i) {
            CurveInWalk& walk = walks[i];
            if (walk.done) continue;
            const std::optional<double> axisX = walk.scale.AxisX(shown.x);
            if (!axisX) continue;
            const std::optional<int> column = PixelX(walk.scale.Column(*axisX));
            const std::optional<int> row = PixelY(walk.scale.Row(CurveValue(view, kinds[i], shown.point)));
            if (!column || !row) {
                walk.pen->Gap();
                continue;
            }
            if (walk.pen->Point({*column, *row}, shown.x, pane.right)) {
                walk.done = true;
                --left;
            }
        }
        return left > 0;
    });
    // Each plotter paints what it gathered as it goes, in the curves' order.
    for (CurveInWalk& walk : walks) {
        walk.pen->DrawHeldBack();
        walk.pen.reset();
        walk.plotter.reset();
    }
    canvas.SetPenColor(curves.back().color);
}

} // namespace

void DrawCurves(CTrace& trace, ViewState& view, std::span<const CurveToDraw> curves, CCanvas& canvas, int margin,
                DrawingPath path)
{
    std::size_t first = 0;
    while (first < curves.size()) {
        std::size_t end = first + 1;
        while (end < curves.size() && curves[end].pane == curves[first].pane) ++end;
        SetTracePen(canvas, Settings.LineWidth);
        // The marker table, when one is kept, lists a curve's symbols after
        // the one's before.
        if (end - first > 1 && FastPlotterApplies(canvas, path) && !view.MarkerRects.Exists()) {
            DrawCurvesTogether(trace, view, curves.subspan(first, end - first), canvas, margin);
        } else {
            for (std::size_t i = first; i < end; ++i) {
                canvas.SetPenColor(curves[i].color);
                DrawCurve(trace, view, curves[i].curve, canvas, curves[i].pane, margin, path);
            }
        }
        first = end;
    }
}

TRect DrawRunSegment(CTrace& trace, ViewState& view, int curve, CCanvas& canvas, const TRect& pane, int margin)
{
    return DrawTwoPoints(trace, trace.Data.Count() - 2, &CData::GetPointX, view, curve, canvas, pane, margin);
}

void DrawReplayMarker(CTrace& trace, int index, ViewState& view, int curve, CCanvas& canvas, const TRect& pane,
                      int margin)
{
    DrawTwoPoints(trace, index - 1, &CData::GetReplayPointX, view, curve, canvas, pane, margin);
}
