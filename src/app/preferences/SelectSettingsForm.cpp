#include "app/preferences/SelectSettingsForm.h"

#include "app/SettingsFiles.h"
#include "view/DialogFrame.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

QTableWidget* SettingsGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName("SelectStringGrid");
    grid->setHorizontalHeaderLabels({"Title", "File name"});
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setColumnWidth(0, 150);
    grid->setMinimumWidth(480);
    return grid;
}

void SetGridRow(QTableWidget& grid, int row, const QString& title, const QString& file)
{
    grid.setItem(row, 0, new QTableWidgetItem(title));
    grid.setItem(row, 1, new QTableWidgetItem(file));
}

TSelectSettingsForm::TSelectSettingsForm(QWidget* parent)
    : QDialog(parent), SelectStringGrid(SettingsGrid(this)), OpenBtn(new QPushButton("Open", this)),
      CancelBtn(new QPushButton("Cancel", this))
{
    setObjectName("SelectSettingsForm");
    setWindowTitle("Select Settings");
    OpenBtn->setObjectName("OpenBtn");
    OpenBtn->setDefault(true);
    CancelBtn->setObjectName("CancelBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OpenBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SelectStringGrid);
    layout->addLayout(buttons);
    SetDialogFrame(*this, DialogBorder::Fixed);
    connect(OpenBtn, &QPushButton::clicked, this, &TSelectSettingsForm::OpenBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(SelectStringGrid, &QTableWidget::cellDoubleClicked, this, &TSelectSettingsForm::OpenBtnClick);
}

void TSelectSettingsForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    CentreOnMainWindow();
}

void TSelectSettingsForm::CentreOnMainWindow()
{
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    const bool placed = main && main->windowHandle() && main->windowHandle()->isExposed();
    const QRect area = placed ? main->frameGeometry() : screen()->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TSelectSettingsForm::FormShow()
{
    SelectStringGrid->setRowCount(static_cast<int>(SettingsList.size()) + 1);
    SetGridRow(*SelectStringGrid, 0, "Default", QString::fromStdString(DefaultSettingsFile));
    for (size_t k = 0; k < SettingsList.size(); ++k) {
        SetGridRow(*SelectStringGrid, static_cast<int>(k) + 1, QString::fromStdString(SettingsList[k].Title),
                   QString::fromStdString(SettingsList[k].Name));
    }
    SelectStringGrid->selectRow(0);
}

void TSelectSettingsForm::OpenBtnClick()
{
    const QList<QTableWidgetSelectionRange> ranges = SelectStringGrid->selectedRanges();
    const int entry = ranges.isEmpty() ? -1 : ranges.front().topRow() - 1;
    if (entry >= 0 && entry < static_cast<int>(SettingsList.size())) CurrentSettingsFile = SettingsList[entry].Name;
    accept();
}
