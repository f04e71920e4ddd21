#include "view/LabelCommands.h"

#include "model/Settings.h"
#include "view/document/Label.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <memory>

CLabel* GetLabel(ViewState& view, int index)
{
    if (index < 0 || index >= static_cast<int>(view.Labels.size())) return nullptr;
    return view.Labels[static_cast<std::size_t>(index)].get();
}

int FindLabelAt(const ViewState& view, int x, int y)
{
    const long long r = Settings.LabelSize;
    for (std::size_t i = 0; i < view.Labels.size(); ++i) {
        const CLabel& label = *view.Labels[i];
        if (!label.Placed) continue;
        const long long dx = x - label.Pos.x;
        const long long dy = y - label.Pos.y;
        if (dx * dx + dy * dy <= r * r) return static_cast<int>(i);
    }
    return -1;
}

bool PointToImpedance(const ViewState& view, int x, int y, double& R, double& X)
{
    const TRect& square = view.SmithRect;
    if (square.Width() <= 0 || square.Height() <= 0) return false;
    const double gx = 2.0 * (x - square.left) / square.Width() - 1;
    const double gy = 2.0 * (square.bottom - y) / square.Height() - 1;
    const double d = (1 - gx) * (1 - gx) + gy * gy;
    if (d == 0) return false;
    const double n = 1 - gx * gx - gy * gy;
    const double a = view.Z0Re;
    const double b = view.Z0Im;
    R = (a * n - 2 * gy * b) / d;
    X = (2 * gy * a + b * n) / d;
    return true;
}

CLabel* AddLabelAt(ViewState& view, int x, int y)
{
    double R = 0;
    double X = 0;
    if (!PointToImpedance(view, x, y, R, X)) return nullptr;
    auto label = std::make_unique<CLabel>();
    label->Re = R;
    label->Im = X;
    view.Labels.push_back(std::move(label));
    return view.Labels.back().get();
}

void RemoveLabel(ViewState& view, int index)
{
    if (!GetLabel(view, index)) return;
    view.Labels.erase(view.Labels.begin() + index);
}

void HideLabel(ViewState& view, int index)
{
    if (CLabel* label = GetLabel(view, index)) label->Format |= kLabelHidden;
}

void ShowHiddenLabels(ViewState& view)
{
    for (const auto& label : view.Labels) label->Format &= ~kLabelHidden;
}

void DeleteAllLabels(ViewState& view) { view.Labels.clear(); }

void ApplyLabelEdit(ViewState& view, CLabel& label, const LabelEdit& edit)
{
    label.Text = edit.Text;
    if (!edit.ApplyToAll) {
        label.Format = edit.Format;
        return;
    }
    for (const auto& each : view.Labels) each->Format = edit.Format;
}

LabelMenuItems LabelMenuFor(const ViewState& view, bool toolsWindowShown)
{
    LabelMenuItems items;
    items.labelItemsVisible = view.SelectedLabel >= 0 && view.SelectedLabel < static_cast<int>(view.Labels.size());
    items.deleteAllEnabled = !view.Labels.empty();
    items.addMatchPointEnabled = toolsWindowShown;
    items.showHiddenVisible = std::any_of(view.Labels.begin(), view.Labels.end(),
                                          [](const auto& label) { return (label->Format & kLabelHidden) != 0; });
    return items;
}
