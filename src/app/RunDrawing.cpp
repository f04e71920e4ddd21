#include "app/RunDrawing.h"

#include "model/Trace.h"
#include "view/View.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// The number "%d" reads at the start of the text: blanks, a sign, digits.
// Nothing when there are no digits or the number does not fit an int.
std::optional<int> LeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t firstDigit = i;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{INT_MAX} + 2);
    }
    if (i == firstDigit) return std::nullopt;
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

void ShowRunStart(TViewForm& view) { view.FormPaint(); }

void ShowRunIncrement(TViewForm& view) { view.FormPaint(); }

void ShowRunEnd(TViewForm& view) { view.FormPaint(); }

std::string RunTraceName(const CTraces& traces)
{
    std::int64_t largest = -1;
    for (int i = 0; i < traces.Count(); ++i) {
        const std::string_view name = traces.Get(i)->Name;
        if (!name.starts_with("run")) continue;
        if (const std::optional<int> number = LeadingInt(name.substr(3))) largest = std::max<std::int64_t>(largest, *number);
    }
    if (largest < 1) largest = 0;
    return "run" + std::to_string(largest + 1);
}
