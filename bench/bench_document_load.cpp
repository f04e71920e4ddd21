// Loading a document that holds one 1,000,000-point trace: the XML text
// parsed and the points stored. Reports the peak memory the load adds, as a
// multiple of the file size.

#include "PeakMemory.h"
#include "SweepData.h"
#include "model/Trace.h"
#include "model/XMLNode.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kPoints = 1000000;

std::string DocumentFile()
{
    static const std::string file = [] {
        const std::string name = (std::filesystem::temp_directory_path() / "ombrelix-bench-document.csv").string();
        CXMLNode root("Ombrelix");
        CTrace trace;
        trace.Name = "run1";
        trace.Time = true;
        FillSweep(trace.Data, kPoints);
        trace.Exchange(root.AddChild("Traces")->AddChild("Trace"));
        root.AddChild("Window");
        root.SaveToFile(name);
        return name;
    }();
    return file;
}

void LoadDocument(const std::string& file, CTraces& traces)
{
    CXMLNode root("Ombrelix");
    if (!root.LoadFromFile(file)) std::abort();
    CXMLNode* list = root.Child("Traces");
    for (CXMLNode* element = list->FindChild("Trace", 0); element; element = list->FindNext()) {
        auto trace = std::make_unique<CTrace>();
        trace->Exchange(element);
        traces.Add(std::move(trace));
    }
}

void BM_LoadDocument(benchmark::State& state)
{
    const std::string file = DocumentFile();
    MeasureAgainstFile(state, static_cast<double>(std::filesystem::file_size(file)), [&] {
        CTraces traces;
        LoadDocument(file, traces);
        benchmark::DoNotOptimize(traces.Get(0)->Data.Count());
    });
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
