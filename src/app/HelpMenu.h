#pragma once

class CommandActions;
class QMenu;
class QMenuBar;
class QWidget;

// The Help menu: "&About...", which shows the About box modally over
// `parent`.
QMenu* BuildHelpMenu(QMenuBar& bar, const CommandActions& actions, QWidget* parent);
