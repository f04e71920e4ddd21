#pragma once

#include "view/document/PixelTypes.h"

#include <cmath>
#include <optional>

struct ViewState;

// Where the points of one curve of a rectangular chart go in its pane: X
// across the pane from the left limit of the current HorMode to its right
// limit (on a logarithmic axis, the logarithms of the frequency limits), the
// value between Top and Bot (their dB on a logarithmic Y axis), or between
// the phase limits for a phase curve, with `margin` pixels kept free at the
// top and the bottom of the pane. Results are chart coordinates before they
// are clamped to pixels.
class CurveScale {
public:
    // None where the scale has no meaning and the curve is not drawn: equal X
    // limits, equal Y limits, limits of a logarithmic axis that are not
    // positive. Equal phase limits stand for a phase range of 360 degrees
    // above the lower one, as on the phase axis.
    static std::optional<CurveScale> For(const ViewState& view, int curve, const TRect& pane, int margin);

    // A point's x as the scale takes it: its log10 on a logarithmic axis,
    // where x below 1e-20 has no place (none).
    std::optional<double> AxisX(double x) const
    {
        if (!logX_) return x;
        if (x < 1e-20) return std::nullopt;
        return std::log10(x);
    }
    double Column(double axisX) const { return (axisX - left_) * columnsPerUnit_; }
    double Row(double value) const { return middle_ - (value - valueMiddle_) * rowsPerUnit_; }

private:
    CurveScale() = default;

    bool logX_ = false;
    double left_ = 0;        // X (or its logarithm) at column 0
    double columnsPerUnit_ = 0;
    double middle_ = 0;      // pixel row of the middle of the pane
    double valueMiddle_ = 0; // the value shown there
    double rowsPerUnit_ = 0;
};
