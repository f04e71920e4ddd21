#pragma once

#include "model/PointRecord.h"

#include <cmath>

// Reflection coefficient of the impedance R + jX against Z0. An R or X above
// 1e90 (infinite or absent) gives 1 + j0. Fails, leaving the outputs as they
// were, for Z = -Z0 and whenever the inputs or the result are not finite.
// Inline: every point of a Smith chart passes here.
inline bool GammaFromZ(double R, double X, double z0Re, double z0Im, double& re, double& im)
{
    if (R > kNoValueThreshold || X > kNoValueThreshold) {
        re = 1;
        im = 0;
        return true;
    }
    if (!std::isfinite(R) || !std::isfinite(X)) return false;

    const double nRe = R - z0Re;
    const double nIm = X - z0Im;
    const double dRe = R + z0Re;
    const double dIm = X + z0Im;
    if (dRe == 0 && dIm == 0) return false;

    const double k = 1 / (dRe * dRe + dIm * dIm);
    const double resultRe = (nRe * dRe + nIm * dIm) * k;
    const double resultIm = (nIm * dRe - nRe * dIm) * k;
    if (!std::isfinite(resultRe) || !std::isfinite(resultIm)) return false;
    re = resultRe;
    im = resultIm;
    return true;
}
