#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

// "Select Settings": at start-up, when the settings list asks for it, the
// user picks the settings file to load: "Default" or one of the list's
// entries. Open sets CurrentSettingsFile to a chosen entry's file; the
// default row and Cancel leave it as it is.
class TSelectSettingsForm final : public QDialog {
    Q_OBJECT

public:
    explicit TSelectSettingsForm(QWidget* parent);

    void FormShow();
    void OpenBtnClick();

    QTableWidget* SelectStringGrid;
    QPushButton* OpenBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // On the main window once the window system has placed it; before that
    // its position is not yet known, and the dialog goes to the screen's
    // centre.
    void CentreOnMainWindow();
};

// Builds a grid with the header "Title", "File name", whole rows selected.
QTableWidget* SettingsGrid(QWidget* parent);
// Writes one row of such a grid.
void SetGridRow(QTableWidget& grid, int row, const QString& title, const QString& file);
