#pragma once

#include <cstddef>
#include <vector>

// The pixels a pen wider than one pixel covers around each pixel of its path:
// a disc as wide as the pen, centred on the pixel for odd widths and on its
// top-left corner for even ones. Its columns and its rows are unbroken, so a
// run of path pixels widens into one run per column or row of the disc, and
// widening a union of runs gives the union of the widened runs.
class PenFootprint {
public:
    struct Span {
        int lo = 0;
        int hi = 0;
    };

    explicit PenFootprint(int width);

    int Width() const { return width_; }
    // Offsets from the path pixel reach from Low() to High() either way.
    int Low() const { return low_; }
    int High() const { return high_; }

    // A vertical run of path pixels in column x, widened: f(x, top, bottom)
    // for each column the disc reaches.
    template <typename Fn>
    void WidenColumnRun(int x, int top, int bottom, Fn&& f) const
    {
        for (int dx = low_; dx <= high_; ++dx) {
            const Span& span = rowsOfColumn_[static_cast<std::size_t>(dx - low_)];
            f(x + dx, top + span.lo, bottom + span.hi);
        }
    }

    // A horizontal run of path pixels in row y, widened: f(y, left, right)
    // for each row the disc reaches.
    template <typename Fn>
    void WidenRowRun(int y, int left, int right, Fn&& f) const
    {
        for (int dy = low_; dy <= high_; ++dy) {
            const Span& span = columnsOfRow_[static_cast<std::size_t>(dy - low_)];
            f(y + dy, left + span.lo, right + span.hi);
        }
    }

private:
    int width_;
    int low_;
    int high_;
    std::vector<Span> rowsOfColumn_;  // by dx - low_
    std::vector<Span> columnsOfRow_;  // by dy - low_, the same disc turned
};
