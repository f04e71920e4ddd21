#pragma once

struct ViewState;

// A tidy grid step not smaller than v: 2, 4, 5 or 10 times a power of ten.
// A mantissa of exactly 1 is never kept (1 gives 2); values below 1e-20, NaN
// included, give 2, values above 1e20 give 2e20.
double NiceStep(double v);

// The smallest multiple of step that is at least v, through the remainder of
// a division truncated toward zero: (2, 3) is 4, (2, -3) is -2.
double CeilToStep(double step, double v);

// The column of x on a rectangular chart of the given width, with 0.5 added
// for a later truncation; 0 for an empty or reversed range, and, on a
// logarithmic axis, for a limit or an x that is not positive.
double XToPixel(const ViewState& view, int width, double x);

// The X value at a column; 0 on a logarithmic axis whose frequency limits are
// not positive or whose value cannot be computed.
double PixelToX(const ViewState& view, int column, int width);
