#pragma once

#include "view/canvas/LineRuns.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The pixels of short lines inside a window, one bit each, rows of machine
// words. A smooth but jittery curve is a million lines of a few pixels that
// turn every which way: making runs of them costs a branch the processor
// cannot predict at nearly every pixel, while here each pixel is one bit set
// by a walk without branches (LineRuns.h numbers the same pixels). A flush
// hands out the set pixels as runs along rows.
class ShortLinePixels {
public:
    explicit ShortLinePixels(const RunWindow& window)
        : window_(window), words_(window.lastColumn >= window.firstColumn
                                      ? static_cast<std::size_t>(window.lastColumn - window.firstColumn) / 64 + 1
                                      : 0)
    {
    }

    // Whether the line lies inside the window, as this holds only those.
    bool Holds(TPoint from, TPoint to) const
    {
        return std::min(from.x, to.x) >= window_.firstColumn && std::max(from.x, to.x) <= window_.lastColumn &&
               std::min(from.y, to.y) >= window_.firstRow && std::max(from.y, to.y) <= window_.lastRow;
    }

    // The pixels of a line that Holds(); the end pixel only when included.
    void AddLine(TPoint from, TPoint to, LineEnd end)
    {
        if (bits_.empty()) Allocate();
        const int dx = std::abs(to.x - from.x);
        const int dy = std::abs(to.y - from.y);
        const int sx = from.x < to.x ? 1 : -1;
        const int sy = from.y < to.y ? 1 : -1;
        const bool steep = dy > dx;
        const int dMajor = steep ? dy : dx;
        const int dMinor = steep ? dx : dy;
        // Pixel n lies n steps along the major axis and c along the minor
        // one, c = floor((2 n dMinor + dMajor) / (2 dMajor)), carried from
        // pixel to pixel as a remainder.
        const int majorX = steep ? 0 : sx;
        const int majorY = steep ? sy : 0;
        const int minorX = steep ? sx : 0;
        const int minorY = steep ? 0 : sy;
        const int pixels = dMajor + (end == LineEnd::Included ? 1 : 0);
        const int twiceMajor = 2 * dMajor;
        int x = from.x - window_.firstColumn;
        int y = from.y - window_.firstRow;
        int remainder = dMajor;
        for (int n = 0; n < pixels; ++n) {
            Set(x, y);
            remainder += 2 * dMinor;
            const int carry = remainder >= twiceMajor ? 1 : 0;
            remainder -= carry * twiceMajor;
            x += majorX + carry * minorX;
            y += majorY + carry * minorY;
        }
        lowRow_ = std::min({lowRow_, from.y, to.y});
        highRow_ = std::max({highRow_, from.y, to.y});
        lowColumn_ = std::min({lowColumn_, from.x, to.x});
        highColumn_ = std::max({highColumn_, from.x, to.x});
    }

    // paint(y, left, right) for each run of set pixels along a row; then
    // every pixel is clear again.
    template <typename Paint>
    void Flush(Paint&& paint)
    {
        if (lowRow_ > highRow_) return;
        const auto firstWord = static_cast<std::size_t>(lowColumn_ - window_.firstColumn) / 64;
        const auto lastWord = static_cast<std::size_t>(highColumn_ - window_.firstColumn) / 64;
        for (int y = lowRow_; y <= highRow_; ++y) {
            std::uint64_t* row = bits_.data() + static_cast<std::size_t>(y - window_.firstRow) * words_;
            FlushRow(row, firstWord, lastWord, [&](int left, int right) { paint(y, left, right); });
        }
        lowRow_ = lowColumn_ = kNone;
        highRow_ = highColumn_ = -kNone;
    }

private:
    static constexpr int kNone = 1 << 30;

    void Allocate()
    {
        const auto rows = static_cast<std::size_t>(window_.lastRow - window_.firstRow + 1);
        bits_.assign(rows * words_, 0);
    }

    void Set(int x, int y)
    {
        bits_[static_cast<std::size_t>(y) * words_ + static_cast<std::size_t>(x) / 64] |= std::uint64_t{1} << (x % 64);
    }

    // The runs of words first .. last of a row, which are cleared.
    template <typename Run>
    void FlushRow(std::uint64_t* row, std::size_t first, std::size_t last, Run&& run) const
    {
        // Whether a run is being gathered, and the column where it began: a
        // wide pen's window starts left of column 0, so no column can stand
        // for "none".
        bool gathering = false;
        int start = 0;
        for (std::size_t w = first; w <= last; ++w) {
            std::uint64_t word = row[w];
            row[w] = 0;
            const int base = window_.firstColumn + static_cast<int>(w * 64);
            int bit = 0;
            while (bit < 64) {
                if (!gathering) {
                    const std::uint64_t set = bit == 0 ? word : word >> bit;
                    if (set == 0) break;
                    bit += std::countr_zero(set);
                    start = base + bit;
                    gathering = true;
                } else {
                    const std::uint64_t clear = bit == 0 ? ~word : ~word >> bit;
                    if (clear == 0) break;
                    bit += std::countr_zero(clear);
                    run(start, base + bit - 1);
                    gathering = false;
                }
            }
        }
        if (gathering) run(start, window_.firstColumn + static_cast<int>((last + 1) * 64) - 1);
    }

    RunWindow window_;
    std::size_t words_;
    std::vector<std::uint64_t> bits_;
    int lowRow_ = kNone;
    int highRow_ = -kNone;
    int lowColumn_ = kNone;
    int highColumn_ = -kNone;
};
