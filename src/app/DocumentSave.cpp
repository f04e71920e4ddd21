#include "app/DocumentSave.h"

#include "model/MessageBoxes.h"
#include "model/Trace.h"
#include "model/XMLNode.h"
#include "view/View.h"

std::string DocumentFileName(const std::string& name)
{
    const size_t lastPart = name.find_last_of('/');
    const size_t dot = name.find('.', lastPart == std::string::npos ? 0 : lastPart + 1);
    return dot == std::string::npos ? name + ".csv" : name;
}

void FillDocumentTree(const ViewState& view, CXMLNode& root)
{
    CXMLNode* traces = root.AddChild("Traces");
    for (int i = 0; i < view.Traces.Count(); ++i) view.Traces.Get(i)->Exchange(traces->AddChild("Trace"));
}

bool SaveDocument(TViewForm& view, const std::string& name, bool keepBackup,
                  const std::function<void(const std::string&)>& addToRecentFiles)
{
    const std::string fileName = DocumentFileName(name);
    CXMLNode root("Ombrelix");
    FillDocumentTree(view, root);
    if (!root.SaveToFile(fileName, keepBackup ? fileName + "~" : std::string())) {
        ShowWarning("Save", "Can't save the file:\n" + fileName);
        return false;
    }
    view.FileName = fileName;
    view.DocumentName = fileName;
    view.UpdateCaption();
    addToRecentFiles(fileName);
    view.Modified = false;
    return true;
}
