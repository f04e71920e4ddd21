// Arbitrary bytes as an analyzer's answer line: reading must never crash,
// hang or read past the line, and it reads at most the values a line holds.

#include "link/AnswerLine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const KnownModelAnswer known = ReadKnownModelAnswer(line);
    if (known.count < 0 || known.count > 3) __builtin_trap();
    const MagnitudeAngleAnswer other = ReadMagnitudeAngleAnswer(line);
    if (other.count < 0 || other.count > 2) __builtin_trap();
    return 0;
}
