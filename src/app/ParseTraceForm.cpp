#include "app/ParseTraceForm.h"

#include "model/Settings.h"
#include "view/document/BurstSplit.h"
#include "view/DialogFrame.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TParseTraceForm::TParseTraceForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("ParseTraceForm");
    setWindowTitle("Parse traces");
    resize(285, 252);
    ThrRadioGroup = new QGroupBox(" Threshold type ", this);
    ThrRadioGroup->setObjectName("ThrRadioGroup");
    ThrPowerRadioButton = new QRadioButton("Power", ThrRadioGroup);
    ThrVoltageRadioButton = new QRadioButton("Voltage", ThrRadioGroup);
    auto* kinds = new QHBoxLayout(ThrRadioGroup);
    kinds->addWidget(ThrPowerRadioButton);
    kinds->addWidget(ThrVoltageRadioButton);
    ThrLabel = new QLabel("Threshold", this);
    ThrEdit = new QLineEdit("0.0", this);
    ThrEdit->setObjectName("ThrEdit");
    ThrTimeEdit = new QLineEdit("0.0", this);
    ThrTimeEdit->setObjectName("ThrTimeEdit");
    ThrKeepCheckBox = new QCheckBox("Keep original trace", this);
    ThrKeepCheckBox->setObjectName("ThrKeepCheckBox");
    OkBtn = new QPushButton("OK", this);
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);

    auto* fields = new QFormLayout;
    fields->addRow(ThrLabel, ThrEdit);
    fields->addRow("Stop after, s", ThrTimeEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ThrRadioGroup);
    layout->addLayout(fields);
    layout->addWidget(ThrKeepCheckBox);
    layout->addStretch(1);
    layout->addLayout(buttons);
    SetDialogFrame(*this, DialogBorder::FixedWithoutCloseBox);

    connect(ThrPowerRadioButton, &QRadioButton::clicked, this, &TParseTraceForm::ThrRadioGroupClick);
    connect(ThrVoltageRadioButton, &QRadioButton::clicked, this, &TParseTraceForm::ThrRadioGroupClick);
    connect(OkBtn, &QPushButton::clicked, this, &TParseTraceForm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TParseTraceForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

int TParseTraceForm::TypeIndex() const { return ThrVoltageRadioButton->isChecked() ? 1 : 0; }

void TParseTraceForm::FormShow()
{
    const BurstDialogControls controls = BurstDialogFromSettings(Settings);
    (controls.typeIndex == 1 ? ThrVoltageRadioButton : ThrPowerRadioButton)->setChecked(true);
    ThrRadioGroupClick();
    ThrEdit->setText(QString::fromStdString(controls.thresholdText));
    ThrTimeEdit->setText(QString::fromStdString(controls.stopTimeText));
    ThrKeepCheckBox->setChecked(controls.keepChecked);
}

void TParseTraceForm::ThrRadioGroupClick() { ThrLabel->setText(QString::fromStdString(ThresholdCaption(TypeIndex()))); }

void TParseTraceForm::OkBtnClick()
{
    const BurstDialogControls controls{TypeIndex(), ThrEdit->text().toStdString(), ThrTimeEdit->text().toStdString(),
                                       ThrKeepCheckBox->isChecked()};
    if (ApplyBurstDialog(controls, Settings)) accept();
    else reject();
}
