#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"

#include <QComboBox>
#include <QPushButton>
#include <QFormLayout>
#include <QLineEdit>

LabelTab::LabelTab(QWidget* parent)
    : QWidget(parent), LabelDataDigitsComboBox(NumberComboBox(kDataDigitsItems, this)),
      LabelSizeComboBox(NumberComboBox(8, 9, 2, true, this)), VSWRCirclesEdit(new QLineEdit(this))
{
    LabelDataDigitsComboBox->setObjectName("LabelDataDigitsComboBox");
    LabelSizeComboBox->setObjectName("LabelSizeComboBox");
    VSWRCirclesEdit->setObjectName("VSWRCirclesEdit");
    VSWRCirclesEdit->setMinimumWidth(240);
    auto* layout = new QFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    LabelFont = new FontChoice(*layout, this);
    LabelFont->FontBtn->setObjectName("LabelFontBtn");
    LabelFont->SizeComboBox->setObjectName("LabelFontSizeComboBox");
    layout->addRow("Digits", LabelDataDigitsComboBox);
    layout->addRow("Marker size", LabelSizeComboBox);
    layout->addRow("VSWR circles (comma separated):", VSWRCirclesEdit);
    connect(LabelFont, &FontChoice::Changed, this, &LabelTab::Changed);
    connect(LabelDataDigitsComboBox, &QComboBox::activated, this, &LabelTab::Changed);
    connect(LabelSizeComboBox, &QComboBox::editTextChanged, this, &LabelTab::Changed);
    connect(VSWRCirclesEdit, &QLineEdit::textEdited, this, &LabelTab::Changed);
}

void LabelTab::Show(const LabelPage& page)
{
    LabelFont->Show(page.font);
    LabelDataDigitsComboBox->setCurrentIndex(page.digitsIndex);
    SetComboText(*LabelSizeComboBox, page.sizeText);
    VSWRCirclesEdit->setText(QString::fromStdString(page.vswrText));
}

LabelPage LabelTab::Read() const
{
    return {LabelFont->Read(), LabelDataDigitsComboBox->currentIndex(), ComboText(*LabelSizeComboBox),
            VSWRCirclesEdit->text().toStdString()};
}
