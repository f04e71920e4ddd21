#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modal dialog that asks how traces are split into bursts: the
// threshold's kind and value, the stop time and whether the source trace is
// kept. It shows and stores the burst settings; made once and reused.
class TParseTraceForm final : public QDialog {
    Q_OBJECT

public:
    explicit TParseTraceForm(QWidget* parent);

    // The controls from the settings.
    void FormShow();
    // The threshold's caption follows its kind.
    void ThrRadioGroupClick();
    // The settings from the controls; closes with OK, or with Cancel after
    // a field was refused.
    void OkBtnClick();

    QGroupBox* ThrRadioGroup = nullptr;
    QRadioButton* ThrPowerRadioButton = nullptr;
    QRadioButton* ThrVoltageRadioButton = nullptr;
    QLabel* ThrLabel = nullptr;
    QLineEdit* ThrEdit = nullptr;
    QLineEdit* ThrTimeEdit = nullptr;
    QCheckBox* ThrKeepCheckBox = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int TypeIndex() const;
};
