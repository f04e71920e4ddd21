#include "app/DocumentSave.h"

#include "model/MessageBoxes.h"
#include "model/XMLNode.h"
#include "view/document/DocumentTree.h"
#include "view/View.h"

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
