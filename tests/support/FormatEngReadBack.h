#pragma once

#include <algorithm>
#include <cmath>

// How far the text FormatEng writes may read back from the value it was
// given. The number text tests and the number text fuzz target both check
// against it. It holds for normal doubles only: a subnormal value loses
// relative precision at each scaling step.

// How many times FormatEng multiplies a finite non-zero value by 1000 or by
// 0.001 to bring it into [1, 1000). Counted by running the same loop: a value
// a few units below a power of a thousand can take one step more or one
// fewer than its decade says.
inline int FormatEngScalingSteps(double value)
{
    if (value == 0 || !std::isfinite(value)) return 0;
    int steps = 0;
    for (; std::fabs(value) < 1; ++steps) value *= 1000;
    for (; std::fabs(value) >= 1000; ++steps) value *= 0.001;
    return steps;
}

// Half a unit of the last of `precision` significant digits (one at least,
// as the "%g" conversion prints). A value on a tie reads back a whole half
// unit away, and pow is inexact for negative powers of ten: hence the 1e-9.
inline double HalfUnitOfLastDigit(int precision, double value)
{
    const double decade = std::floor(std::log10(std::fabs(value)));
    return 0.5 * std::pow(10.0, decade - std::max(precision, 1) + 1) * (1 + 1e-9);
}

// The half unit plus what the arithmetic moves the value before it is
// printed and after it is read: every scaling step rounds once, moving a
// mantissa of 1000 into the next group rounds once more, and so does reading
// the text back. A rounding moves the value by at most 2^-53 of its
// magnitude, a step by 0.001 about a fifth more since 0.001 is itself not
// exact; 2^-52 each covers both, compounded over three hundred decades.
inline double FormatEngReadBackTolerance(int precision, double value)
{
    const double roundings = FormatEngScalingSteps(value) + 2;
    return HalfUnitOfLastDigit(precision, value) + roundings * std::ldexp(std::fabs(value), -52);
}
