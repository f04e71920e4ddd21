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
    SetDefaults(Settings);
    CXMLNode root("OB_settings");
    if (!root.LoadFromText(std::string(reinterpret_cast<const char*>(data), size))) return 0;
    ExchangeSettings(&root, Settings);

    const bool valid = Within(Settings.VertSize, 20, 10000) && Within(Settings.HorSize, 25, 10000) && Within(Settings.LineWidth, 1, 30) &&
                       Within(Settings.PointSize, 1, 30) && Within(Settings.RefWidth, 1, 30) && Within(Settings.GraphFont.Size, 1, 100) &&
                       Within(Settings.TableFont.Size, 1, 200) && Within(Settings.LabelFont.Size, 1, 200) &&
                       Within(Settings.TableDataDigits, 0, 12) && Within(Settings.LabelDataDigits, 0, 12) && Within(Settings.LabelSize, 1, 100) &&
                       Within(Settings.StatusDigits, 0, 10) && Within(Settings.StatusSmithReadout, 0, 4) && Within(Settings.CurrentScheme, 0, 2);
    if (!valid) __builtin_trap();

    // What was read writes out as a file that reads back.
    CXMLNode written("OB_settings");
    ExchangeSettings(&written, Settings);
    std::string text;
    written.WriteTo(text, 0);
    CXMLNode again("OB_settings");
    if (!again.LoadFromText(text)) __builtin_trap();
    return 0;
}
