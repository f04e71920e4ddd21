#pragma once

#include <cstddef>

// The numbers of a trace text. They are written as printf's "%lg" writes
// them whenever those six digits read back as the same double; otherwise with
// the fewest digits (up to 17) that do, in the same style, so a narrow sweep
// keeps its frequencies through a save. Neither direction depends on the
// process locale.

// Buffer size that holds any number written by FormatTraceNumber.
constexpr std::size_t kTraceNumberMaxLength = 32;

// Writes the number into `out` (not terminated) and returns its length.
std::size_t FormatTraceNumber(double value, char* out);

// Reads one number the way scanf's "%lg" does, for trace text and the
// analyzer's answer lines alike: leading white space, an optional sign, then a
// decimal or hexadecimal number, "inf", "infinity" or "nan". Returns the
// position after the number, or null when there is none.
const char* ReadScanfDouble(const char* begin, const char* end, double& value);
