// The point store at 1,000,000 points: appending, finding and interpolating
// per call, and sorted insertion of 100,000 points in random order.

#include "SweepData.h"
#include "model/Data.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kPoints = 1000000;

CData& BigStore()
{
    static CData data;
    if (data.Count() == 0) FillSweep(data, kPoints);
    return data;
}

void BM_Append(benchmark::State& state)
{
    for (auto _ : state) {
        CData data;
        for (int i = 0; i < kPoints; ++i) data.Append(i, 50, 0, i);
        benchmark::DoNotOptimize(data.Count());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_Append)->Unit(benchmark::kMillisecond);

void BM_FindIndexByFrequency(benchmark::State& state)
{
    CData& data = BigStore();
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> frequency(1, 30);
    for (auto _ : state) benchmark::DoNotOptimize(data.FindIndex(1, frequency(random)));
}
BENCHMARK(BM_FindIndexByFrequency);

void BM_InterpolateAt(benchmark::State& state)
{
    CData& data = BigStore();
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> frequency(1, 29.9);
    double R = 0, X = 0;
    for (auto _ : state) {
        data.InterpolateAt(1, state.range(0) != 0, frequency(random), R, X);
        benchmark::DoNotOptimize(R);
    }
}
BENCHMARK(BM_InterpolateAt)->Arg(0)->Arg(1);

void BM_InsertSortedRandom(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> frequency(1, 30);
    std::vector<double> frequencies(static_cast<size_t>(count));
    for (double& f : frequencies) f = frequency(random);
    for (auto _ : state) {
        CData data;
        for (const double f : frequencies) data.InsertSorted(f, 50, 0);
        benchmark::DoNotOptimize(data.Count());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_InsertSortedRandom)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
