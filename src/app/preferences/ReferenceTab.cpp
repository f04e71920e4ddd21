#include "app/preferences/PreferenceTabs.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

ReferenceTab::ReferenceTab(QWidget* parent)
    : QWidget(parent), ReferenceNameEdit(new QLineEdit(this)), ReferenceBrowseBtn(new QPushButton("Browse...", this)),
      ReferenceReloadBtn(new QPushButton("Reload file", this)), ReferenceTraceListBox(new QListWidget(this)),
      ReferenceAlarmCheckBox(new QCheckBox("Do not show alarm if file not found", this))
{
    ReferenceNameEdit->setObjectName("ReferenceNameEdit");
    ReferenceBrowseBtn->setObjectName("ReferenceBrowseBtn");
    ReferenceReloadBtn->setObjectName("ReferenceReloadBtn");
    ReferenceTraceListBox->setObjectName("ReferenceTraceListBox");
    ReferenceAlarmCheckBox->setObjectName("ReferenceAlarmCheckBox");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ReferenceBrowseBtn);
    buttons->addWidget(ReferenceReloadBtn);
    buttons->addStretch();
    auto* layout = new QFormLayout(this);
    layout->addRow("File name", ReferenceNameEdit);
    layout->addRow(buttons);
    layout->addRow("Reference trace", ReferenceTraceListBox);
    layout->addRow(ReferenceAlarmCheckBox);
    connect(ReferenceNameEdit, &QLineEdit::textEdited, this, &ReferenceTab::Changed);
    connect(ReferenceAlarmCheckBox, &QCheckBox::clicked, this, &ReferenceTab::Changed);
    connect(ReferenceTraceListBox, &QListWidget::currentRowChanged, this, &ReferenceTab::TraceChosen);
    connect(ReferenceTraceListBox, &QListWidget::itemClicked, this, &ReferenceTab::TraceClicked);
    ReferenceTraceListBox->viewport()->installEventFilter(this);
}

bool ReferenceTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        rowAtPress_ = ReferenceTraceListBox->currentRow();
    }
    return QWidget::eventFilter(watched, event);
}

void ReferenceTab::TraceClicked(const QListWidgetItem* item)
{
    if (ReferenceTraceListBox->row(item) == rowAtPress_) emit TraceChosen();
}

void ReferenceTab::Show(const ReferencePage& page)
{
    ReferenceNameEdit->setText(QString::fromStdString(page.fileName));
    FillTraceList(page);
    ReferenceAlarmCheckBox->setChecked(page.alarmOff);
}

void ReferenceTab::FillTraceList(const ReferencePage& page)
{
    // Clearing and filling the list moves its current row: not a choice.
    const QSignalBlocker quiet(ReferenceTraceListBox);
    ReferenceTraceListBox->clear();
    for (const std::string& name : page.traceNames) ReferenceTraceListBox->addItem(QString::fromStdString(name));
    ReferenceTraceListBox->setCurrentRow(page.selectedRow);
}

ReferencePage ReferenceTab::Read() const
{
    ReferencePage page{ReferenceNameEdit->text().toStdString(), {}, ReferenceTraceListBox->currentRow(),
                       ReferenceAlarmCheckBox->isChecked()};
    for (int row = 0; row < ReferenceTraceListBox->count(); ++row) {
        page.traceNames.push_back(ReferenceTraceListBox->item(row)->text().toStdString());
    }
    return page;
}
