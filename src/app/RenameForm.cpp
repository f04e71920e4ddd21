#include "app/RenameForm.h"

#include "model/Trace.h"
#include "view/document/TraceCommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TRenameForm::TRenameForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("RenameForm");
    setWindowTitle("Rename");
    setMinimumSize(238, 90);
    Label = new QLabel("Enter new name:", this);
    Label->setObjectName("Label");
    Edit = new QLineEdit(this);
    Edit->setObjectName("Edit");
    OkBtn = new QPushButton("OK", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label);
    layout->addWidget(Edit);
    layout->addLayout(buttons);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TRenameForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Edit->setFocus();
}

void SetupRenameDialog(TRenameForm& dialog, const std::string& caption, const std::string& label,
                       const std::string& text)
{
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.Label->setText(QString::fromStdString(label));
    dialog.Edit->setText(QString::fromStdString(text));
    dialog.Edit->setEchoMode(QLineEdit::Normal);
}

bool RenameDialog(TRenameForm& dialog, CTrace& trace)
{
    SetupRenameDialog(dialog, "Rename " + trace.Name, "Enter new name:", trace.Name);
    if (dialog.exec() != QDialog::Accepted) return false;
    return RenameTrace(trace, dialog.Edit->text().toStdString());
}
