#include "view/document/RunName.h"

#include "model/DecimalDigits.h"
#include "model/Trace.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kPrefix = "run";

// The number after the prefix, as the C library's "%d" reads it; a number
// beyond the range of an int makes none.
std::optional<int> RunNumber(std::string_view name)
{
    if (name.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
    bool fits = false;
    const std::optional<int> number = ReadScanfInteger(name.substr(kPrefix.size()), nullptr, &fits);
    if (!fits) return std::nullopt;
    return number;
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
