#pragma once

#include <optional>
#include <string>
#include <string_view>

// Collects the digits of a decimal number as they are scanned and turns them
// into the correctly rounded double at the end. Scaling step by step by 10 or
// 0.1 would drift: "1e+90" must read as exactly 1e90, and every value written
// with 12 significant digits must read back as the same double.
class DecimalDigits {
public:
    // Adds one digit (0..9) before or after the decimal point.
    void Add(int digit, bool afterPoint);

    // The collected number times 10^exponent. Exponents far outside the range
    // of a double saturate to infinity or zero.
    double Value(long long exponent) const;

private:
    std::string significant_;     // digits without leading zeros
    long long fractionDigits_ = 0; // digits taken after the point, zeros included
};

// White space as scanf skips it before a number.
inline bool IsScanfSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads a decimal integer the way scanf's "%d" does: leading white space, an
// optional sign, then at least one digit. Values too large for an int
// saturate, and *fits (when given) tells whether it did fit. Gives nothing
// when no digit follows; otherwise *consumed (when given) receives the number
// of characters read.
std::optional<int> ReadScanfInteger(std::string_view text, size_t* consumed = nullptr, bool* fits = nullptr);
