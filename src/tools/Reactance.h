#pragma once

#include <optional>

class CData;

// The "More" tab's reactance tools and the conversions between the
// frequency cursor, which is kept in the units of the view's horizontal
// mode (point number, MHz or seconds), and a frequency.

// Negates every stored reactance in place; gap values (magnitude above
// 1e90) stay as they are, so a gap stays a gap.
void InverseX(CData& data);

struct Resonance {
    double fMHz = 0;
    double cursorX = 0; // the same place in the units of horMode
};

// The first zero of X along the trace as displayed: a point with X = 0
// exactly, or the linear interpolation between two neighbouring points of
// opposite sign. Gap points are passed over. Absent when X never crosses.
std::optional<Resonance> FindResonance(CData& data, int horMode);

// The frequency of the point at the cursor (the last point at or left of
// cursorX in the units of horMode); absent when the cursor lies outside
// the trace.
std::optional<double> FrequencyAtCursor(CData& data, int horMode, double cursorX);
