// The Replay tab of the tools window: a scroll bar that limits how many
// points of the selected trace every chart and the data grid show, and a
// timed run that moves it on at the pace of the trace's time stamps. The
// run is paced by a timer, so the program stays idle between points.

#include "model/Trace.h"
#include "tools/Tools.h"
#include "view/ProgramIcons.h"
#include "view/View.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kSpeedLabels[kReplaySpeedPositions] = {"1/16", "1/8", "1/4", "1/2", "1", "2", "4", "8", "16"};

} // namespace

void TToolsForm::BuildReplayTab()
{
    auto* layout = new QGridLayout(ReplayTabSheet);
    auto* bar = new QToolBar(ReplayTabSheet);
    ReplayResetAction = bar->addAction(CommandIcon("replay-reset"), "Reset");
    ReplayRunAction = bar->addAction(CommandIcon("replay-run"), "Run");
    ReplayStopAction = bar->addAction(CommandIcon("replay-stop"), "Stop");
    ReplayResetAction->setObjectName("ReplayResetAction");
    ReplayRunAction->setObjectName("ReplayRunAction");
    ReplayStopAction->setObjectName("ReplayStopAction");
    layout->addWidget(bar, 0, 0, 1, kReplaySpeedPositions);

    ReplayScrollBar = new QScrollBar(Qt::Horizontal, ReplayTabSheet);
    ReplayScrollBar->setObjectName("ReplayScrollBar");
    ReplayScrollBar->setPageStep(0);
    ReplayScrollBar->setEnabled(false);
    layout->addWidget(ReplayScrollBar, 1, 0, 1, kReplaySpeedPositions);

    ReplaySpeedTrackBar = new QSlider(Qt::Horizontal, ReplayTabSheet);
    ReplaySpeedTrackBar->setObjectName("ReplaySpeedTrackBar");
    ReplaySpeedTrackBar->setRange(0, kReplaySpeedPositions - 1);
    ReplaySpeedTrackBar->setPageStep(1);
    ReplaySpeedTrackBar->setTickPosition(QSlider::TicksBelow);
    ReplaySpeedTrackBar->setTickInterval(1);
    ReplaySpeedTrackBar->setValue(kReplayNormalSpeedPosition);
    layout->addWidget(ReplaySpeedTrackBar, 2, 0, 1, kReplaySpeedPositions);
    for (int p = 0; p < kReplaySpeedPositions; ++p) {
        auto* label = new QLabel(kSpeedLabels[p], ReplayTabSheet);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label, 3, p);
    }
    layout->setRowStretch(4, 1);

    connect(ReplayScrollBar, &QScrollBar::valueChanged, this, &TToolsForm::ReplayScrollBarChange);
    connect(ReplayRunAction, &QAction::triggered, this, &TToolsForm::ReplayRunActionExecute);
    connect(ReplayStopAction, &QAction::triggered, this, &TToolsForm::StopReplay);
    connect(ReplayResetAction, &QAction::triggered, this, &TToolsForm::ReplayResetActionExecute);
}

bool TToolsForm::ReplayTabShown() const
{
    return isVisible() && PageControl->currentWidget() == ReplayTabSheet && activeView_();
}

int TToolsForm::ReplaySampleLimit(const CTrace& trace) { return ReplayDrawLimit(replay_, trace, ReplayTabShown()); }

// The bound trace must still be one of the active window's: a trace that
// was deleted is never reached through the stale binding.
bool TToolsForm::ReplayTraceInView() const
{
    const TViewForm* view = activeView_();
    if (!view || !replay_.trace) return false;
    for (int i = 0; i < view->Traces.Count(); ++i) {
        if (view->Traces.Get(i) == replay_.trace) return true;
    }
    return false;
}

void TToolsForm::SetupReplay()
{
    if (replay_.trace && !ReplayTraceInView()) replay_.trace = nullptr;
    const bool wasRunning = replay_.running;
    BindReplay(replay_, SelectedTrace(), isVisible() && activeView_());
    WriteReplayScrollBar();
    if (wasRunning && !replay_.running) EndReplayRun();
}

void TToolsForm::WriteReplayScrollBar()
{
    const QSignalBlocker quiet(ReplayScrollBar);
    ReplayScrollBar->setEnabled(replay_.scrollEnabled);
    ReplayScrollBar->setRange(0, replay_.scrollEnabled ? replay_.maximum : 0);
    ReplayScrollBar->setSingleStep(1);
    ReplayScrollBar->setPageStep(replay_.largeChange);
    ReplayScrollBar->setValue(replay_.position);
}

void TToolsForm::ResetReplay()
{
    StopReplay();
    RebindReplay(replay_, SelectedTrace(), isVisible() && activeView_());
    WriteReplayScrollBar();
    RefillAndRepaintView();
}

void TToolsForm::ReplayScrollBarChange(int position)
{
    replay_.position = position;
    TViewForm* view = activeView_();
    if (!view || !ReplayTraceInView()) return;
    if (replay_.running) view->DrawReplayMarkers(replay_.trace, position);
    else RefillAndRepaintView();
}

void TToolsForm::ReplayResetActionExecute() { ReplayScrollBar->setValue(0); }

void TToolsForm::ReplayRunActionExecute()
{
    if (!replay_.partial || !ReplayTraceInView() || ActiveViewFilling()) return;
    replay_.running = true;
    pace_ = {ReplayPointTime(*replay_.trace, replay_.position), static_cast<double>(clock_.elapsed()),
             ReplaySpeedTrackBar->value()};
    UpdateToolActions();
    ScheduleReplayPoint();
}

void TToolsForm::ScheduleReplayPoint()
{
    replayNext_ = std::min(replay_.position + 1, replay_.maximum);
    if (!replay_.trace->Data.GetRecord(replayNext_)) return EndReplayRun();
    const std::optional<double> due = ReplayDueMs(pace_, ReplayPointTime(*replay_.trace, replayNext_));
    if (!due) return EndReplayRun();
    const double wait = *due - static_cast<double>(clock_.elapsed());
    replayTimer_->start(static_cast<int>(std::clamp(std::ceil(wait), 0.0, kMaxReplayWaitSeconds * 1000)));
}

void TToolsForm::ReplayTimerTick()
{
    if (!replay_.running || !ReplayTraceInView()) return EndReplayRun();
    const double tn = ReplayPointTime(*replay_.trace, replayNext_);
    ReplayScrollBar->setValue(replayNext_);
    if (replay_.position >= replay_.maximum) return EndReplayRun();
    ReplaySpeedChanged(pace_, ReplaySpeedTrackBar->value(), tn, static_cast<double>(clock_.elapsed()));
    ScheduleReplayPoint();
}

void TToolsForm::StopReplay()
{
    if (replay_.running || replayTimer_->isActive()) EndReplayRun();
}

void TToolsForm::EndReplayRun()
{
    replayTimer_->stop();
    replay_.running = false;
    RefillAndRepaintView();
    UpdateToolActions();
}
