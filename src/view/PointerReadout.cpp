#include "view/PointerReadout.h"

#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/chart/AxisMath.h"
#include "view/ChartMouse.h"
#include "view/document/ViewState.h"

#include <cmath>
#include <optional>

namespace {

constexpr double kDegrees = 57.29577951308232;
constexpr double kUndefinedImpedance = 1e-9;
constexpr double kUnitCircleMargin = 1e-6;

using Panels = std::array<std::string, 3>;

std::string Number(double value) { return FormatEng(Settings.StatusDigits, value); }
std::string Phase(double y, double x) { return Number(x == 0 && y == 0 ? 0 : std::atan2(y, x) * kDegrees); }

struct SmithPoint {
    double gr = 0;
    double gi = 0;
    std::optional<double> R;
    std::optional<double> X;
};

std::optional<SmithPoint> SmithPointAt(const ViewState& view, TPoint p)
{
    const TRect& square = view.SmithRect;
    if (square.Width() <= 0 || square.Height() <= 0) return std::nullopt;
    SmithPoint point;
    point.gr = (p.x - square.left) / (square.Width() * 0.5) - 1;
    point.gi = 1 - (p.y - square.top) / (square.Height() * 0.5);
    const double m = point.gr * point.gr + point.gi * point.gi;
    const double d = 1 - 2 * point.gr + m;
    if (std::abs(d) > kUndefinedImpedance) {
        const double a = (1 - m) / d;
        const double b = 2 * point.gi / d;
        point.R = a * view.Z0Re - b * view.Z0Im;
        point.X = a * view.Z0Im + b * view.Z0Re;
    }
    return point;
}

void SmithTexts(const ViewState& view, TPoint p, Panels& panels)
{
    const std::optional<SmithPoint> point = SmithPointAt(view, p);
    if (!point) return;
    const double g = std::sqrt(point->gr * point->gr + point->gi * point->gi);
    const bool impedance = point->R.has_value();
    switch (Settings.StatusSmithReadout) {
    case 0:
        if (impedance) panels = {" R = " + Number(*point->R), " X = " + Number(*point->X), ""};
        break;
    case 1:
        if (impedance) panels = {" Z = " + Number(std::hypot(*point->R, *point->X)), " Ph = " + Phase(*point->X, *point->R), ""};
        break;
    case 2:
        panels = {" Re = " + Number(point->gr), " Im = " + Number(point->gi), ""};
        break;
    case 3:
        panels = {" G = " + Number(g), " Ph = " + Phase(point->gi, point->gr), ""};
        break;
    case 4:
        if (std::abs(g - 1) >= kUnitCircleMargin) panels[0] = " VSWR = " + Number((1 + g) / (1 - g));
        break;
    default:
        break;
    }
}

const char* YPrefix(int kind, bool logarithmic)
{
    switch (kind) {
    case kGraphRX: return logarithmic ? nullptr : " R/X = ";
    case kGraphZMagPhase: return " Z = ";
    case kGraphGammaReIm: return logarithmic ? nullptr : " Re/Im = ";
    case kGraphGammaMagPhase: return " G = ";
    case kGraphVswr: return logarithmic ? nullptr : " VSWR = ";
    default: return nullptr;
    }
}

std::string UpperPaneText(const ViewState& view, const TRect& client, int y)
{
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    const bool separate = graph.Phase == kPhaseSeparate;
    if (separate && y >= view.DividerY) return {};
    const int h = separate ? view.PlotHeight - (client.bottom - view.DividerY) - 2 : view.PlotHeight;
    const char* prefix = YPrefix(view.GraphKind, graph.Log);
    if (h <= 0 || !prefix) return {};
    const double share = static_cast<double>(y - view.RowHeight) / h;
    double v = graph.Top + (graph.Bot - graph.Top) * share;
    if (graph.Log) {
        if (!(graph.Top > 0 && graph.Bot > 0)) return {};
        v = std::exp(std::log(graph.Top) + (std::log(graph.Bot) - std::log(graph.Top)) * share);
        if (!std::isfinite(v)) return {};
    }
    return prefix + Number(v);
}

std::string PhaseText(const ViewState& view, const TRect& client, int y)
{
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    double share = 0;
    if (graph.Phase == kPhaseOn) {
        share = static_cast<double>(y - view.RowHeight) / view.PlotHeight;
    } else if (graph.Phase == kPhaseSeparate && y > view.DividerY) {
        const int hp = client.bottom - view.DividerY - 2 * view.RowHeight - 2;
        if (hp <= 0) return {};
        share = static_cast<double>(y - view.DividerY - view.RowHeight) / hp;
    } else {
        return {};
    }
    return " Ph = " + Number(graph.PhTop + (graph.PhBot - graph.PhTop) * share);
}

void RectangularTexts(const ViewState& view, const TRect& client, TPoint p, Panels& panels)
{
    static constexpr std::array<const char*, kHorModeCount> kXPrefix = {" N = ", " F = ", " T = "};
    if (client.Width() > 0 && view.HorMode >= 0 && view.HorMode < kHorModeCount) panels[0] = kXPrefix[static_cast<std::size_t>(view.HorMode)] + Number(PixelToX(view, p.x, client.Width()));
    panels[1] = UpperPaneText(view, client, p.y);
    panels[2] = PhaseText(view, client, p.y);
}

} // namespace

std::array<std::string, 3> PointInfoTexts(const ViewState& view, const TRect& client, bool show, TPoint pointer)
{
    Panels panels;
    if (!show || view.PlotHeight <= 0) return panels;
    if (view.GraphKind == kGraphSmith) SmithTexts(view, pointer, panels);
    else if (view.GraphKind >= kGraphRX && view.GraphKind <= kGraphVswr) RectangularTexts(view, client, pointer, panels);
    return panels;
}

PointerShape PaintBoxPointerShape(const ViewState& view, TPoint pointer)
{
    if (view.GraphKind == kGraphData) return PointerShape::Keep;
    if (view.Graphs[view.GraphKind].Phase == kPhaseSeparate && std::abs(pointer.y - view.DividerY) <= 2) {
        return PointerShape::DividerSplit;
    }
    if (view.HandTool == 1) {
        if (view.DragMode == kDragNone) return PointerShape::OpenHand;
        if (view.DragMode == kDragPan || view.DragMode == kDragPhasePan) return PointerShape::ClosedHand;
        return PointerShape::Keep;
    }
    if (view.GraphKind != kGraphSmith && view.TableVisible && std::abs(pointer.x - view.CursorPixel) < 8) {
        return PointerShape::CursorGrab;
    }
    return PointerShape::Arrow;
}
