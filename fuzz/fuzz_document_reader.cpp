// Arbitrary bytes as a file opened in a document window: recognising it and
// reading it must never crash or hang; an own document comes back parsed,
// anything else as the traces of an import.

#include "FuzzImportSupport.h"
#include "view/document/DocumentReader.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    InstallSilentMessages();
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const DocumentFormat expected = RecognizeDocumentFormat(text);
    const DocumentContent content = ReadDocumentText(std::move(text), FuzzChooser(data[0]));
    if (content.Format == DocumentFormat::Own) {
        if (!content.Root || content.Root->IsWriting() || expected != DocumentFormat::Own) __builtin_trap();
    } else {
        if (content.Root || (content.Format == DocumentFormat::Damaged) != (expected == DocumentFormat::Own)) {
            __builtin_trap();
        }
        CheckImported(content.Imported);
    }
    return 0;
}
