#include "app/preferences/PreferenceTabs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

CorrectionTab::CorrectionTab(QWidget* parent)
    : QWidget(parent), CorrectionNameEdit(new QLineEdit(this)), CorrectionBrowseBtn(new QPushButton("Browse...", this)),
      CorrectionReloadBtn(new QPushButton("Reload file", this)), CorrectionShortEdit(new QLineEdit(this)),
      CorrectionOpenEdit(new QLineEdit(this)),
      CorrectionAlarmCheckBox(new QCheckBox("Do not show alarm if file not found", this))
{
    CorrectionNameEdit->setObjectName("CorrectionNameEdit");
    CorrectionBrowseBtn->setObjectName("CorrectionBrowseBtn");
    CorrectionReloadBtn->setObjectName("CorrectionReloadBtn");
    CorrectionShortEdit->setObjectName("CorrectionShortEdit");
    CorrectionOpenEdit->setObjectName("CorrectionOpenEdit");
    CorrectionAlarmCheckBox->setObjectName("CorrectionAlarmCheckBox");

    auto* traces = new QGroupBox(" Traces ", this);
    auto* names = new QFormLayout(traces);
    names->addRow("Short", CorrectionShortEdit);
    names->addRow("Open", CorrectionOpenEdit);
    // The load standard is the trace whose name is a number, its resistance.
    auto* load = new QLineEdit("<impedance value>", traces);
    load->setReadOnly(true);
    names->addRow("Z", load);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CorrectionBrowseBtn);
    buttons->addWidget(CorrectionReloadBtn);
    buttons->addStretch();
    auto* layout = new QFormLayout(this);
    layout->addRow("File name", CorrectionNameEdit);
    layout->addRow(buttons);
    layout->addRow(traces);
    layout->addRow(CorrectionAlarmCheckBox);
    for (QLineEdit* edit : {CorrectionNameEdit, CorrectionShortEdit, CorrectionOpenEdit}) {
        connect(edit, &QLineEdit::textEdited, this, &CorrectionTab::Changed);
    }
    connect(CorrectionAlarmCheckBox, &QCheckBox::clicked, this, &CorrectionTab::Changed);
}

void CorrectionTab::Show(const CorrectionPage& page)
{
    CorrectionNameEdit->setText(QString::fromStdString(page.fileName));
    CorrectionShortEdit->setText(QString::fromStdString(page.shortName));
    CorrectionOpenEdit->setText(QString::fromStdString(page.openName));
    CorrectionAlarmCheckBox->setChecked(page.alarmOff);
}

CorrectionPage CorrectionTab::Read() const
{
    return {CorrectionNameEdit->text().toStdString(), CorrectionShortEdit->text().toStdString(),
            CorrectionOpenEdit->text().toStdString(), CorrectionAlarmCheckBox->isChecked()};
}
