#pragma once

#include <algorithm>
#include <vector>

// The longest step between two points of a sweep that a stall of the
// analyzer simulator or of a busy machine can make (about half a second),
// far below the three-second hold of a window in the tests that hold a run
// up: a point held up with the window stands well apart from it.
constexpr double kLongestStallStep = 1.5;

// The median of the steps between a sweep's points, which a stall cannot
// move: it stretches one step and may shrink the next to near 0.
inline double MedianStep(std::vector<double> steps)
{
    if (steps.empty()) return 0;
    std::sort(steps.begin(), steps.end());
    const std::size_t middle = steps.size() / 2;
    return steps.size() % 2 ? steps[middle] : (steps[middle - 1] + steps[middle]) / 2;
}
