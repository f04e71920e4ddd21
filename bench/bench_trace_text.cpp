// Trace text of 1,000,000 points, written and read, beside a bare
// std::to_chars / std::from_chars loop over the same numbers.

#include "SweepData.h"
#include "model/Data.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

namespace {

constexpr int kPoints = 1000000;

struct Fixture {
    CData data;
    std::string text;
    std::vector<double> numbers;

    Fixture()
    {
        FillSweep(data, kPoints);
        text = data.ToCsvText(true, false);
        for (int i = 0; i < data.Count(); ++i) {
            const PointRecord* r = data.GetRecord(i);
            numbers.insert(numbers.end(), {r->f, r->R, r->X, r->t});
        }
    }
};

const Fixture& Shared()
{
    static const Fixture fixture;
    return fixture;
}

void BM_TraceTextWrite(benchmark::State& state)
{
    CData& data = const_cast<CData&>(Shared().data);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = data.ToCsvText(true, false);
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_TraceTextWrite)->Unit(benchmark::kMillisecond);

void BM_BareToChars(benchmark::State& state)
{
    const auto& numbers = Shared().numbers;
    std::string out;
    size_t bytes = 0;
    for (auto _ : state) {
        out.clear();
        out.reserve(Shared().text.size());
        char buffer[32];
        for (size_t k = 0; k < numbers.size(); ++k) {
            const char* end = std::to_chars(buffer, buffer + sizeof buffer, numbers[k]).ptr;
            out.append(buffer, static_cast<size_t>(end - buffer));
            out += (k % 4 == 3) ? '\n' : ',';
        }
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_BareToChars)->Unit(benchmark::kMillisecond);

void BM_TraceTextRead(benchmark::State& state)
{
    const std::string& text = Shared().text;
    for (auto _ : state) {
        CData data;
        data.FromCsvText(text, kTextRX, 0, 50, true, false);
        benchmark::DoNotOptimize(data.Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TraceTextRead)->Unit(benchmark::kMillisecond);

void BM_BareFromChars(benchmark::State& state)
{
    const std::string& text = Shared().text;
    for (auto _ : state) {
        double sum = 0;
        const char* p = text.data();
        const char* const end = p + text.size();
        while (p < end) {
            double value = 0;
            const auto result = std::from_chars(p, end, value);
            if (result.ec == std::errc()) {
                sum += value;
                p = result.ptr;
            } else {
                ++p;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_BareFromChars)->Unit(benchmark::kMillisecond);

} // namespace
