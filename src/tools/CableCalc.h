#pragma once

#include <array>
#include <optional>
#include <string>

class CData;

// The cable calculator: the electrical length of a coaxial line from a sweep
// of its input with the far end open or shorted. The phase of Gamma falls
// linearly with frequency; the slope of a least-squares line through the
// unwrapped phase gives the length for the cable's velocity factor.

struct CableType {
    const char* name;
    double velocityFactor;
};
extern const std::array<CableType, 21> VelocityFactorTable;

enum class CableUnits { Metre, Foot };

// The recommended frequency step by cable length: row 0 is the header,
// each row the two cells of the grid.
struct CableStepRow {
    const char* length;
    const char* step;
};
const std::array<CableStepRow, 5>& CableStepTable(CableUnits units);
const char* CableLengthLabel(CableUnits units);

// Reads the Vp edit; the message of the check that failed, as the user sees it.
std::optional<std::string> CheckVelocityFactor(const std::string& text, double& vp);

struct CableFit {
    enum class Status { Done, TooFewPoints, WrongData };
    Status status = Status::WrongData;
    bool coarseStep = false; // fewer downward steps than a quarter of the points
    double metres = 0;
    double feet = 0;
    double delayNs = 0;
};

// The fit over every point whose Gamma against z0 can be computed and is not
// exactly 0. WrongData when the frequencies do not spread (all equal within
// rounding, or no point).
CableFit FitCable(CData& data, double z0Re, double z0Im, double vp);

inline constexpr const char* kCableCoarseStepMessage = "The result could be wrong.\nReduce frequency step and try again";
