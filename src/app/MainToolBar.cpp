#include "app/MainToolBar.h"

#include "app/CommandActions.h"
#include "app/EditMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QToolBar>
#include <QToolButton>

namespace {

void AddCommands(QToolBar& bar, const CommandActions& actions, std::initializer_list<Command> commands)
{
    for (const Command command : commands) bar.addAction(actions[command]);
}

// Buttons of which one is pressed: pressing one releases the others at
// once, before the idle pass sets them from the state.
void Exclusive(QToolBar& bar, const CommandActions& actions, std::initializer_list<Command> commands)
{
    auto* group = new QActionGroup(&bar);
    for (const Command command : commands) group->addAction(actions[command]);
}

} // namespace

void FillMainToolBar(QToolBar& bar, std::initializer_list<QAction*> fileCommands, const CommandActions& actions)
{
    for (QAction* action : fileCommands) bar.addAction(action);
    bar.addSeparator();
    AddCommands(bar, actions, {Command::EditPreferences});
    bar.addWidget(MakeImageButton(&bar, actions));
    AddCommands(bar, actions, {Command::ColorBlackScheme, Command::ColorWhiteScheme, Command::BWScheme, Command::ColorGradient});
    bar.addSeparator();
    AddCommands(bar, actions, {Command::ShowToolsWindow});
    bar.addSeparator();
    AddCommands(bar, actions, {Command::TranTable, Command::HorNScale, Command::HorFScale, Command::HorTScale});
    bar.addSeparator();
    AddCommands(bar, actions, {Command::ShowLine, Command::ShowDataPoints});
    bar.addSeparator();
    AddCommands(bar, actions, {Command::ShowSelected, Command::ShowDimmed, Command::ShowAll});
    bar.addSeparator();
    AddCommands(bar, actions, {Command::TranCursMove, Command::TranCursHand});
    bar.addSeparator();
    AddCommands(bar, actions,
                {Command::HorZoomIn, Command::HorZoomOut, Command::HorFitScreen, Command::VertZoomIn, Command::VertZoomOut,
                 Command::VertyFitScreen, Command::FitScreen, Command::SmithZoomIn, Command::SmithZoomOut,
                 Command::SmithReset, Command::SmithGrid, Command::ShowLabels, Command::ShowRef});
    bar.addSeparator();
    AddCommands(bar, actions, {Command::UndoScale});
    Exclusive(bar, actions, {Command::ColorBlackScheme, Command::ColorWhiteScheme, Command::BWScheme});
    Exclusive(bar, actions, {Command::ShowSelected, Command::ShowDimmed, Command::ShowAll});
}
