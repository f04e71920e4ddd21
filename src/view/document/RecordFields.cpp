#include "view/document/RecordFields.h"

#include "model/DecimalDigits.h"
#include "model/TraceNumber.h"
#include "view/document/CommaText.h"

#include <charconv>
#include <cmath>
#include <limits>

std::optional<double> FieldDouble(const std::vector<std::string>& fields, size_t index)
{
    if (index >= fields.size()) return std::nullopt;
    const std::string& field = fields[index];
    double value = 0;
    if (!ReadScanfDouble(field.data(), field.data() + field.size(), value)) return std::nullopt;
    return value;
}

std::optional<int> FieldInt(const std::vector<std::string>& fields, size_t index)
{
    if (index >= fields.size()) return std::nullopt;
    return ReadScanfInteger(fields[index]);
}

std::vector<std::string> FieldsAfterEquals(std::string_view line)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return SplitCommaText(line.substr(equals + 1));
}

void ImpedanceFromVip(double V, double I, double phase, double& R, double& X)
{
    if (I == 0) {
        R = X = 0;
        return;
    }
    const double angle = phase * 3.141592653589793 / 180;
    R = V / I * std::cos(angle);
    X = V / I * std::sin(angle);
}

std::string GeneralNumber(double value, int digits)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
    return std::string(text, result.ptr);
}

int RoundedToInt(double value)
{
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    if (value <= kLow) return std::numeric_limits<int>::min();
    if (value >= kHigh) return std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(value));
}
