#pragma once

#include "view/ViewHost.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <string>

// A main window that wants nothing from the document windows it hosts.
class SilentHost final : public CViewHost {
public:
    void SetActiveView(bool, TViewForm*) override {}
    bool SaveViewAs(TViewForm&) override { return false; }
    void GraphListFromView() override {}
    void ScreenEditsFromView() override {}
    void ShowPointerReadout(const std::array<std::string, 3>&) override {}
};

// Runs the registered benchmarks inside an application on the offscreen
// platform, as windows and fonts need one.
inline int RunWindowBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
