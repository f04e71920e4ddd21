#include "app/ChartCommands.h"

#include "app/CommandActions.h"
#include "app/CommandHost.h"
#include "model/Settings.h"
#include "view/ScaleCommands.h"
#include "view/View.h"
#include "view/document/ScaleUndo.h"

#include <QAction>

namespace {

constexpr int kSmithGridModes = 4;

void RefreshTable(TViewForm& view)
{
    view.ArrangeControls();
    view.UpdateTableRows();
    view.UpdateTableValues();
}

// Connects a command that needs the active window.
template <typename Handler>
void OnView(const CommandActions& actions, Command command, CCommandHost& host, Handler handler)
{
    QObject::connect(actions[command], &QAction::triggered, actions[command], [&host, handler] {
        if (TViewForm* view = host.CommandView()) handler(*view);
    });
}

void OnScale(const CommandActions& actions, Command command, CCommandHost& host, std::function<bool(ViewState&)> scale)
{
    OnView(actions, command, host, [&host, scale](TViewForm& view) {
        if (!RunScaleCommand(view, scale)) return;
        view.FormPaint();
        host.RefreshScreenValues();
    });
}

void OnToggle(const CommandActions& actions, Command command, CCommandHost& host, bool ViewState::*flag)
{
    OnView(actions, command, host, [flag](TViewForm& view) {
        view.*flag = !(view.*flag);
        view.FormPaint();
    });
}

void ChooseScheme(CCommandHost& host, int scheme)
{
    if (Settings.CurrentScheme == scheme) return;
    Settings.CurrentScheme = scheme;
    host.RepaintViews();
    host.SaveCurrentSettings();
}

void ConnectProgramCommands(const CommandActions& actions, CCommandHost& host)
{
    for (const Command scheme : {Command::ColorBlackScheme, Command::ColorWhiteScheme, Command::BWScheme}) {
        const int tag = CommandTag(scheme);
        QObject::connect(actions[scheme], &QAction::triggered, actions[scheme], [&host, tag] { ChooseScheme(host, tag); });
    }
    QObject::connect(actions[Command::ShowRef], &QAction::triggered, actions[Command::ShowRef], [&host] {
        Settings.ShowReference = !Settings.ShowReference;
        host.RepaintViews();
    });
    OnView(actions, Command::ColorGradient, host, [](TViewForm& view) {
        Settings.UseGradient = !Settings.UseGradient;
        view.FormPaint();
    });
}

void ConnectDisplayCommands(const CommandActions& actions, CCommandHost& host)
{
    OnView(actions, Command::TranTable, host, [](TViewForm& view) {
        view.TableVisible = !view.TableVisible;
        RefreshTable(view);
    });
    for (const Command quantity : {Command::HorNScale, Command::HorFScale, Command::HorTScale}) {
        const int tag = CommandTag(quantity);
        OnView(actions, quantity, host, [&host, tag](TViewForm& view) {
            PushScaleUndo(view);
            SetHorizontalQuantity(view, tag);
            RefreshTable(view);
            // The chart's size stays, so nothing else would redraw its X axis.
            view.FormPaint();
            host.RefreshScreenValues();
        });
    }
    OnToggle(actions, Command::ShowLine, host, &ViewState::ShowLine);
    OnToggle(actions, Command::ShowDataPoints, host, &ViewState::ShowDataPoints);
    OnToggle(actions, Command::ShowLabels, host, &ViewState::ShowLabels);
    for (const Command mode : {Command::ShowSelected, Command::ShowDimmed, Command::ShowAll}) {
        const int tag = CommandTag(mode);
        OnView(actions, mode, host, [tag](TViewForm& view) {
            view.TraceMode = tag;
            view.FormPaint();
        });
    }
    for (const Command tool : {Command::TranCursMove, Command::TranCursHand}) {
        const int tag = CommandTag(tool);
        OnView(actions, tool, host, [tag](TViewForm& view) { view.SetTool(tag); });
    }
}

void ConnectScaleCommands(const CommandActions& actions, CCommandHost& host)
{
    OnScale(actions, Command::HorZoomIn, host, [](ViewState& v) { return ZoomHorizontal(v, true); });
    OnScale(actions, Command::HorZoomOut, host, [](ViewState& v) { return ZoomHorizontal(v, false); });
    OnScale(actions, Command::HorFitScreen, host, FitHorizontal);
    OnScale(actions, Command::VertZoomIn, host, [](ViewState& v) { return ZoomVertical(v, true); });
    OnScale(actions, Command::VertZoomOut, host, [](ViewState& v) { return ZoomVertical(v, false); });
    OnScale(actions, Command::VertyFitScreen, host, FitVertical);
    OnScale(actions, Command::FitScreen, host, FitAll);
    OnScale(actions, Command::SmithZoomIn, host, [](ViewState& v) { return ZoomSmith(v, true); });
    OnScale(actions, Command::SmithZoomOut, host, [](ViewState& v) { return ZoomSmith(v, false); });
    OnScale(actions, Command::SmithReset, host, [](ViewState& v) {
        ResetSmith(v);
        return true;
    });
    OnView(actions, Command::SmithGrid, host, [](TViewForm& view) {
        CycleSmithGrid(view);
        view.FormPaint();
    });
    OnView(actions, Command::UndoScale, host, [&host](TViewForm& view) {
        PopScaleUndo(view);
        view.FormPaint();
        host.RefreshScreenValues();
        RefreshTable(view);
    });
}

} // namespace

void SetHorizontalQuantity(ViewState& view, int horMode)
{
    view.HorMode = horMode;
    if (horMode != kHorF) view.HorLog = false;
}

void CycleSmithGrid(ViewState& view)
{
    ++view.SmithGrid;
    if (view.SmithGrid >= kSmithGridModes) view.SmithGrid = 0;
}

bool RunScaleCommand(ViewState& view, const std::function<bool(ViewState&)>& command)
{
    // A full stack drops its oldest state on a push; a refusal must not.
    const auto stack = view.ScaleUndo;
    const int depth = view.ScaleUndoCount;
    PushScaleUndo(view);
    if (command(view)) return true;
    view.ScaleUndo = stack;
    view.ScaleUndoCount = depth;
    return false;
}

void ConnectChartCommands(const CommandActions& actions, CCommandHost& host)
{
    ConnectProgramCommands(actions, host);
    ConnectDisplayCommands(actions, host);
    ConnectScaleCommands(actions, host);
}
