#include "app/CommandStates.h"

#include "view/document/ViewState.h"

namespace {

Tick TickOf(bool on) { return on ? Tick::On : Tick::Off; }

void Set(CommandStateTable& table, Command command, bool enabled, Tick tick = Tick::Off)
{
    table[Index(command)] = {enabled, tick};
}

void SetProgramCommands(CommandStateTable& table, const CommandContext& context)
{
    for (const Command scheme : {Command::ColorBlackScheme, Command::ColorWhiteScheme, Command::BWScheme}) {
        Set(table, scheme, true, TickOf(context.scheme == CommandTag(scheme)));
    }
    Set(table, Command::ShowToolsWindow, true, TickOf(context.toolsVisible));
    Set(table, Command::ShowRef, context.referenceLoaded && context.openViews > 0, TickOf(context.showReference));
    Set(table, Command::HelpAbout1, true);
    Set(table, Command::EditPreferences, true);
}

void SetViewCommands(CommandStateTable& table, const ViewState* view, bool gradient)
{
    const bool chart = view && view->GraphKind != kGraphData;
    const bool smith = view && view->GraphKind == kGraphSmith;
    const bool rectangular = chart && !smith;
    Set(table, Command::ColorGradient, smith, TickOf(smith && gradient));
    Set(table, Command::TranTable, chart, TickOf(view && view->TableVisible));
    for (const Command quantity : {Command::HorNScale, Command::HorFScale, Command::HorTScale}) {
        Set(table, quantity, chart, TickOf(view && view->HorMode == CommandTag(quantity)));
    }
    Set(table, Command::ShowLine, chart, TickOf(view && view->ShowLine));
    Set(table, Command::ShowDataPoints, chart, TickOf(view && view->ShowDataPoints));
    for (const Command mode : {Command::ShowSelected, Command::ShowDimmed, Command::ShowAll}) {
        Set(table, mode, chart, view ? TickOf(view->TraceMode == CommandTag(mode)) : Tick::Keep);
    }
    for (const Command tool : {Command::TranCursMove, Command::TranCursHand}) {
        Set(table, tool, chart, TickOf(view && view->HandTool == CommandTag(tool)));
    }
    for (const Command zoom : {Command::HorZoomIn, Command::HorZoomOut, Command::HorFitScreen, Command::VertZoomIn,
                               Command::VertZoomOut, Command::VertyFitScreen}) {
        Set(table, zoom, rectangular);
    }
    Set(table, Command::FitScreen, chart);
    for (const Command command : {Command::SmithZoomIn, Command::SmithZoomOut, Command::SmithReset, Command::SmithGrid}) {
        Set(table, command, smith);
    }
    Set(table, Command::UndoScale, chart && view->ScaleUndoCount > 0);
    Set(table, Command::ShowLabels, smith, TickOf(view && view->ShowLabels));
    for (const Command image : {Command::ImageCopy, Command::SaveAsBmp, Command::SaveAsJpg, Command::SaveAsPng}) {
        Set(table, image, chart);
    }
}

} // namespace

CommandStateTable CommandStates(const CommandContext& context)
{
    CommandStateTable table{};
    SetProgramCommands(table, context);
    SetViewCommands(table, context.view, context.gradient);
    return table;
}

int CommandTag(Command command)
{
    switch (command) {
    case Command::ColorBlackScheme:
    case Command::HorNScale:
    case Command::ShowSelected:
    case Command::TranCursMove:
    case Command::ImageCopy:
        return 0;
    case Command::ColorWhiteScheme:
    case Command::HorFScale:
    case Command::ShowDimmed:
    case Command::TranCursHand:
    case Command::SaveAsBmp:
        return 1;
    case Command::BWScheme:
    case Command::HorTScale:
    case Command::ShowAll:
    case Command::SaveAsJpg:
        return 2;
    case Command::SaveAsPng:
        return 3;
    default:
        return -1;
    }
}
