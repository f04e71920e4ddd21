#include "view/chart/ChartDrawing.h"

#include "model/Correction.h"
#include "model/Settings.h"
#include "view/chart/AxisDrawing.h"
#include "view/chart/AxisMath.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartFigures.h"
#include "view/chart/ChartLayout.h"
#include "view/canvas/DrawLimits.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/chart/DrawnExtents.h"
#include "view/chart/LabelDrawing.h"
#include "view/chart/SmithGeometry.h"
#include "view/chart/SmithGrid.h"
#include "view/chart/SmithTrace.h"
#include "view/chart/TraceCurve.h"
#include "view/document/ViewState.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <vector>

namespace {

constexpr int kRampSteps = 150;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0;

int MarkerTableSize(const ViewState& view)
{
    long long points = 0;
    for (int i = 0; i < view.Traces.Count(); ++i) points += view.Traces.Get(i)->Data.Count();
    return static_cast<int>(std::min<long long>(2 * points, INT_MAX));
}

void DrawColorRamp(CCanvas& canvas)
{
    canvas.SetPen({kWhite, 1, PenStyle::Solid, PenMode::Copy});
    const std::array<TPoint, 5> outer = {{{8, 8}, {8, 26}, {161, 26}, {161, 8}, {8, 8}}};
    canvas.Polyline(outer);
    canvas.SetPenColor(kBlack);
    const std::array<TPoint, 5> inner = {{{9, 9}, {9, 25}, {160, 25}, {160, 9}, {9, 9}}};
    canvas.Polyline(inner);
    for (int i = 0; i < kRampSteps; ++i) {
        canvas.SetPenColor(RainbowColor(i, kRampSteps));
        canvas.MoveTo(10 + i, 10);
        canvas.LineTo(10 + i, 25);
    }
}

CTrace* ShownReferenceTrace()
{
    if (!Settings.ShowReference || !ReferenceTraces) return nullptr;
    if (Settings.ReferenceTraceIndex < 0 || Settings.ReferenceTraceIndex >= ReferenceTraces->Count()) return nullptr;
    return ReferenceTraces->Get(Settings.ReferenceTraceIndex);
}

void DrawSmithChart(ViewState& view, CCanvas& canvas, const TRect& chart, DrawingPath path)
{
    if (Settings.UseGradient && Settings.CurrentScheme != kSchemeBlackAndWhite) DrawColorRamp(canvas);
    view.SmithRect = SmithSquare(view, chart);
    canvas.SetPen({SchemeColor(kColorGrid), 1, PenStyle::Solid, PenMode::Copy});
    DrawSmithGrid(canvas, view, chart);
    ResetDrawnExtents(view);
    DrawLabels(view, canvas, chart);
    if (CTrace* reference = ShownReferenceTrace()) {
        canvas.SetPenColor(SchemeColor(kColorReference));
        DrawSmithReference(*reference, view, canvas, chart, path);
    }
    canvas.SetPenWidth(Settings.LineWidth);
    ForEachDrawnTrace(view, false, [&](CTrace& trace, bool dimmed) {
        if (dimmed) canvas.SetPenColor(SchemeColor(kColorDimmed));
        else canvas.SetPenColor(Settings.CurrentScheme == kSchemeBlackAndWhite ? kBlack : trace.Color);
        DrawSmithCurve(trace, view, canvas, dimmed, chart, path);
    });
    if (view.TableVisible && view.DrawnExtents[kExtentMaxX] > view.DrawnExtents[kExtentMinX]) {
        DrawCursorMarkers(view, canvas, true, view.CursorX);
    }
}

void DrawRectangularChart(ViewState& view, CCanvas& canvas, const TRect& chart, DrawingPath path)
{
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    const ChartPanes panes = ArrangePanes(view, chart);
    if (graph.Phase == kPhaseSeparate) DrawDivider(view, canvas, chart);

    canvas.SetPen({SchemeColor(kColorGrid), 1, PenStyle::Solid, PenMode::Copy});
    DrawYAxis(canvas, graph, panes.upper);
    if (graph.Phase != kPhaseOff) DrawPhaseAxis(canvas, view, graph, panes.phase);
    DrawXAxis(canvas, view, chart);
    DrawLegend(view, canvas, chart);

    const std::vector<ChartCurve> curves = ChartCurves(view);
    std::vector<CurveToDraw> toDraw;
    ForEachDrawnTrace(view, true, [&](CTrace& trace, bool dimmed) {
        toDraw.clear();
        for (const ChartCurve& drawn : curves) {
            const TColor color =
                dimmed ? SchemeColor(kColorDimmed) : (drawn.ownColor ? trace.Color : SchemeColor(drawn.color));
            toDraw.push_back({drawn.curve, color, drawn.phasePane ? panes.phase : panes.upper});
        }
        DrawCurves(trace, view, toDraw, canvas, view.RowHeight, path);
    });

    if (view.TableVisible) {
        view.CursorPixel = TruncateToPixel(XToPixel(view, chart.right, view.CursorX), DrawLimits.MinX, DrawLimits.MaxX)
                               .value_or(DrawLimits.MinX);
        DrawCursorLine(view, canvas, chart);
    }
}

struct LegendEntry {
    const char* caption;
    ColorKind color;
};

std::vector<LegendEntry> LegendEntries(const ViewState& view)
{
    const bool phaseShared = view.Graphs[view.GraphKind].Phase == kPhaseOn;
    switch (view.GraphKind) {
    case kGraphRX:
        return {{"R", kColorTrace1}, {"X", kColorTrace2}};
    case kGraphGammaReIm:
        return {{"Re", kColorTrace1}, {"Im", kColorTrace2}};
    case kGraphVip:
        if (phaseShared) return {{"V", kColorTrace1}, {"I", kColorTrace2}, {"Phase", kColorPhase}};
        return {{"V", kColorTrace1}, {"I", kColorTrace2}};
    case kGraphZMagPhase:
    case kGraphGammaMagPhase:
        if (phaseShared) return {{"Mag", kColorTrace1}, {"Phase", kColorPhase}};
        return {};
    default:
        return {};
    }
}

} // namespace

void DrawLegend(const ViewState& view, CCanvas& canvas, const TRect& chart)
{
    canvas.SetPen({SchemeColor(kColorGrid), canvas.Pen().Width, PenStyle::Solid, PenMode::Copy});
    const int s = static_cast<int>(view.RowHeight * 0.8);
    TRect box{chart.right - 6 * s, chart.top + 10, chart.right - 6 * s + 20, chart.top + 10 + s - 3};
    for (const LegendEntry& entry : LegendEntries(view)) {
        const TColor color = SchemeColor(entry.color);
        canvas.SetBrushColor(color);
        canvas.FillRect(box);
        DrawFrame(canvas, box);
        CFont font = canvas.Font();
        font.Color = color;
        canvas.SetFont(font);
        canvas.SetBrushColor(SchemeColor(kColorBackground));
        canvas.TextOut(box.right + 6, box.top - 2, entry.caption);
        box.top += s;
        box.bottom += s;
    }
}

void DrawChartContent(ViewState& view, CCanvas& canvas, const TRect& chart, DrawingPath path)
{
    view.MarkerRects.FreeUntilAsked(chart);
    SetChartFont(view, canvas);
    view.PlotHeight = std::max(0, chart.bottom - 2 * view.RowHeight);
    canvas.SetBrushColor(SchemeColor(kColorBackground));
    canvas.FillRect(chart);
    if (view.GraphKind == kGraphSmith) DrawSmithChart(view, canvas, chart, path);
    else if (view.GraphKind != kGraphData) DrawRectangularChart(view, canvas, chart, path);
}

void EnsureMarkerRects(ViewState& view)
{
    MarkerRectTable& table = view.MarkerRects;
    if (!table.Asked()) return;
    const TRect chart = table.Chart();
    table.Free();
    if (!view.ShowDataPoints || view.GraphKind == kGraphData) return;
    table.Alloc(MarkerTableSize(view));
    // The walk along the curves needs a canvas for its clip; it paints
    // nothing.
    QImage scratch(1, 1, QImage::Format_RGB32);
    CCanvas canvas(scratch);
    if (view.GraphKind == kGraphSmith) {
        ForEachDrawnTrace(view, false, [&](CTrace& trace, bool dimmed) {
            DrawSmithCurve(trace, view, canvas, dimmed, chart, DrawingPath::MarkersOnly);
        });
        return;
    }
    const ChartPanes panes = ArrangePanes(view, chart);
    const std::vector<ChartCurve> curves = ChartCurves(view);
    ForEachDrawnTrace(view, true, [&](CTrace& trace, bool) {
        for (const ChartCurve& drawn : curves) {
            DrawCurve(trace, view, drawn.curve, canvas, drawn.phasePane ? panes.phase : panes.upper, view.RowHeight,
                      DrawingPath::MarkersOnly);
        }
    });
}
