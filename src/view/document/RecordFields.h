#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Numbers in the fields of a record file's line, read as scanf reads them
// ("%lg" or "%d": leading blanks, then a number; text after it is ignored).
// Nothing when the field is missing or holds no number, so that a short or
// damaged row can be skipped instead of being read from unset values.
std::optional<double> FieldDouble(const std::vector<std::string>& fields, size_t index);
std::optional<int> FieldInt(const std::vector<std::string>& fields, size_t index);

// A number as printf's "%.<digits>g" writes it, whatever the process locale.
std::string GeneralNumber(double value, int digits);

// A double rounded to the nearest int; values beyond the int range give its
// nearest end, and NaN gives 0.
int RoundedToInt(double value);

// Whether a line begins with the given characters (case matters).
inline bool LineStartsWith(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

// The comma-text fields after the first "=" of a line such as
// ";Freq=0,13560,1"; none when the line has no "=".
std::vector<std::string> FieldsAfterEquals(std::string_view line);

// R and X from a record's V, I and phase (degrees): (V / I) at that angle,
// and 0, 0 when no current flowed.
void ImpedanceFromVip(double V, double I, double phase, double& R, double& X);
