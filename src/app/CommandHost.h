#pragma once

#include <QList>

class QMdiArea;
class TViewForm;

// What the command handlers ask of the main window: the document windows,
// the frame that holds them, the program-wide refreshes and dialogs. The main
// window implements it; the handlers never reach into its fields.
class CCommandHost {
public:
    // The document window commands act on; null when none is open.
    virtual TViewForm* CommandView() const = 0;
    virtual QList<TViewForm*> OpenViews() const = 0;
    virtual QMdiArea& DocumentArea() const = 0;
    virtual void RepaintViews() = 0;
    // The Screen tab's numbers, after a command changed a scale.
    virtual void RefreshScreenValues() = 0;
    // Writes the current settings file, unless it is one that could not be
    // read at start-up; warns when the write fails.
    virtual void SaveCurrentSettings() = 0;
    virtual bool ToolsWindowVisible() const = 0;
    virtual void ShowToolsWindow(bool show) = 0;
    // The preferences dialog, modal.
    virtual void EditPreferences() = 0;

protected:
    ~CCommandHost() = default;
};
