// Arbitrary bytes as CSV text: the import must never crash or hang, and
// whatever it yields must be a sound set of traces.

#include "FuzzImportSupport.h"
#include "model/TextLines.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InstallSilentMessages();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto lines = SplitTextLines(text);
    CheckImported(ImportCsv(lines));
    return 0;
}
