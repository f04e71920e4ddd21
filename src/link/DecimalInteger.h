#pragma once

#include <string>

// Reads a typed whole number: optional blanks, an optional sign, decimal
// digits, optional blanks, and nothing else; the value must fit an int.
// Throws Exception("'12x' is not a valid integer value") otherwise.
int ParseDecimalInt(const std::string& text);
