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

    // Off while a run is in progress, and on again at the first idle moment
    // after it: the connection check, which the port the run holds would
    // refuse, and the correction's reload and "Open settings...", which
    // would replace the correction standards or their use flags that the run
    // reads at every point. The reference's reload stays on: the run does
    // not use the reference, and the charts redraw it as it changes.
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
