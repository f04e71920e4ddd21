#pragma once

#include "view/PixelTypes.h"

#include <algorithm>
#include <cstdlib>

// The pixels of a one-pixel line, exactly as the canvas steps them (the
// all-octant Bresenham walk of CCanvas::LineTo), handed out as runs instead
// of single pixels: a steep line as one vertical run per column, a shallow
// one as one horizontal run per row. The length of each run is computed, not
// walked, so a line costs as many steps as it has columns (steep) or rows
// (shallow), however long it is. Runs come with their ends in ascending
// order and both ends set.
//
// The canvas leaves out a line's end pixel; a wide pen covers it, since its
// footprint is stamped on every pixel from the start to the end.
enum class LineEnd { Excluded, Included };

namespace line_runs_detail {

// Division rounded toward plus infinity, for a positive divisor.
inline long long CeilDiv(long long numerator, long long divisor)
{
    const long long quotient = numerator / divisor;
    return quotient + ((numerator % divisor) > 0 ? 1 : 0);
}

inline int Lower(long long a, long long b) { return static_cast<int>(std::min(a, b)); }
inline int Upper(long long a, long long b) { return static_cast<int>(std::max(a, b)); }

} // namespace line_runs_detail

// column(x, top, bottom) and row(y, left, right) receive the runs, ends
// included.
template <typename ColumnRun, typename RowRun>
void ForEachLineRun(TPoint from, TPoint to, LineEnd end, ColumnRun&& column, RowRun&& row)
{
    using line_runs_detail::CeilDiv;
    using line_runs_detail::Lower;
    using line_runs_detail::Upper;

    long long x = from.x;
    long long y = from.y;
    const long long x1 = to.x;
    const long long y1 = to.y;
    const long long dx = std::llabs(x1 - x);
    const long long dy = std::llabs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    const long long last = end == LineEnd::Included ? 0 : 1; // pixels left out at the end

    if (dx == 0 && dy == 0) {
        if (end == LineEnd::Included) column(from.x, from.y, from.y);
        return;
    }

    // The walk's error term: each step moves x while 2 * error >= -dy and y
    // while 2 * error <= dx.
    long long error = dx - dy;
    if (dy > dx) {
        // Steep: y moves on every step; x moves once the error has grown
        // enough, which ends the run of the column.
        while (x != x1) {
            const long long stay = std::max(0LL, CeilDiv(-dy - 2 * error, 2 * dx));
            column(static_cast<int>(x), Lower(y, y + stay * sy), Upper(y, y + stay * sy));
            error += stay * dx;
            y += stay * sy;
            const long long doubled = 2 * error;
            error -= dy;
            x += sx;
            if (doubled <= dx) {
                error += dx;
                y += sy;
            }
        }
        if (std::llabs(y1 - y) >= last) {
            const long long stop = y1 - last * sy;
            column(static_cast<int>(x), Lower(y, stop), Upper(y, stop));
        }
        return;
    }
    // Shallow: x moves on every step; y moves once the error has fallen
    // enough, which ends the run of the row.
    while (y != y1) {
        const long long stay = std::max(0LL, CeilDiv(2 * error - dx, 2 * dy));
        row(static_cast<int>(y), Lower(x, x + stay * sx), Upper(x, x + stay * sx));
        error -= stay * dy;
        x += stay * sx;
        const long long doubled = 2 * error;
        if (doubled >= -dy) {
            error -= dy;
            x += sx;
        }
        error += dx;
        y += sy;
    }
    if (std::llabs(x1 - x) >= last) {
        const long long stop = x1 - last * sx;
        row(static_cast<int>(y), Lower(x, stop), Upper(x, stop));
    }
}
