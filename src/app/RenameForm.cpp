#include "app/RenameForm.h"

#include "model/Trace.h"
#include "view/DialogFrame.h"
#include "view/document/TraceCommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kClientWidth = 238;
constexpr int kClientHeight = 90;
constexpr int kLongestNameShown = 40;
// Beside its caption a title bar holds the window icon, the close box (and
// on some desktops a minimise and a maximise box whatever the dialog asks
// for) and their margins: about seven lines of its text high.
constexpr int kTitleBarLinesBesideCaption = 7;

// The caption as wide as it is in the title bar's bold type.
int CaptionWidth(const QDialog& dialog, const QString& caption)
{
    QFont bold = dialog.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(caption) + kTitleBarLinesBesideCaption * metrics.height();
}

// Wide enough for the caption and centred on the screen.
void FitToCaption(QDialog& dialog, const QString& caption)
{
    const QRect screen = dialog.screen()->availableGeometry();
    const QSize size(RenameFormWidth(CaptionWidth(dialog, caption), screen.width()), dialog.height());
    dialog.resize(size);
    dialog.move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace

int RenameFormWidth(int captionWidth, int screenWidth)
{
    return std::min(std::max(kClientWidth, captionWidth), screenWidth / 2);
}

TRenameForm::TRenameForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("RenameForm");
    setWindowTitle("Rename");
    resize(kClientWidth, kClientHeight);
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
    SetDialogFrame(*this, DialogBorder::Fixed);
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
    FitToCaption(dialog, "Rename " + QString::fromStdString(trace.Name).left(kLongestNameShown));
    if (dialog.exec() != QDialog::Accepted) return false;
    return RenameTrace(trace, dialog.Edit->text().toStdString());
}
