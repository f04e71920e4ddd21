// The Run button: a measurement run from the control window into a document
// window.

#include "app/DocumentSave.h"
#include "app/MainForm.h"
#include "app/control/ViewControl.h"
#include "link/AnalyzerLink.h"
#include "link/MeasurementRun.h"
#include "model/Correction.h"
#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/RunSettings.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/document/RunInProgress.h"
#include "view/document/RunName.h"
#include "view/View.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QToolButton>

#include <exception>
#include <memory>
#include <new>

namespace {

// Carries what the run measures into the trace and the windows, and the Stop
// button back to the run.
class CWindowRunListener final : public CRunListener {
public:
    CWindowRunListener(TViewControlForm& control, TViewForm& view, CTrace& trace)
        : control_(control), view_(view), trace_(trace)
    {
    }

    void Progress(std::int64_t position, std::int64_t maximum) override { control_.ShowRunProgress(position, maximum); }
    void NewPoint(const PointRecord& point) override
    {
        if (!trace_.Data.Append(point.f, point.R, point.X, point.t, point.V, point.I, point.phase)) {
            throw Exception("No room for another point");
        }
        view_.DrawRunIncrement();
    }
    void DispatchPendingEvents() override { QCoreApplication::processEvents(); }
    bool StopRequested() override { return control_.StopBtn->isChecked(); }

private:
    TViewControlForm& control_;
    TViewForm& view_;
    CTrace& trace_;
};

} // namespace

void TViewControlForm::RunBtnClick()
{
    // A click queued before the run began reaches here while it goes on.
    if (RunInProgress() || !ApplyRunControls()) return;
    if (!main_.ActiveView()) main_.CreateView("Noname" + std::to_string(++main_.NonameCounter));
    // The run stays with this window, also when the user activates another.
    TViewForm& view = *main_.ActiveView();
    RunInProgressScope running(view);
    SetRunning(true);
    RunBtn->setEnabled(false);
    StopBtn->setChecked(false);
    StopBtn->setEnabled(true);
    ShowRunProgress(0, std::int64_t{CurrentRunSettings.samples} * CurrentRunSettings.average);
    try {
        MeasureInto(view);
    } catch (const std::exception& error) {
        ShowWarning("", std::string("Run error:\n") + error.what());
    }
    EndRun(view, running);
}

void TViewControlForm::MeasureInto(TViewForm& view)
{
    view.Traces.UnselectAll();
    // The point list is about to grow under the run: what was typed into it
    // and not accepted goes now.
    DropDataEdits(view);
    std::unique_ptr<CTrace> created;
    try {
        created = std::make_unique<CTrace>();
    } catch (const std::bad_alloc&) {
        ShowWarning("", "Can't create a new trace");
        return;
    }
    // The busy window's file commands must be off before the user can reach
    // them.
    main_.UpdateActions();
    QCoreApplication::processEvents();

    CTrace& trace = *created;
    trace.Name = NextRunName(view.Traces);
    trace.Selected = true;
    trace.Time = true;
    view.Traces.Add(std::move(created));
    RefreshControlForm();
    DropDataEdits(view);
    view.FormPaint();

    CWindowRunListener listener(*this, view, trace);
    const auto correct = [](double f, double& R, double& X) { ApplyCorrection(R, X, f, R, X); };
    const SerialSettings serial{Settings.ComPort, Settings.BaudRate, Settings.TimeOut};
    CMeasurementRun run(CurrentRunSettings, serial, ProgramAnalyzerLink(), correct, listener);
    run.Execute();
}

void TViewControlForm::EndRun(TViewForm& view, RunInProgressScope& running)
{
    view.ShowRunIncrements();
    view.FormPaint();
    view.UpdateTableValues();
    view.Modified = true;
    RunBtn->setEnabled(true);
    StopBtn->setChecked(false);
    StopBtn->setEnabled(false);
    RunProgressBar->setValue(0);
    running.End();
    SetRunning(false);
    if (Settings.AutoSave && !view.FileName.empty()) {
        SaveDocument(view, view.FileName, Settings.CreateBackup, [this](const std::string& name) { main_.AddToMRU(name); });
    }
}
