#include "view/document/TraceClipboard.h"

#include "model/Trace.h"
#include "model/XMLNode.h"

#include <memory>
#include <new>
#include <vector>

namespace {

constexpr std::string_view kRootName = "Traces";

} // namespace

std::string TracesClipboardText(CTraces& traces)
{
    CXMLNode root{std::string(kRootName)};
    for (int i = 0; i < traces.Count(); ++i) {
        CTrace& trace = *traces.Get(i);
        if (trace.Selected) trace.Exchange(root.AddChild("Trace"), TraceValues::Displayed);
    }
    std::string text;
    root.WriteToString(text);
    return text;
}

bool IsTracesClipboardText(std::string_view text) { return text.size() >= 7 && text.substr(1, 6) == kRootName; }

bool PasteTracesText(const std::string& text, CTraces& traces)
{
    if (!IsTracesClipboardText(text)) return false;
    try {
        CXMLNode root;
        if (root.ParseElement(text, 0) == std::string::npos) return false;
        std::vector<std::unique_ptr<CTrace>> copies;
        for (int i = 0; i < root.ChildCount(); ++i) {
            auto copy = std::make_unique<CTrace>();
            copy->Exchange(root.GetChild(i));
            copy->Name = "Copy of " + copy->Name;
            copies.push_back(std::move(copy));
        }
        for (auto& copy : copies) traces.Add(std::move(copy));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
