// Opening files in a document window without painting a chart (the window
// shows "Data"): the program's own document of one 1,000,000-point trace, a
// 1,000,000-row CSV import, and CSV files of many small blocks, which must
// take time in proportion to their size. Each reports the peak memory the
// open adds as a multiple of the file size.

#include "PeakMemory.h"
#include "SweepData.h"
#include "model/Trace.h"
#include "model/XMLNode.h"
#include "view/document/DocumentReader.h"
#include "view/document/DocumentState.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kPoints = 1000000;

std::string TempFile(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("ombrelix-bench-" + name)).string();
}

std::string OwnDocument()
{
    static const std::string file = [] {
        const std::string name = TempFile("open.csv");
        DocumentState document;
        auto trace = std::make_unique<CTrace>();
        trace->Name = "run1";
        trace->Time = true;
        FillSweep(trace->Data, kPoints);
        document.Traces.Add(std::move(trace));
        CXMLNode root("Ombrelix");
        FillDocumentTree(document, WindowLayout{}, root);
        root.SaveToFile(name);
        return name;
    }();
    return file;
}

std::string CsvRows()
{
    static const std::string file = [] {
        const std::string name = TempFile("rows.txt");
        CData data;
        FillSweep(data, kPoints);
        std::ofstream out(name, std::ios::binary);
        out << "#%sweep\r\n" << data.ToCsvText(false, false, TraceValues::Stored).substr(3);
        return name;
    }();
    return file;
}

std::string CsvBlocks(int blocks)
{
    const std::string name = TempFile("blocks-" + std::to_string(blocks) + ".txt");
    if (std::filesystem::exists(name)) return name;
    std::ofstream out(name, std::ios::binary);
    for (int k = 0; k < blocks; ++k) {
        out << "#%block " << k << "\r\n#^Impedance\r\n";
        for (int i = 0; i < 3; ++i) out << 1 + i << "," << 50 + k % 7 << "," << i - 1 << "\r\n";
    }
    return name;
}

FrequencyChooser NoDialog()
{
    return [](const FrequencyQuestion&) { return FrequencyAnswer{}; };
}

void Open(benchmark::State& state, const std::string& file, int expectedTraces)
{
    MeasureAgainstFile(state, static_cast<double>(std::filesystem::file_size(file)), [&] {
        DocumentState document;
        WindowLayout layout;
        DocumentContent content = ReadDocumentFile(file, NoDialog());
        ReadIntoDocument(content, document, layout);
        if (document.Traces.Count() != expectedTraces || document.GraphKind != kGraphData) std::abort();
    });
}

void BM_OpenOwnDocument(benchmark::State& state) { Open(state, OwnDocument(), 1); }
BENCHMARK(BM_OpenOwnDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportCsvRows(benchmark::State& state) { Open(state, CsvRows(), 1); }
BENCHMARK(BM_ImportCsvRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// Twice the blocks must take about twice the time.
void BM_ImportCsvBlocks(benchmark::State& state)
{
    const int blocks = static_cast<int>(state.range(0));
    Open(state, CsvBlocks(blocks), blocks);
}
BENCHMARK(BM_ImportCsvBlocks)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
