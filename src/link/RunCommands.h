#pragma once

#include "model/RunSettings.h"

#include <string>

// The commands of a measurement run and the frequency of each point.

// A frequency command: the letter, the frequency in MHz with six decimals
// and CR ("S10.000000\r"). Always a point as the decimal separator, and no
// limit on the length: 1e300 MHz is written out in full.
std::string FrequencyCommand(char letter, double megahertz);

// "P" with the number of points and CR.
std::string PointCountCommand(int samples);

// The one-character start of a device sweep: "G" for log spacing, "N" for
// linear spacing.
std::string SweepStartCommand(const RunSettings& settings);

// The frequency in MHz of point i (0-based): `from` in one-frequency mode or
// for a single point, otherwise spaced from `from` to `to` logarithmically
// or linearly. Throws Exception from the logarithm when log spacing meets a
// limit that is not positive.
double PointFrequency(const RunSettings& settings, int index);
