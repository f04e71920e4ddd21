#pragma once

#include "app/preferences/FileDialogRequest.h"
#include "app/preferences/PreferencePages.h"

#include <QDialog>

#include <string>

class CPreferencesHost;
class ConnectionTab;
class CorrectionTab;
class GeneralTab;
class GraphsTab;
class LabelTab;
class QPushButton;
class QTabWidget;
class ReferenceTab;
class StatusTab;
class TableTab;

// The preferences dialog "Settings": the program settings on eight tabs.
// Its controls hold the pending values; Apply (enabled while there are
// any) and OK store them into the live settings and save the settings list
// file and the current settings file. Most buttons act on the live
// settings at once; Cancel drops only the pending values.
class TPreferencesForm final : public QDialog {
    Q_OBJECT

public:
    TPreferencesForm(CPreferencesHost& host, QWidget* parent);

    void FormShow();
    void ApplyBtnClick();
    void OkBtnClick();
    void CancelBtnClick();
    void Changed();
    void ResetLabelClick();
    void SaveLabelClick();
    void LoadLabelClick();
    void SchemeClick(int tag);
    // Apply in one of the font dialogs: its font is in the working copy and
    // its size in the size box; everything pending is applied and saved.
    void FontDialogApply();
    void CheckConnectionBtnClick();
    void CorrectionBrowseBtnClick();
    void CorrectionReloadBtnClick();
    void ReferenceBrowsBtnClick();
    void ReferenceReloadBtnClick();
    void StartupEditBtnClick();

    // The connection check, the reloads and "Open settings..." would
    // change the port, the standards or the correction flags under a run's
    // feet: they are disabled while a run is in progress.
    void UpdateRunCommands();

    QTabWidget* PageControl;
    GeneralTab* General;
    ConnectionTab* Connection;
    GraphsTab* Graphs;
    TableTab* Table;
    LabelTab* Label;
    StatusTab* Status;
    CorrectionTab* Correction;
    ReferenceTab* Reference;
    QPushButton* ResetLabel;
    QPushButton* SaveLabel;
    QPushButton* LoadLabel;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QPushButton* ApplyBtn;

    // Qt's file dialog by default.
    FileDialogRunner RunFileDialog;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildTabs();
    QLayout* BuildButtons();
    void ConnectTabs();
    void LoadControls();
    void StoreControls();
    PreferenceControls ReadControls() const;
    // Saves through the guard; a failure is reported and changes nothing.
    bool SaveSettingsFile(const std::string& fileName);
    void SaveSettingsList();

    CPreferencesHost& host_;
};
