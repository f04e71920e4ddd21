#include "view/chart/ChartFigures.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartLayout.h"
#include "view/chart/SmithTrace.h"
#include "view/document/ViewState.h"

#include <array>
#include <initializer_list>
#include <span>

namespace {

constexpr TColor kDividerFace = 0xAAAAAA;
constexpr TColor kDividerLight = 0xEEEEEE;
constexpr TColor kDividerShadow = 0x777777;

void HorizontalLine(CCanvas& canvas, int y, int right)
{
    canvas.MoveTo(0, y);
    canvas.LineTo(right, y);
}

void Polyline(CCanvas& canvas, std::initializer_list<TPoint> points)
{
    canvas.Polyline(std::span<const TPoint>(points.begin(), points.size()));
}

} // namespace

void DrawDivider(const ViewState& view, CCanvas& canvas, const TRect& chart)
{
    canvas.SetPen({kDividerFace, 5, PenStyle::Solid, PenMode::Copy});
    HorizontalLine(canvas, view.DividerY, chart.right);
    canvas.SetPen({kDividerLight, 1, PenStyle::Solid, PenMode::Copy});
    HorizontalLine(canvas, view.DividerY - 2, chart.right);
    canvas.SetPenColor(kDividerShadow);
    HorizontalLine(canvas, view.DividerY + 2, chart.right);
}

void InvertDividerBand(const ViewState& view, CCanvas& canvas, const TRect& chart)
{
    canvas.InvertRect({0, view.DividerY - 2, chart.right, view.DividerY + 2});
}

void DrawCursorLine(const ViewState& view, CCanvas& canvas, const TRect& chart)
{
    const CanvasStateGuard keep(canvas);
    canvas.SetPen({SchemeColor(kColorCursor) ^ SchemeColor(kColorBackground), 1, PenStyle::Solid, PenMode::Xor});
    const int c = view.CursorPixel;
    canvas.MoveTo(c, 1);
    canvas.LineTo(c, chart.bottom);
    Polyline(canvas, {{c, 1}, {c + 6, 7}, {c, 13}, {c - 6, 7}, {c, 1}});
    const int W = chart.Width();
    if (c <= 6) {
        Polyline(canvas, {{8, 1}, {2, 7}, {8, 13}});
        for (const int x : {8, 14, 20}) Polyline(canvas, {{x, 1}, {x + 6, 7}, {x, 13}});
    } else if (c >= chart.right - 6) {
        Polyline(canvas, {{W - 8, 1}, {W - 2, 7}, {W - 8, 13}});
        for (const int x : {8, 14, 20}) Polyline(canvas, {{W - x, 1}, {W - x - 6, 7}, {W - x, 13}});
    }
}

void DrawCursorMarkers(ViewState& view, CCanvas& canvas, bool recompute, double x)
{
    ForEachDrawnTrace(view, false, [&](CTrace& trace, bool dimmed) {
        canvas.SetPenColor(SchemeColor(dimmed ? kColorDimmed : kColorSmithCursor));
        DrawSmithCursorMarker(trace, view, canvas, recompute, x);
    });
}
