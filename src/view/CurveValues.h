#pragma once

#include "model/PointRecord.h"

#include <optional>

class CTrace;
struct ViewState;

// What the curves of the rectangular charts show for a point, by chart kind
// and curve number (R and X as displayed, V, I and phase as stored; Gamma
// against the window's Z0):
//   "R/X"             R, X
//   "Z mag/phase"     |Z| (in dB, 10 log10(R^2 + X^2), on a logarithmic Y
//                     axis), the phase of Z in degrees
//   "Gamma re/im"     the real and imaginary part of Gamma
//   "Gamma mag/phase" |Gamma| (in dB on a logarithmic Y axis), its phase
//   "VSWR"            the VSWR
//   "V/I/phase"       V, I, the stored phase
//   "P"               V I cos(phase)

// A phase curve is scaled by the phase limits, every other curve by Top and
// Bot.
bool IsPhaseCurve(int kind, int curve);

// The value a curve of the window's chart kind shows for a point; none for a
// gap: a value above 1e90 (none was measured), a Gamma or VSWR that cannot
// be computed, a magnitude that has no logarithm.
std::optional<double> CurveValue(const ViewState& view, int curve, const PointRecord& point);

// Lowers min and raises max by the values of the trace's shown points that a
// vertical fit of the window's chart kind must take in (for "V/I/phase" V and
// I, not the phase).
void GetFitRange(CTrace& trace, const ViewState& view, double& min, double& max);
