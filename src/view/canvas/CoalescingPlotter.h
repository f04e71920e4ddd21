#pragma once

#include "view/canvas/CurvePlotter.h"
#include "view/canvas/LineRuns.h"
#include "view/canvas/PaintedCover.h"
#include "view/canvas/ShortLinePixels.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

class CCanvas;
class PenFootprint;

// The union of the runs of one orientation gathered so far: for each column
// (or row) in reach of the paint area, one bit per pixel along it, and in
// front of the bits the run that grows while new runs touch it (a curve that
// goes up and down in one column adds to it in a compare). Adding a run that
// does not touch it writes the grown run into the bits, a machine word at a
// time, and starts anew; a flush paints each run of set bits once.
class RunAccumulator {
public:
    // Lines first .. last, run ends clamped to lowEnd .. highEnd: beyond them
    // nothing reaches the paint area.
    RunAccumulator(int first, int last, int lowEnd, int highEnd);

    // Inline: a dense curve adds a run for nearly every point.
    void Add(int line, int a, int b)
    {
        if (line < first_ || line > last_) return;
        if (a < lowEnd_) a = lowEnd_;
        if (b > highEnd_) b = highEnd_;
        if (a > b) return;
        const auto i = static_cast<std::size_t>(line - first_);
        if (!used_[i]) {
            StartLine(i, a, b);
            return;
        }
        Run& growing = growing_[i];
        if (a <= growing.hi + 1 && b >= growing.lo - 1) {
            growing.lo = std::min(growing.lo, a);
            growing.hi = std::max(growing.hi, b);
            return;
        }
        SetBits(i, growing);
        growing = {a, b};
    }

    // paint(line, a, b) for each run of the union, which is then empty.
    template <typename Paint>
    void Flush(Paint&& paint)
    {
        for (const std::size_t i : touched_) {
            SetBits(i, growing_[i]);
            ForEachRunOfLine(i, [&](int a, int b) { paint(first_ + static_cast<int>(i), a, b); });
            used_[i] = 0;
        }
        touched_.clear();
    }

private:
    struct Run {
        int lo;
        int hi;
    };

    void StartLine(std::size_t line, int a, int b);
    void SetBits(std::size_t line, Run run);
    template <typename Paint>
    void ForEachRunOfLine(std::size_t line, Paint&& paint) const;

    int first_;
    int last_;
    int lowEnd_;
    int highEnd_;
    std::size_t words_ = 0; // per line
    std::unique_ptr<std::uint64_t[]> bits_;
    std::vector<Run> growing_;
    std::vector<unsigned char> used_; // a line's bits and run are valid once used
    std::vector<std::size_t> touched_;
};

template <typename Paint>
void RunAccumulator::ForEachRunOfLine(std::size_t line, Paint&& paint) const
{
    const std::uint64_t* words = bits_.get() + line * words_;
    const std::size_t bits = words_ * 64;
    std::size_t p = 0;
    while (p < bits) {
        // The next set bit, then the next clear one after it.
        std::size_t w = p / 64;
        std::uint64_t word = words[w] & (~std::uint64_t{0} << (p % 64));
        while (word == 0 && ++w < words_) word = words[w];
        if (word == 0) return;
        const std::size_t start = w * 64 + static_cast<std::size_t>(std::countr_zero(word));
        word = ~words[w] & (~std::uint64_t{0} << (start % 64));
        while (word == 0 && ++w < words_) word = ~words[w];
        const std::size_t stop = word == 0 ? bits : w * 64 + static_cast<std::size_t>(std::countr_zero(word));
        paint(lowEnd_ + static_cast<int>(start), lowEnd_ + static_cast<int>(stop) - 1);
        p = stop;
    }
}

// The fast plotter: lines become runs (LineRuns.h), steep ones per column,
// shallow ones per row; a wide pen's footprint is stamped on the merged runs
// of its one-pixel path when they are painted. The parts of lines and the
// symbols that lie on path pixels already gathered in the colour make no
// runs at all (PaintedCover): on a dense chart that is most of them. Short
// lines inside the window set bits instead (ShortLinePixels), and lines
// along a column or row merge into the growing run of their line.
class CoalescingPlotter final : public CurvePlotter {
public:
    CoalescingPlotter(CCanvas& canvas, CoverTracking tracking);
    ~CoalescingPlotter() override;
    CoalescingPlotter(const CoalescingPlotter&) = delete;
    CoalescingPlotter& operator=(const CoalescingPlotter&) = delete;

    void SetColor(TColor color) override;
    void MoveTo(TPoint point) override { position_ = point; }
    // Inline for the walks that know the plotter's type: up or down in one
    // column, as most lines of a dense curve go, is one run.
    void LineTo(TPoint point) override
    {
        if (point.x == position_.x && point.y != position_.y) {
            AlongAxis(point);
            return;
        }
        LineAcross(point);
    }
    void Square(TPoint centre, int halfSide) override;

private:
    void Flush();
    // A line to a point in another column.
    void LineAcross(TPoint point);
    // A line to a point in the same column or row as the pen. Such lines,
    // the bulk of a dense rectangular chart, merge into the growing run in a
    // compare, which costs less than keeping them in the cover.
    void AlongAxis(TPoint point)
    {
        const TPoint from = position_;
        position_ = point;
        // A thin pen leaves out the end pixel. The run's ends come from
        // min and max, not from a test of the direction: on a noisy curve
        // the direction is a coin toss that the processor cannot predict.
        const int excluded = footprint_ ? 0 : 1;
        if (from.x == point.x) {
            AddColumnRun(point.x, std::min(from.y, point.y + excluded), std::max(from.y, point.y - excluded));
        } else {
            AddRowRun(point.y, std::min(from.x, point.x + excluded), std::max(from.x, point.x - excluded));
        }
    }
    void AddColumnRun(int x, int top, int bottom) { columns_.Add(x, top, bottom); }
    void AddRowRun(int y, int left, int right) { rows_.Add(y, left, right); }
    void PaintColumnRun(int x, int top, int bottom);
    void PaintRowRun(int y, int left, int right);

    CCanvas& canvas_;
    const PenFootprint* footprint_;
    RunWindow reach_; // path pixels beyond it land no pixel in the paint area
    TPoint position_;
    RunAccumulator columns_;
    RunAccumulator rows_;
    PaintedCover cover_;
    ShortLinePixels shortLines_;
    bool tracking_;
    TColor color_; // what the gathered runs are painted in
};
