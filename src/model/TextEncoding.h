#pragma once

#include <string>

// Percent encoding of free text (names, titles, file names) so that it can
// stand in an XML attribute or element without quotes or angle brackets:
// a blank becomes "+", letters, digits and - _ . ! ~ * ' ( ) stay, and every
// other byte becomes "%" with two upper-case hexadecimal digits.
std::string EncodeText(const std::string& text);

// The reverse: "+" becomes a blank and "%XX" (two hexadecimal digits, either
// case) becomes that byte. A "%" without two hexadecimal digits after it is
// kept as it is.
std::string DecodeText(const std::string& text);
