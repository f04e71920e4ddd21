// The Data tab of the control window: the point list of the active document
// window's selected trace, edited row by row or cell by cell and then
// accepted into the trace or dropped.

#include "app/MainForm.h"
#include "app/control/ViewControl.h"
#include "model/MessageBoxes.h"
#include "view/DataGridModel.h"
#include "view/ProgramIcons.h"
#include "view/document/RunInProgress.h"
#include "view/View.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* AddLinkButton(QVBoxLayout* layout, const char* name, const char* caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet("QPushButton { color: blue; text-decoration: underline; text-align: left; border: none; }"
                          "QPushButton:disabled { color: gray; }");
    layout->addWidget(button);
    return button;
}

// Typing into cells, or selecting one block of whole rows for the row
// commands.
void SetGridEditing(QTableView& grid, bool editing)
{
    grid.setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                       QAbstractItemView::AnyKeyPressed
                                 : QAbstractItemView::NoEditTriggers);
    grid.setSelectionBehavior(editing ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    grid.setSelectionMode(editing ? QAbstractItemView::SingleSelection : QAbstractItemView::ContiguousSelection);
}

std::string DroppedRowsText(int rows)
{
    return std::to_string(rows) + (rows == 1 ? " row" : " rows") + " could not be read and " +
           (rows == 1 ? "was" : "were") + " left out";
}

} // namespace

void TViewControlForm::BuildDataTab()
{
    auto* layout = new QVBoxLayout(DataTabSheet);
    DataEditCheckBox = new QCheckBox("Edit data", DataTabSheet);
    DataEditCheckBox->setObjectName("DataEditCheckBox");
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(DataEditCheckBox);
    auto* editImage = new QLabel(DataTabSheet);
    editImage->setPixmap(CommandIcon("data-edit").pixmap(16, 16));
    editRow->addWidget(editImage);
    editRow->addStretch(1);
    layout->addLayout(editRow);
    DataAddBtn = AddLinkButton(layout, "DataAddBtn", "Add data row");
    DataRemoveBtn = AddLinkButton(layout, "DataRemoveBtn", "Remove selected data row");
    DataDeleteBtn = AddLinkButton(layout, "DataDeleteBtn", "Delete all data");
    DataAcceptBtn = AddLinkButton(layout, "DataAcceptBtn", "Accept changes");
    DataCancelBtn = AddLinkButton(layout, "DataCancelBtn", "Cancel changes");
    layout->addStretch(1);

    connect(DataEditCheckBox, &QCheckBox::clicked, this, &TViewControlForm::DataEditCheckBoxClick);
    connect(DataAddBtn, &QPushButton::clicked, this, &TViewControlForm::DataAddBtnClick);
    connect(DataRemoveBtn, &QPushButton::clicked, this, &TViewControlForm::DataRemoveBtnClick);
    connect(DataDeleteBtn, &QPushButton::clicked, this, &TViewControlForm::DataDeleteBtnClick);
    connect(DataAcceptBtn, &QPushButton::clicked, this, &TViewControlForm::DataAcceptBtnClick);
    connect(DataCancelBtn, &QPushButton::clicked, this, &TViewControlForm::DataCancelBtnClick);
    UpdateDataButtons();
}

// A run grows the point list of the window it fills; nothing may change it
// under the run.
void TViewControlForm::UpdateDataButtons()
{
    TViewForm* view = main_.ActiveView();
    const bool free = view && !RunIsFilling(*view);
    const bool selected = free && view->Traces.GetSelected() != nullptr;
    if (view) SetGridEditing(*view->DataStringGrid, DataEditMode && free);
    for (QPushButton* rowCommand : {DataAddBtn, DataRemoveBtn, DataDeleteBtn}) rowCommand->setEnabled(selected && !DataEditMode);
    DataAcceptBtn->setEnabled(selected);
    DataCancelBtn->setEnabled(selected);
    DataEditCheckBox->setEnabled(selected);
    DataEditCheckBox->setChecked(DataEditMode);
}

void TViewControlForm::DropDataEdits(TViewForm& view)
{
    view.DataEditPending = false;
    view.FillDataGrid();
}

std::pair<int, int> TViewControlForm::SelectedDataRows(const TViewForm& view) const
{
    const QItemSelection selection = view.DataStringGrid->selectionModel()->selection();
    if (selection.isEmpty()) return {-1, -1};
    int top = selection.first().top();
    int bottom = selection.first().bottom();
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    return {top, bottom};
}

void TViewControlForm::DataEditCheckBoxClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    DataEditMode = DataEditCheckBox->isChecked();
    UpdateDataButtons();
    DropDataEdits(*view);
}

void TViewControlForm::DataAddBtnClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    view->DataEditPending = true;
    const int top = SelectedDataRows(*view).first;
    if (top >= 0) view->DataGrid->DuplicateRow(top);
}

void TViewControlForm::DataRemoveBtnClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    view->DataEditPending = true;
    const auto [top, bottom] = SelectedDataRows(*view);
    if (top >= 0) view->DataGrid->RemoveRows(top, bottom - top + 1);
}

void TViewControlForm::DataDeleteBtnClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    view->DataEditPending = true;
    view->DataGrid->DeleteAllRows();
}

void TViewControlForm::DataAcceptBtnClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    CTrace* trace = view->Traces.GetSelected();
    if (!trace) return;
    // Changes belong to the trace they were made on.
    if (view->DataGrid->ShownTrace() != trace) {
        ShowWarning("", "Accept changes:\nThe point list no longer shows the selected trace; its changes were dropped");
        DropDataEdits(*view);
        return;
    }
    const int unreadable = view->DataGrid->Edits().AcceptInto(*trace, view->CurrentDisplayTransform());
    view->DataEditPending = false;
    main_.RefreshToolsWindow();
    view->FillDataGrid();
    view->FormPaint();
    view->Modified = true;
    if (unreadable > 0) ShowWarning("", DroppedRowsText(unreadable));
}

void TViewControlForm::DataCancelBtnClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    DropDataEdits(*view);
}
