#include "view/GraphTabs.h"

#include "view/document/ViewState.h"

#include <algorithm>

std::vector<int> TabbedKinds(const ViewState& view)
{
    std::vector<int> kinds;
    for (int kind = 0; kind < kGraphKindCount; ++kind) {
        if (view.Graphs[kind].Visible) kinds.push_back(kind);
    }
    return kinds;
}

int TabOfKind(const ViewState& view, int kind)
{
    const std::vector<int> kinds = TabbedKinds(view);
    const auto found = std::find(kinds.begin(), kinds.end(), kind);
    return found == kinds.end() ? -1 : static_cast<int>(found - kinds.begin());
}

int KindOfTab(const ViewState& view, int tab)
{
    const std::vector<int> kinds = TabbedKinds(view);
    if (tab < 0 || tab >= static_cast<int>(kinds.size())) return -1;
    return kinds[tab];
}

int TabToSelect(const ViewState& view)
{
    const int current = TabOfKind(view, view.GraphKind);
    if (current >= 0) return current;
    const int count = static_cast<int>(TabbedKinds(view).size());
    return std::min(1, count - 1);
}
