#pragma once

#include "SimulatedAnalyzer.h"

#include <optional>
#include <string>

struct SimulatorOptions {
    AnalyzerBehaviour behaviour;
    std::string logFile; // every received byte goes here; empty: no log
    std::string stale;   // waits in the line before anyone opens it
};

extern const char* const kSimulatorUsage;

// The options of the command line (argv[1] on), or nothing after a message
// on standard error.
std::optional<SimulatorOptions> ParseSimulatorOptions(int argc, const char* const argv[]);
