#pragma once

#include <string>

class CTraces;

// The traces as a Varnet data file, every line ended by CR LF: two channels,
// the measurement at the harmonic frequency (V, I and phase of each stored
// point) and the frequency channel (each point's frequency in Hz). Times go
// out in whole milliseconds and the harmonic frequency in whole kHz, both
// rounded; R and X are not written.
std::string VarnetExportText(const CTraces& traces, double harmonicFrequency);

// How many of the traces do not carry V, I and phase. The export has no
// place for R and X, so such a trace goes out as points of zeros.
int TracesWithoutVip(const CTraces& traces);
