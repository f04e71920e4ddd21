#pragma once

#include "app/CommandStates.h"

#include <array>

class QAction;
class QObject;

// The main window's command actions, one per Command, each with its caption,
// its hint (the part before the bar as tool tip, the rest as status text),
// its Tag in the action's data, its icon and, for the commands with a tick or
// a pressed button, checkable. The handlers are connected by the menu that
// owns the command.
class CommandActions {
public:
    explicit CommandActions(QObject* parent);

    QAction* operator[](Command command) const { return actions_[Index(command)]; }

    // The idle pass: writes the enabled flags and ticks. It only sets flags,
    // which Qt ignores when they do not change, and never repaints a chart.
    void Update(const CommandStateTable& states) const;

private:
    std::array<QAction*, kCommandCount> actions_{};
};
