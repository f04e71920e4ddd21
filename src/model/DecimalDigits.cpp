#include "model/DecimalDigits.h"

#include <charconv>
#include <limits>

void DecimalDigits::Add(int digit, bool afterPoint)
{
    if (afterPoint) ++fractionDigits_;
    if (significant_.empty() && digit == 0) return;
    significant_.push_back(static_cast<char>('0' + digit));
}

double DecimalDigits::Value(long long exponent) const
{
    size_t length = significant_.size();
    while (length > 0 && significant_[length - 1] == '0') --length;
    if (length == 0) return 0.0;

    const long long trailingZeros = static_cast<long long>(significant_.size() - length);
    const long long scale = exponent - fractionDigits_ + trailingZeros;
    // Decimal order of magnitude of the leading digit.
    const long long order = static_cast<long long>(length) - 1 + scale;
    if (order > 400) return std::numeric_limits<double>::infinity();
    if (order < -400) return 0.0;

    std::string text(significant_, 0, length);
    text += 'e';
    text += std::to_string(scale);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

std::optional<int> ReadScanfInteger(std::string_view text, size_t* consumed, bool* fits)
{
    size_t i = 0;
    while (i < text.size() && IsScanfSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;

    // The magnitude of INT_MIN is one more than INT_MAX.
    const long long limit = negative ? 1LL + std::numeric_limits<int>::max() : std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= limit) value = value * 10 + (text[i] - '0');
    }
    if (fits) *fits = value <= limit;
    if (value > limit) value = limit;
    if (consumed) *consumed = i;
    return static_cast<int>(negative ? -value : value);
}
