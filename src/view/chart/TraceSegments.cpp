#include "view/chart/TraceSegments.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/chart/RunScreenPace.h"
#include "view/document/ViewState.h"

#include <algorithm>

TRect DrawSegmentEnds(const ViewState& view, CCanvas& canvas, const std::array<std::optional<TPoint>, 2>& ends)
{
    // A symbol reaches PointSize from its point, a pen its width (a pixel
    // more to be sure).
    const int reach = (view.ShowDataPoints ? std::max(Settings.PointSize, 0) : 0) + canvas.Pen().Width + 1;
    TRect area;
    for (const std::optional<TPoint>& end : ends) {
        if (end) area = UniteRects(area, {end->x - reach, end->y - reach, end->x + reach + 1, end->y + reach + 1});
    }
    const TRect paintable = canvas.PaintArea();
    area = {std::max(area.left, paintable.left), std::max(area.top, paintable.top), std::min(area.right, paintable.right),
            std::min(area.bottom, paintable.bottom)};
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
    return UniteRects(area, {});
}

void SetTracePen(CCanvas& canvas, int width)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(width);
}
