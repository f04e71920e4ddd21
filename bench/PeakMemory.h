#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
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

// Times `work` for each iteration and reports the peak memory it adds as a
// multiple of the file size, beside the file size.
template <typename Work>
void MeasureAgainstFile(benchmark::State& state, double fileSize, Work work)
{
    double peakRatio = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long before = StatusField("VmRSS:");
        ResetPeakMemory();
        state.ResumeTiming();

        work();

        state.PauseTiming();
        peakRatio = std::max(peakRatio, (StatusField("VmHWM:") - before) / fileSize);
        state.ResumeTiming();
    }
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["peak_over_file"] = peakRatio;
}
