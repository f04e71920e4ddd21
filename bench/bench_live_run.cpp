// A run of 100,000 points from the analyzer simulator at full speed into a
// document window of the whole program, headless: the window draws every
// point live, on the "R/X" chart, on the Smith chart and on the "Data" tab.
// Points per second end to end, from the Run button to the end of the run.

#include "WindowBench.h"
#include "SimulatorProcess.h"
#include "app/MainForm.h"
#include "app/control/ViewControl.h"
#include "model/MessageBoxes.h"
#include "model/RunSettings.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/document/ChartKinds.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTabBar>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {


std::string FreshFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ombrelix-live-run-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern + "/";
}

// Arguments: the chart kind shown while the run goes on, the points of the
// run.
void BM_LiveRun(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(1));
    const std::string folder = FreshFolder();
    for (auto _ : state) {
        state.PauseTiming();
        const CSimulatorProcess analyzer({"--id", "QV7101", "--open-line", "3"});
        auto main = std::make_unique<TMainForm>(folder);
        InstallMessageSink(nullptr); // nothing waits for a person
        main->resize(1800, 1300);
        main->show();
        main->FormShow();
        CurrentRunSettings = RunSettings{};
        CurrentRunSettings.from = 1;
        CurrentRunSettings.to = 30;
        CurrentRunSettings.samples = points;
        CurrentRunSettings.loglin = kSpacingLin;
        main->ViewControlForm().RunSettingsToControls();
        Settings.ComPort = analyzer.DevicePath();
        Settings.TimeOut = 3000;
        TViewForm& view = main->CreateView("live");
        view.showMaximized();
        view.GraphTabSet->setCurrentIndex(static_cast<int>(state.range(0)));
        QApplication::processEvents();
        state.ResumeTiming();

        main->ViewControlForm().RunBtn->click();

        state.PauseTiming();
        const int stored = view.Traces.Count() == 1 ? view.Traces.Get(0)->Data.Count() : 0;
        state.SetLabel(std::string(ChartKindNames[static_cast<std::size_t>(state.range(0))]) + ", window " +
                       (view.isVisible() ? "shown" : "hidden") + ", paint box " +
                       std::to_string(view.PaintBox->Bitmap().width()) + " x " +
                       std::to_string(view.PaintBox->Bitmap().height()));
        view.Modified = false;
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (stored != points) {
            state.SkipWithError(("points stored: " + std::to_string(stored)).c_str());
            break;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * points);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LiveRun)
    ->ArgsProduct({{kGraphRX, kGraphSmith, kGraphData}, {100'000}})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
