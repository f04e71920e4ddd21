// The point list's pending edits on a trace of a million points: a typed
// cell and a removal of half the rows must not cost a pass per row.

#include "model/Trace.h"
#include "view/document/DataGridEdits.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPoints = 1000000;

CTrace& MillionPoints()
{
    static CTrace trace;
    if (trace.Data.Count() == 0) {
        for (int i = 0; i < kPoints; ++i) trace.Data.Append(1 + i * 1e-4, 50, -i * 1e-3);
    }
    return trace;
}

// Typing into cells once the list has been laid out.
void BM_TypedCell(benchmark::State& state)
{
    DataGridEdits edits;
    edits.Reset(&MillionPoints(), kPoints);
    edits.SetText(0, 1, "1");
    int row = 0;
    for (auto _ : state) {
        edits.SetText(row, 2, "75");
        row = (row + 7919) % kPoints;
    }
}
BENCHMARK(BM_TypedCell);

// Removing the first half of the rows in one step.
void BM_RemoveHalf(benchmark::State& state)
{
    DataGridEdits edits;
    for (auto _ : state) {
        state.PauseTiming();
        edits.Reset(&MillionPoints(), kPoints);
        edits.SetText(0, 1, "1");
        state.ResumeTiming();
        edits.Remove(edits.PlanRemoval(0, kPoints / 2));
    }
}
BENCHMARK(BM_RemoveHalf)->Unit(benchmark::kMillisecond);

// Accepting an untouched list: every point copied back as stored.
void BM_AcceptUntouched(benchmark::State& state)
{
    CTrace& trace = MillionPoints();
    DataGridEdits edits;
    for (auto _ : state) {
        edits.Reset(&trace, trace.Data.Count());
        benchmark::DoNotOptimize(edits.AcceptInto(trace, DisplayTransform{}));
    }
}
BENCHMARK(BM_AcceptUntouched)->Unit(benchmark::kMillisecond);

} // namespace
