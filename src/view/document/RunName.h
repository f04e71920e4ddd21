#pragma once

#include <string>

class CTraces;

// The name of the next trace a measurement run adds to a window: "run"
// followed by one more than the largest number of the window's traces named
// "run" and a number ("run1" in a window without such names, "run8" after
// "run7"). Only a name that begins with exactly "run" counts, and its number
// is read as a decimal integer that may follow blanks and a sign ("run-2x"
// reads -2, "runaway" nothing); a number that does not fit an int is left
// out, so "run2147483647" gives "run2147483648".
std::string NextRunName(const CTraces& traces);
