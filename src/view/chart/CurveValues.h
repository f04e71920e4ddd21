#pragma once

#include "model/PointRecord.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

#include <cmath>
#include <limits>
#include <numbers>

class CTrace;

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

// The value a curve of the window's chart kind shows for a point; NaN, which
// has no pixel, for a gap: a value above 1e90 (none was measured), a Gamma or
// VSWR that cannot be computed, a magnitude that has no logarithm. Every
// point of every curve passes here, so it is inline and answers in a plain
// double.
inline double CurveValue(const ViewState& view, int curve, const PointRecord& point);

// Lowers min and raises max by the values of the trace's shown points that a
// vertical fit of the window's chart kind must take in (for "V/I/phase" V and
// I, not the phase).
void GetFitRange(CTrace& trace, const ViewState& view, double& min, double& max);

// --- implementation ---

namespace curve_values_detail {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

inline bool NoValue(double value) { return value > kNoValueThreshold; }

inline double PhaseDegrees(double re, double im)
{
    if (re == 0 && im == 0) return 0;
    return std::atan2(im, re) * 180 / std::numbers::pi;
}

inline double Power(const PointRecord& p) { return p.V * p.I * std::cos(p.phase * std::numbers::pi / 180); }

// A magnitude as the upper pane shows it: in dB on a logarithmic axis.
inline double Magnitude(double re, double im, bool logarithmic)
{
    const double square = re * re + im * im;
    if (!logarithmic) return std::sqrt(square);
    if (square < 1e-20) return kGap;
    return 10 * std::log10(square);
}

} // namespace curve_values_detail

inline double CurveValue(const ViewState& view, int curve, const PointRecord& p)
{
    using namespace curve_values_detail;
    const bool logarithmic = view.Graphs[view.GraphKind].Log;
    switch (view.GraphKind) {
    case kGraphRX: {
        const double value = curve == 0 ? p.R : p.X;
        return NoValue(value) ? kGap : value;
    }
    case kGraphZMagPhase:
        if (curve == 1) return PhaseDegrees(p.R, p.X);
        if (logarithmic && (NoValue(p.R) || NoValue(p.X))) return kGap;
        return Magnitude(p.R, p.X, logarithmic);
    case kGraphGammaReIm:
    case kGraphGammaMagPhase: {
        double re = 0;
        double im = 0;
        if (!GammaFromZ(view, p.R, p.X, re, im)) return kGap;
        if (view.GraphKind == kGraphGammaReIm) return curve == 0 ? re : im;
        return curve == 0 ? Magnitude(re, im, logarithmic) : PhaseDegrees(re, im);
    }
    case kGraphVswr: {
        double vswr = 0;
        if (!VswrFromZ(view, p.R, p.X, vswr)) return kGap;
        return vswr;
    }
    case kGraphVip: {
        const double value = curve == 0 ? p.V : (curve == 1 ? p.I : p.phase);
        return NoValue(value) ? kGap : value;
    }
    case kGraphPower:
        if (NoValue(p.V) || NoValue(p.I) || NoValue(p.phase)) return kGap;
        return Power(p);
    default:
        return kGap;
    }
}
