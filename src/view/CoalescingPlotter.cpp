#include "view/CoalescingPlotter.h"

#include "view/Canvas.h"
#include "view/LineRuns.h"

#include <array>

namespace {

// How far a pen reaches beyond its path: a path pixel this far outside the
// paint area can still land a pixel inside.
int LowReach(const PenFootprint* footprint) { return footprint ? footprint->Low() : 0; }
int HighReach(const PenFootprint* footprint) { return footprint ? footprint->High() : 0; }

RunAccumulator ColumnAccumulator(const CCanvas& canvas)
{
    const TRect area = canvas.PaintArea();
    const PenFootprint* footprint = canvas.Footprint();
    return RunAccumulator(area.left - HighReach(footprint), area.right - 1 - LowReach(footprint),
                          area.top - HighReach(footprint), area.bottom - 1 - LowReach(footprint));
}

RunAccumulator RowAccumulator(const CCanvas& canvas)
{
    const TRect area = canvas.PaintArea();
    const PenFootprint* footprint = canvas.Footprint();
    return RunAccumulator(area.top - HighReach(footprint), area.bottom - 1 - LowReach(footprint),
                          area.left - HighReach(footprint), area.right - 1 - LowReach(footprint));
}

} // namespace

RunAccumulator::RunAccumulator(int first, int last, int lowEnd, int highEnd)
    : first_(first), last_(last), lowEnd_(lowEnd), highEnd_(highEnd),
      runs_(static_cast<std::size_t>(last >= first ? last - first + 1 : 0))
{
}

CoalescingPlotter::CoalescingPlotter(CCanvas& canvas)
    : canvas_(canvas), footprint_(canvas.Footprint()), position_(canvas.PenPos()), columns_(ColumnAccumulator(canvas)),
      rows_(RowAccumulator(canvas))
{
}

CoalescingPlotter::~CoalescingPlotter()
{
    Flush();
    canvas_.MoveTo(position_.x, position_.y);
}

void CoalescingPlotter::SetColor(TColor color)
{
    if (color == canvas_.Pen().Color) return;
    Flush();
    canvas_.SetPenColor(color);
}

void CoalescingPlotter::MoveTo(TPoint point) { position_ = point; }

void CoalescingPlotter::LineTo(TPoint point)
{
    ForEachLineRun(
        position_, point, footprint_ ? LineEnd::Included : LineEnd::Excluded,
        [this](int x, int top, int bottom) { AddColumnRun(x, top, bottom); },
        [this](int y, int left, int right) { AddRowRun(y, left, right); });
    position_ = point;
}

void CoalescingPlotter::Square(TPoint centre, int halfSide)
{
    const int l = centre.x - halfSide;
    const int t = centre.y - halfSide;
    const int r = centre.x + halfSide;
    const int b = centre.y + halfSide;
    MoveTo({l, t});
    for (const TPoint corner : std::array<TPoint, 4>{{{r, t}, {r, b}, {l, b}, {l, t}}}) LineTo(corner);
}

void CoalescingPlotter::Flush()
{
    columns_.Flush([this](int x, int top, int bottom) { PaintColumnRun(x, top, bottom); });
    rows_.Flush([this](int y, int left, int right) { PaintRowRun(y, left, right); });
}

void CoalescingPlotter::AddColumnRun(int x, int top, int bottom)
{
    columns_.Add(x, top, bottom, [this](int cx, int t, int b) { PaintColumnRun(cx, t, b); });
}

void CoalescingPlotter::AddRowRun(int y, int left, int right)
{
    rows_.Add(y, left, right, [this](int ry, int l, int r) { PaintRowRun(ry, l, r); });
}

void CoalescingPlotter::PaintColumnRun(int x, int top, int bottom)
{
    if (!footprint_) {
        canvas_.PaintVerticalRun(x, top, bottom);
        return;
    }
    footprint_->WidenColumnRun(x, top, bottom, [this](int cx, int t, int b) { canvas_.PaintVerticalRun(cx, t, b); });
}

void CoalescingPlotter::PaintRowRun(int y, int left, int right)
{
    if (!footprint_) {
        canvas_.PaintHorizontalRun(y, left, right);
        return;
    }
    footprint_->WidenRowRun(y, left, right, [this](int ry, int l, int r) { canvas_.PaintHorizontalRun(ry, l, r); });
}
