#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The "Edit label" dialog: what a Smith chart label shows and its text. The
// caller sets Format and Text, shows the dialog modally and on OK reads them
// back, with ApplyToAllCheckBox telling whether the format goes to every
// label of the window.
class TEditLabelForm final : public QDialog {
    Q_OBJECT

public:
    explicit TEditLabelForm(QWidget* parent = nullptr);

    int Format = 0; // LabelFormatBits
    std::string Text;

    QCheckBox* RXCheckBox = nullptr;
    QCheckBox* ZPhaseCheckBox = nullptr;
    QCheckBox* VSWRCheckBox = nullptr;
    QCheckBox* VSWRCirclesCheckBox = nullptr;
    QCheckBox* HideCheckBox = nullptr;
    QPlainTextEdit* TextMemo = nullptr;
    QCheckBox* ApplyToAllCheckBox = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Fills the controls from Format and Text.
    void FormShow();
    // Format and Text from the controls; the dialog ends with OK.
    void OkBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* FormatBox(int bit) const;
};
