#include "view/CurveValues.h"

#include "model/Trace.h"
#include "view/ReplayLimit.h"
#include "view/SmithGeometry.h"
#include "view/ViewState.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSmallestSquare = 1e-20;

bool NoValue(double value) { return value > kNoValueThreshold; }

double PhaseDegrees(double re, double im)
{
    if (re == 0 && im == 0) return 0;
    return std::atan2(im, re) * 180 / std::numbers::pi;
}

double Power(const PointRecord& p) { return p.V * p.I * std::cos(p.phase * std::numbers::pi / 180); }

// A magnitude as the upper pane shows it: in dB on a logarithmic axis.
std::optional<double> Magnitude(double re, double im, bool logarithmic)
{
    const double square = re * re + im * im;
    if (!logarithmic) return std::sqrt(square);
    if (square < kSmallestSquare) return std::nullopt;
    return 10 * std::log10(square);
}

std::optional<double> GammaCurve(const ViewState& view, int curve, const PointRecord& p, bool logarithmic)
{
    double re = 0;
    double im = 0;
    if (!GammaFromZ(view, p.R, p.X, re, im)) return std::nullopt;
    if (view.GraphKind == kGraphGammaReIm) return curve == 0 ? re : im;
    return curve == 0 ? Magnitude(re, im, logarithmic) : PhaseDegrees(re, im);
}

} // namespace

bool IsPhaseCurve(int kind, int curve)
{
    return (curve == 1 && (kind == kGraphZMagPhase || kind == kGraphGammaMagPhase)) || (curve == 2 && kind == kGraphVip);
}

std::optional<double> CurveValue(const ViewState& view, int curve, const PointRecord& p)
{
    const bool logarithmic = view.Graphs[view.GraphKind].Log;
    switch (view.GraphKind) {
    case kGraphRX: {
        const double value = curve == 0 ? p.R : p.X;
        if (NoValue(value)) return std::nullopt;
        return value;
    }
    case kGraphZMagPhase:
        if (curve == 1) return PhaseDegrees(p.R, p.X);
        if (logarithmic && (NoValue(p.R) || NoValue(p.X))) return std::nullopt;
        return Magnitude(p.R, p.X, logarithmic);
    case kGraphGammaReIm:
    case kGraphGammaMagPhase:
        return GammaCurve(view, curve, p, logarithmic);
    case kGraphVswr: {
        double vswr = 0;
        if (!VswrFromZ(view, p.R, p.X, vswr)) return std::nullopt;
        return vswr;
    }
    case kGraphVip: {
        const double value = curve == 0 ? p.V : (curve == 1 ? p.I : p.phase);
        if (NoValue(value)) return std::nullopt;
        return value;
    }
    case kGraphPower:
        if (NoValue(p.V) || NoValue(p.I) || NoValue(p.phase)) return std::nullopt;
        return Power(p);
    default:
        return std::nullopt;
    }
}

void GetFitRange(CTrace& trace, const ViewState& view, double& min, double& max)
{
    const auto take = [&min, &max](double value) {
        if (value < min) min = value;
        if (value > max) max = value;
    };
    const int kind = view.GraphKind;
    const bool logarithmic = view.Graphs[kind].Log;
    CData& data = trace.Data;
    data.DrawLimit = ReplaySampleLimit(trace);
    data.StartIteration(0);
    PointRecord p{};
    double x = 0;
    while (data.NextPointX(view.HorMode, x, p.R, p.X, &p.V, &p.I, &p.phase)) {
        double re = 0;
        double im = 0;
        switch (kind) {
        case kGraphRX:
            take(p.R);
            take(p.X);
            break;
        case kGraphVip:
            take(p.V);
            take(p.I);
            break;
        case kGraphPower:
            if (!NoValue(p.V) && !NoValue(p.I) && !NoValue(p.phase)) take(Power(p));
            break;
        case kGraphZMagPhase: {
            const double magnitude = std::sqrt(p.R * p.R + p.X * p.X);
            if (!(logarithmic && magnitude == 0)) take(magnitude);
            break;
        }
        case kGraphGammaReIm:
            if (GammaFromZ(view, p.R, p.X, re, im)) {
                take(re);
                take(im);
            }
            break;
        case kGraphGammaMagPhase:
            if (GammaFromZ(view, p.R, p.X, re, im)) {
                const double magnitude = std::sqrt(re * re + im * im);
                if (!(logarithmic && magnitude == 0)) take(magnitude);
            }
            break;
        case kGraphVswr: {
            double vswr = 0;
            if (VswrFromZ(view, p.R, p.X, vswr)) take(vswr);
            break;
        }
        default:
            return;
        }
    }
}
