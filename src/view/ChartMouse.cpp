#include "view/ChartMouse.h"

#include "view/chart/AxisMath.h"
#include "view/chart/ChartDrawing.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/LabelCommands.h"
#include "view/ScaleLimits.h"
#include "view/document/ScaleUndo.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kDragThreshold = 8;   // pixels a zoom rectangle spans before it chooses a range
constexpr int kDividerGrab = 2;     // rows either side of the divider that grab it
constexpr int kCursorGrab = 8;      // the cursor line is grabbed strictly within this many columns
constexpr int kEdgeGrabWidth = 20;  // the grab zone at the top of an edge where the cursor sits beyond it
constexpr int kEdgeGrabHeight = 13;
constexpr int kEdgeCursor = 6;
constexpr int kMarkerFrameGrowth = 2;
constexpr double kDividerMin = 0.2;
constexpr double kDividerMax = 0.8;
constexpr double kPixelBound = 1 << 28;

GraphSettings& Graph(ViewState& view) { return view.Graphs[view.GraphKind]; }
bool IsSmith(const ViewState& view) { return view.GraphKind == kGraphSmith; }
bool SeparatePhase(const ViewState& view) { return view.Graphs[view.GraphKind].Phase == kPhaseSeparate; }
int XLimitsMode(const ViewState& view) { return view.HorLog ? kHorF : view.HorMode; }

int UpperPaneHeight(const ViewState& view, const TRect& client)
{
    if (!SeparatePhase(view)) return view.PlotHeight;
    return view.PlotHeight - (client.bottom - view.DividerY) - 2;
}

// Whether the upper pane's Y range follows a gesture at row y: not below the
// divider of a separate phase pane, and only while the pane has a height.
bool UpperPaneFollows(const ViewState& view, const TRect& client, int y)
{
    if (SeparatePhase(view) && y >= view.DividerY) return false;
    return view.PlotHeight > 0 && UpperPaneHeight(view, client) > 0;
}

bool SmithSquareUsable(const ViewState& view) { return view.SmithRect.Width() > 0 && view.SmithRect.Height() > 0; }

// --- Pan ---------------------------------------------------------------------

void PanSmith(ViewState& view, TPoint step)
{
    if (!SmithSquareUsable(view)) return;
    const double x = view.SmithX + 2.0 * step.x / view.SmithRect.Width();
    const double y = view.SmithY + 2.0 * step.y / view.SmithRect.Height();
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    view.SmithX = x;
    view.SmithY = y;
}

void PanX(ViewState& view, const TRect& client, int stepX)
{
    if (client.Width() <= 0) return;
    const int m = XLimitsMode(view);
    const double share = static_cast<double>(stepX) / client.Width();
    StoreSpan(ShiftedSpan({view.HorLeft[m], view.HorRight[m]}, view.HorLog, share), view.HorLeft[m], view.HorRight[m]);
}

void PanUpperPane(ViewState& view, const TRect& client, int stepY)
{
    if (!UpperPaneFollows(view, client, view.DragStart.y)) return;
    GraphSettings& graph = Graph(view);
    const double share = -static_cast<double>(stepY) / UpperPaneHeight(view, client);
    StoreSpan(ShiftedSpan({graph.Bot, graph.Top}, graph.Log, share), graph.Bot, graph.Top);
}

void PanPhasePane(ViewState& view, const TRect& client, int stepY)
{
    const int h = client.bottom - 2 * view.RowHeight - view.DividerY;
    if (h <= 0) return;
    GraphSettings& graph = Graph(view);
    const double share = -static_cast<double>(stepY) / h;
    StoreSpan(ShiftedSpan({graph.PhBot, graph.PhTop}, false, share), graph.PhBot, graph.PhTop);
}

void PanStep(ViewState& view, const TRect& client, TPoint p, CMouseFeedback& feedback)
{
    if (p == view.DragLast) return;
    const TPoint step{view.DragLast.x - p.x, view.DragLast.y - p.y};
    if (IsSmith(view)) {
        PanSmith(view, step);
    } else {
        PanX(view, client, step.x);
        if (view.DragMode == kDragPan) PanUpperPane(view, client, step.y);
        else PanPhasePane(view, client, step.y);
    }
    view.DragLast = p;
    feedback.Repaint();
}

// --- Zoom rectangle ----------------------------------------------------------

int Sign(int v) { return v < 0 ? -1 : 1; }
int ToPixel(double v) { return static_cast<int>(std::clamp(v, -kPixelBound, kPixelBound)); }

// The pointer moved so that the rectangle from the drag's start has the
// window's aspect.
TPoint KeepWindowAspect(const TRect& client, TPoint start, TPoint p)
{
    if (client.Width() <= 0 || client.Height() <= 0) return p;
    const double r = static_cast<double>(client.Height()) / client.Width();
    const int dx = p.x - start.x;
    const int dy = p.y - start.y;
    if (std::abs(dy) < std::abs(dx) * r) {
        p.y = ToPixel(start.y + (dy == 0 ? 1 : Sign(dy)) * std::abs(dx) * r);
    } else {
        p.x = ToPixel(dx == 0 ? start.x + dy / r : start.x + Sign(dx) * std::abs(dy) / r);
    }
    return p;
}

TRect Spanned(TPoint a, TPoint b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

int RectangleShape(const ViewState& view, TPoint start, int dx, int dy)
{
    if (IsSmith(view)) {
        return std::abs(dx) >= kDragThreshold || std::abs(dy) >= kDragThreshold ? kXorFrame : kXorCross;
    }
    int shape = view.DragShape == kXorMarkerFrame ? 0 : view.DragShape;
    shape = std::abs(dx) >= kDragThreshold ? shape | kXorVerticalPair : shape & ~kXorVerticalPair;
    // A drag begun in the separate phase pane chooses an X range only.
    if (SeparatePhase(view) && start.y >= view.DividerY) return shape;
    return std::abs(dy) >= kDragThreshold ? shape | kXorHorizontalPair : shape & ~kXorHorizontalPair;
}

void ZoomRectangleStep(ViewState& view, const TRect& client, TPoint p, CMouseFeedback& feedback)
{
    if (p == view.DragLast) return;
    feedback.ToggleDragFigure();
    // Whether the drag is long enough to zoom is judged by the pointer
    // itself: a short drag stretched to the window's aspect is still short.
    view.DragShape = RectangleShape(view, view.DragStart, p.x - view.DragStart.x, p.y - view.DragStart.y);
    if (IsSmith(view)) p = KeepWindowAspect(client, view.DragStart, p);
    view.DragRect = Spanned(view.DragStart, p);
    feedback.ToggleDragFigure();
    feedback.Readout(true, p);
    view.DragLast = p;
}

// Centre and scale of the Smith chart that show the rectangle in the window.
bool ZoomSmithToRect(ViewState& view, const TRect& client)
{
    if (!SmithSquareUsable(view) || client.Height() <= 0) return false;
    const TRect& r = view.DragRect;
    const TRect& square = view.SmithRect;
    const double x = ((r.left + r.right) / 2 - square.left) / (square.Width() * 0.5) - 1;
    const double y = ((r.top + r.bottom) / 2 - square.top) / (square.Height() * 0.5) - 1;
    PushScaleUndo(view);
    view.SmithX = x;
    view.SmithY = y;
    view.SmithScale = std::clamp(view.SmithScale * r.Height() / client.Height(), kSmithScaleMin, kSmithScaleMax);
    return true;
}

std::optional<AxisSpan> RectangleXSpan(const ViewState& view, const TRect& client)
{
    if (!(view.DragShape & kXorVerticalPair) || client.Width() <= 0) return std::nullopt;
    const AxisSpan span{PixelToX(view, view.DragRect.left, client.Width()),
                        PixelToX(view, view.DragRect.right, client.Width())};
    return FitLimits(span, view.HorLog);
}

std::optional<AxisSpan> RectangleYSpan(const ViewState& view, const TRect& client)
{
    if (!(view.DragShape & kXorHorizontalPair) || view.DragRect.Height() <= 0) return std::nullopt;
    if (view.PlotHeight <= 0) return std::nullopt;
    const int h = UpperPaneHeight(view, client);
    if (h <= 0) return std::nullopt;
    const GraphSettings& graph = view.Graphs[view.GraphKind];
    const double from = static_cast<double>(view.DragRect.top - view.RowHeight) / h;
    const double to = static_cast<double>(view.DragRect.bottom - view.RowHeight) / h;
    return SpanBetween({graph.Bot, graph.Top}, graph.Log, from, to);
}

bool ZoomRectangularToRect(ViewState& view, const TRect& client)
{
    const std::optional<AxisSpan> x = RectangleXSpan(view, client);
    const std::optional<AxisSpan> y = RectangleYSpan(view, client);
    if (!x && !y) return false;
    PushScaleUndo(view);
    StoreSpan(x, view.HorLeft[view.HorMode], view.HorRight[view.HorMode]);
    StoreSpan(y, Graph(view).Bot, Graph(view).Top);
    return true;
}

void ReleaseZoomRectangle(ViewState& view, const TRect& client, CMouseFeedback& feedback)
{
    feedback.ToggleDragFigure();
    if (view.DragShape == kXorMarkerFrame) view.DragShape = kXorCross;
    if (view.DragShape > 0) {
        if (IsSmith(view)) ZoomSmithToRect(view, client);
        else ZoomRectangularToRect(view, client);
    }
    feedback.Repaint();
    feedback.ScalesChanged();
}

// --- Divider and cursor ------------------------------------------------------

void DividerStep(ViewState& view, const TRect& client, int y, CMouseFeedback& feedback)
{
    if (y == view.DividerY || client.Height() <= 0) return;
    const double share = static_cast<double>(y) / client.Height();
    if (share < kDividerMin || share > kDividerMax) return;
    feedback.ToggleDividerBand();
    view.DividerY = y;
    feedback.ToggleDividerBand();
}

void ReleaseDivider(ViewState& view, const TRect& client, CMouseFeedback& feedback)
{
    feedback.ToggleDividerBand();
    if (client.Height() > 0) {
        const double share = static_cast<double>(view.DividerY) / client.Height();
        Graph(view).Divider = std::clamp(share, kDividerMin, kDividerMax);
    }
    feedback.Repaint();
}

void MoveCursorTo(ViewState& view, const TRect& client, int x, CMouseFeedback& feedback)
{
    if (client.Width() <= 0) return;
    const double value = PixelToX(view, x, client.Width());
    feedback.ToggleCursorLine();
    view.CursorPixel = x;
    view.CursorX = value;
    feedback.ToggleCursorLine();
}

bool HitsCursor(const ViewState& view, const TRect& client, TPoint p)
{
    if (IsSmith(view) || !view.TableVisible) return false;
    const int c = view.CursorPixel;
    const int W = client.Width();
    if (c - kCursorGrab < p.x && p.x < c + kCursorGrab) return true;
    if (p.y > kEdgeGrabHeight) return false;
    return (c <= kEdgeCursor && p.x <= kEdgeGrabWidth) || (c >= W - kEdgeCursor && p.x >= W - kEdgeGrabWidth);
}

// --- Presses -----------------------------------------------------------------

// A drag whose release never came (a popup or a modal box took it) ends
// without its effect; a pan keeps the scales it reached.
void EndInterruptedDrag(ViewState& view, CMouseFeedback& feedback)
{
    if (view.DragMode == kDragZoom) feedback.ToggleDragFigure();
    if (view.DragMode == kDragDivider) feedback.ToggleDividerBand();
    if (view.DragMode == kDragPan || view.DragMode == kDragPhasePan) feedback.ScalesChanged();
    view.DragMode = kDragNone;
    view.DragShape = kXorCross;
}

void StartZoomRectangle(ViewState& view, TPoint p, CMouseFeedback& feedback)
{
    view.DragMode = kDragZoom;
    view.DragShape = kXorCross;
    view.DragStart = view.DragLast = p;
    view.DragRect = {p.x, p.y, p.x, p.y};
    // The table of the last drawing is built only now that a press asks.
    EnsureMarkerRects(view);
    const int hit = view.MarkerRects.Find(p.x, p.y);
    if (hit >= 0) {
        const MarkerRect& marker = view.MarkerRects[hit];
        const int g = kMarkerFrameGrowth;
        view.DragShape = kXorMarkerFrame;
        view.DragRect = {marker.Rect.left - g, marker.Rect.top - g, marker.Rect.right + g, marker.Rect.bottom + g};
        view.CursorX = marker.X;
        if (IsSmith(view)) feedback.TrackBarToCursor();
    }
    feedback.ToggleDragFigure();
    feedback.PointerShape(p);
    feedback.Readout(true, p);
}

void StartDividerDrag(ViewState& view, TPoint p, CMouseFeedback& feedback)
{
    view.DragMode = kDragDivider;
    feedback.Readout(false, p);
    feedback.ToggleDividerBand();
}

// A pan pushes the scales at its press, also when the pointer then stays.
void StartPan(ViewState& view, TPoint p, CMouseFeedback& feedback)
{
    view.DragStart = view.DragLast = p;
    view.DragMode = SeparatePhase(view) && p.y > view.DividerY + kDividerGrab ? kDragPhasePan : kDragPan;
    feedback.PointerShape(p);
    feedback.Readout(false, p);
    PushScaleUndo(view);
}

void StartCursorDrag(ViewState& view, const TRect& client, TPoint p, CMouseFeedback& feedback)
{
    view.DragMode = kDragCursor;
    MoveCursorTo(view, client, p.x, feedback);
    feedback.PointerShape(p);
    feedback.Readout(false, p);
    feedback.CursorValuesChanged();
}

void LeftPress(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback)
{
    const TPoint p = action.pointer;
    if (SeparatePhase(view) && std::abs(p.y - view.DividerY) <= kDividerGrab) StartDividerDrag(view, p, feedback);
    else if (action.shift || (view.HandTool == 1 && !action.ctrl)) StartPan(view, p, feedback);
    else if (HitsCursor(view, client, p)) StartCursorDrag(view, client, p, feedback);
    else StartZoomRectangle(view, p, feedback);
}

void RightPress(ViewState& view, TPoint p, CMouseFeedback& feedback)
{
    if (!IsSmith(view)) return;
    view.SelectedLabel = FindLabelAt(view, p.x, p.y);
    view.MenuPoint = p;
    feedback.LabelMenu(p);
}

// --- Double click ------------------------------------------------------------

void CentreSmith(ViewState& view, TPoint p)
{
    if (!SmithSquareUsable(view)) return;
    view.SmithX = (p.x - view.SmithRect.left) / (view.SmithRect.Width() * 0.5) - 1;
    view.SmithY = (p.y - view.SmithRect.top) / (view.SmithRect.Height() * 0.5) - 1;
}

void CentreX(ViewState& view, const TRect& client, int x)
{
    if (client.Width() <= 0) return;
    const int m = XLimitsMode(view);
    const double a = PixelToX(view, x, client.Width());
    const double c = PixelToX(view, 50, 100); // the value in the middle of the axis
    const AxisSpan span{view.HorLeft[m], view.HorRight[m]};
    const AxisSpan moved = view.HorLog ? AxisSpan{span.low * a / c, span.high * a / c}
                                       : AxisSpan{span.low + a - c, span.high + a - c};
    StoreSpan(FitLimits(moved, view.HorLog), view.HorLeft[m], view.HorRight[m]);
}

void CentreUpperPane(ViewState& view, const TRect& client, int y)
{
    if (!UpperPaneFollows(view, client, y)) return;
    const int h = UpperPaneHeight(view, client);
    const double share = static_cast<double>(y - h / 2 - view.RowHeight) / h;
    GraphSettings& graph = Graph(view);
    StoreSpan(ShiftedSpan({graph.Bot, graph.Top}, graph.Log, -share), graph.Bot, graph.Top);
}

} // namespace

void ChartMousePress(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback)
{
    if (action.button == MouseButton::Right) RightPress(view, action.pointer, feedback);
    if (action.button != MouseButton::Left) return;
    if (view.DragMode != kDragNone) EndInterruptedDrag(view, feedback);
    LeftPress(view, client, action, feedback);
}

void ChartMouseMove(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback)
{
    const TPoint p = action.pointer;
    switch (view.DragMode) {
    case kDragNone:
        feedback.PointerShape(p);
        feedback.Readout(true, p);
        break;
    case kDragDivider:
        DividerStep(view, client, p.y, feedback);
        break;
    case kDragPan:
    case kDragPhasePan:
        PanStep(view, client, p, feedback);
        break;
    case kDragCursor:
        MoveCursorTo(view, client, p.x, feedback);
        feedback.CursorValuesChanged();
        break;
    case kDragZoom:
        ZoomRectangleStep(view, client, p, feedback);
        break;
    default:
        break;
    }
}

void ChartMouseRelease(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback)
{
    if (action.button != MouseButton::Left) return;
    // The drag is over before its commit repaints, so that the repaint does
    // not draw its figure again.
    const int mode = view.DragMode;
    view.DragMode = kDragNone;
    switch (mode) {
    case kDragDivider:
        ReleaseDivider(view, client, feedback);
        break;
    case kDragZoom:
        ReleaseZoomRectangle(view, client, feedback);
        break;
    case kDragPan:
    case kDragPhasePan:
        feedback.ScalesChanged();
        break;
    default:
        break;
    }
    if (view.DragShape == kXorMarkerFrame) view.DragShape = kXorCross;
    feedback.PointerShape(action.pointer);
    feedback.Readout(true, action.pointer);
}

void ChartDoubleClick(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback)
{
    if (action.button != MouseButton::Left) return;
    const TPoint p = action.pointer;
    PushScaleUndo(view);
    if (IsSmith(view)) {
        CentreSmith(view, p);
    } else {
        CentreX(view, client, p.x);
        CentreUpperPane(view, client, p.y);
    }
    feedback.ScalesChanged();
    feedback.Repaint();
}
