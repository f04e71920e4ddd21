#pragma once

// One stored point of a trace, as measured.
struct PointRecord {
    double f;     // frequency, MHz
    double R;     // resistance, ohm
    double X;     // reactance, ohm
    double t;     // seconds since the first point of the run; 0 without time
    double V;     // voltage, current and phase: 0 for points without them
    double I;
    double phase; // degrees
};

// Values of 1e99 stand for "infinite" or "absent"; anything above this
// threshold counts as no value.
constexpr double kNoValue = 1e99;
constexpr double kNoValueThreshold = 1e90;
