#include "app/EditLabelForm.h"

#include "view/document/Label.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kFormatBits[] = {kLabelRX, kLabelZPhase, kLabelVswr, kLabelVswrCircles, kLabelHidden};

} // namespace

TEditLabelForm::TEditLabelForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("EditLabelForm");
    setWindowTitle("Edit label");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(302, 269);
    RXCheckBox = new QCheckBox("R, X", this);
    ZPhaseCheckBox = new QCheckBox("Z, Phase", this);
    VSWRCheckBox = new QCheckBox("VSWR", this);
    VSWRCirclesCheckBox = new QCheckBox("Show VSWR circles", this);
    HideCheckBox = new QCheckBox("Hide this label", this);
    TextMemo = new QPlainTextEdit(this);
    TextMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ApplyToAllCheckBox = new QCheckBox("Apply to all labels", this);
    OkBtn = new QPushButton("OK", this);
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    connect(OkBtn, &QPushButton::clicked, this, &TEditLabelForm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(RXCheckBox, 0, 0);
    layout->addWidget(ZPhaseCheckBox, 1, 0);
    layout->addWidget(VSWRCheckBox, 2, 0);
    layout->addWidget(VSWRCirclesCheckBox, 0, 1);
    layout->addWidget(HideCheckBox, 1, 1);
    layout->addWidget(TextMemo, 3, 0, 1, 2);
    layout->addWidget(ApplyToAllCheckBox, 4, 0, 1, 2);
    layout->addWidget(OkBtn, 5, 0);
    layout->addWidget(CancelBtn, 5, 1);
}

QCheckBox* TEditLabelForm::FormatBox(int bit) const
{
    switch (bit) {
    case kLabelRX: return RXCheckBox;
    case kLabelZPhase: return ZPhaseCheckBox;
    case kLabelVswr: return VSWRCheckBox;
    case kLabelVswrCircles: return VSWRCirclesCheckBox;
    default: return HideCheckBox;
    }
}

void TEditLabelForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TEditLabelForm::FormShow()
{
    ApplyToAllCheckBox->setChecked(false);
    for (const int bit : kFormatBits) FormatBox(bit)->setChecked((Format & bit) != 0);
    TextMemo->setPlainText(QString::fromStdString(Text));
}

void TEditLabelForm::OkBtnClick()
{
    Format = 0;
    for (const int bit : kFormatBits) {
        if (FormatBox(bit)->isChecked()) Format |= bit;
    }
    Text = TextMemo->toPlainText().toStdString();
    accept();
}
