// Arbitrary bytes as clipboard text pasted into a list of traces: the paste
// must never crash or hang, and it adds every trace or none.

#include "model/Trace.h"
#include "view/document/TraceClipboard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CTraces traces;
    auto kept = std::make_unique<CTrace>();
    kept->Name = "kept";
    traces.Add(std::move(kept));
    const bool pasted = PasteTracesText(text, traces);
    if (!pasted && traces.Count() != 1) std::abort();
    for (int i = 1; i < traces.Count(); ++i) {
        if (traces.Get(i)->Name.rfind("Copy of ", 0) != 0) std::abort();
    }
    return 0;
}
