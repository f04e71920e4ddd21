#pragma once

// Pixel positions and rectangles of the charts, in whole pixels. A rectangle
// covers the columns left .. right - 1 and the rows top .. bottom - 1.

struct TPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }

    friend bool operator==(const TRect&, const TRect&) = default;
};
