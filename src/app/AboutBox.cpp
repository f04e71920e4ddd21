#include "app/AboutBox.h"

#include "app/CopyrightNotice.h"
#include "view/ProgramIcons.h"
#include "view/DialogFrame.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The same numbers as the "Version" element of the settings file.
constexpr int kMajorVersion = 1;
constexpr int kRevision = 10;
constexpr int kIconSize = 48;

QLabel* AddLabel(QLayout* layout, QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    layout->addWidget(label);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle("About");
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* icon = new QLabel(panel);
    icon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    panelLayout->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    panelLayout->addLayout(texts);
    NameLabel = AddLabel(texts, panel, "NameLabel");
    VersionLabel = AddLabel(texts, panel, "VersionLabel");
    DateLabel = AddLabel(texts, panel, "DateLabel");
    layout->addWidget(panel);

    CopyrightLabel = AddLabel(layout, this, "CopyrightLabel");
    OKButton = new QPushButton("Close", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    SetDialogFrame(*this, DialogBorder::Fixed);
}

void TAboutBox::FormShow()
{
    NameLabel->setText("Ombrelix");
    CopyrightLabel->setText(QString::fromUtf8(kCopyrightNotice));
    DateLabel->setText("09/07/2023");
    VersionLabel->setText(QString("Version %1.%2").arg(kMajorVersion).arg(kRevision));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}
