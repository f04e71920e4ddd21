#pragma once

#include "app/CommandHost.h"
#include "app/SettingsFiles.h"
#include "app/preferences/PreferencesHost.h"
#include "view/ViewHost.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class CommandActions;
class FileCommands;
class QAction;
class QLabel;
class QMdiArea;
class QToolBar;
class TPreferencesForm;
class TToolsForm;
class TViewControlForm;
class TViewForm;

// The program's main window: a multiple-document frame that holds the
// document windows, with the menus, the tool bar and the status bar. It
// keeps the active document window, reads the settings at start-up and
// writes them at shut-down, and owns the control window.
class TMainForm final : public QMainWindow, public CViewHost, public CCommandHost, public CPreferencesHost {
    Q_OBJECT

public:
    // The settings files "ombrelix.omt" and "ombrelix.oml" lie in
    // settingsFolder, which ends in a separator.
    explicit TMainForm(const std::string& settingsFolder);
    ~TMainForm() override;

    // The start-up: settings, correction standards and reference traces are
    // loaded and the control window is shown. Runs once the window is up.
    void FormShow();

    // The document window that commands act on; null when none is open.
    TViewForm* ActiveView() const { return activeView_; }
    // A new, empty document window named `name`, which becomes the active one.
    TViewForm& CreateView(const std::string& name);
    // The open document windows in the order they were created.
    QList<TViewForm*> Views() const;
    void RepaintAllViews() override;

    // Mode 0 loads, 1 saves; true when the file was read or written. A
    // loaded file places this window and the control window at once.
    bool ExchangeSettingsList(int mode, const std::string& fileName);
    bool ExchangeSettingsFile(int mode, const std::string& fileName) override;
    WriteResult SaveSettingsList(const std::string& fileName) override;
    WriteResult SaveSettingsFile(const std::string& fileName) override;
    // False for a settings file that could not be read at start-up and is
    // still in place: it may be the user's only copy and is not overwritten.
    bool MayOverwrite(const std::string& fileName) const;
    void RunSettingsToControls() override;

    // The preferences dialog, made at its first use.
    TPreferencesForm& PreferencesForm();

    void AddToMRU(const std::string& fileName);

    // Enables the commands from the state of the active document window. Runs
    // whenever the event loop falls idle, and wherever a command must not
    // wait for that.
    void UpdateActions();

    TViewControlForm& ViewControlForm() const { return *viewControlForm_; }
    TToolsForm& ToolsForm() const { return *toolsForm_; }
    // The tools window follows the active document window and its traces.
    void RefreshToolsWindow();

    // CViewHost
    void SetActiveView(bool active, TViewForm* view) override;
    bool SaveViewAs(TViewForm& view) override;
    void GraphListFromView() override;
    void ScreenEditsFromView() override;
    void ScreenValuesFromView() override;
    void ShowPointerReadout(const std::array<std::string, 3>& panels) override;
    bool ToolsWindowShown() const override;
    void SetMatchPoint(double R, double X) override;

    // CCommandHost (MainFormCommands.cpp)
    TViewForm* CommandView() const override { return activeView_; }
    QList<TViewForm*> OpenViews() const override { return Views(); }
    QMdiArea& DocumentArea() const override { return *MdiArea; }
    void RepaintViews() override { RepaintAllViews(); }
    void RefreshScreenValues() override { ScreenValuesFromView(); }
    void SaveCurrentSettings() override;
    bool ToolsWindowVisible() const override;
    void ShowToolsWindow(bool show) override;
    void EditPreferences() override;

    // The number behind "Noname" in the names of new documents; it only grows.
    int NonameCounter = 0;

    QMdiArea* MdiArea = nullptr;
    QToolBar* MainToolBar = nullptr;
    std::array<QLabel*, 4> StatusPanels = {};
    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* FileSaveAs1 = nullptr;
    QAction* FileExit1 = nullptr;
    // Open, Save, Save As, Save As vmd and the recent files.
    FileCommands* Files = nullptr;

protected:
    // Every document window is asked first; only when none refuses are the
    // settings saved and the windows closed.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildFileMenu();
    void BuildStatusBar();
    // The idle pass of the commands besides the File commands.
    void UpdateCommands();
    void FileNew1Execute();
    // Writes the settings list and the settings file; a file that cannot be
    // written is reported, and the program ends all the same.
    void FormClose();
    // The windows whose places the settings file keeps, as they stand.
    SettingsFileWindows SettingsWindows();
    void LoadAtStartup(bool loaded, const std::string& fileName);
    WindowPlacement Placement() const;
    void ApplyPlacement(const WindowPlacement& placement);

    void ShowSettingsSelection();
    void UpdateMRUMenu();

    std::unique_ptr<CommandActions> commands_;
    TViewForm* activeView_ = nullptr;
    // The window the status bar's pointer readout was last read in: the
    // readout is emptied when another one becomes active.
    const TViewForm* readoutView_ = nullptr;
    TViewControlForm* viewControlForm_ = nullptr;
    TPreferencesForm* preferencesForm_ = nullptr;
    TToolsForm* toolsForm_ = nullptr;
    // Settings files that could not be read at start-up and are still in
    // place: they are not overwritten at exit.
    std::vector<std::string> keptFiles_;
};
