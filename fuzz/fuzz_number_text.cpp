// Arbitrary bytes as typed and stored numbers: the parsers must never crash,
// hang or read out of bounds, and what FormatEng writes must read back.

#include "model/Exception.h"
#include "model/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    double imaginary = 0;
    try {
        const double value = ParseValue(text, &imaginary);
        (void)FormatEng(static_cast<int>(size % 14), value);
    } catch (const Exception&) {
    }

    const double stored = TextToDouble(text);
    (void)TextToInt(text);

    // Twelve significant digits written by FormatEng read back within the
    // rounding of those digits.
    if (std::isfinite(stored) && stored != 0 && std::fabs(stored) > 1e-300 && std::fabs(stored) < 1e300) {
        const double back = TextToDouble(FormatEng(12, stored));
        if (std::fabs(back - stored) > std::fabs(stored) * 1e-11) __builtin_trap();

        // At any precision the text holds one exponent and reads back within
        // half a unit of its last significant digit.
        const int precision = static_cast<int>(size % 13);
        const double decade = std::floor(std::log10(std::fabs(stored)));
        const double halfUnit = 0.5 * std::pow(10.0, decade - std::max(precision, 1) + 1);
        const double few = TextToDouble(FormatEng(precision, stored));
        if (std::fabs(few - stored) > halfUnit * (1 + 1e-9) + std::fabs(stored) * 1e-15) __builtin_trap();
    }
    return 0;
}
