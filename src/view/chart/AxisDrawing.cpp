#include "view/chart/AxisDrawing.h"

#include "model/NumberText.h"
#include "view/chart/AxisMarks.h"
#include "view/canvas/Canvas.h"
#include "view/document/GraphSettings.h"
#include "view/document/ViewState.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDotSpacing = 8;
constexpr int kLabelPrecision = 12;

std::string IntegerText(double value)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", std::trunc(value) + 0.0);
    return text;
}

} // namespace

void DrawXAxis(CCanvas& canvas, ViewState& view, const TRect& rect)
{
    const int W = rect.right;
    canvas.SetPenStyle(PenStyle::Dot);
    for (const AxisMark& mark : XAxisMarks(view, W)) {
        if (mark.Style == MarkStyle::Line) {
            canvas.MoveTo(mark.Pixel, rect.top);
            canvas.LineTo(mark.Pixel, rect.bottom);
        } else if (mark.Style == MarkStyle::Dots) {
            for (int y = rect.top; y < rect.bottom; y += kDotSpacing) canvas.SetPixel(mark.Pixel, y, canvas.Pen().Color);
        }
        if (!mark.LabelPixel) continue;
        const std::string text = FormatEng(kLabelPrecision, mark.Value);
        if (*mark.LabelPixel + canvas.TextWidth(text) < W - 2) {
            canvas.TextOut(*mark.LabelPixel + 4, rect.bottom - view.RowHeight - 2, text);
        }
    }
}

void DrawYAxis(CCanvas& canvas, const GraphSettings& graph, const TRect& pane)
{
    const int row = std::abs(canvas.Font().Height) + 2;
    const int W = pane.right;
    canvas.SetPenStyle(PenStyle::Dot);
    for (const AxisMark& mark : YAxisMarks(graph, pane, row)) {
        if (mark.Style == MarkStyle::Line) {
            canvas.MoveTo(0, mark.Pixel);
            canvas.LineTo(W, mark.Pixel);
        } else if (mark.Style == MarkStyle::Dots) {
            for (int x = 0; x < W; x += kDotSpacing) canvas.SetPixel(x, mark.Pixel, canvas.Pen().Color);
        }
        if (mark.LabelPixel) canvas.TextOut(6, *mark.LabelPixel + 1, FormatEng(kLabelPrecision, mark.Value));
    }
}

void DrawPhaseAxis(CCanvas& canvas, const ViewState& view, const GraphSettings& graph, const TRect& pane)
{
    if (graph.Phase == kPhaseOff) return;
    const CanvasStateGuard keep(canvas);
    canvas.SetPenStyle(graph.Phase == kPhaseOn ? PenStyle::Solid : PenStyle::Dot);
    CFont italic = canvas.Font();
    italic.Bold = false;
    italic.Italic = true;
    canvas.SetFont(italic);

    const int W = pane.right;
    for (const AxisMark& mark : PhaseAxisMarks(graph, pane, view.RowHeight)) {
        canvas.MoveTo(graph.Phase == kPhaseOn ? W - 10 : 0, mark.Pixel);
        canvas.LineTo(W, mark.Pixel);
        const std::string text = IntegerText(mark.Value);
        canvas.TextOut(W - canvas.TextWidth(text) - 10, *mark.LabelPixel, text);
    }
}
