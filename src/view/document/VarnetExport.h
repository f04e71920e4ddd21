#pragma once

#include <string>

class CTraces;

// A name with an extension added when its last path part has none
// (extension given without the dot).
std::string WithDefaultExtension(const std::string& name, const std::string& extension);

// The traces as a Varnet data file, every line ended by CR LF: two channels,
// the measurement at the harmonic frequency (V, I and phase of each stored
// point) and the frequency channel (each point's frequency in Hz). Times go
// out in whole milliseconds and the harmonic frequency in whole kHz, both
// rounded; R and X are not written.
std::string VarnetExportText(const CTraces& traces, double harmonicFrequency);
