// Arbitrary bytes as a file opened in a document window: recognising it and
// reading it must never crash or hang; an own document comes back parsed,
// anything else as the traces of an import; either way the window's state
// afterwards holds only values it can show.

#include "FuzzImportSupport.h"
#include "view/document/DocumentReader.h"
#include "view/document/DocumentState.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    InstallSilentMessages();
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const DocumentFormat expected = RecognizeDocumentFormat(text);
    DocumentContent content = ReadDocumentText(std::move(text), FuzzChooser(data[0]));
    if (content.Format == DocumentFormat::Own) {
        if (!content.Root || content.Root->IsWriting() || expected != DocumentFormat::Own) __builtin_trap();
    } else {
        if (content.Root || (content.Format == DocumentFormat::Damaged) != (expected == DocumentFormat::Own)) {
            __builtin_trap();
        }
        CheckImported(content.Imported);
    }
    DocumentState document;
    WindowLayout layout;
    ReadIntoDocument(content, document, layout);
    const bool sound = document.GraphKind >= 0 && document.GraphKind < kGraphKindCount && document.SmithGrid >= 0 &&
                       document.SmithGrid <= 3 && document.SmithScale >= 0.01 && document.SmithScale <= 20 &&
                       document.TraceMode >= 0 && document.TraceMode <= 2 && document.Z0Re > 0 &&
                       layout.State >= 0 && layout.State <= 2 && (document.HorMode == kHorF || !document.HorLog);
    if (!sound) __builtin_trap();
    for (const GraphSettings& graph : document.Graphs) {
        if (graph.Phase < 0 || graph.Phase > 2 || graph.Divider < 0.2 || graph.Divider > 0.8) __builtin_trap();
        if (graph.Log && graph.Bot <= 0) __builtin_trap();
    }
    return 0;
}
