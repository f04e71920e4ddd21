#include "view/chart/CurveValues.h"

#include "model/Trace.h"
#include "view/ReplayLimit.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

#include <cmath>

using curve_values_detail::NoValue;
using curve_values_detail::Power;

bool IsPhaseCurve(int kind, int curve)
{
    return (curve == 1 && (kind == kGraphZMagPhase || kind == kGraphGammaMagPhase)) || (curve == 2 && kind == kGraphVip);
}

void GetFitRange(CTrace& trace, const ViewState& view, double& min, double& max)
{
    const auto take = [&min, &max](double value) {
        if (value < min) min = value;
        if (value > max) max = value;
    };
    const int kind = view.GraphKind;
    const bool logarithmic = view.Graphs[kind].Log;
    const PointReader reader(trace.Data, view.HorMode, ReplaySampleLimit(trace));
    reader.ForEach(0, [&](int, const ShownPoint& shown) {
        const PointRecord& p = shown.point;
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
            return false;
        }
        return true;
    });
}
