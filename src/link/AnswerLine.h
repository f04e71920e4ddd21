#pragma once

#include <string_view>

// The numbers of one answer line, read as the analyzers write them and
// independent of the process locale (a comma-decimal locale must not turn
// "50.5" into 50). Reading stops at the first value the line does not
// supply; `count` says how many were read, in order.

// Known models: "f,R,X" with f in Hz and R and X in ohm.
struct KnownModelAnswer {
    int count = 0;
    double frequencyHz = 0;
    double R = 0;
    double X = 0;
};
KnownModelAnswer ReadKnownModelAnswer(std::string_view line);

// Other devices: the magnitude of Z in ohm, white space (any amount, also
// none), the letter A and the angle of Z in degrees ("100 A90").
struct MagnitudeAngleAnswer {
    int count = 0;
    double magnitude = 0;
    double angleDegrees = 0;
};
MagnitudeAngleAnswer ReadMagnitudeAngleAnswer(std::string_view line);
