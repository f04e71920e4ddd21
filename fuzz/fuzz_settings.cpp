// Arbitrary bytes as a settings file: loading must never crash or hang, and
// every value the settings repair must be in its range afterwards.

#include "model/Settings.h"
#include "model/XMLNode.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool Within(int value, int low, int high) { return value >= low && value <= high; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetDefaults();
    CXMLNode root("OB_settings");
    if (!root.LoadFromText(std::string(reinterpret_cast<const char*>(data), size))) return 0;
    ExchangeSettings(&root);

    const bool valid = Within(VertSize, 20, 10000) && Within(HorSize, 25, 10000) && Within(LineWidth, 1, 30) &&
                       Within(PointSize, 1, 30) && Within(RefWidth, 1, 30) && Within(GraphFont.Size, 1, 100) &&
                       Within(TableFont.Size, 1, 200) && Within(LabelFont.Size, 1, 200) &&
                       Within(TableDataDigits, 0, 12) && Within(LabelDataDigits, 0, 12) && Within(LabelSize, 1, 100) &&
                       Within(StatusDigits, 0, 10) && Within(StatusSmithReadout, 0, 4) && Within(CurrentScheme, 0, 2);
    if (!valid) __builtin_trap();

    // What was read writes out as a file that reads back.
    CXMLNode written("OB_settings");
    ExchangeSettings(&written);
    std::string text;
    written.WriteTo(text, 0);
    CXMLNode again("OB_settings");
    if (!again.LoadFromText(text)) __builtin_trap();
    return 0;
}
