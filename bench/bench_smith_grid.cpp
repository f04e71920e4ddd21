// The Smith chart grid drawn on a chart of 1200 x 1000 pixels in each of its
// four modes, and at the largest zoom, where the square is a hundred times
// the chart and only the part in the chart is seen. A repaint draws it every
// time, so it must stay well below a frame.

#include "WindowBench.h"
#include "view/canvas/Canvas.h"
#include "view/chart/SmithGeometry.h"
#include "view/chart/SmithGrid.h"
#include "view/document/ViewState.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

const TRect kChart{0, 0, 1200, 1000};

void DrawGrid(benchmark::State& state, int mode, double scale)
{
    ViewState view;
    view.SmithGrid = mode;
    view.SmithScale = scale;
    view.SmithRect = SmithSquare(view, kChart);
    QImage image(kChart.right, kChart.bottom, QImage::Format_RGB32);
    CCanvas canvas(image);
    canvas.SetPenColor(0x808080);
    for (auto _ : state) DrawSmithGrid(canvas, view, kChart);
}

void BM_SmithGrid(benchmark::State& state) { DrawGrid(state, static_cast<int>(state.range(0)), 1); }
BENCHMARK(BM_SmithGrid)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_SmithGridLargestZoom(benchmark::State& state) { DrawGrid(state, static_cast<int>(state.range(0)), 0.01); }
BENCHMARK(BM_SmithGridLargestZoom)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
