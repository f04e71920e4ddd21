#include "model/TraceNumber.h"

#include "model/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

char* WriteExponent(char* out, int exponent)
{
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;
}

// A decimal that overflowed or underflowed a double: infinity or zero.
double SaturatedDecimal(const char* begin, const char* end)
{
    DecimalDigits digits;
    bool afterPoint = false;
    long long exponent = 0;
    for (const char* p = begin; p < end; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits.Add(*p - '0', afterPoint);
        } else if (*p == '.') {
            afterPoint = true;
        } else if (*p == 'e' || *p == 'E') {
            if (const auto value = ReadScanfInteger(std::string_view(p + 1, static_cast<size_t>(end - p - 1)))) {
                exponent = *value;
            }
            break;
        }
    }
    return digits.Value(exponent);
}

// Below the normal range a double holds few digits, and "%lg" may read back
// exactly while using more digits than the shortest text: try it first.
std::size_t FormatSubnormal(double value, char* out)
{
    for (int precision = 6; precision <= 17; ++precision) {
        const char* end = std::to_chars(out, out + kTraceNumberMaxLength, value, std::chars_format::general, precision).ptr;
        double back = 0;
        std::from_chars(out, end, back);
        if (back == value || precision == 17) return static_cast<size_t>(end - out);
    }
    return 0;
}

} // namespace

std::size_t FormatTraceNumber(double value, char* out)
{
    char* const start = out;
    if (value != value) {
        if (std::signbit(value)) *out++ = '-';
        std::memcpy(out, "nan", 3);
        return static_cast<size_t>(out + 3 - start);
    }
    if (value == std::numeric_limits<double>::infinity() || value == -std::numeric_limits<double>::infinity()) {
        if (value < 0) *out++ = '-';
        std::memcpy(out, "inf", 3);
        return static_cast<size_t>(out + 3 - start);
    }

    if (value != 0 && std::fabs(value) < std::numeric_limits<double>::min()) return FormatSubnormal(value, out);

    // Shortest digits that read back as the same double, e.g. "1.2345e+02".
    char shortest[32];
    const char* const shortestEnd = std::to_chars(shortest, shortest + sizeof shortest, value,
                                                  std::chars_format::scientific).ptr;
    const char* p = shortest;
    if (*p == '-') {
        *out++ = '-';
        ++p;
    }
    char digits[20];
    int count = 0;
    for (; p < shortestEnd && *p != 'e'; ++p) {
        if (*p != '.') digits[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), shortestEnd, exponent);

    // "%.Pg" with P = 6, or more when six digits would not read back.
    const int precision = count > 6 ? count : 6;
    if (exponent < -4 || exponent >= precision) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            std::memcpy(out, digits + 1, static_cast<size_t>(count - 1));
            out += count - 1;
        }
        out = WriteExponent(out, exponent);
    } else if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int k = -1; k > exponent; --k) *out++ = '0';
        std::memcpy(out, digits, static_cast<size_t>(count));
        out += count;
    } else {
        for (int k = 0; k <= exponent; ++k) *out++ = k < count ? digits[k] : '0';
        if (count > exponent + 1) {
            *out++ = '.';
            std::memcpy(out, digits + exponent + 1, static_cast<size_t>(count - exponent - 1));
            out += count - exponent - 1;
        }
    }
    return static_cast<size_t>(out - start);
}

const char* ReadScanfDouble(const char* begin, const char* end, double& value)
{
    const char* p = begin;
    while (p < end && IsScanfSpace(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p >= end || *p == '+' || *p == '-') return nullptr;

    double magnitude = 0;
    if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        const auto hex = std::from_chars(p + 2, end, magnitude, std::chars_format::hex);
        if (hex.ec == std::errc()) {
            value = negative ? -magnitude : magnitude;
            return hex.ptr;
        }
    }
    const auto result = std::from_chars(p, end, magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = SaturatedDecimal(p, result.ptr);
    } else if (result.ec != std::errc()) {
        return nullptr;
    }
    value = negative ? -magnitude : magnitude;
    return result.ptr;
}
