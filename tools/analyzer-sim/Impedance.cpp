#include "Impedance.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSpeedOfLight = 299792458;
// A common 50 ohm coaxial cable with solid polyethylene, and a little loss
// so that the impedance stays finite at resonance.
constexpr double kLineImpedance = 50;
constexpr double kVelocityFactor = 0.66;
constexpr double kLossNeperPerMetre = 0.002;

} // namespace

std::complex<double> ImpedanceAt(const ImpedanceModel& model, double frequencyHz)
{
    const double omega = 2 * kPi * frequencyHz;
    switch (model.kind) {
    case ImpedanceModel::Kind::Load:
        return {model.R, 0};
    case ImpedanceModel::Kind::SeriesRLC: {
        const double capacitive = model.C > 0 ? 1 / (omega * model.C) : 0;
        return {model.R, omega * model.L - capacitive};
    }
    case ImpedanceModel::Kind::OpenLine: {
        const std::complex<double> gammaLength(kLossNeperPerMetre * model.lengthMetres,
                                               omega / (kSpeedOfLight * kVelocityFactor) * model.lengthMetres);
        return kLineImpedance / std::tanh(gammaLength);
    }
    }
    return {model.R, 0};
}
