#pragma once

#include "view/CurvePlotter.h"

#include <vector>

class CCanvas;
class PenFootprint;

// The merged runs of one orientation: for each column (or row) in reach of
// the paint area, the one run gathered there so far. A run that touches or
// overlaps it grows it; one that does not makes it go to the canvas and takes
// its place.
class RunAccumulator {
public:
    // Lines first .. last, run ends clamped to lowEnd .. highEnd: beyond them
    // nothing reaches the paint area.
    RunAccumulator(int first, int last, int lowEnd, int highEnd);

    template <typename Paint>
    void Add(int line, int a, int b, Paint&& paint)
    {
        if (line < first_ || line > last_) return;
        if (a < lowEnd_) a = lowEnd_;
        if (b > highEnd_) b = highEnd_;
        if (a > b) return;
        const auto i = static_cast<std::size_t>(line - first_);
        Run& run = runs_[i];
        if (run.lo > run.hi) {
            run = {a, b};
            touched_.push_back(i);
        } else if (a <= run.hi + 1 && b >= run.lo - 1) {
            if (a < run.lo) run.lo = a;
            if (b > run.hi) run.hi = b;
        } else {
            paint(line, run.lo, run.hi);
            run = {a, b};
        }
    }

    template <typename Paint>
    void Flush(Paint&& paint)
    {
        for (const std::size_t i : touched_) {
            Run& run = runs_[i];
            paint(first_ + static_cast<int>(i), run.lo, run.hi);
            run = {1, 0};
        }
        touched_.clear();
    }

private:
    struct Run {
        int lo = 1; // empty while lo > hi
        int hi = 0;
    };

    int first_;
    int last_;
    int lowEnd_;
    int highEnd_;
    std::vector<Run> runs_;
    std::vector<std::size_t> touched_;
};

// The fast plotter: lines become runs (LineRuns.h), steep ones per column,
// shallow ones per row; a wide pen's footprint is stamped on the merged runs
// of its one-pixel path when they are painted.
class CoalescingPlotter final : public CurvePlotter {
public:
    explicit CoalescingPlotter(CCanvas& canvas);
    ~CoalescingPlotter() override;
    CoalescingPlotter(const CoalescingPlotter&) = delete;
    CoalescingPlotter& operator=(const CoalescingPlotter&) = delete;

    void SetColor(TColor color) override;
    void MoveTo(TPoint point) override;
    void LineTo(TPoint point) override;
    void Square(TPoint centre, int halfSide) override;

private:
    void Flush();
    void AddColumnRun(int x, int top, int bottom);
    void AddRowRun(int y, int left, int right);
    void PaintColumnRun(int x, int top, int bottom);
    void PaintRowRun(int y, int left, int right);

    CCanvas& canvas_;
    const PenFootprint* footprint_;
    TPoint position_;
    RunAccumulator columns_;
    RunAccumulator rows_;
};
