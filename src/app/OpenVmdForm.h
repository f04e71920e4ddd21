#pragma once

#include "view/document/Imports.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The frequency dialog of the Varnet and Bird imports: one row per measured
// frequency, and for Varnet files the time window to take. Created once and
// reused; the time edits keep what was typed from one import to the next.
class TOpenVmdForm final : public QDialog {
    Q_OBJECT

public:
    explicit TOpenVmdForm(QWidget* parent = nullptr);

    // Fills the dialog from the question, shows it modally and reads it back.
    FrequencyAnswer Ask(const FrequencyQuestion& question);

    QTreeWidget* FreqListView = nullptr;
    QLabel* StartLabel = nullptr;
    QLineEdit* StartEdit = nullptr;
    QLabel* EndLabel = nullptr;
    QLineEdit* EndEdit = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    void Fill(const FrequencyQuestion& question);
    FrequencyAnswer Answer(bool ok) const;
};
