#pragma once

#include <string>

// Every number shown to the user is written by FormatEng; every number typed
// by the user is read by ParseValue. TextToDouble and TextToInt read the
// numbers stored in XML attributes. None of them depends on the process
// locale: files written under a comma-decimal locale must still read back.

// Engineering notation: the mantissa in [1, 1000) printed with `precision`
// significant digits, then an exponent that is a multiple of three
// ("1.2345e+3", "50e-3"). At one to three digits a mantissa that rounds to
// 10 or more is written in whole digits ("400e-6", not "4e+02e-6"), and one
// that rounds to 1000 moves into the next group ("1e+6"). Infinity is
// written "inf" or "-inf".
std::string FormatEng(int precision, double value);

// Reads a typed value such as "4k7", "2.2u", "50ohm", "-3dB" or "10j".
// Throws Exception("Syntax error: " + trimmed text) for text that is not a
// number. A trailing "j" marks the value as imaginary: it then goes to
// *imaginary (when given) and the result is 0.
double ParseValue(const std::string& text, double* imaginary = nullptr);

// Reads a stored double; never fails. Unreadable text gives 0, a readable
// leading part gives its value ("12abc" is 12).
double TextToDouble(const std::string& text);

// Reads a stored integer (decimal, or hexadecimal after "$", "x" or "0x");
// never fails. Anything that is not wholly an integer gives 0.
int TextToInt(const std::string& text);

// Trims leading and trailing control characters and blanks (bytes up to 0x20).
std::string TrimText(const std::string& text);
