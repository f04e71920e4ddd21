#include "view/chart/ChartLayout.h"

#include "view/canvas/Canvas.h"
#include "view/canvas/DrawLimits.h"

#include <cstdlib>

void SetChartFont(ViewState& view, CCanvas& canvas)
{
    Settings.GraphFont.Color = SchemeColor(kColorText);
    CFont font;
    font.Name = Settings.GraphFont.Name;
    font.Height = 2 * Settings.GraphFont.Size;
    font.Bold = Settings.GraphFont.Bold;
    font.Italic = Settings.GraphFont.Italic;
    font.Color = Settings.GraphFont.Color;
    canvas.SetFont(font);
    view.RowHeight = std::abs(font.Height) + 2;
}

ChartPanes ArrangePanes(ViewState& view, const TRect& chart)
{
    ChartPanes panes{chart, chart};
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    if (graph.Phase != kPhaseSeparate) return panes;
    view.DividerY = PixelY(chart.bottom * graph.Divider).value_or(0);
    panes.upper.bottom = view.DividerY - 2;
    panes.phase.top = view.DividerY + 2;
    return panes;
}

std::vector<ChartCurve> ChartCurves(const ViewState& view, VswrColor vswr)
{
    const bool phaseShown = view.Graphs[view.GraphKind].Phase != kPhaseOff;
    const ChartCurve values{0, kColorTrace1};
    const ChartCurve second{1, kColorTrace2};
    switch (view.GraphKind) {
    case kGraphRX:
    case kGraphGammaReIm:
        return {values, second};
    case kGraphVip:
        if (phaseShown) return {values, second, ChartCurve{2, kColorPhase, false, true}};
        return {values, second};
    case kGraphZMagPhase:
    case kGraphGammaMagPhase:
        if (phaseShown) return {values, ChartCurve{1, kColorPhase, false, true}};
        return {values};
    case kGraphVswr:
        return {ChartCurve{0, kColorTrace1, vswr == VswrColor::Own}};
    case kGraphPower:
        return {values};
    default:
        return {};
    }
}
