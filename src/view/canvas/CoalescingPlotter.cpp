#include "view/canvas/CoalescingPlotter.h"

#include "view/canvas/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Lines shorter than this along their major axis do without the cover.
constexpr int kCoveredLongest = 16;

// How far a pen reaches beyond its path: a path pixel this far outside the
// paint area can still land a pixel inside.
int LowReach(const PenFootprint* footprint) { return footprint ? footprint->Low() : 0; }
int HighReach(const PenFootprint* footprint) { return footprint ? footprint->High() : 0; }

RunWindow Reach(const CCanvas& canvas)
{
    const TRect area = canvas.PaintArea();
    const PenFootprint* footprint = canvas.Footprint();
    return {area.left - HighReach(footprint), area.right - 1 - LowReach(footprint), area.top - HighReach(footprint),
            area.bottom - 1 - LowReach(footprint)};
}

} // namespace

RunAccumulator::RunAccumulator(int first, int last, int lowEnd, int highEnd)
    : first_(first), last_(last), lowEnd_(lowEnd), highEnd_(highEnd)
{
    if (last < first || highEnd < lowEnd) return;
    const auto lines = static_cast<std::size_t>(last - first + 1);
    words_ = (static_cast<std::size_t>(highEnd - lowEnd) + 64) / 64;
    // A line's words are cleared when it is first used, not here: most
    // drawings touch a few lines only.
    bits_.reset(new std::uint64_t[lines * words_]);
    growing_.resize(lines);
    used_.assign(lines, 0);
}

void RunAccumulator::StartLine(std::size_t i, int a, int b)
{
    std::uint64_t* words = bits_.get() + i * words_;
    std::fill(words, words + words_, 0);
    used_[i] = 1;
    touched_.push_back(i);
    growing_[i] = {a, b};
}

void RunAccumulator::SetBits(std::size_t line, Run run)
{
    std::uint64_t* words = bits_.get() + line * words_;
    const auto p = static_cast<std::size_t>(run.lo - lowEnd_);
    const auto q = static_cast<std::size_t>(run.hi - lowEnd_);
    const std::size_t firstWord = p / 64;
    const std::size_t lastWord = q / 64;
    const std::uint64_t head = ~std::uint64_t{0} << (p % 64);
    const std::uint64_t tail = ~std::uint64_t{0} >> (63 - q % 64);
    if (firstWord == lastWord) {
        words[firstWord] |= head & tail;
        return;
    }
    words[firstWord] |= head;
    std::fill(words + firstWord + 1, words + lastWord, ~std::uint64_t{0});
    words[lastWord] |= tail;
}

CoalescingPlotter::CoalescingPlotter(CCanvas& canvas, CoverTracking tracking)
    : canvas_(canvas), footprint_(canvas.Footprint()), reach_(Reach(canvas)), position_(canvas.PenPos()),
      columns_(reach_.firstColumn, reach_.lastColumn, reach_.firstRow, reach_.lastRow),
      rows_(reach_.firstRow, reach_.lastRow, reach_.firstColumn, reach_.lastColumn), cover_(tracking == CoverTracking::On ? reach_ : RunWindow{0, -1, 0, -1}),
      shortLines_(reach_), tracking_(tracking == CoverTracking::On), color_(canvas.Pen().Color)
{
}

CoalescingPlotter::~CoalescingPlotter()
{
    Flush();
    canvas_.MoveTo(position_.x, position_.y);
}

void CoalescingPlotter::SetColor(TColor color)
{
    if (color == color_) return;
    Flush();
    color_ = color;
    canvas_.SetPenColor(color);
}

void CoalescingPlotter::LineAcross(TPoint point)
{
    const LineEnd end = footprint_ ? LineEnd::Included : LineEnd::Excluded;
    const int dx = std::abs(point.x - position_.x);
    const int dy = std::abs(point.y - position_.y);
    // A short line mostly sets pixels of its own; checking them costs more
    // than setting them, and it stays out of the cover.
    const bool isShort = std::max(dx, dy) < kCoveredLongest;
    if (isShort && shortLines_.Holds(position_, point)) {
        shortLines_.AddLine(position_, point, end);
        position_ = point;
        return;
    }
    if (!tracking_ || isShort) {
        ForEachLineRun(
            position_, point, end, reach_, [this](int x, int top, int bottom) { AddColumnRun(x, top, bottom); },
            [this](int y, int left, int right) { AddRowRun(y, left, right); });
        position_ = point;
        return;
    }
    cover_.AddLine(position_, point, end);
    position_ = point;
}

void CoalescingPlotter::Square(TPoint centre, int halfSide)
{
    const int l = centre.x - halfSide;
    const int t = centre.y - halfSide;
    const int r = centre.x + halfSide;
    const int b = centre.y + halfSide;
    MoveTo({l, t});
    if (tracking_ && cover_.Covers(l, t, r, b)) return;
    if (halfSide == 0) {
        LineTo({l, t});
        return;
    }
    if (tracking_ && halfSide > 0) {
        // Each side leaves out its end pixel for a thin pen, but the next
        // side starts there: the outline is painted whole.
        cover_.AddRowRun(t, l, r);
        cover_.AddRowRun(b, l, r);
        cover_.AddColumnRun(l, t + 1, b - 1);
        cover_.AddColumnRun(r, t + 1, b - 1);
        return;
    }
    if (halfSide > 0) {
        // The four sides as AlongAxis makes them, their directions known:
        // right, down, left and up, a thin pen leaving out each end pixel.
        const int excluded = footprint_ ? 0 : 1;
        AddRowRun(t, l, r - excluded);
        AddColumnRun(r, t, b - excluded);
        AddRowRun(b, l + excluded, r);
        AddColumnRun(l, t + excluded, b);
        return;
    }
    for (const TPoint corner : std::array<TPoint, 4>{{{r, t}, {r, b}, {l, b}, {l, t}}}) AlongAxis(corner);
}

void CoalescingPlotter::Flush()
{
    // Other plotters may share the canvas, each with its colour.
    canvas_.SetPenColor(color_);
    columns_.Flush([this](int x, int top, int bottom) { PaintColumnRun(x, top, bottom); });
    rows_.Flush([this](int y, int left, int right) { PaintRowRun(y, left, right); });
    cover_.Flush([this](int y, int left, int right) { PaintRowRun(y, left, right); });
    shortLines_.Flush([this](int y, int left, int right) { PaintRowRun(y, left, right); });
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
