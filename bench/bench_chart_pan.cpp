// One step of a pan of a chart whose trace holds a million points: the
// pointer moves by a pixel with the chart grabbed, the scales move and the
// window paints the whole chart again, as the mouse does it in the program.
// On "R/X" and on the Smith chart, for a sweep and for noise, with point
// symbols shown (the default).

#include "WindowBench.h"
#include "ChartData.h"
#include "SweepData.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/ChartMouse.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"
#include "view/ViewHost.h"

#include <QTabBar>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kMillion = 1'000'000;
enum Shape { kSweep = 0, kNoise = 1 };

// Arguments: chart kind, shape.
void BM_PanStep(benchmark::State& state)
{
    SetDefaults(Settings);
    SilentHost host;
    TViewForm view(host);
    view.resize(1600, 1100);
    view.show();
    auto trace = std::make_unique<CTrace>();
    trace->Selected = true;
    if (state.range(1) == kSweep) FillSweep(trace->Data, kMillion);
    else FillNoise(trace->Data, kMillion);
    view.Traces.Add(std::move(trace));
    view.HorLeft[kHorF] = 1;
    view.HorRight[kHorF] = 30;
    view.GraphTabSet->setCurrentIndex(static_cast<int>(state.range(0)));
    QApplication::processEvents();

    const MouseAction grab{{400, 300}, MouseButton::Left, true, false};
    view.PaintBoxMouseDown(grab);
    MouseAction step = grab;
    for (auto _ : state) {
        // Back and forth by a pixel, so that the chart stays where it was.
        step.pointer.x = step.pointer.x == 400 ? 401 : 400;
        view.PaintBoxMouseMove(step);
    }
    view.PaintBoxMouseUp(step);
    state.SetLabel(std::string(ChartKindNames[view.GraphKind]) + (state.range(1) == kSweep ? " sweep" : " noise") +
                   ", paint box " + std::to_string(view.PaintBox->width()) + " x " +
                   std::to_string(view.PaintBox->height()));
}
BENCHMARK(BM_PanStep)->ArgsProduct({{kGraphRX, kGraphSmith}, {kSweep, kNoise}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
