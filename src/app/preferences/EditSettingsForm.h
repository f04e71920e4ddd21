#pragma once

#include "app/preferences/FileDialogRequest.h"
#include "app/preferences/SettingsListEditor.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The settings list editor "Settings List": the entries of SettingsList
// in a grid, edited with the tool bar's actions; OK hands them to the list
// (it is saved with the next apply of the preferences or at exit).
class TEditSettingsForm final : public QDialog {
    Q_OBJECT

public:
    explicit TEditSettingsForm(QWidget* parent);

    // Rebuilds the grid from SettingsList.
    void FormShow();
    void SelectStringGridClick();
    void OkBtnClick();
    void SelectActionExecute();
    void AddActionExecute();
    void RemoveActionExecute();
    void DeleteActionExecute();
    void UpActionExecute();
    void DownActionExecute();

    const SettingsListEditor& Editor() const { return editor_; }

    QTableWidget* SelectStringGrid;
    QLineEdit* TitleEdit;
    QLineEdit* FileEdit;
    QAction* SelectAction;
    QAction* AddAction;
    QAction* RemoveAction;
    QAction* DeleteAction;
    QAction* UpAction;
    QAction* DownAction;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    FileDialogRunner RunFileDialog;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildToolBar();
    QAction* AddToolAction(QWidget& bar, const char* name, const QString& caption);
    void EditsChanged();
    // The grid, the edits and the actions from the editor.
    void ShowEditor();
    void UpdateActions();

    SettingsListEditor editor_{{}};
};
