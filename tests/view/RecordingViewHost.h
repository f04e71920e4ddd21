#pragma once

#include "view/ViewHost.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// The main window and control window as a document window sees them,
// recording what the window asks of them.
class RecordingViewHost final : public CViewHost {
public:
    void SetActiveView(bool active, TViewForm* view) override { activations.emplace_back(active, view); }
    bool SaveViewAs(TViewForm& view) override
    {
        saved.push_back(&view);
        return saveAsResult;
    }
    void GraphListFromView() override { ++graphListRefreshes; }
    void ScreenEditsFromView() override { ++screenRefreshes; }
    void ScreenValuesFromView() override { ++screenValueRefreshes; }
    void ShowPointerReadout(const std::array<std::string, 3>& panels) override { readouts.push_back(panels); }
    bool ToolsWindowShown() const override { return toolsShown; }
    void SetMatchPoint(double R, double X) override { matchPoints.emplace_back(R, X); }

    std::vector<std::pair<bool, TViewForm*>> activations;
    std::vector<TViewForm*> saved;
    bool saveAsResult = true;
    int graphListRefreshes = 0;
    int screenRefreshes = 0;
    int screenValueRefreshes = 0;
    std::vector<std::array<std::string, 3>> readouts;
    bool toolsShown = false;
    std::vector<std::pair<double, double>> matchPoints;
};
