#pragma once

#include "model/HorMode.h"

#include <array>
#include <string_view>

// The chart kinds of a document window (its GraphKind), in tab order.
enum GraphKindId {
    kGraphData = 0,
    kGraphSmith = 1,
    kGraphRX = 2,
    kGraphZMagPhase = 3,
    kGraphGammaReIm = 4,
    kGraphGammaMagPhase = 5,
    kGraphVswr = 6,
    kGraphVip = 7,
    kGraphPower = 8,
    kGraphKindCount = 9
};

// Shared by the document window's tabs and the control window's graph list.
inline constexpr std::array<std::string_view, kGraphKindCount> ChartKindNames = {
    "Data", "Smith chart", "R/X", "Z mag/phase", "Gamma re/im", "Gamma mag/phase", "VSWR", "V/I/phase", "P"};


// The phase curve of a chart kind (GraphSettings::Phase).
enum PhaseModeId { kPhaseOff = 0, kPhaseOn = 1, kPhaseSeparate = 2 };
