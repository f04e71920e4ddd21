#pragma once

#include "model/Data.h"

#include <complex>
#include <numbers>

// A lossy open line of the given length (m) and velocity factor, swept from
// `from` to `to` MHz: Gamma turns by 2 x 360 degrees per wavelength of the
// line (at 300 m/us, as the calculator assumes).
inline void AppendOpenLine(CData& data, double metres, double vp, double from, double to, double step)
{
    for (double f = from; f <= to + 1e-9; f += step) {
        const double turn = -2 * 2 * std::numbers::pi * f * metres / (300 * vp);
        const std::complex<double> gamma = std::polar(0.9, turn);
        const std::complex<double> z = 50.0 * (1.0 + gamma) / (1.0 - gamma);
        data.Append(f, z.real(), z.imag());
    }
}
