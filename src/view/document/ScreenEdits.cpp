#include "view/document/ScreenEdits.h"

#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/NumberText.h"
#include "view/document/ScaleUndo.h"
#include "view/document/ViewState.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kEngPrecision = 12;
// The zoom range that the zoom commands, the wheel and the track bar keep.
constexpr double kSmithScaleMin = 0.01;
constexpr double kSmithScaleMax = 20;

bool ShowsZ0(int kind)
{
    return kind == kGraphSmith || kind == kGraphGammaReIm || kind == kGraphGammaMagPhase || kind == kGraphVswr;
}

bool HasPhasePane(int kind) { return kind == kGraphZMagPhase || kind == kGraphGammaMagPhase || kind == kGraphVip; }

// The value of one field, or nothing after the warning "Field:\n" with the
// reason: the parse error, or an infinite value that no axis can carry.
std::optional<double> ReadField(const char* name, const std::string& text)
{
    try {
        const double value = ParseValue(text);
        if (!std::isfinite(value)) throw Exception("'" + TrimText(text) + "' is not a finite value");
        return value;
    } catch (const Exception& error) {
        ShowWarning("", std::string(name) + ":\n" + error.Message());
        return std::nullopt;
    }
}

bool Refuse(const char* rule)
{
    ShowWarning("", rule);
    return false;
}

bool ApplyZ0(const ScreenControls& controls, ViewState& view)
{
    const std::optional<double> z0 = ReadField("R(Z0)", controls.z0Text);
    if (!z0) return false;
    if (!(*z0 > 0)) return Refuse("R(Z0) <= 0");
    view.Z0Re = *z0;
    return true;
}

bool ApplySmith(const ScreenControls& controls, ViewState& view)
{
    const std::optional<double> re = ReadField("Re", controls.smithXText);
    if (!re) return false;
    const std::optional<double> im = ReadField("Im", controls.smithYText);
    if (!im) return false;
    const std::optional<double> scale = ReadField("Scale", controls.smithScaleText);
    if (!scale) return false;
    if (!(*scale > 0)) return Refuse("Scale <= 0");
    if (*scale < kSmithScaleMin) return Refuse("Scale < 0.01");
    if (*scale > kSmithScaleMax) return Refuse("Scale > 20");
    view.SmithX = *re;
    view.SmithY = *im;
    view.SmithScale = *scale;
    return true;
}

bool ApplyHorizontal(const ScreenControls& controls, ViewState& view)
{
    const int mode = view.HorMode;
    if (mode == kHorF) view.HorLog = controls.horLogChecked;
    const std::optional<double> left = ReadField("Left", controls.leftText[mode]);
    if (!left) return false;
    const std::optional<double> right = ReadField("Right", controls.rightText[mode]);
    if (!right) return false;
    if (!(*right > *left)) return Refuse("Right <= Left");
    view.HorRight[mode] = *right;
    view.HorLeft[mode] = *left;
    return true;
}

bool ApplyVertical(const ScreenControls& controls, GraphSettings& graph)
{
    const std::optional<double> top = ReadField("Top", controls.topText);
    if (!top) return false;
    const std::optional<double> bottom = ReadField("Bottom", controls.bottomText);
    if (!bottom) return false;
    if (!(*top > *bottom)) return Refuse("Top <= Bottom");
    if (graph.Log && !(*bottom > 0)) {
        graph.Log = false;
        return Refuse("Bottom <= 0");
    }
    graph.Top = *top;
    graph.Bot = *bottom;
    return true;
}

bool ApplyPhase(const ScreenControls& controls, GraphSettings& graph)
{
    graph.Phase = controls.phaseIndex;
    const std::optional<double> top = ReadField("Phase Top", controls.phaseTopText);
    if (!top) return false;
    const std::optional<double> bottom = ReadField("Phase Bottom", controls.phaseBottomText);
    if (!bottom) return false;
    if (*top == *bottom) return Refuse("Phase Top = Phase Bottom");
    graph.PhTop = *top;
    graph.PhBot = *bottom;
    return true;
}

bool ApplySteps(const ScreenControls& controls, ViewState& view)
{
    const int kind = view.GraphKind;
    if (ShowsZ0(kind) && !ApplyZ0(controls, view)) return false;
    if (kind == kGraphSmith) return ApplySmith(controls, view);
    GraphSettings& graph = view.Graphs[kind];
    graph.Log = controls.vertLogChecked;
    if (!ApplyHorizontal(controls, view) || !ApplyVertical(controls, graph)) return false;
    return !HasPhasePane(kind) || ApplyPhase(controls, graph);
}

} // namespace

ScreenLayout ScreenLayoutFor(int graphKind, int horMode)
{
    const bool smith = graphKind == kGraphSmith;
    ScreenLayout layout;
    layout.smithButtons = smith;
    layout.smithBox = smith;
    for (int mode = 0; mode < kHorModeCount; ++mode) layout.horBox[mode] = !smith && mode == horMode;
    layout.vertBox = !smith;
    layout.vertLog = graphKind == kGraphZMagPhase || graphKind == kGraphGammaMagPhase;
    layout.phaseBox = HasPhasePane(graphKind);
    if (smith) layout.z0 = Z0Place::BelowSmith;
    else if (graphKind == kGraphGammaMagPhase) layout.z0 = Z0Place::BelowPhase;
    else if (ShowsZ0(graphKind)) layout.z0 = Z0Place::BelowVertical;
    return layout;
}

ScreenControls ScreenValuesFromView(const ViewState& view)
{
    const auto text = [](double value) { return FormatEng(kEngPrecision, value); };
    ScreenControls controls;
    controls.z0Text = text(view.Z0Re);
    controls.smithXText = text(view.SmithX);
    controls.smithYText = text(view.SmithY);
    controls.smithScaleText = text(view.SmithScale);
    for (int mode = 0; mode < kHorModeCount; ++mode) {
        controls.leftText[mode] = text(view.HorLeft[mode]);
        controls.rightText[mode] = text(view.HorRight[mode]);
    }
    controls.horLogChecked = view.HorLog;
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    controls.vertLogChecked = graph.Log;
    controls.topText = text(graph.Top);
    controls.bottomText = text(graph.Bot);
    controls.phaseIndex = graph.Phase;
    controls.phaseTopText = text(graph.PhTop);
    controls.phaseBottomText = text(graph.PhBot);
    return controls;
}

bool ApplyScreenEdits(const ScreenControls& controls, ViewState& view)
{
    if (view.GraphKind == kGraphData) return false;
    PushScaleUndo(view);
    if (ApplySteps(controls, view)) return true;
    GraphSettings& graph = view.Graphs[view.GraphKind];
    if (graph.Log && !(graph.Bot > 0)) graph.Log = false;
    return false;
}

void ApplyPhaseMode(int phaseIndex, ViewState& view)
{
    if (view.GraphKind == kGraphData) return;
    PushScaleUndo(view);
    view.Graphs[view.GraphKind].Phase = phaseIndex;
}
