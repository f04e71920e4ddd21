#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

// Resident and peak resident memory of this process, in bytes
// ("VmRSS:", "VmHWM:").
inline long StatusField(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size()) * 1024;
    }
    return 0;
}

// Starts a new measurement of the peak.
inline void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
