#include "view/canvas/PenFootprint.h"

PenFootprint::PenFootprint(int width) : width_(width)
{
    const int half = width / 2;
    const bool even = width % 2 == 0;
    low_ = -half;
    high_ = even ? half - 1 : half;
    // Pixel offsets are measured from the disc's centre: the pixel's own
    // centre for an odd width, its top-left corner (half a pixel up and left)
    // for an even one.
    const double shift = even ? 0.5 : 0.0;
    const double radiusSquared = width * width / 4.0;
    for (int dx = low_; dx <= high_; ++dx) {
        Span span{high_ + 1, low_ - 1};
        for (int dy = low_; dy <= high_; ++dy) {
            const double u = dx + shift;
            const double v = dy + shift;
            if (u * u + v * v > radiusSquared) continue;
            if (span.lo > dy) span.lo = dy;
            span.hi = dy;
        }
        rowsOfColumn_.push_back(span);
    }
    // The disc is symmetric about its diagonal.
    columnsOfRow_ = rowsOfColumn_;
}
