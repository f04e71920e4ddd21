// Arbitrary bytes as typed and stored numbers: the parsers must never crash,
// hang or read out of bounds, and what FormatEng writes must read back.

#include "FormatEngReadBack.h"
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

    // What FormatEng writes reads back within the rounding of its last digit
    // and of its scaling by thousands: at twelve digits, as documents and
    // settings hold numbers, and at any precision.
    if (std::isfinite(stored) && stored != 0 && std::fabs(stored) > 1e-300 && std::fabs(stored) < 1e300) {
        for (const int precision : {12, static_cast<int>(size % 13)}) {
            const std::string written = FormatEng(precision, stored);
            if (std::count(written.begin(), written.end(), 'e') > 1) __builtin_trap();
            const double back = TextToDouble(written);
            if (std::fabs(back - stored) > FormatEngReadBackTolerance(precision, stored)) __builtin_trap();
        }
    }
    return 0;
}
