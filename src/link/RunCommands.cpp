#include "link/RunCommands.h"

#include "model/CheckedMath.h"

#include <charconv>

namespace {

// The longest double written with six decimals: 309 digits, sign, point.
constexpr int kFixedTextCapacity = 330;

bool IsLinear(const RunSettings& settings) { return settings.loglin == kSpacingLin; }

} // namespace

std::string FrequencyCommand(char letter, double megahertz)
{
    char text[kFixedTextCapacity];
    const auto result = std::to_chars(text, text + sizeof text, megahertz, std::chars_format::fixed, 6);
    std::string command(1, letter);
    command.append(text, result.ptr);
    command += '\r';
    return command;
}

std::string PointCountCommand(int samples) { return "P" + std::to_string(samples) + "\r"; }

std::string SweepStartCommand(const RunSettings& settings) { return IsLinear(settings) ? "N" : "G"; }

double PointFrequency(const RunSettings& settings, int index)
{
    const int n = settings.samples;
    if (settings.mode != kRunSweep || n <= 1) return settings.from;
    if (IsLinear(settings)) return settings.from + (settings.to - settings.from) / (n - 1) * index;
    const double logFrom = checked::log(settings.from);
    return checked::exp(logFrom + (checked::log(settings.to) - logFrom) / (n - 1) * index);
}
