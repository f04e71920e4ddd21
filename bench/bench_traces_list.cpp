// The Traces list of the control window with many traces: File > Open of a
// document whose every other trace is selected, and the activation of its
// window again after another one was active. Both refill the list from the
// traces and hand its selection back; neither may grow with the square of
// the traces.

#include "WindowBench.h"
#include "app/FileCommands.h"
#include "app/MainForm.h"
#include "app/control/ViewControl.h"
#include "model/MessageBoxes.h"
#include "model/Trace.h"
#include "model/XMLNode.h"
#include "view/View.h"
#include "view/document/DocumentState.h"
#include "view/document/DocumentTree.h"

#include <QCoreApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

std::string FreshFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ombrelix-traces-list-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern + "/";
}

// A document of `count` traces of four points each; the even ones are
// selected. Written once per count.
std::string DocumentOfTraces(int count)
{
    static std::map<int, std::string> files;
    std::string& file = files[count];
    if (!file.empty()) return file;
    file = (std::filesystem::temp_directory_path() / ("ombrelix-bench-traces-" + std::to_string(count) + ".csv")).string();
    DocumentState document;
    for (int i = 0; i < count; ++i) {
        auto trace = std::make_unique<CTrace>();
        trace->Name = "run" + std::to_string(i + 1);
        trace->Selected = i % 2 == 0;
        for (int p = 0; p < 4; ++p) trace->Data.Append(1 + p, 50 + p, i % 7 - p);
        document.Traces.Add(std::move(trace));
    }
    CXMLNode root("Ombrelix");
    FillDocumentTree(document, WindowLayout{}, root);
    root.SaveToFile(file);
    return file;
}

// File > Open, with the open dialog answered by `file`.
void OpenFile(TMainForm& main, const std::string& file)
{
    main.Files->RunFileDialog = [file](const FileDialogRequest&) { return file; };
    main.Files->FileOpen1Execute();
}

// The program's windows, shown, with nothing asking a person, and an empty
// document whose Traces tab is on show: the list is laid out and drawn too.
std::unique_ptr<TMainForm> ShownMainWindow(const std::string& folder)
{
    auto main = std::make_unique<TMainForm>(folder);
    InstallMessageSink(nullptr);
    main->resize(1400, 1000);
    main->show();
    main->FormShow();
    main->FileNew1->trigger();
    main->ViewControlForm().PageControl->setCurrentWidget(main->ViewControlForm().TracesTabSheet);
    QCoreApplication::processEvents();
    return main;
}

void CloseMainWindow(std::unique_ptr<TMainForm>& main)
{
    for (TViewForm* view : main->Views()) view->Modified = false;
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether the list shows every other row selected, the first one included.
bool ListShowsEveryOther(const TMainForm& main, int count)
{
    const QListView* list = main.ViewControlForm().TracesListBox;
    int row = 0;
    for (const QItemSelectionRange& range : list->selectionModel()->selection()) {
        if (range.top() != row || range.bottom() != row) return false;
        row += 2;
    }
    return row >= count && list->isVisible();
}

void BM_OpenManyTraces(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string file = DocumentOfTraces(count);
    const std::string folder = FreshFolder();
    for (auto _ : state) {
        state.PauseTiming();
        auto main = ShownMainWindow(folder);
        state.ResumeTiming();

        OpenFile(*main, file);
        QCoreApplication::processEvents();

        state.PauseTiming();
        const bool shown = ListShowsEveryOther(*main, count);
        CloseMainWindow(main);
        if (!shown) {
            state.SkipWithError("the list does not show the document's selection");
            break;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

// Each pass makes the empty document active, then the big one again; only
// the second activation is timed.
void BM_ActivateManyTraces(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string folder = FreshFolder();
    auto main = ShownMainWindow(folder);
    QMdiSubWindow* const small = main->MdiArea->activeSubWindow();
    OpenFile(*main, DocumentOfTraces(count));
    QMdiSubWindow* const big = main->MdiArea->activeSubWindow();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        main->MdiArea->setActiveSubWindow(small);
        QCoreApplication::processEvents();
        state.ResumeTiming();

        main->MdiArea->setActiveSubWindow(big);
        QCoreApplication::processEvents();
    }
    if (main->ActiveView() != big->widget() || !ListShowsEveryOther(*main, count)) {
        state.SkipWithError("the big document is not shown with its selection");
    }
    CloseMainWindow(main);
}

} // namespace

BENCHMARK(BM_OpenManyTraces)->Arg(8000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ActivateManyTraces)->Arg(8000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
