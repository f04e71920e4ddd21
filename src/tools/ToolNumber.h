#pragma once

#include <string>

// A result of the tools window written by FormatEng, except that a zero of
// either sign reads "0": a fit that lands on -0.0 must not show "-0".
std::string FormatToolValue(int digits, double value);
