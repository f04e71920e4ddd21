#include "app/DocumentSave.h"

#include "app/DocumentWindowLayout.h"
#include "app/WaitCursor.h"
#include "model/FileIO.h"
#include "model/MessageBoxes.h"
#include "model/XMLNode.h"
#include "view/View.h"
#include "view/document/DocumentTree.h"
#include "view/document/VarnetExport.h"

#include <new>

namespace {

bool WriteDocument(TViewForm& view, const std::string& fileName, bool keepBackup)
{
    try {
        const WaitCursor waiting;
        CXMLNode root("Ombrelix");
        FillDocumentTree(view, CurrentLayout(view), root);
        return root.SaveToFile(fileName, keepBackup ? fileName + "~" : std::string());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool WriteExport(const TViewForm& view, const std::string& fileName)
{
    try {
        const WaitCursor waiting;
        return WriteFileReplacing(fileName, VarnetExportText(view.Traces, view.HarmonicFrequency));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

bool SaveDocument(TViewForm& view, const std::string& name, bool keepBackup,
                  const std::function<void(const std::string&)>& addToRecentFiles)
{
    const std::string fileName = DocumentFileName(name);
    if (!WriteDocument(view, fileName, keepBackup)) {
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

bool ExportVarnetFile(TViewForm& view, const std::string& name,
                      const std::function<void(const std::string&)>& addToRecentFiles)
{
    const std::string fileName = WithDefaultExtension(name, "vmd");
    if (!WriteExport(view, fileName)) {
        ShowWarning("Save", "Can't save the file:\n" + fileName);
        return false;
    }
    addToRecentFiles(fileName);
    return true;
}
