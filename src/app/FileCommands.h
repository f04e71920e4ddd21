#pragma once

#include "app/RecentFiles.h"
#include "app/preferences/FileDialogRequest.h"
#include "view/document/Imports.h"

#include <QObject>

#include <array>
#include <functional>
#include <string>

class QAction;
class QMenu;
class TMainForm;
class TOpenVmdForm;
class TViewForm;

// The File menu's commands other than New and Exit: Open, Save, Save As,
// Save As vmd and the ten recent files, with their dialogs. The main window
// builds it once over its File menu and hands it the enabling, the
// recent-file list changes and the close question's Save As.
class FileCommands final : public QObject {
    Q_OBJECT

public:
    FileCommands(TMainForm& main, QMenu& fileMenu);

    // Enabled while no run fills the active window; Save, Save As and Save
    // As vmd also need an active window.
    void UpdateActions(const TViewForm* view);

    void AddToMRU(const std::string& fileName);
    // The recent-file items from MRUList (which is cut to ten entries).
    void UpdateMRUMenu();

    // The Save As dialog for the window, then the save. True only when a
    // name was chosen and the document was written.
    bool SaveViewAs(TViewForm& view);
    // The same for the Varnet export, which holds V, I and phase only: a
    // document whose traces all lack them is refused before the dialog, and
    // the user learns how many traces went out as zeros.
    bool SaveViewAsVarnet(TViewForm& view);

    void FileOpen1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    void FileSaveAsVmdExecute();
    // A click on recent-file item `index` (0 to 9).
    void FileMRUItemClick(int index);

    QAction* FileSaveAsVmd = nullptr;
    QAction* MRUSeparator = nullptr;
    std::array<QAction*, kRecentFilesMax> MRUItems = {};

    // Replaceable so that tests can answer the dialogs.
    FileDialogRunner RunFileDialog;
    FrequencyChooser ChooseFrequency;

private:
    void BuildMenu(QMenu& fileMenu);
    bool ActiveViewIdle() const;
    // Opens an existing file in a new window; false when it is missing.
    bool OpenInNewView(const std::string& path);
    // The chosen name; empty when cancelled.
    std::string AskSaveName(const TViewForm& view, const char* title, const char* filter, const char* suffix) const;
    // After a document was written under `fileName`: the recent files, and
    // the tools window's caption, which names the active document.
    void DocumentSaved(const std::string& fileName);

    TMainForm& main_;
    TOpenVmdForm* openVmdForm_ = nullptr;
};
