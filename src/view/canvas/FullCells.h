#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Which cells of a grid are full, a bit per cell along each line of cells
// (rows of them or columns of them). Each line has a word to spare at its
// end, so that any 64 bits of it are read from two words without a branch.
class FullCellLines {
public:
    void Reset(int lines, int cells)
    {
        words_ = static_cast<std::size_t>(cells > 0 ? (cells - 1) / 64 + 2 : 1);
        bits_.assign(words_ * static_cast<std::size_t>(std::max(lines, 0)), 0);
        any_ = false;
    }
    void Set(int line, int cell)
    {
        bits_[static_cast<std::size_t>(line) * words_ + static_cast<std::size_t>(cell) / 64] |= std::uint64_t{1}
                                                                                              << (cell % 64);
        any_ = true;
    }
    void Clear()
    {
        if (any_) std::fill(bits_.begin(), bits_.end(), 0);
        any_ = false;
    }
    bool Any() const { return any_; }
    // Whether cells lo .. hi of a line, fewer than 64, are all full.
    bool AllFull(long long line, long long lo, long long hi) const
    {
        const std::uint64_t* row = bits_.data() + static_cast<std::size_t>(line) * words_;
        const auto w = static_cast<std::size_t>(lo >> 6);
        const int shift = static_cast<int>(lo & 63);
        const std::uint64_t got = (row[w] >> shift) | ((row[w + 1] << 1) << (63 - shift));
        const std::uint64_t mask = ~std::uint64_t{0} >> (63 - (hi - lo));
        return (got & mask) == mask;
    }

private:
    std::size_t words_ = 0;
    std::vector<std::uint64_t> bits_;
    bool any_ = false;
};

// The full cells of a grid along its rows and along its columns: a line of
// pixels checks the cells it crosses in one row (when steep) or one column
// (when shallow) with a compare.
class FullCellGrid {
public:
    void Reset(int wide, int high)
    {
        inRows_.Reset(high, wide);
        inColumns_.Reset(wide, high);
    }
    void Set(int cx, int cy)
    {
        inRows_.Set(cy, cx);
        inColumns_.Set(cx, cy);
    }
    void Clear()
    {
        inRows_.Clear();
        inColumns_.Clear();
    }
    bool Any() const { return inRows_.Any(); }
    const FullCellLines& InRows() const { return inRows_; }
    const FullCellLines& InColumns() const { return inColumns_; }

private:
    FullCellLines inRows_;
    FullCellLines inColumns_;
};

// The full cells of a grid counted over every rectangle from the top left
// cell, with a zero row and column in front: whether a rectangle of any size
// is full is four reads. Adding a cell costs the cells below and right of
// it, which suits grids whose cells become full a few thousand times at
// most.
class FullCellCounts {
public:
    void Reset(int wide, int high)
    {
        stride_ = static_cast<std::size_t>(std::max(wide, 0)) + 1;
        rows_ = static_cast<std::size_t>(std::max(high, 0)) + 1;
        sums_.assign(stride_ * rows_, 0);
        cells_ = std::max(wide, 0) * std::max(high, 0);
        full_ = 0;
    }
    void Add(int cx, int cy)
    {
        for (auto y = static_cast<std::size_t>(cy) + 1; y < rows_; ++y) {
            int* sums = sums_.data() + y * stride_;
            for (auto x = static_cast<std::size_t>(cx) + 1; x < stride_; ++x) ++sums[x];
        }
        ++full_;
    }
    void Clear()
    {
        if (full_ > 0) std::fill(sums_.begin(), sums_.end(), 0);
        full_ = 0;
    }
    bool AnyFull() const { return full_ > 0; }
    bool AllCellsFull() const { return full_ == cells_; }
    // Whether cells x0 .. x1 by y0 .. y1, inside the grid, are all full.
    bool AllFull(long long x0, long long x1, long long y0, long long y1) const
    {
        const auto left = static_cast<std::size_t>(x0);
        const auto right = static_cast<std::size_t>(x1) + 1;
        const auto top = static_cast<std::size_t>(y0) * stride_;
        const auto bottom = (static_cast<std::size_t>(y1) + 1) * stride_;
        const int count = sums_[bottom + right] - sums_[top + right] - sums_[bottom + left] + sums_[top + left];
        return static_cast<std::size_t>(count) == (right - left) * static_cast<std::size_t>(y1 - y0 + 1);
    }

private:
    std::size_t stride_ = 1;
    std::size_t rows_ = 1;
    std::vector<int> sums_;
    int cells_ = 0;
    int full_ = 0;
};
