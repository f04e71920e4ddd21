#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a line of a record file into fields the way comma text is read: a
// comma or a run of blanks (any character up to the blank) separates fields,
// blanks around a comma belong to that comma, two commas in a row enclose an
// empty field, and a trailing comma adds one. A field that begins with a
// double quote runs to the closing quote and may hold commas and blanks; two
// quotes inside it stand for one.
std::vector<std::string> SplitCommaText(std::string_view line);
