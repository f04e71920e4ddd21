#include "app/preferences/EditSettingsForm.h"

#include "app/preferences/SelectSettingsForm.h"
#include "model/MessageBoxes.h"
#include "view/DialogFrame.h"

#include <QAction>
#include <algorithm>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

} // namespace

TEditSettingsForm::TEditSettingsForm(QWidget* parent)
    : QDialog(parent), SelectStringGrid(SettingsGrid(this)), TitleEdit(new QLineEdit(this)),
      FileEdit(new QLineEdit(this)), OkBtn(new QPushButton("OK", this)), CancelBtn(new QPushButton("Cancel", this)),
      RunFileDialog(QtFileDialog)
{
    setObjectName("EditSettingsForm");
    setWindowTitle("Settings List");
    TitleEdit->setObjectName("TitleEdit");
    FileEdit->setObjectName("FileEdit");
    OkBtn->setObjectName("OkBtn");
    CancelBtn->setObjectName("CancelBtn");
    auto* edits = new QFormLayout;
    edits->addRow("Title :", TitleEdit);
    edits->addRow("File :", FileEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildToolBar());
    layout->addWidget(SelectStringGrid);
    layout->addLayout(edits);
    layout->addLayout(buttons);
    SetDialogFrame(*this, DialogBorder::Fixed);
    connect(SelectStringGrid, &QTableWidget::itemSelectionChanged, this, &TEditSettingsForm::SelectStringGridClick);
    // A click on the row already chosen brings back its cells over what was
    // typed into the edits, though the selection does not change.
    connect(SelectStringGrid, &QTableWidget::cellClicked, this, &TEditSettingsForm::SelectStringGridClick);
    connect(TitleEdit, &QLineEdit::textEdited, this, &TEditSettingsForm::EditsChanged);
    connect(FileEdit, &QLineEdit::textEdited, this, &TEditSettingsForm::EditsChanged);
    connect(OkBtn, &QPushButton::clicked, this, &TEditSettingsForm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TEditSettingsForm::BuildToolBar()
{
    auto* bar = new QToolBar(this);
    SelectAction = AddToolAction(*bar, "SelectAction", "Select settings file");
    bar->addSeparator();
    AddAction = AddToolAction(*bar, "AddAction", "Add");
    RemoveAction = AddToolAction(*bar, "RemoveAction", "Remove selected ");
    DeleteAction = AddToolAction(*bar, "DeleteAction", "Clear list");
    bar->addSeparator();
    UpAction = AddToolAction(*bar, "UpAction", "Move selected up");
    DownAction = AddToolAction(*bar, "DownAction", "Move selected down");
    connect(SelectAction, &QAction::triggered, this, &TEditSettingsForm::SelectActionExecute);
    connect(AddAction, &QAction::triggered, this, &TEditSettingsForm::AddActionExecute);
    connect(RemoveAction, &QAction::triggered, this, &TEditSettingsForm::RemoveActionExecute);
    connect(DeleteAction, &QAction::triggered, this, &TEditSettingsForm::DeleteActionExecute);
    connect(UpAction, &QAction::triggered, this, &TEditSettingsForm::UpActionExecute);
    connect(DownAction, &QAction::triggered, this, &TEditSettingsForm::DownActionExecute);
    return bar;
}

QAction* TEditSettingsForm::AddToolAction(QWidget& bar, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setToolTip(caption);
    bar.addAction(action);
    return action;
}

void TEditSettingsForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TEditSettingsForm::FormShow()
{
    editor_ = SettingsListEditor(SettingsList);
    ShowEditor();
}

void TEditSettingsForm::ShowEditor()
{
    const QSignalBlocker quiet(SelectStringGrid);
    const int count = editor_.EntryCount();
    // Without an entry the grid shows one empty row.
    SelectStringGrid->setRowCount(std::max(count, 1));
    SetGridRow(*SelectStringGrid, 0, "", "");
    for (int k = 0; k < count; ++k) {
        SetGridRow(*SelectStringGrid, k, Text(editor_.Entries()[k].Title), Text(editor_.Entries()[k].Name));
    }
    SelectStringGrid->clearSelection();
    if (editor_.SelectedIndex() >= 0) SelectStringGrid->selectRow(editor_.SelectedIndex());
    TitleEdit->setText(Text(editor_.TitleEdit));
    FileEdit->setText(Text(editor_.FileEdit));
    UpdateActions();
}

void TEditSettingsForm::UpdateActions()
{
    AddAction->setEnabled(editor_.CanAdd());
    RemoveAction->setEnabled(editor_.CanRemove());
    DeleteAction->setEnabled(editor_.CanClear());
    UpAction->setEnabled(editor_.CanMoveUp());
    DownAction->setEnabled(editor_.CanMoveDown());
}

void TEditSettingsForm::EditsChanged()
{
    editor_.TitleEdit = TitleEdit->text().toStdString();
    editor_.FileEdit = FileEdit->text().toStdString();
    UpdateActions();
}

void TEditSettingsForm::SelectStringGridClick()
{
    const QList<QTableWidgetSelectionRange> ranges = SelectStringGrid->selectedRanges();
    editor_.Click(ranges.isEmpty() ? -1 : ranges.front().topRow());
    TitleEdit->setText(Text(editor_.TitleEdit));
    FileEdit->setText(Text(editor_.FileEdit));
    UpdateActions();
}

void TEditSettingsForm::SelectActionExecute()
{
    const std::string name = RunFileDialog({false, "Open SettingsPreferences", kSettingsFileFilter, "omt", ""});
    if (name.empty()) return;
    editor_.TitleEdit.clear();
    editor_.FileEdit = name;
    TitleEdit->clear();
    FileEdit->setText(Text(name));
    UpdateActions();
}

void TEditSettingsForm::AddActionExecute()
{
    editor_.Add();
    ShowEditor();
}

void TEditSettingsForm::RemoveActionExecute()
{
    editor_.Remove();
    ShowEditor();
}

void TEditSettingsForm::DeleteActionExecute()
{
    if (!editor_.CanClear() || !AskYesNo("Settings list", "Would you like to clear the list?")) return;
    editor_.Clear();
    ShowEditor();
}

void TEditSettingsForm::UpActionExecute()
{
    editor_.MoveUp();
    ShowEditor();
}

void TEditSettingsForm::DownActionExecute()
{
    editor_.MoveDown();
    ShowEditor();
}

void TEditSettingsForm::OkBtnClick()
{
    if (editor_.Accept(SettingsList)) accept();
}
