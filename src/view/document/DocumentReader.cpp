#include "view/document/DocumentReader.h"

#include "model/FileIO.h"
#include "model/MessageBoxes.h"
#include "model/TextLines.h"
#include "view/document/DocumentState.h"
#include "view/document/RecordFields.h"

#include <new>

namespace {

constexpr char kRoot[] = "Ombrelix";

bool HasRoot(std::string_view text)
{
    return text.find("<Ombrelix>") != std::string_view::npos || text.find("<Ombrelix ") != std::string_view::npos;
}

bool IsMarkup(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '<';
}

ImportedTraces Import(DocumentFormat format, std::string_view text, const FrequencyChooser& chooser)
{
    const std::vector<std::string_view> lines = SplitTextLines(text);
    switch (format) {
    case DocumentFormat::Varnet: return ImportVarnet(lines, chooser);
    case DocumentFormat::Bird: return ImportBird(lines, chooser);
    default: return ImportCsv(lines);
    }
}

// CSV text is what any file that is not recognised turns out to be; one
// that gave no point at all is most likely not a measurement, and an empty
// window alone would not say so. Neither would it for a time record cut
// short after its head once the user chose a frequency: its import tells
// its own problems only before asking, and nothing when the dialog was
// cancelled.
bool YieldedNothing(const DocumentContent& content)
{
    const bool pointsExpected = content.Format == DocumentFormat::Csv || content.Imported.TimeRecord;
    return pointsExpected && content.Imported.Traces.empty();
}

} // namespace

std::string_view WithoutByteOrderMark(std::string_view text)
{
    return LineStartsWith(text, "\xEF\xBB\xBF") ? text.substr(3) : text;
}

DocumentFormat RecognizeDocumentFormat(std::string_view text)
{
    text = WithoutByteOrderMark(text);
    if (text.empty()) return DocumentFormat::Empty;
    if (HasRoot(text)) return DocumentFormat::Own;
    if (IsMarkup(text)) return DocumentFormat::Foreign;
    if (LineStartsWith(text, ";Tolvi")) return DocumentFormat::Varnet;
    if (LineStartsWith(text, "Firmware Rev")) return DocumentFormat::Bird;
    return DocumentFormat::Csv;
}

DocumentContent ReadDocumentText(std::string text, const FrequencyChooser& chooser)
{
    DocumentContent content;
    content.Format = RecognizeDocumentFormat(text);
    if (content.Format == DocumentFormat::Own) {
        content.Root = std::make_unique<CXMLNode>(kRoot);
        NormalizeLineBreaks(text);
        const bool parsed = content.Root->LoadFromText(text);
        std::string().swap(text);
        if (!parsed) {
            content.Format = DocumentFormat::Damaged;
            content.Root.reset();
        }
    } else if (content.Format != DocumentFormat::Empty && content.Format != DocumentFormat::Foreign) {
        content.Imported = Import(content.Format, WithoutByteOrderMark(text), chooser);
    }
    return content;
}

DocumentContent ReadDocumentFile(const std::string& fileName, const FrequencyChooser& chooser)
{
    try {
        std::string text;
        if (const ReadResult read = ReadFileBytes(fileName, text); !read) {
            ShowWarning("Open", "Can't read the file:\n" + fileName + "\n" + read.Reason());
            return {};
        }
        DocumentContent content = ReadDocumentText(std::move(text), chooser);
        if (content.Format == DocumentFormat::Damaged) {
            ShowWarning("Open", "The document is damaged and cannot be read:\n" + fileName);
        } else if (content.Format == DocumentFormat::Foreign) {
            ShowWarning("Open", "Can't read the file, or wrong file format:\n" + fileName);
        } else if (YieldedNothing(content)) {
            ShowWarning("Open", "No points could be read from the file:\n" + fileName);
        }
        return content;
    } catch (const std::bad_alloc&) {
        ShowWarning("Open", "Not enough memory to open the file:\n" + fileName);
        return {};
    }
}

void ReadIntoDocument(DocumentContent& content, DocumentState& document, WindowLayout& layout)
{
    if (content.Root) {
        ExchangeViewState(document, layout, content.Root.get());
        content.Root.reset();
        return;
    }
    ImportedTraces& imported = content.Imported;
    for (auto& trace : imported.Traces) document.Traces.Add(std::move(trace));
    imported.Traces.clear();
    if (imported.HarmonicFrequency) document.HarmonicFrequency = *imported.HarmonicFrequency;
    if (!imported.HasVipTraces) return;
    document.HasVipTraces = true;
    document.Graphs[kGraphVip].Visible = true;
    document.Graphs[kGraphPower].Visible = true;
}
