#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"
#include "link/PortList.h"
#include "link/PortName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// "COM1" to "COM8" and the adapters present at the moment; each item's tip
// names its device file.
void FillPorts(QComboBox& box)
{
    box.clear();
    for (const std::string& name : PortChoices()) {
        box.addItem(QString::fromStdString(name));
        box.setItemData(box.count() - 1, QString::fromStdString(DevicePathForPort(name)), Qt::ToolTipRole);
    }
}

QComboBox* PortComboBox(QWidget* parent)
{
    auto* box = FreeTextComboBox({}, parent);
    box->setMinimumContentsLength(24);
    return box;
}

} // namespace

ConnectionTab::ConnectionTab(QWidget* parent)
    : QWidget(parent), ComPortComboBox(PortComboBox(this)),
      BaudComboBox(FreeTextComboBox({"9600", "19200", "115200"}, this)), TimeOutEdit(new QLineEdit(this)),
      AutoSaveCheckBox(new QCheckBox("Autosave", this)), CreateBackupCheckBox(new QCheckBox("Create backup", this)),
      CheckConnectionBtn(new QPushButton("Check connection...", this))
{
    ComPortComboBox->setObjectName("ComPortComboBox");
    BaudComboBox->setObjectName("BaudComboBox");
    TimeOutEdit->setObjectName("TimeOutEdit");
    AutoSaveCheckBox->setObjectName("AutoSaveCheckBox");
    CreateBackupCheckBox->setObjectName("CreateBackupCheckBox");
    CheckConnectionBtn->setObjectName("CheckConnectionBtn");
    auto* layout = new QFormLayout(this);
    layout->addRow("Port", ComPortComboBox);
    layout->addRow("Baud rate", BaudComboBox);
    layout->addRow("Time-out (ms)", TimeOutEdit);
    layout->addRow(AutoSaveCheckBox);
    layout->addRow(CreateBackupCheckBox);
    layout->addRow(CheckConnectionBtn);
    layout->setAlignment(CheckConnectionBtn, Qt::AlignLeft);
    connect(ComPortComboBox, &QComboBox::editTextChanged, this, &ConnectionTab::Changed);
    connect(BaudComboBox, &QComboBox::editTextChanged, this, &ConnectionTab::Changed);
    connect(TimeOutEdit, &QLineEdit::textEdited, this, &ConnectionTab::Changed);
    connect(AutoSaveCheckBox, &QCheckBox::clicked, this, &ConnectionTab::Changed);
    connect(CreateBackupCheckBox, &QCheckBox::clicked, this, &ConnectionTab::Changed);
}

// An adapter plugged in while the program runs is offered at the next showing.
void ConnectionTab::Show(const ConnectionPage& page)
{
    FillPorts(*ComPortComboBox);
    SetComboText(*ComPortComboBox, page.portText);
    SetComboText(*BaudComboBox, page.baudText);
    TimeOutEdit->setText(QString::fromStdString(page.timeOutText));
    AutoSaveCheckBox->setChecked(page.autoSave);
    CreateBackupCheckBox->setChecked(page.createBackup);
}

ConnectionPage ConnectionTab::Read() const
{
    return {ComboText(*ComPortComboBox), ComboText(*BaudComboBox), TimeOutEdit->text().toStdString(),
            AutoSaveCheckBox->isChecked(), CreateBackupCheckBox->isChecked()};
}
