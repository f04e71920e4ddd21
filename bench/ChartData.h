#pragma once

#include "model/Data.h"

#include <cmath>
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

// A passive load read with heavy noise: R between 0 and 100 ohm, X between
// -100 and 100, so the points fill the right half of the Smith chart.
inline void FillPassiveNoise(CData& data, int points)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> resistance(0, 100);
    std::uniform_real_distribution<double> reactance(-100, 100);
    for (int i = 0; i < points; ++i) {
        data.Append(1 + 29.0 * i / points, resistance(random), reactance(random), i * 0.004);
    }
}

// A series RLC circuit (50 ohm, 1 uH, resonant at 15 MHz) swept from 1 to
// 30 MHz, with a few ohm of noise on R and X: a band of points along one
// circle of the Smith chart.
inline void FillNoisyRlc(CData& data, int points)
{
    constexpr double kPi = 3.141592653589793;
    constexpr double kL = 1e-6;
    const double c = 1 / (std::pow(2 * kPi * 15e6, 2) * kL);
    std::mt19937_64 random(13);
    std::normal_distribution<double> noise(0, 3);
    for (int i = 0; i < points; ++i) {
        const double f = 1 + 29.0 * i / points;
        const double omega = 2 * kPi * f * 1e6;
        data.Append(f, 50 + noise(random), omega * kL - 1 / (omega * c) + noise(random), i * 0.004);
    }
}
