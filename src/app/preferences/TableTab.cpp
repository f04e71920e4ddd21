#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"

#include <QComboBox>
#include <QPushButton>
#include <QFormLayout>

TableTab::TableTab(QWidget* parent) : QWidget(parent), TableDataDigitsComboBox(NumberComboBox(kDataDigitsItems, this))
{
    TableDataDigitsComboBox->setObjectName("TableDataDigitsComboBox");
    auto* layout = new QFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    TableFont = new FontChoice(*layout, this);
    TableFont->FontBtn->setObjectName("TableFontBtn");
    TableFont->SizeComboBox->setObjectName("TableFontSizeComboBox");
    layout->addRow("Digits", TableDataDigitsComboBox);
    connect(TableFont, &FontChoice::Changed, this, &TableTab::Changed);
    connect(TableDataDigitsComboBox, &QComboBox::activated, this, &TableTab::Changed);
}

void TableTab::Show(const TablePage& page)
{
    TableFont->Show(page.font);
    TableDataDigitsComboBox->setCurrentIndex(page.digitsIndex);
}

TablePage TableTab::Read() const { return {TableFont->Read(), TableDataDigitsComboBox->currentIndex()}; }
