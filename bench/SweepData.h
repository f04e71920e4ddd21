#pragma once

#include "model/Data.h"

#include <cmath>
#include <random>

// Points as an analyzer delivers them: a linear sweep whose R and X carry
// full double precision, with the time of each point.
inline void FillSweep(CData& data, int points)
{
    std::mt19937_64 random(42);
    std::normal_distribution<double> noise(0, 0.5);
    for (int i = 0; i < points; ++i) {
        const double f = 1 + 29.0 * i / points;
        const double x = 2 * 3.141592653589793 * f;
        data.Append(f, 50 + 20 * std::sin(x / 7) + noise(random), 30 * std::cos(x / 5) + noise(random), i * 0.004);
    }
}
