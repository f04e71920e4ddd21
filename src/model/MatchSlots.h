#pragma once

#include <cstdint>

// One of the five match slots of a point store: R_min, X_min, R_max, X_max,
// Center. An empty slot holds 1e99 (or -1e99 for the maxima).
struct MatchPoint {
    double R = 0;      // ohm, as displayed
    double X = 0;
    int index = -1;    // nearest point of the trace, set by the transition search
    double GammaRe = 0;
    double GammaIm = 0;
    std::uint8_t flag = 0; // used only by the transition search
};

// One of the four transition slots: how long the impedance took to move from
// one match point to another.
struct MatchTransition {
    int from = -1;  // number of a match point, -1 for none
    int to = -1;
    double t = 0;   // seconds
    int fromp = -1; // first and last point index
    int top = -1;
};

enum MatchSlot { kRMin = 0, kXMin = 1, kRMax = 2, kXMax = 3, kCenter = 4 };
constexpr int kMatchPointCount = 5;
constexpr int kTransitionCount = 4;
