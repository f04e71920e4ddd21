#pragma once

#include <array>
#include <string>

class TViewForm;

// What a document window asks of the windows around it: the main window that
// keeps the active document window, runs the Save As dialog and owns the
// status bar, and the control window that shows the active window's chart
// kinds and scales. The main window implements it and hands it to every
// document window it creates.
class CViewHost {
public:
    // Makes the window the active one (active true) or leaves no window
    // active (false), then refreshes the control and tools windows.
    virtual void SetActiveView(bool active, TViewForm* view) = 0;

    // The Save As dialog for the window, then the save; false when the user
    // cancelled it or the document could not be written.
    virtual bool SaveViewAs(TViewForm& view) = 0;

    // The control window's graph list and Screen tab, from the active window.
    virtual void GraphListFromView() = 0;
    virtual void ScreenEditsFromView() = 0;
    // The numbers of the Screen tab alone, after the window changed a scale.
    // Showing the whole Screen tab shows them too, which is what a host
    // without a lighter refresh does.
    virtual void ScreenValuesFromView() { ScreenEditsFromView(); }

    // Panels 0 to 2 of the status bar: what the chart means under the
    // pointer; empty texts clear them.
    virtual void ShowPointerReadout(const std::array<std::string, 3>& panels) = 0;

    // The tools window: whether it is shown, and an impedance picked on the
    // Smith chart handed to it as the match point of its selected row. A
    // host without a tools window never shows one.
    virtual bool ToolsWindowShown() const { return false; }
    virtual void SetMatchPoint(double /*R*/, double /*X*/) {}

protected:
    ~CViewHost() = default;
};
