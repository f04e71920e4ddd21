#include "app/DocumentOpen.h"

#include "app/DocumentWindowLayout.h"
#include "app/WaitCursor.h"
#include "model/MessageBoxes.h"
#include "view/View.h"
#include "view/document/DocumentReader.h"

#include <filesystem>
#include <new>

namespace {

// The dialogs an import shows get the normal arrow back.
FrequencyChooser WithArrowCursor(const FrequencyChooser& chooser)
{
    return [chooser](const FrequencyQuestion& question) {
        const ArrowCursor arrow;
        return chooser(question);
    };
}

std::string FullPath(const std::string& fileName)
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(fileName, error);
    return error ? fileName : path.lexically_normal().string();
}

OpenedDocument ReadInto(TViewForm& view, const std::string& fileName, const FrequencyChooser& chooser)
{
    const WaitCursor waiting;
    DocumentContent content = ReadDocumentFile(fileName, WithArrowCursor(chooser));
    // Only a file whose bytes could not be had stops here. A damaged
    // document or another program's markup has been told and reads into
    // nothing, but it was opened like any file and so is a recent file.
    if (content.Format == DocumentFormat::Unreadable) return {};
    const bool timeRecord = content.Imported.TimeRecord;
    const bool own = content.Format == DocumentFormat::Own;
    WindowLayout layout = CurrentLayout(view);
    try {
        ReadIntoDocument(content, view, layout);
    } catch (const std::bad_alloc&) {
        view.Traces.Clear();
        ShowWarning("Open", "Not enough memory to open the file:\n" + fileName);
        return {};
    }
    if (own) {
        ApplyLayout(view, layout);
        view.FileName = FullPath(fileName);
    } else {
        view.FileName.clear();
    }
    return {true, timeRecord};
}

// What every open ends with, whatever it found.
void ShowOpened(TViewForm& view, const std::string& fileName)
{
    view.DocumentName = fileName;
    view.UpdateCaption();
    view.FillDataGrid();
    view.ArrangeControls();
    view.FormPaint();
    view.UpdateTableRows();
    view.UpdateTableValues();
    view.FillGraphTabs();
    view.Modified = false;
}

} // namespace

OpenedDocument OpenDocument(TViewForm& view, const std::string& fileName, const FrequencyChooser& chooser)
{
    const OpenedDocument opened = ReadInto(view, fileName, chooser);
    ShowOpened(view, fileName);
    return opened;
}
