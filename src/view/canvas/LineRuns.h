#pragma once

#include "view/document/PixelTypes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

// The pixels of a one-pixel line, exactly as the canvas steps them (the
// all-octant Bresenham walk of CCanvas::LineTo), handed out as runs instead
// of single pixels: a steep line as one vertical run per column, a shallow
// one as one horizontal run per row. Runs come with their ends in ascending
// order and both ends set.
//
// The walk has a closed form. Number the pixels n = 0, 1, ... along the
// longer axis: a steep line (|dy| > |dx|) sets row y0 + n * sy in column
// x0 + floor((2 n |dx| + |dy|) / (2 |dy|)) * sx, a shallow one the other way
// round. So the runs of a long line are computed, not walked: it costs one
// step per column (steep) or row (shallow) inside the window it is asked for,
// however long it is and however far it reaches beyond. A short stretch
// inside the window is walked, which is cheaper than setting up the closed
// form.
//
// The canvas leaves out a line's end pixel; a wide pen covers it, since its
// footprint is stamped on every pixel from the start to the end.
enum class LineEnd { Excluded, Included };

// The columns and rows whose runs are wanted, ends included; runs are cut to
// it.
struct RunWindow {
    int firstColumn = INT_MIN;
    int lastColumn = INT_MAX;
    int firstRow = INT_MIN;
    int lastRow = INT_MAX;
};

namespace line_runs_detail {

// Division rounded toward plus infinity, for a positive divisor.
template <typename Int>
Int CeilDiv(Int numerator, Int divisor)
{
    const Int quotient = numerator / divisor;
    return quotient + ((numerator % divisor) > 0 ? 1 : 0);
}

// The pixels along the major axis (numbered 0 .. last) that lie between
// `from` and `to` on that axis, for a start at `start` stepping by `step`.
template <typename Int>
bool MajorRange(Int start, int step, Int from, Int to, Int last, Int& lo, Int& hi)
{
    lo = step > 0 ? from - start : start - to;
    hi = step > 0 ? to - start : start - from;
    lo = std::max<Int>(lo, 0);
    hi = std::min<Int>(hi, last);
    return lo <= hi;
}

// The runs of a line along its major axis: pixel n is at major coordinate
// major0 + n * majorStep and minor coordinate minor0 + minorOf(n) * minorStep,
// minorOf(n) = floor((2 n dMinor + dMajor) / (2 dMajor)). Each value of
// minorOf gives one run: run(minor, majorLow, majorHigh).
template <typename Int, typename Run>
void MajorRuns(Int major0, int majorStep, Int minor0, int minorStep, Int dMajor, Int dMinor, Int last,
               Int majorFrom, Int majorTo, Int minorFrom, Int minorTo, Run&& run)
{
    Int lo = 0;
    Int hi = 0;
    if (!MajorRange(major0, majorStep, majorFrom, majorTo, last, lo, hi)) return;
    if (dMinor == 0) {
        // A line along the axis is one run.
        if (minor0 < minorFrom || minor0 > minorTo) return;
        const Int a = major0 + lo * majorStep;
        const Int b = major0 + hi * majorStep;
        run(static_cast<int>(minor0), static_cast<int>(std::min(a, b)), static_cast<int>(std::max(a, b)));
        return;
    }
    const Int twiceMajor = 2 * dMajor;
    const Int twiceMinor = 2 * dMinor;
    const auto minorOf = [&](Int n) { return (2 * n * dMinor + dMajor) / twiceMajor; };
    Int cLo = 0;
    Int cHi = 0;
    if (!MajorRange(minor0, minorStep, minorFrom, minorTo, minorOf(last), cLo, cHi)) return;
    cLo = std::max(cLo, minorOf(lo));
    cHi = std::min(cHi, minorOf(hi));
    if (cLo > cHi) return;
    // The first pixel of minor step c is the smallest n with minorOf(n) >= c:
    // ceil((2 c - 1) dMajor / (2 dMinor)) for c >= 1, 0 for c = 0. From one
    // step to the next the numerator grows by 2 dMajor, so its quotient and
    // remainder are carried along instead of dividing again.
    Int start = cLo == 0 ? Int(0) : CeilDiv<Int>((2 * cLo - 1) * dMajor, twiceMinor);
    const Int numerator = (2 * cLo + 1) * dMajor;
    Int quotient = numerator / twiceMinor;
    Int remainder = numerator % twiceMinor;
    const Int quotientStep = twiceMajor / twiceMinor;
    const Int remainderStep = twiceMajor % twiceMinor;
    for (Int c = cLo; c <= cHi; ++c) {
        const Int next = quotient + (remainder > 0 ? 1 : 0);
        const Int first = std::max(start, lo);
        const Int stop = std::min(next - 1, hi);
        if (first <= stop) {
            const Int a = major0 + first * majorStep;
            const Int b = major0 + stop * majorStep;
            run(static_cast<int>(minor0 + c * minorStep), static_cast<int>(std::min(a, b)),
                static_cast<int>(std::max(a, b)));
        }
        start = next;
        quotient += quotientStep;
        remainder += remainderStep;
        if (remainder >= twiceMinor) {
            remainder -= twiceMinor;
            ++quotient;
        }
    }
}

// Up to this many pixels of a line inside the window are walked pixel by
// pixel: a step costs an addition and a compare where the closed form pays a
// dozen divisions to set up.
constexpr int kStepwiseLongest = 64;

// The runs of pixels lo .. hi of a line by the stepwise walk: the numerator
// of minorOf is carried from pixel to pixel as a quotient (the minor step)
// and a remainder. Since dMinor <= dMajor, the quotient grows by at most one
// per pixel.
template <typename Int, typename Run>
void StepwiseRuns(Int major0, int majorStep, Int minor0, int minorStep, Int dMajor, Int dMinor, Int lo, Int hi,
                  Int minorFrom, Int minorTo, Run&& run)
{
    const auto runOf = [&](Int c, Int first, Int stop) {
        const Int minor = minor0 + c * minorStep;
        if (minor < minorFrom || minor > minorTo) return;
        const Int a = major0 + first * majorStep;
        const Int b = major0 + stop * majorStep;
        run(static_cast<int>(minor), static_cast<int>(std::min(a, b)), static_cast<int>(std::max(a, b)));
    };
    const Int twiceMajor = 2 * dMajor;
    // A line that starts inside the window, as nearly all do, starts at
    // minor step 0 without a division.
    Int c = 0;
    Int remainder = dMajor;
    if (lo > 0) {
        const Int numerator = 2 * lo * dMinor + dMajor;
        c = numerator / twiceMajor;
        remainder = numerator % twiceMajor;
    }
    Int runFirst = lo;
    for (Int n = lo; n < hi; ++n) {
        remainder += 2 * dMinor;
        if (remainder < twiceMajor) continue;
        remainder -= twiceMajor;
        runOf(c, runFirst, n);
        ++c;
        runFirst = n + 1;
    }
    runOf(c, runFirst, hi);
}

// The runs of a line along its major axis, stepwise or by the closed form.
template <typename Int, typename Run>
void RunsAlong(Int major0, int majorStep, Int minor0, int minorStep, Int dMajor, Int dMinor, Int last, Int majorFrom,
               Int majorTo, Int minorFrom, Int minorTo, Run&& run)
{
    Int lo = 0;
    Int hi = 0;
    if (!MajorRange(major0, majorStep, majorFrom, majorTo, last, lo, hi)) return;
    if (hi - lo <= kStepwiseLongest) {
        StepwiseRuns<Int>(major0, majorStep, minor0, minorStep, dMajor, dMinor, lo, hi, minorFrom, minorTo, run);
    } else {
        MajorRuns<Int>(major0, majorStep, minor0, minorStep, dMajor, dMinor, last, majorFrom, majorTo, minorFrom,
                       minorTo, run);
    }
}

template <typename Int, typename ColumnRun, typename RowRun>
void LineRunsIn(TPoint from, TPoint to, LineEnd end, const RunWindow& window, ColumnRun&& column, RowRun&& row)
{
    const Int x0 = from.x;
    const Int y0 = from.y;
    const auto distance = [](Int a, Int b) { return a < b ? b - a : a - b; };
    const Int dx = distance(x0, to.x);
    const Int dy = distance(y0, to.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    const Int excluded = end == LineEnd::Excluded ? 1 : 0;
    if (dx == 0 && dy == 0) {
        const bool inside = from.x >= window.firstColumn && from.x <= window.lastColumn && from.y >= window.firstRow &&
                            from.y <= window.lastRow;
        if (excluded == 0 && inside) column(from.x, from.y, from.y);
        return;
    }
    if (dy > dx) {
        RunsAlong<Int>(y0, sy, x0, sx, dy, dx, dy - excluded, window.firstRow, window.lastRow, window.firstColumn,
                       window.lastColumn, column);
    } else {
        RunsAlong<Int>(x0, sx, y0, sy, dx, dy, dx - excluded, window.firstColumn, window.lastColumn, window.firstRow,
                       window.lastRow, row);
    }
}

} // namespace line_runs_detail

// column(x, top, bottom) and row(y, left, right) receive the runs that fall
// into the window, ends included.
template <typename ColumnRun, typename RowRun>
void ForEachLineRun(TPoint from, TPoint to, LineEnd end, const RunWindow& window, ColumnRun&& column, RowRun&& row)
{
    // 64 bits hold the products of the closed form for lines up to 2^30
    // pixels long; longer ones, which no chart draws, take 128 bits.
    constexpr long long kLongest = 1LL << 30;
    const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long dy = std::llabs(static_cast<long long>(to.y) - from.y);
    if (dx < kLongest && dy < kLongest) {
        line_runs_detail::LineRunsIn<long long>(from, to, end, window, column, row);
    } else {
        line_runs_detail::LineRunsIn<__int128>(from, to, end, window, column, row);
    }
}

template <typename ColumnRun, typename RowRun>
void ForEachLineRun(TPoint from, TPoint to, LineEnd end, ColumnRun&& column, RowRun&& row)
{
    ForEachLineRun(from, to, end, RunWindow{}, column, row);
}
