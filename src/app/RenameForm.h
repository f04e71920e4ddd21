#pragma once

#include <QDialog>

#include <string>

class CTrace;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal dialog that asks for a new name: a label, one line to type in,
// OK (the default button, also by Enter) and Cancel (also by Escape). It is
// made once and reused.
class TRenameForm final : public QDialog {
    Q_OBJECT

public:
    explicit TRenameForm(QWidget* parent);

    QLabel* Label = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    // The typing goes to the edit at once.
    void showEvent(QShowEvent* event) override;
};

// The dialog's caption, the label's text and the edit's text, shown in the
// clear.
void SetupRenameDialog(TRenameForm& dialog, const std::string& caption, const std::string& label,
                       const std::string& text);

// The dialog's width for a caption of the given width in pixels: the
// dialog's own width at least, half the screen at most.
int RenameFormWidth(int captionWidth, int screenWidth);

// Asks for the trace's new name ("Rename " + its name); true when the trace
// got one. The dialog is wide enough for its caption with the first 40
// characters of the name. Cancelling, or a name of nothing but blanks, keeps the old name.
bool RenameDialog(TRenameForm& dialog, CTrace& trace);
