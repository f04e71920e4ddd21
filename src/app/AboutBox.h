#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's icon, name, version and build date, and its
// copyright notice, with one button that closes it.
class TAboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Fills the labels; runs each time the box is shown.
    void FormShow();

    QLabel* NameLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* DateLabel = nullptr;
    QLabel* CopyrightLabel = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
