#include "model/NumberText.h"

#include "model/CheckedMath.h"
#include "model/DecimalDigits.h"
#include "model/Exception.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool EqualsIgnoreCase(std::string_view text, std::string_view lowerWord)
{
    if (text.size() != lowerWord.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

// The "%g" conversion of the C library in the "C" locale.
std::string PrintGeneral(int precision, double value)
{
    if (precision < 0) precision = 6;
    if (precision > 40) precision = 40;
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

// Brings the magnitude into [1, 1000) by steps of three decades.
void ScaleIntoGroup(double& value, int& exponent)
{
    while (std::fabs(value) < 1) {
        value *= 1000;
        exponent -= 3;
    }
    while (std::fabs(value) >= 1000) {
        value *= 0.001;
        exponent += 3;
    }
}

// Rounding to the precision can print the mantissa as "1000" (four
// characters without a point, not counting the sign).
bool ReachedThousand(std::string_view mantissa)
{
    if (!mantissa.empty() && mantissa.front() == '-') mantissa.remove_prefix(1);
    return mantissa.size() == 4 && mantissa.find('.') == std::string_view::npos;
}

bool IsExponentForm(std::string_view mantissa) { return mantissa.find('e') != std::string_view::npos; }

// At one to three digits the conversion prints a mantissa of 10, 100 or 1000
// and more in exponent form ("4e+02"). An engineering exponent behind that
// would give a text with two exponents, which reads back as the first one
// alone. Such a mantissa is a whole number: 1000 moves into the next group
// of three as 1, anything else is written out in plain digits.
void WriteOutExponentForm(std::string& mantissa, int& exponent)
{
    double rounded = 0;
    std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), rounded);
    if (std::fabs(rounded) >= 1000) {
        exponent += 3;
        mantissa = rounded < 0 ? "-1" : "1";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
    mantissa.assign(buffer, result.ptr);
}

void AppendExponent(std::string& mantissa, int exponent)
{
    mantissa += exponent > 0 ? "e+" : "e-";
    mantissa += std::to_string(exponent > 0 ? exponent : -exponent);
}

// Decimal prefix letters: the power of ten each one stands for.
bool PrefixExponent(char c, long long& exponent)
{
    switch (c) {
    case 'f': exponent = -15; return true;
    case 'p': exponent = -12; return true;
    case 'n': exponent = -9; return true;
    case 'u': exponent = -6; return true;
    case 'm': exponent = -3; return true;
    case 'k':
    case 'K': exponent = 3; return true;
    case 'M': exponent = 6; return true;
    case 'G': exponent = 9; return true;
    case 'T': exponent = 12; return true;
    default: return false;
    }
}

} // namespace

std::string TrimText(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.substr(begin, end - begin);
}

std::string FormatEng(int precision, double value)
{
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

    int exponent = 0;
    if (value != 0 && !std::isnan(value)) ScaleIntoGroup(value, exponent);

    std::string mantissa = PrintGeneral(precision, value);
    if (ReachedThousand(mantissa)) {
        value *= 0.001;
        exponent += 3;
        mantissa = PrintGeneral(precision, value);
    }
    if (exponent != 0 && IsExponentForm(mantissa)) WriteOutExponentForm(mantissa, exponent);
    if (exponent != 0) AppendExponent(mantissa, exponent);
    return mantissa;
}

double ParseValue(const std::string& text, double* imaginary)
{
    if (imaginary) *imaginary = 0;
    if (text.empty()) return 0;

    const std::string trimmed = TrimText(text);
    const auto syntaxError = [&trimmed]() { return Exception("Syntax error: " + trimmed); };

    std::string_view rest = trimmed;
    bool isImaginary = false;
    if (!rest.empty() && rest.back() == 'j') {
        rest.remove_suffix(1);
        isImaginary = true;
    }

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (EqualsIgnoreCase(rest, "inf")) return negative ? -kInfinity : kInfinity;

    DecimalDigits digits;
    long long exponent = 0;
    bool fraction = false;
    bool digitSeen = false;
    bool decibel = false;
    size_t i = 0;
    for (;;) {
        for (; i < rest.size() && IsDigit(rest[i]); ++i) {
            digits.Add(rest[i] - '0', fraction);
            digitSeen = true;
        }
        if (i >= rest.size()) break;

        const char c = rest[i];
        const bool hasNext = i + 1 < rest.size();
        const char next = hasNext ? rest[i + 1] : '\0';
        if (c == 'e' || c == 'E') {
            if (const auto value = ReadScanfInteger(rest.substr(i + 1))) exponent = *value;
            break;
        }

        bool unitName = true;
        if (c == 'm' && next == 'k') {
            exponent = -6;
            ++i;
        } else if (c == 'm' && next == 'g') {
            exponent = 6;
            ++i;
        } else if (PrefixExponent(c, exponent)) {
        } else if ((c == 'd' || c == 'D') && (next == 'b' || next == 'B')) {
            decibel = true;
            ++i;
        } else if (IsAsciiLetter(c)) {
            if (!digitSeen) throw syntaxError();
        } else if (c == '.' && !fraction) {
            unitName = false;
        } else {
            throw syntaxError();
        }
        if (unitName) {
            while (i + 1 < rest.size() && IsAsciiLetter(rest[i + 1])) ++i;
        }

        // The first point, prefix or unit acts as the decimal point
        // ("4k7" is 4.7k); a second one ends the number.
        ++i;
        if (fraction) break;
        fraction = true;
    }
    if (!digitSeen) throw syntaxError();

    const double magnitude = digits.Value(exponent);
    const double value = negative ? -magnitude : magnitude;
    if (isImaginary) {
        if (imaginary) *imaginary = value;
        return 0;
    }
    if (decibel) return checked::pow(10.0, 0.05 * value);
    return value;
}

double TextToDouble(const std::string& text)
{
    const std::string trimmed = TrimText(text);
    std::string_view rest = trimmed;

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (!rest.empty() && rest.front() == 'i') return negative ? -kInfinity : kInfinity;

    DecimalDigits digits;
    long long exponent = 0;
    bool fraction = false;
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (IsDigit(c)) {
            digits.Add(c - '0', fraction);
        } else if (c == '.' && !fraction) {
            fraction = true;
        } else {
            if (c == 'e' || c == 'E') {
                if (const auto value = ReadScanfInteger(rest.substr(i + 1))) exponent = *value;
            }
            break;
        }
    }
    const double magnitude = digits.Value(exponent);
    return negative ? -magnitude : magnitude;
}

int TextToInt(const std::string& text)
{
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    int base = 10;
    if (!rest.empty() && (rest.front() == '$' || rest.front() == 'x' || rest.front() == 'X')) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty()) return 0;

    // Decimal numbers must fit an int; hexadecimal ones may use all 32 bits
    // ("$FFFFFFFF" is -1), as the class library this format comes from allowed.
    const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    unsigned long long value = 0;
    for (const char c : rest) {
        int digit;
        if (IsDigit(c)) digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return 0;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > limit) return 0;
    }
    const auto bits = static_cast<unsigned int>(value);
    const unsigned int result = negative ? 0u - bits : bits;
    return static_cast<int>(result);
}
