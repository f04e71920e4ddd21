#include "app/CommandActions.h"

#include "view/ProgramIcons.h"

#include <QAction>
#include <QActionGroup>

namespace {

struct CommandText {
    const char* name;
    const char* caption;
    const char* hint;
    const char* icon;
    bool checkable;
};

// In Command order.
constexpr std::array<CommandText, kCommandCount> kTexts = {{
    {"ColorBlackScheme", "Black", "Color with black background", "scheme-black", true},
    {"ColorWhiteScheme", "White", "Color with white background", "scheme-white", true},
    {"BWScheme", "Black and white", "Black and white", "scheme-bw", true},
    {"ColorGradient", "Gradient", "Color gradient", "gradient", true},
    {"ShowToolsWindow", "&Tools", "Tools", "tools", true},
    {"TranTable", "Table", "Show table", "table", true},
    {"HorNScale", "Sample number", "Sample number", "hor-number", true},
    {"HorFScale", "Frequency", "Frequency", "hor-frequency", true},
    {"HorTScale", "Time", "Time", "hor-time", true},
    {"ShowLine", "Line", "Show line", "line", true},
    {"ShowDataPoints", "Data points", "Show data points", "points", true},
    {"ShowSelected", "Selected only", "Selected only", "traces-selected", true},
    {"ShowDimmed", "Selected and dimmed", "Selected and dimmed", "traces-dimmed", true},
    {"ShowAll", "Show all", "Show all", "traces-all", true},
    {"TranCursMove", "Selection", "Selection", "tool-select", true},
    {"TranCursHand", "Scrolling", "Scrolling", "tool-hand", true},
    {"HorZoomIn", "Zoom in", "Zoom in", "hzoom-in", false},
    {"HorZoomOut", "Zoom out", "Zoom out", "hzoom-out", false},
    {"HorFitScreen", "Fit the Screen", "Fit the Screen", "hfit", false},
    {"VertZoomIn", "Zoom in", "Zoom in", "vzoom-in", false},
    {"VertZoomOut", "Zoom out", "Zoom out", "vzoom-out", false},
    {"VertyFitScreen", "Fit the Screen", "Fit the Screen", "vfit", false},
    {"FitScreen", "Fit the screen", "Fit the screen", "fit-all", false},
    {"SmithZoomIn", "Zoom in", "Zoom in", "smith-zoom-in", false},
    {"SmithZoomOut", "Zoom out", "Zoom out", "smith-zoom-out", false},
    {"SmithReset", "Reset", "Reset", "smith-reset", false},
    {"SmithGrid", "Switch grid type", "Switch grid type", "smith-grid", false},
    {"UndoScale", "Undo scale", "Undo scale", "undo", false},
    {"ShowLabels", "Show labels", "Show labels", "labels", true},
    {"ShowRef", "Show reference", "Show reference", "reference", true},
    {"ImageCopy", "Copy to clipboard", "Copy to clipboard", "image", false},
    {"SaveAsBmp", "Save As BMP", "Save As BMP", "", false},
    {"SaveAsJpg", "Save As JPG", "Save As JPG", "", false},
    {"SaveAsPng", "Save As PNG", "Save As PNG", "", false},
    {"HelpAbout1", "&About...", "About", "ombrelix", false},
    {"EditPreferences", "Settings...", "Edit settings", "settings", false},
}};

QAction* MakeAction(QObject* parent, Command command)
{
    const CommandText& text = kTexts[Index(command)];
    auto* action = new QAction(CommandIcon(text.icon), text.caption, parent);
    action->setObjectName(text.name);
    const QString hint = text.hint;
    action->setToolTip(hint.section('|', 0, 0));
    action->setStatusTip(hint.section('|', 1));
    action->setCheckable(text.checkable);
    action->setData(CommandTag(command));
    return action;
}

} // namespace

CommandActions::CommandActions(QObject* parent)
{
    for (size_t i = 0; i < kCommandCount; ++i) actions_[i] = MakeAction(parent, static_cast<Command>(i));
}

void CommandActions::Update(const CommandStateTable& states) const
{
    for (size_t i = 0; i < kCommandCount; ++i) {
        QAction* action = actions_[i];
        action->setEnabled(states[i].enabled);
        if (action->isCheckable() && states[i].tick != Tick::Keep) action->setChecked(states[i].tick == Tick::On);
    }
}
