#pragma once

#include <string>

struct CLabel;
struct ViewState;

// The labels of a window's Smith chart as the chart point, the hit test and
// the label menu see them. The chart point is read in SmithRect as last
// drawn. Label changes do not mark the document modified.

// The label at the index, or null when there is none.
CLabel* GetLabel(ViewState& view, int index);

// The first label in list order within LabelSize pixels of the point where it
// was last drawn (hidden ones included); -1 when none. A label never drawn
// has no place and is never hit.
int FindLabelAt(const ViewState& view, int x, int y);

// The impedance Z0 (1 + Gamma) / (1 - Gamma) of the chart point; false at
// Gamma = 1 and when the square has no width or height. Points outside the
// unit circle give a negative R.
bool PointToImpedance(const ViewState& view, int x, int y, double& R, double& X);

// A new label with its defaults at the chart point's impedance, appended to
// the list; null, with nothing added, where the point has no impedance.
CLabel* AddLabelAt(ViewState& view, int x, int y);

void RemoveLabel(ViewState& view, int index);
void HideLabel(ViewState& view, int index);
void ShowHiddenLabels(ViewState& view);
void DeleteAllLabels(ViewState& view);

// What the label dialog gives back on OK: the format and the text; with
// `applyToAll` the format goes to every label of the window.
struct LabelEdit {
    int Format = 0;
    std::string Text;
    bool ApplyToAll = false;
};
void ApplyLabelEdit(ViewState& view, CLabel& label, const LabelEdit& edit);

// The items of the label menu for a right click that hit SelectedLabel (or
// none): the label's own items are visible only for a hit label; "Delete
// all labels" is enabled when there are labels, "Add match point" while
// the tools window is shown, and "Show hidden labels" is visible when a
// label is hidden.
struct LabelMenuItems {
    bool labelItemsVisible = false; // "Edit label", "Remove label", "Hide label"
    bool deleteAllEnabled = false;
    bool addMatchPointEnabled = false;
    bool showHiddenVisible = false;
};
LabelMenuItems LabelMenuFor(const ViewState& view, bool toolsWindowShown);
