#pragma once

#include <vector>

struct ViewState;

// The chart-kind tabs of a document window list the visible kinds in kind
// order, so a tab's position counts only visible kinds.

// The kinds that have a tab, in tab order.
std::vector<int> TabbedKinds(const ViewState& view);

// The tab of a kind, -1 when the kind has none.
int TabOfKind(const ViewState& view, int kind);

// The kind of a tab, -1 when there is no such tab.
int KindOfTab(const ViewState& view, int tab);

// The tab selected after the tabs are rebuilt: the current kind's; when that
// kind is hidden, the tab at position 1 (the one after "Data"), or the only
// tab when there is just one; -1 when no kind is visible.
int TabToSelect(const ViewState& view);
