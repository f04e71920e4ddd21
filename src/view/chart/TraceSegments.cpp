#include "view/chart/TraceSegments.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/document/ViewState.h"

void DrawPointMarker(ViewState& view, CurvePlotter& plotter, TPoint point, int size, double x)
{
    plotter.Square(point, size);
    view.MarkerRects.Add({point.x - size, point.y - size, point.x + size, point.y + size}, x);
}

void DrawSegmentEnds(const ViewState& view, CCanvas& canvas, const std::array<std::optional<TPoint>, 2>& ends)
{
    bool first = true;
    for (const std::optional<TPoint>& end : ends) {
        if (!end) continue;
        if (first) {
            if (view.ShowDataPoints) DrawSquare(canvas, end->x, end->y, Settings.PointSize);
            canvas.MoveTo(end->x, end->y);
            first = false;
            continue;
        }
        if (view.ShowLine) canvas.LineTo(end->x, end->y);
        if (view.ShowDataPoints) DrawSquare(canvas, end->x, end->y, Settings.PointSize);
    }
}

void SetTracePen(CCanvas& canvas, int width)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(width);
}

void CurveWalk::DrawHeldBack()
{
    if (!held_) return;
    if (view_.ShowLine) plotter_.LineTo(heldPixel_);
    if (view_.ShowDataPoints) DrawPointMarker(view_, plotter_, heldPixel_, Settings.PointSize, heldX_);
    held_ = false;
}
