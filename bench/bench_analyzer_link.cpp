// A device sweep from the analyzer simulator at full speed on a
// pseudo-terminal: points per second of the measurement run (storing every
// point in a point store), beside a bare loop that only reads the same lines
// from the same kind of stream. Two sweep lengths show whether the cost of a
// point grows with the points already stored.

#include "SimulatorProcess.h"
#include "link/AnalyzerLink.h"
#include "link/MeasurementRun.h"
#include "link/PosixSerialPort.h"
#include "model/Data.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kAnalyzer{"--id", "QV7101", "--open-line", "3"};

class CStoringListener final : public CRunListener {
public:
    CData data;
    void Progress(std::int64_t, std::int64_t) override {}
    void NewPoint(const PointRecord& p) override { data.Append(p.f, p.R, p.X, p.t); }
    void DispatchPendingEvents() override {}
    bool StopRequested() override { return false; }
};

void BM_MeasurementRun(benchmark::State& state)
{
    RunSettings settings;
    settings.from = 1;
    settings.to = 30;
    settings.loglin = kSpacingLin;
    settings.samples = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        const CSimulatorProcess analyzer(kAnalyzer);
        CAnalyzerLink link(std::make_unique<CPosixSerialPort>());
        CStoringListener listener;
        CMeasurementRun run(settings, {analyzer.DevicePath(), 115200, 3000}, link, {}, listener);
        state.ResumeTiming();

        run.Execute();

        if (listener.data.Count() != settings.samples) state.SkipWithError("points missing");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MeasurementRun)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same commands in one go, then nothing but counting line ends.
void BM_BareLineRead(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    const std::string commands = "VCformat\rrecZ\rS1.000000\rE30.000000\rP" + std::to_string(points) + "\rN";
    // Identification, recZ, S, E, P and N answer a line each; the closing
    // line comes after the points.
    const long lines = 6 + points + 1;
    for (auto _ : state) {
        state.PauseTiming();
        const CSimulatorProcess analyzer(kAnalyzer);
        const CFileDescriptor port(::open(analyzer.DevicePath().c_str(), O_RDWR | O_NOCTTY));
        termios line{};
        ::tcgetattr(port.Get(), &line);
        ::cfmakeraw(&line);
        ::tcsetattr(port.Get(), TCSANOW, &line);
        state.ResumeTiming();

        if (::write(port.Get(), commands.data(), commands.size()) != static_cast<ssize_t>(commands.size())) {
            state.SkipWithError("write failed");
        }
        long seen = 0;
        char chunk[4096];
        while (seen < lines) {
            const ssize_t count = ::read(port.Get(), chunk, sizeof chunk);
            if (count <= 0) {
                state.SkipWithError("read failed");
                break;
            }
            seen += std::count(chunk, chunk + count, '\n');
        }
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_BareLineRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
