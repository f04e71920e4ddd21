// Whole charts of a trace of a million points drawn on a 1600 x 1000 image,
// by the fast plotter and by the literal one it is checked against: a sweep
// (smooth, most points fall on the pixels of the one before) and noise
// (every point far from the one before), on "R/X" and on the Smith chart,
// with and without point symbols, with pens 1 and 3 pixels wide; on the
// Smith chart also a noisy passive load and a noisy sweep of a series RLC. Then the
// cost of one more point of a run into a window whose trace already holds a
// thousand or a million points: the segment over the chart and the row of
// the point list, which must not grow with the trace.

#include "WindowBench.h"
#include "ChartData.h"
#include "SweepData.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartDrawing.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"
#include "view/ViewHost.h"
#include "view/document/ViewState.h"

#include <QImage>
#include <QTabBar>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kMillion = 1'000'000;
const TRect kChart{0, 0, 1600, 1000};

enum Shape { kSweep = 0, kNoise = 1, kPassive = 2, kRlc = 3 };

const char* const kShapeNames[] = {" sweep", " noise", " passive-load noise", " noisy RLC sweep"};

void AddTrace(ViewState& view, int shape, int points)
{
    auto trace = std::make_unique<CTrace>();
    trace->Selected = true;
    switch (shape) {
    case kSweep: FillSweep(trace->Data, points); break;
    case kNoise: FillNoise(trace->Data, points); break;
    case kPassive: FillPassiveNoise(trace->Data, points); break;
    default: FillNoisyRlc(trace->Data, points); break;
    }
    view.Traces.Add(std::move(trace));
    view.HorLeft[kHorF] = 1;
    view.HorRight[kHorF] = 30;
}

// Arguments: chart kind, shape, symbols, pen width, literal path.
void BM_DrawChart(benchmark::State& state)
{
    SetDefaults(Settings);
    ViewState view;
    view.GraphKind = static_cast<int>(state.range(0));
    AddTrace(view, static_cast<int>(state.range(1)), kMillion);
    view.ShowDataPoints = state.range(2) != 0;
    Settings.LineWidth = static_cast<int>(state.range(3));
    const DrawingPath path = state.range(4) != 0 ? DrawingPath::Literal : DrawingPath::Fast;
    QImage image(kChart.right, kChart.bottom, QImage::Format_RGB32);
    CCanvas canvas(image);
    for (auto _ : state) DrawChartContent(view, canvas, kChart, path);
    state.SetLabel(std::string(ChartKindNames[view.GraphKind]) + kShapeNames[state.range(1)] +
                   (view.ShowDataPoints ? " symbols" : "") + " width " + std::to_string(Settings.LineWidth) +
                   (path == DrawingPath::Literal ? " literal" : " fast"));
}
BENCHMARK(BM_DrawChart)
    ->ArgsProduct({{kGraphRX, kGraphSmith}, {kSweep, kNoise}, {0, 1}, {1, 3}, {0, 1}})
    ->ArgsProduct({{kGraphSmith}, {kPassive, kRlc}, {0, 1}, {1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3);

// Arguments: chart kind, points the trace holds before the run goes on.
void BM_DrawRunIncrement(benchmark::State& state)
{
    SetDefaults(Settings);
    SilentHost host;
    TViewForm view(host);
    view.resize(1600, 1100);
    view.show();
    AddTrace(view, kNoise, static_cast<int>(state.range(1)));
    view.FillDataGrid();
    view.GraphTabSet->setCurrentIndex(static_cast<int>(state.range(0)));
    QApplication::processEvents();
    CTrace& trace = *view.Traces.Get(0);
    double f = 30;
    for (auto _ : state) {
        f += 1e-6;
        trace.Data.Append(f, 50, 10, 0);
        view.DrawRunIncrement();
    }
    state.SetLabel(std::string(ChartKindNames[view.GraphKind]) + ", " + std::to_string(state.range(1)) +
                   " points before, paint box " +
                   std::to_string(view.PaintBox->Bitmap().width()) + " x " +
                   std::to_string(view.PaintBox->Bitmap().height()));
}
BENCHMARK(BM_DrawRunIncrement)
    ->ArgsProduct({{kGraphRX, kGraphSmith}, {1000, kMillion}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
