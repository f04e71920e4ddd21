#include "view/RunName.h"

#include "model/Trace.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kPrefix = "run";

// The integer after the prefix, read as the C library's "%d" would, but
// without overflowing: digits beyond the range of an int make no number.
std::optional<int> RunNumber(std::string_view name)
{
    if (name.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
    std::size_t i = kPrefix.size();
    while (i < name.size() && std::isspace(static_cast<unsigned char>(name[i]))) ++i;
    bool negative = false;
    if (i < name.size() && (name[i] == '+' || name[i] == '-')) negative = name[i++] == '-';
    const std::size_t firstDigit = i;
    long long magnitude = 0;
    constexpr long long kBeyondInt = static_cast<long long>(INT_MAX) + 2;
    for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
        magnitude = std::min(kBeyondInt, magnitude * 10 + (name[i] - '0'));
    }
    if (i == firstDigit) return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::string NextRunName(const CTraces& traces)
{
    long long largest = -1;
    for (int i = 0; i < traces.Count(); ++i) {
        if (const std::optional<int> number = RunNumber(traces.Get(i)->Name)) largest = std::max<long long>(largest, *number);
    }
    if (largest < 1) largest = 0;
    return std::string(kPrefix) + std::to_string(largest + 1);
}
