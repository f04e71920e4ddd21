// Which commands are enabled and ticked in which state, and the state
// changes behind some of them, without a window.

#include "app/ChartCommands.h"
#include "app/CommandStates.h"
#include "view/ScaleCommands.h"
#include "view/document/ScaleUndo.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<Command> Enabled(const CommandStateTable& states)
{
    std::set<Command> enabled;
    for (size_t i = 0; i < kCommandCount; ++i) {
        if (states[i].enabled) enabled.insert(static_cast<Command>(i));
    }
    return enabled;
}

const std::set<Command> kAlways = {Command::ColorBlackScheme, Command::ColorWhiteScheme, Command::BWScheme,
                                   Command::ShowToolsWindow, Command::HelpAbout1, Command::EditPreferences};
const std::set<Command> kEveryChart = {Command::TranTable, Command::HorNScale, Command::HorFScale, Command::HorTScale,
                                       Command::ShowLine, Command::ShowDataPoints, Command::ShowSelected,
                                       Command::ShowDimmed, Command::ShowAll, Command::TranCursMove,
                                       Command::TranCursHand, Command::FitScreen, Command::ImageCopy,
                                       Command::SaveAsBmp, Command::SaveAsJpg, Command::SaveAsPng};
const std::set<Command> kRectangular = {Command::HorZoomIn, Command::HorZoomOut, Command::HorFitScreen,
                                        Command::VertZoomIn, Command::VertZoomOut, Command::VertyFitScreen};
const std::set<Command> kSmith = {Command::SmithZoomIn, Command::SmithZoomOut, Command::SmithReset,
                                  Command::SmithGrid, Command::ShowLabels, Command::ColorGradient};

std::set<Command> Union(std::initializer_list<std::set<Command>> sets)
{
    std::set<Command> all;
    for (const auto& set : sets) all.insert(set.begin(), set.end());
    return all;
}

TEST(CommandStates, EnablingFollowsTheChartKind)
{
    CommandContext context;
    EXPECT_EQ(Enabled(CommandStates(context)), kAlways);

    ViewState view;
    context.view = &view;
    context.openViews = 1;
    view.GraphKind = kGraphData;
    EXPECT_EQ(Enabled(CommandStates(context)), kAlways);
    view.GraphKind = kGraphSmith;
    EXPECT_EQ(Enabled(CommandStates(context)), Union({kAlways, kEveryChart, kSmith}));
    view.GraphKind = kGraphVswr;
    EXPECT_EQ(Enabled(CommandStates(context)), Union({kAlways, kEveryChart, kRectangular}));

    view.ScaleUndoCount = 1;
    EXPECT_TRUE(CommandStates(context)[Index(Command::UndoScale)].enabled);
    view.GraphKind = kGraphData;
    EXPECT_FALSE(CommandStates(context)[Index(Command::UndoScale)].enabled);
}

TEST(CommandStates, TicksFollowTheProgramAndTheWindow)
{
    CommandContext context;
    context.scheme = 2;
    context.showReference = true;
    context.gradient = true;
    CommandStateTable states = CommandStates(context);
    EXPECT_EQ(states[Index(Command::BWScheme)].tick, Tick::On);
    EXPECT_EQ(states[Index(Command::ColorBlackScheme)].tick, Tick::Off);
    // The reference keeps its tick while there is nothing to show it on.
    EXPECT_FALSE(states[Index(Command::ShowRef)].enabled);
    EXPECT_EQ(states[Index(Command::ShowRef)].tick, Tick::On);
    EXPECT_EQ(states[Index(Command::ColorGradient)].tick, Tick::Off);
    EXPECT_EQ(states[Index(Command::ShowAll)].tick, Tick::Keep);

    ViewState view;
    view.GraphKind = kGraphSmith;
    view.HorMode = kHorT;
    view.TraceMode = 0;
    view.HandTool = 1;
    view.ShowLine = false;
    context.view = &view;
    context.openViews = 1;
    context.referenceLoaded = true;
    states = CommandStates(context);
    EXPECT_TRUE(states[Index(Command::ShowRef)].enabled);
    EXPECT_EQ(states[Index(Command::ColorGradient)].tick, Tick::On);
    EXPECT_EQ(states[Index(Command::HorTScale)].tick, Tick::On);
    EXPECT_EQ(states[Index(Command::HorFScale)].tick, Tick::Off);
    EXPECT_EQ(states[Index(Command::ShowSelected)].tick, Tick::On);
    EXPECT_EQ(states[Index(Command::ShowAll)].tick, Tick::Off);
    EXPECT_EQ(states[Index(Command::TranCursHand)].tick, Tick::On);
    EXPECT_EQ(states[Index(Command::ShowLine)].tick, Tick::Off);
    EXPECT_EQ(states[Index(Command::ShowDataPoints)].tick, Tick::On);
}

TEST(CommandStates, CommandsThatOpenAModalWindowFollowTheTableWhileARunFillsTheWindow)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    view.Busy = true;
    CommandContext context;
    context.view = &view;
    context.openViews = 1;
    EXPECT_EQ(Enabled(CommandStates(context)), Union({kAlways, kEveryChart, kRectangular}));

    view.GraphKind = kGraphData;
    const std::set<Command> enabled = Enabled(CommandStates(context));
    EXPECT_TRUE(enabled.count(Command::HelpAbout1));
    EXPECT_TRUE(enabled.count(Command::EditPreferences));
    EXPECT_FALSE(enabled.count(Command::SaveAsPng));
}

TEST(ChartCommands, OnlyTheFrequencyKeepsALogarithmicAxis)
{
    ViewState view;
    view.HorLog = true;
    SetHorizontalQuantity(view, kHorF);
    EXPECT_TRUE(view.HorLog);
    SetHorizontalQuantity(view, kHorT);
    EXPECT_EQ(view.HorMode, kHorT);
    EXPECT_FALSE(view.HorLog);
    view.HorLog = true;
    SetHorizontalQuantity(view, kHorN);
    EXPECT_FALSE(view.HorLog);
    SetHorizontalQuantity(view, kHorF);
    EXPECT_FALSE(view.HorLog);
}

TEST(ChartCommands, TheSmithGridCyclesAndIsNotUndone)
{
    ViewState view;
    view.GraphKind = kGraphSmith;
    PushScaleUndo(view);
    std::vector<int> grids;
    for (int i = 0; i < 5; ++i) {
        CycleSmithGrid(view);
        grids.push_back(view.SmithGrid);
    }
    EXPECT_EQ(grids, (std::vector<int>{1, 2, 3, 0, 1}));
    PopScaleUndo(view);
    EXPECT_EQ(view.SmithGrid, 1);
}

TEST(ChartCommands, ARefusedScaleCommandLeavesTheUndoStackAsItWas)
{
    ViewState view;
    view.GraphKind = kGraphRX;
    view.HorLog = true;
    view.HorLeft[kHorF] = -100;
    for (int i = 0; i < kScaleUndoDepth; ++i) {
        view.SmithScale = i + 1;
        PushScaleUndo(view);
    }
    EXPECT_FALSE(RunScaleCommand(view, [](ViewState& v) { return ZoomHorizontal(v, true); }));
    EXPECT_EQ(view.ScaleUndoCount, kScaleUndoDepth);
    EXPECT_EQ(view.ScaleUndo[0].SmithScale, 1); // the oldest is still there

    view.HorLog = false;
    EXPECT_TRUE(RunScaleCommand(view, [](ViewState& v) { return ZoomHorizontal(v, true); }));
    PopScaleUndo(view);
    EXPECT_EQ(view.HorLeft[kHorF], -100);
}

} // namespace
