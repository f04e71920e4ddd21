#include "app/FileCommands.h"

#include "app/DocumentOpen.h"
#include "app/DocumentSave.h"
#include "app/MainForm.h"
#include "app/OpenVmdForm.h"
#include "app/SettingsFiles.h"
#include "app/control/ViewControl.h"
#include "model/MessageBoxes.h"
#include "tools/Tools.h"
#include "view/DisplayText.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"
#include "view/document/VarnetExport.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

#include <filesystem>

namespace {

// A path as a menu caption: an "&" would make the next letter a shortcut.
QString MenuCaption(const std::string& path) { return DisplayText(path).replace('&', "&&"); }

} // namespace

FileCommands::FileCommands(TMainForm& main, QMenu& fileMenu) : QObject(&main), main_(main)
{
    openVmdForm_ = new TOpenVmdForm(&main);
    RunFileDialog = QtFileDialog;
    ChooseFrequency = [this](const FrequencyQuestion& question) { return openVmdForm_->Ask(question); };
    BuildMenu(fileMenu);
    connect(main.FileOpen1, &QAction::triggered, this, &FileCommands::FileOpen1Execute);
    connect(main.FileSave1, &QAction::triggered, this, &FileCommands::FileSave1Execute);
    connect(main.FileSaveAs1, &QAction::triggered, this, &FileCommands::FileSaveAs1Execute);
    connect(FileSaveAsVmd, &QAction::triggered, this, &FileCommands::FileSaveAsVmdExecute);
}

void FileCommands::BuildMenu(QMenu& fileMenu)
{
    // New, Open, Save, Save As..., then these, then the separator and Exit
    // that the main window put there.
    const QList<QAction*> actions = fileMenu.actions();
    QAction* const exitSeparator = actions.value(actions.indexOf(main_.FileExit1) - 1);
    FileSaveAsVmd = new QAction("Save As vmd...", this);
    FileSaveAsVmd->setObjectName("FileSaveAsVmd");
    FileSaveAsVmd->setToolTip("Save As vmd");
    FileSaveAsVmd->setStatusTip("Save .in vmd format");
    fileMenu.insertAction(exitSeparator, FileSaveAsVmd);
    MRUSeparator = fileMenu.insertSeparator(exitSeparator);
    MRUSeparator->setObjectName("MRUSeparator");
    for (size_t k = 0; k < MRUItems.size(); ++k) {
        QAction* item = new QAction(this);
        item->setObjectName(QString("FileMRU%1Item").arg(k + 1));
        connect(item, &QAction::triggered, this, [this, k] { FileMRUItemClick(static_cast<int>(k)); });
        fileMenu.insertAction(exitSeparator, item);
        MRUItems[k] = item;
    }
    UpdateMRUMenu();
}

void FileCommands::UpdateActions(const TViewForm* view)
{
    FileSaveAsVmd->setEnabled(view && !RunIsFilling(*view));
}

bool FileCommands::ActiveViewIdle() const
{
    const TViewForm* view = main_.ActiveView();
    return !view || !RunIsFilling(*view);
}

void FileCommands::AddToMRU(const std::string& fileName)
{
    AddRecentFile(MRUList, fileName);
    UpdateMRUMenu();
}

void FileCommands::UpdateMRUMenu()
{
    if (MRUList.size() > MRUItems.size()) MRUList.resize(MRUItems.size());
    MRUSeparator->setVisible(!MRUList.empty());
    for (size_t k = 0; k < MRUItems.size(); ++k) {
        const bool used = k < MRUList.size();
        MRUItems[k]->setText(used ? MenuCaption(MRUList[k]) : QString());
        MRUItems[k]->setVisible(used);
    }
}

bool FileCommands::OpenInNewView(const std::string& path)
{
    main_.CreateView(path);
    TViewForm* view = main_.ActiveView();
    if (!view) return true;
    // A path that cannot be examined (a link in a circle, a name too long, a
    // folder one may not enter) is not missing: reading it tells why.
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        ShowWarning("Open", "File not found:\n" + path);
        return false;
    }
    const OpenedDocument opened = OpenDocument(*view, path, ChooseFrequency);
    if (opened.Readable) AddToMRU(path);
    main_.SetActiveView(true, view);
    if (opened.TimeRecord) {
        TViewControlForm& control = main_.ViewControlForm();
        control.PageControl->setCurrentWidget(control.TracesTabSheet);
    }
    return true;
}

void FileCommands::FileOpen1Execute()
{
    if (!ActiveViewIdle()) return;
    FileDialogRequest request;
    request.title = "Open";
    request.filter = "CSV files (*.csv);;Varnet files (*.vmd);;All files (*)";
    request.defaultSuffix = "csv";
    request.mayNotExist = true;
    const std::string path = RunFileDialog(request);
    if (!path.empty()) OpenInNewView(path);
}

void FileCommands::FileMRUItemClick(int index)
{
    if (!ActiveViewIdle() || index < 0 || index >= static_cast<int>(MRUList.size())) return;
    const std::string path = MRUList[static_cast<size_t>(index)];
    if (OpenInNewView(path)) return;
    if (index < static_cast<int>(MRUList.size()) && MRUList[static_cast<size_t>(index)] == path) {
        MRUList.erase(MRUList.begin() + index);
    }
    UpdateMRUMenu();
}

void FileCommands::FileSave1Execute()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    if (view->FileName.empty()) {
        SaveViewAs(*view);
        return;
    }
    SaveDocument(*view, view->FileName, false, [this](const std::string& name) { DocumentSaved(name); });
}

void FileCommands::FileSaveAs1Execute()
{
    TViewForm* view = main_.ActiveView();
    if (view && !RunIsFilling(*view)) SaveViewAs(*view);
}

void FileCommands::FileSaveAsVmdExecute()
{
    TViewForm* view = main_.ActiveView();
    if (view && !RunIsFilling(*view)) SaveViewAsVarnet(*view);
}

std::string FileCommands::AskSaveName(const TViewForm& view, const char* title, const char* filter,
                                      const char* suffix) const
{
    FileDialogRequest request;
    request.save = true;
    request.title = std::string("Save ") + view.DocumentName + title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    // The document's file, in its folder; a new document starts beside the
    // program's settings files, where correction and reference files are
    // looked for.
    request.start = view.FileName.empty() ? SettingsFilesFolder : view.FileName;
    return RunFileDialog(request);
}

bool FileCommands::SaveViewAs(TViewForm& view)
{
    const std::string name = AskSaveName(view, " As", "CSV files (*.csv);;All files (*)", "csv");
    return !name.empty() && SaveDocument(view, name, false, [this](const std::string& file) { DocumentSaved(file); });
}

void FileCommands::DocumentSaved(const std::string& fileName)
{
    AddToMRU(fileName);
    main_.ToolsForm().UpdateCaption();
}

bool FileCommands::SaveViewAsVarnet(TViewForm& view)
{
    const int withoutVip = TracesWithoutVip(view.Traces);
    if (withoutVip > 0 && withoutVip == view.Traces.Count()) {
        ShowWarning("Save", "A Varnet file holds V, I and phase; no trace of this document has them.");
        return false;
    }
    const std::string name = AskSaveName(view, " As vmd", "Varnet files (*.vmd);;All files (*)", "vmd");
    const auto addToRecentFiles = [this](const std::string& file) { AddToMRU(file); };
    if (name.empty() || !ExportVarnetFile(view, name, addToRecentFiles)) return false;
    if (withoutVip > 0) {
        ShowWarning("Save", std::to_string(withoutVip) + " trace(s) without V, I and phase were written as zeros.");
    }
    return true;
}
