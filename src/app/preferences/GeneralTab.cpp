#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GeneralTab::GeneralTab(QWidget* parent)
    : QWidget(parent), StartupRadioGroup(new RadioGroup(" Startup settings ", {"Default", "Settings list"}, this)),
      StartupDefaultEdit(new QLineEdit(this)), StartupEditBtn(new QPushButton("Edit settings list...", this))
{
    StartupRadioGroup->setObjectName("StartupRadioGroup");
    StartupDefaultEdit->setObjectName("StartupDefaultEdit");
    StartupDefaultEdit->setReadOnly(true);
    StartupEditBtn->setObjectName("StartupEditBtn");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StartupRadioGroup);
    layout->addWidget(StartupDefaultEdit);
    layout->addWidget(StartupEditBtn, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(StartupRadioGroup, &RadioGroup::Clicked, this, &GeneralTab::Changed);
}

void GeneralTab::Show(const GeneralPage& page)
{
    StartupRadioGroup->SetItemIndex(page.startupIndex);
    StartupDefaultEdit->setText(QString::fromStdString(page.currentFile));
}

GeneralPage GeneralTab::Read() const
{
    return {StartupRadioGroup->ItemIndex(), StartupDefaultEdit->text().toStdString()};
}
