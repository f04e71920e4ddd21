#include "app/DocumentSave.h"

#include "app/DocumentWindowLayout.h"
#include "app/WaitCursor.h"
#include "model/FileIO.h"
#include "model/SaveFailure.h"
#include "model/XMLNode.h"
#include "view/View.h"
#include "view/document/DocumentTree.h"
#include "view/document/VarnetExport.h"

#include <cerrno>
#include <new>

namespace {

WriteResult WriteDocument(TViewForm& view, const std::string& fileName, bool keepBackup)
{
    try {
        const WaitCursor waiting;
        CXMLNode root("Ombrelix");
        FillDocumentTree(view, CurrentLayout(view), root);
        return root.SaveToFile(fileName, keepBackup ? fileName + "~" : std::string());
    } catch (const std::bad_alloc&) {
        return WriteResult::SystemError(ENOMEM);
    }
}

WriteResult WriteExport(const TViewForm& view, const std::string& fileName)
{
    try {
        const WaitCursor waiting;
        return WriteFileReplacing(fileName, VarnetExportText(view.Traces, view.HarmonicFrequency));
    } catch (const std::bad_alloc&) {
        return WriteResult::SystemError(ENOMEM);
    }
}

} // namespace

bool SaveDocument(TViewForm& view, const std::string& name, bool keepBackup,
                  const std::function<void(const std::string&)>& addToRecentFiles)
{
    const std::string fileName = DocumentFileName(name);
    const WriteResult written = WriteDocument(view, fileName, keepBackup);
    if (!written) {
        ShowSaveFailure("Save", fileName, written);
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
    const WriteResult written = WriteExport(view, fileName);
    if (!written) {
        ShowSaveFailure("Save", fileName, written);
        return false;
    }
    addToRecentFiles(fileName);
    return true;
}
