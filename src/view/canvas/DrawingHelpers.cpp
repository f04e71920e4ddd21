#include "view/canvas/DrawingHelpers.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"

#include <array>

void DrawFrame(CCanvas& canvas, const TRect& rect)
{
    const std::array<TPoint, 5> corners = {{{rect.left, rect.top},
                                            {rect.right, rect.top},
                                            {rect.right, rect.bottom},
                                            {rect.left, rect.bottom},
                                            {rect.left, rect.top}}};
    canvas.Polyline(corners);
}

void DrawSquare(CCanvas& canvas, int x, int y, int r)
{
    DrawFrame(canvas, {x - r, y - r, x + r, y + r});
}

void DrawXorCursor(CCanvas& canvas, int kind, const TRect& area, TPoint point, const TRect& rect)
{
    const CanvasStateGuard keep(canvas);
    canvas.SetPen({SchemeColor(kColorSelection) ^ SchemeColor(kColorBackground), 1, PenStyle::Solid, PenMode::Xor});
    switch (kind) {
    case kXorVerticalPair:
        canvas.MoveTo(rect.left, 0);
        canvas.LineTo(rect.left, area.bottom);
        canvas.MoveTo(rect.right, 0);
        canvas.LineTo(rect.right, area.bottom);
        break;
    case kXorHorizontalPair:
        canvas.MoveTo(0, rect.top);
        canvas.LineTo(area.right, rect.top);
        canvas.MoveTo(0, rect.bottom);
        canvas.LineTo(area.right, rect.bottom);
        break;
    case kXorFrame:
    case kXorMarkerFrame:
        DrawFrame(canvas, rect);
        break;
    default:
        canvas.MoveTo(point.x, point.y - 8);
        canvas.LineTo(point.x, point.y + 8);
        canvas.MoveTo(point.x - 8, point.y);
        canvas.LineTo(point.x + 8, point.y);
        break;
    }
}
