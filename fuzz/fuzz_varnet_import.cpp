// Arbitrary bytes as a Varnet data file: the import must never crash or hang, and
// whatever it yields must be a sound set of traces.

#include "FuzzImportSupport.h"
#include "model/TextLines.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    InstallSilentMessages();
    const std::uint8_t choice = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto lines = SplitTextLines(text);
    CheckImported(ImportVarnet(lines, FuzzChooser(choice)));
    return 0;
}
