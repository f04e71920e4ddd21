// The tools window: its tabs, showing, refreshing for the active document
// window, and the trace the tools work on.

#include "tools/Tools.h"

#include "model/NumberText.h"
#include "model/Trace.h"
#include "view/ReplayLimit.h"
#include "view/TabSheet.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A tool window with only the close box, above the document windows.
constexpr Qt::WindowFlags kToolsWindowFlags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

// The file name part of a document name: the text after the last separator.
QString FilePart(const std::string& name)
{
    const size_t cut = name.find_last_of("/\\:");
    return QString::fromStdString(cut == std::string::npos ? name : name.substr(cut + 1));
}

} // namespace

TToolsForm::TToolsForm(QWidget* parent, std::function<TViewForm*()> activeView)
    : QWidget(parent, kToolsWindowFlags), activeView_(std::move(activeView))
{
    setObjectName("ToolsForm");
    setWindowTitle("Tools");
    resize(399, 357);
    clock_.start();
    replayTimer_ = new QTimer(this);
    replayTimer_->setSingleShot(true);
    connect(replayTimer_, &QTimer::timeout, this, &TToolsForm::ReplayTimerTick);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
    MatchTabSheet = AddTabSheet(PageControl, "MatchTabSheet", "Match");
    LCTabSheet = AddTabSheet(PageControl, "LCTabSheet", "LC");
    CableTabSheet = AddTabSheet(PageControl, "CableTabSheet", "Cable");
    ReplayTabSheet = AddTabSheet(PageControl, "ReplayTabSheet", "Replay");
    MoreTabSheet = AddTabSheet(PageControl, "MoreTabSheet", "More");
    BuildMatchTab();
    BuildLCTab();
    BuildCableTab();
    BuildReplayTab();
    BuildMoreTab();
    connect(PageControl, &QTabWidget::currentChanged, this, &TToolsForm::ResetReplay);

    InstallReplaySampleLimit([this](const CTrace& trace) { return ReplaySampleLimit(trace); });
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TToolsForm::UpdateToolActions);
}

TToolsForm::~TToolsForm()
{
    StopReplay();
    InstallReplaySampleLimit({});
}

// Only the window's real showing sets the tabs up again: the window system
// also sends show events when the desktop brings it back, and those must
// not reset a replay.
void TToolsForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TToolsForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    StopReplay();
    ResetReplay();
}

void TToolsForm::FormShow()
{
    if (!placed_) {
        move(screen()->availableGeometry().center() - rect().center());
        placed_ = true;
    }
    {
        const QSignalBlocker quiet(PageControl);
        PageControl->setCurrentWidget(MatchTabSheet);
    }
    RefreshForView();
    ResetCableTab();
    ResetMatchGrid();
    ShowMatchPoints();
    ResetTransitionGrid();
    ShowTransitions();
    replay_.trace = nullptr;
    replay_.partial = false;
    StopReplay();
}

void TToolsForm::UpdateCaption()
{
    const TViewForm* view = activeView_();
    setWindowTitle(view ? "Tools - " + FilePart(view->DocumentName) : QString("Tools"));
}

void TToolsForm::RefreshForView()
{
    UpdateCaption();
    if (activeView_()) {
        OffsetsFromView();
    } else {
        OffsetREdit->clear();
        OffsetXEdit->clear();
        RotateEdit->clear();
    }
    SetupReplay();
    ShowMatchPoints();
    ShowTransitions();
    CalcLC(false);
    ResFEdit->clear();
    CableLEdit->clear();
}

CTrace* TToolsForm::SelectedTrace() const
{
    const TViewForm* view = activeView_();
    return view ? view->Traces.GetSelected() : nullptr;
}

CData* TToolsForm::CurrentTraceData(bool timeBased) const
{
    const TViewForm* view = activeView_();
    CTrace* trace = view ? view->Traces.GetSelected() : nullptr;
    if (!trace || trace->Data.Count() < 1) return nullptr;
    if (timeBased && !trace->Time) return nullptr;
    return &trace->Data;
}

// A run that fills the window grows the selected trace while events are
// dispatched: inverting it or replaying it then would half do the job.
bool TToolsForm::ActiveViewFilling() const
{
    const TViewForm* view = activeView_();
    return view && RunIsFilling(*view);
}

void TToolsForm::UpdateToolActions()
{
    const bool filling = ActiveViewFilling();
    InverseXBtn->setEnabled(!filling);
    MatchAcceptBtn->setEnabled(!filling);
    ReplayRunAction->setEnabled(CanRunReplay(replay_, filling));
    ReplayStopAction->setEnabled(CanStopReplay(replay_));
    ReplayResetAction->setEnabled(CanResetReplay(replay_));
}

void TToolsForm::RepaintView() const
{
    if (TViewForm* view = activeView_()) view->FormPaint();
}

void TToolsForm::RefillAndRepaintView() const
{
    if (TViewForm* view = activeView_()) {
        view->FillDataGrid();
        view->FormPaint();
    }
}
