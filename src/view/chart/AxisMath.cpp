#include "view/chart/AxisMath.h"

#include "view/document/ViewState.h"

#include <cmath>

double NiceStep(double v)
{
    if (!(v >= 1e-20)) return 2;
    if (v > 1e20) return 2e20;

    // The mantissa is taken by scaling v by an exact power of ten, not as
    // 10^(log10 v - n): that difference of logarithms lands just above 2, 5
    // or 10 for exact values and would turn a step of 20 into 40. A value a
    // few rounding errors off a tidy decimal counts as that decimal, so that
    // 1e-11, stored just below it, is a mantissa of 1 like 1e-10.
    constexpr double kRounding = 1e-12;
    int n = static_cast<int>(std::floor(std::log10(v)));
    const auto scaled = [&v](int exponent) {
        return exponent < 0 ? v * std::pow(10.0, -exponent) : v / std::pow(10.0, exponent);
    };
    double m = scaled(n);
    if (m < 1) m = scaled(--n);
    if (m >= 10 * (1 - kRounding)) m = scaled(++n);

    const auto atMost = [&m](double bound) { return m <= bound * (1 + kRounding); };
    const double s = atMost(2) ? 2 : atMost(4) ? 4 : atMost(5) ? 5 : 10;
    return n < 0 ? s / std::pow(10.0, -n) : s * std::pow(10.0, n);
}

double CeilToStep(double step, double v)
{
    double r = std::fmod(v, step);
    if (r > 0) r -= step;
    return v - r;
}

double XToPixel(const ViewState& view, int width, double x)
{
    double l = view.HorLeft[view.HorMode];
    double r = view.HorRight[view.HorMode];
    if (view.HorLog) {
        if (r > 0 && l > 0 && x > 0) {
            l = std::log10(l);
            r = std::log10(r);
            x = std::log10(x);
        } else {
            l = r = 0;
        }
    }
    const double d = r - l;
    if (!(d > 0)) return 0;
    return width / d * (x - l) + 0.5;
}

double PixelToX(const ViewState& view, int column, int width)
{
    if (!view.HorLog) {
        const double l = view.HorLeft[view.HorMode];
        const double r = view.HorRight[view.HorMode];
        return (r - l) * column / width + l;
    }
    const double l = view.HorLeft[kHorF];
    const double r = view.HorRight[kHorF];
    if (!(l > 0 && r > 0)) return 0;
    const double x = std::exp(std::log(l) + (std::log(r) - std::log(l)) * column / width);
    return std::isfinite(x) ? x : 0;
}
