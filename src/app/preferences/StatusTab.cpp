#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"

#include <QComboBox>
#include <QFormLayout>

StatusTab::StatusTab(QWidget* parent)
    : QWidget(parent), StatusDigitsComboBox(NumberComboBox(kStatusDigitsItems, this)),
      StatusSmithRadioGroup(new RadioGroup(" Smith chart ",
                                           {"R/X", "Z mag/phase", "Gamma re/im", "Gamma mag/phase", "VSWR"}, this))
{
    StatusDigitsComboBox->setObjectName("StatusDigitsComboBox");
    StatusSmithRadioGroup->setObjectName("StatusSmithRadioGroup");
    auto* layout = new QFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    layout->addRow("Digits", StatusDigitsComboBox);
    layout->addRow(StatusSmithRadioGroup);
    connect(StatusDigitsComboBox, &QComboBox::activated, this, &StatusTab::Changed);
    connect(StatusSmithRadioGroup, &RadioGroup::Clicked, this, &StatusTab::Changed);
}

void StatusTab::Show(const StatusPage& page)
{
    StatusDigitsComboBox->setCurrentIndex(page.digitsIndex);
    StatusSmithRadioGroup->SetItemIndex(page.smithIndex);
}

StatusPage StatusTab::Read() const { return {StatusDigitsComboBox->currentIndex(), StatusSmithRadioGroup->ItemIndex()}; }
