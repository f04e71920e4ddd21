#include "tools/CableCalc.h"

#include "model/Data.h"
#include "model/Exception.h"
#include "model/Gamma.h"
#include "model/NumberText.h"

#include <cmath>
#include <numbers>
#include <vector>

const std::array<CableType, 21> VelocityFactorTable = {{
    {"Unknown", 1.0},  {"RG-6", 0.8},     {"RG-8", 0.66},    {"RG-8X", 0.84},   {"RG-11", 0.75},
    {"RG-58", 0.66},   {"RG-59", 0.82},   {"RG-62", 0.84},   {"RG-174", 0.66},  {"RG-213", 0.66},
    {"RG-214", 0.66},  {"RG-217", 0.66},  {"RG-218", 0.66},  {"RG-316", 0.79},  {"RG-393", 0.695},
    {"RG-400", 0.695}, {"LMR-195", 0.83}, {"LMR-400", 0.85}, {"LMR-500", 0.85}, {"LMR-600", 0.86},
    {"TRU-500", 0.84},
}};

namespace {

constexpr std::array<CableStepRow, 5> kMetreSteps = {{
    {"Cable length, m", "Frequency step, MHz"},
    {" < 1", " 25"},
    {" 1 - 3", " 10"},
    {" 3 - 10", " 2.5"},
    {" 10 - 30", " 1"},
}};
constexpr std::array<CableStepRow, 5> kFootSteps = {{
    {"Cable length, ft", "Frequency step, MHz"},
    {" < 3", " 25"},
    {" 3 - 10", " 10"},
    {" 10 - 30", " 2.5"},
    {" 30 - 100", " 1"},
}};

struct PhasePoint {
    double f = 0;
    double phase = 0; // unwrapped, degrees
};

// The phase of every usable point, unwrapped downwards: a rise from one
// point to the next counts as a wrap. downSteps counts the steps that fell,
// less those that wrapped.
std::vector<PhasePoint> UnwrappedPhase(CData& data, double z0Re, double z0Im, int& downSteps)
{
    std::vector<PhasePoint> points;
    double offset = 0;
    double previous = 0;
    downSteps = 0;
    for (int i = 0; i < data.Count(); ++i) {
        double f = 0, R = 0, X = 0, t = 0, re = 0, im = 0;
        if (!data.GetPoint(i, f, R, X, t) || !GammaFromZ(R, X, z0Re, z0Im, re, im)) continue;
        if (re == 0 && im == 0) continue;
        const double phase = std::atan2(im, re) * 180 * std::numbers::inv_pi;
        if (points.empty()) previous = phase;
        if (phase > previous) {
            offset -= 360;
            --downSteps;
        } else {
            ++downSteps;
        }
        previous = phase;
        points.push_back({f, phase + offset});
    }
    return points;
}

// Least-squares slope of the phase over frequency, with the sums taken about
// the mean frequency so that a spread lost in rounding is seen as none.
std::optional<double> PhaseSlope(const std::vector<PhasePoint>& points)
{
    if (points.empty()) return std::nullopt;
    double meanF = 0, meanP = 0;
    for (const PhasePoint& p : points) {
        meanF += p.f;
        meanP += p.phase;
    }
    meanF /= static_cast<double>(points.size());
    meanP /= static_cast<double>(points.size());
    double sff = 0, sfp = 0;
    for (const PhasePoint& p : points) {
        sff += (p.f - meanF) * (p.f - meanF);
        sfp += (p.f - meanF) * (p.phase - meanP);
    }
    const double scale = std::fmax(meanF * meanF, 1e-300);
    if (!(sff > 1e-20 * scale * static_cast<double>(points.size()))) return std::nullopt;
    const double slope = sfp / sff;
    if (!std::isfinite(slope)) return std::nullopt;
    return slope;
}

} // namespace

const std::array<CableStepRow, 5>& CableStepTable(CableUnits units)
{
    return units == CableUnits::Metre ? kMetreSteps : kFootSteps;
}

const char* CableLengthLabel(CableUnits units) { return units == CableUnits::Metre ? "L (m) =" : "L (ft) ="; }

std::optional<std::string> CheckVelocityFactor(const std::string& text, double& vp)
{
    try {
        vp = ParseValue(text);
    } catch (const Exception& error) {
        return "Vp:\n" + error.Message();
    }
    if (vp <= 0) return "Vp <= 0";
    if (vp > 1) return "Vp > 1";
    if (!std::isfinite(vp)) return "Vp:\nNot a finite number";
    return std::nullopt;
}

CableFit FitCable(CData& data, double z0Re, double z0Im, double vp)
{
    CableFit fit;
    if (data.Count() <= 1) {
        fit.status = CableFit::Status::TooFewPoints;
        return fit;
    }
    int downSteps = 0;
    const std::vector<PhasePoint> points = UnwrappedPhase(data, z0Re, z0Im, downSteps);
    fit.coarseStep = 0.25 * static_cast<double>(points.size()) > downSteps;
    const std::optional<double> slope = PhaseSlope(points);
    if (!slope) return fit;
    const long double metres = -*slope * vp * (1.0L / 2.4L);
    fit.status = CableFit::Status::Done;
    fit.metres = static_cast<double>(metres);
    fit.feet = static_cast<double>(metres * 3.28084L);
    fit.delayNs = static_cast<double>(10.0L / 3.0L * metres / vp);
    return fit;
}
