// The Traces tab of the control window: the active document window's traces
// with their colours and selection, and the commands on them.

#include "app/MainForm.h"
#include "app/ParseTraceForm.h"
#include "app/RenameForm.h"
#include "app/control/ViewControl.h"
#include "model/MessageBoxes.h"
#include "model/Settings.h"
#include "view/ColorItems.h"
#include "view/ProgramIcons.h"
#include "view/TraceListModel.h"
#include "view/document/BurstSplit.h"
#include "view/document/RunInProgress.h"
#include "view/document/TraceClipboard.h"
#include "view/document/TraceCommands.h"
#include "view/document/TraceListRows.h"
#include "view/View.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QAction* AddTraceAction(QToolBar* bar, const char* name, const char* icon, const char* hint)
{
    QAction* action = bar->addAction(CommandIcon(icon), hint);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setEnabled(false);
    return action;
}

// The first characters are enough to know trace text; a huge clipboard is
// not read twice.
bool ClipboardHoldsTraces()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && IsTracesClipboardText(clipboard->text().left(14).toStdString());
}

} // namespace

void TViewControlForm::BuildTracesTab()
{
    TracesToolBar = new QToolBar(TracesTabSheet);
    TracesToolBar->setObjectName("TracesToolBar");
    // Small icons keep every button in the narrow window.
    TracesToolBar->setIconSize(QSize(16, 16));
    CopyTraces = AddTraceAction(TracesToolBar, "CopyTraces", "trace-copy", "Copy selected traces");
    PasteTraces = AddTraceAction(TracesToolBar, "PasteTraces", "trace-paste", "Paste traces");
    RenameTrace = AddTraceAction(TracesToolBar, "RenameTrace", "trace-rename", "Rename selected trace");
    SelectTraceColor = AddTraceAction(TracesToolBar, "SelectTraceColor", "trace-color", "Select trace color");
    TracesToolBar->addSeparator();
    RemoveTraces = AddTraceAction(TracesToolBar, "RemoveTraces", "trace-remove", "Remove selected  traces");
    DeleteTraces = AddTraceAction(TracesToolBar, "DeleteTraces", "trace-delete", "Delete all traces");
    TracesToolBar->addSeparator();
    ParseData = AddTraceAction(TracesToolBar, "ParseData", "trace-parse", "Parse data");

    tracesModel_ = new TraceListModel(this);
    TracesListBox = new QListView(TracesTabSheet);
    TracesListBox->setObjectName("TracesListBox");
    TracesListBox->setModel(tracesModel_);
    TracesListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row has the same height, so a list of many traces is laid out
    // without measuring each row.
    TracesListBox->setUniformItemSizes(true);
    TracesListBox->setItemDelegate(new ColorItemDelegate(TracesListBox));
    auto* layout = new QVBoxLayout(TracesTabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TracesToolBar);
    layout->addWidget(TracesListBox);

    RenameForm = new TRenameForm(this);
    ParseTraceForm = new TParseTraceForm(this);

    // Keyboard selection (arrows, Shift, Ctrl+A) counts like clicks.
    connect(TracesListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TViewControlForm::TracesListBoxClick);
    connect(CopyTraces, &QAction::triggered, this, &TViewControlForm::CopyTracesExecute);
    connect(PasteTraces, &QAction::triggered, this, &TViewControlForm::PasteTracesExecute);
    connect(RenameTrace, &QAction::triggered, this, &TViewControlForm::RenameTraceExecute);
    connect(SelectTraceColor, &QAction::triggered, this, &TViewControlForm::SelectTraceColorExecute);
    connect(RemoveTraces, &QAction::triggered, this, &TViewControlForm::RemoveTracesExecute);
    connect(DeleteTraces, &QAction::triggered, this, &TViewControlForm::DeleteTracesExecute);
    connect(ParseData, &QAction::triggered, this, &TViewControlForm::ParseDataExecute);
    WatchClipboard();
}

void TViewControlForm::WatchClipboard()
{
    clipboardHoldsTraces_ = ClipboardHoldsTraces();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    connect(clipboard, &QClipboard::dataChanged, this, [this] {
        clipboardHoldsTraces_ = ClipboardHoldsTraces();
        UpdateTraceActions();
    });
}

void TViewControlForm::FillTracesList()
{
    const TViewForm* view = main_.ActiveView();
    SetTabShown(TracesTabSheet, view != nullptr);
    if (view) {
        ShowTraces(view->Traces);
        main_.RefreshToolsWindow();
        UpdateDataButtons();
    }
    UpdateTraceActions();
}

// The selection is set in one step: row by row, each row would be checked
// against every range selected before it.
void TViewControlForm::ShowTraces(const CTraces& traces)
{
    QItemSelectionModel* selection = TracesListBox->selectionModel();
    const QSignalBlocker quiet(selection);
    TraceListRows list = TraceListRowsOf(traces);
    tracesModel_->Fill(std::move(list.rows));
    selection->select(SelectionOfRuns(*tracesModel_, list.selected), QItemSelectionModel::Select);
    // The reset repaints the whole list; the blocked signal would only have
    // asked for the selected rows.
    TracesListBox->viewport()->update();
}

// The selection is read once, as ranges, rather than asked of each row.
void TViewControlForm::TracesListBoxClick()
{
    TViewForm* view = main_.ActiveView();
    if (!view) return;
    SelectRuns(view->Traces, tracesModel_->rowCount(), RunsOfSelection(TracesListBox->selectionModel()->selection()));
    main_.RefreshToolsWindow();
    DropDataEdits(*view);
    view->FormPaint();
    UpdateDataButtons();
    UpdateTraceActions();
}

void TViewControlForm::UpdateTraceActions()
{
    const TraceCommandStates states = TraceCommandsFor(main_.ActiveView(), clipboardHoldsTraces_);
    CopyTraces->setEnabled(states.copy);
    PasteTraces->setEnabled(states.paste);
    RemoveTraces->setEnabled(states.remove);
    DeleteTraces->setEnabled(states.deleteAll);
    RenameTrace->setEnabled(states.rename);
    SelectTraceColor->setEnabled(states.color);
    ParseData->setEnabled(states.parse);
}

void TViewControlForm::TracesChanged(TViewForm& view)
{
    FillTracesList();
    DropDataEdits(view);
    view.FormPaint();
    view.UpdateTableRows();
    view.UpdateTableValues();
    UpdateDataButtons();
    view.Modified = true;
}

void TViewControlForm::CopyTracesExecute()
{
    TViewForm* view = main_.ActiveView();
    if (!view) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(TracesClipboardText(view->Traces)));
}

void TViewControlForm::PasteTracesExecute()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    if (!IsTracesClipboardText(text)) return;
    if (!PasteTracesText(text, view->Traces)) {
        ShowWarning("", "Paste traces:\nThe traces on the clipboard could not be read; nothing was pasted");
        return;
    }
    TracesChanged(*view);
}

void TViewControlForm::RemoveTracesExecute()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view)) return;
    view->Traces.DeleteSelected();
    TracesChanged(*view);
}

void TViewControlForm::DeleteTracesExecute()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view) || !AskYesNo("", "Do you want to delete all traces?")) return;
    view->Traces.Clear();
    TracesChanged(*view);
}

void TViewControlForm::RenameTraceExecute()
{
    TViewForm* view = main_.ActiveView();
    CTrace* trace = view ? view->Traces.GetSelected() : nullptr;
    if (!trace || !RenameDialog(*RenameForm, *trace)) return;
    for (int i = 0; i < view->Traces.Count() && i < tracesModel_->rowCount(); ++i) {
        if (view->Traces.Get(i) != trace) continue;
        tracesModel_->SetName(i, trace->Name);
        const QSignalBlocker quiet(TracesListBox->selectionModel());
        TracesListBox->selectionModel()->select(tracesModel_->index(i), QItemSelectionModel::Select);
    }
    view->Modified = true;
}

void TViewControlForm::SelectTraceColorExecute()
{
    TViewForm* view = main_.ActiveView();
    if (!view) return;
    TColor color = FirstSelectedColor(view->Traces);
    if (!ChooseColor(color)) return;
    ColorSelectedTraces(view->Traces, color);
    FillTracesList();
    view->FormPaint();
    view->Modified = true;
}

void TViewControlForm::ParseDataExecute()
{
    TViewForm* view = main_.ActiveView();
    if (!view || RunIsFilling(*view) || !TracesListBox->selectionModel()->hasSelection()) return;
    if (ParseTraceForm->exec() != QDialog::Accepted) return;
    SplitIntoBursts(view->Traces, BurstParametersFrom(Settings));
    TracesChanged(*view);
}
