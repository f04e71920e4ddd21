#pragma once

#include "model/Data.h"

#include <random>

// Points whose R and X jump at random between -100 and 100 ohm at rising
// frequencies from 1 to 30 MHz: nearly every point lands far from the one
// before, so no point of a chart can be held back.
inline void FillNoise(CData& data, int points)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> value(-100, 100);
    for (int i = 0; i < points; ++i) data.Append(1 + 29.0 * i / points, value(random), value(random), i * 0.004);
}
