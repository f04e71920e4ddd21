#pragma once

#include "view/document/PixelTypes.h"

struct ViewState;

// One mouse event over a chart: the pointer in chart pixels, the button
// (press, release and double click) and the modifier keys.
enum class MouseButton { Left, Right, Middle };

struct MouseAction {
    TPoint pointer;
    MouseButton button = MouseButton::Left;
    bool shift = false;
    bool ctrl = false;
};

// The running drag (ViewState::DragMode).
enum DragModes {
    kDragNone = 0,
    kDragZoom = 1,
    kDragCursor = 4,
    kDragPan = 5,      // the Smith chart or the upper pane
    kDragDivider = 6,
    kDragPhasePan = 7, // the separate phase pane
};

// What the drags ask of the window around them, in the order they need it.
// The three figures are drawn in XOR or by inversion over the painted chart,
// so that drawing one again erases it.
class CMouseFeedback {
public:
    // DrawXorCursor with DragShape, DragRect and DragStart.
    virtual void ToggleDragFigure() = 0;
    // The cursor line at CursorPixel.
    virtual void ToggleCursorLine() = 0;
    // The band around DividerY.
    virtual void ToggleDividerBand() = 0;
    // The whole chart drawn again from the view.
    virtual void Repaint() = 0;
    // The scales were changed: the control window shows them.
    virtual void ScalesChanged() = 0;
    // The status bar readout at the point, or emptied (show false).
    virtual void Readout(bool show, TPoint pointer) = 0;
    // The pointer's shape for the point.
    virtual void PointerShape(TPoint pointer) = 0;
    // The cursor table's values after CursorX moved.
    virtual void CursorValuesChanged() = 0;
    // The Smith chart's track bar to CursorX, without its change handler
    // moving the cursor back to a step of the bar.
    virtual void TrackBarToCursor() = 0;
    // The label menu at the point; SelectedLabel and MenuPoint are set.
    virtual void LabelMenu(TPoint pointer) = 0;

protected:
    ~CMouseFeedback() = default;
};

// The drag state machine of a chart over the view state; `client` is the
// chart rectangle (from (0, 0)), whose width and height are W and H.
//
// A left press starts, by the first rule that applies: a divider drag (on
// the divider of a separate phase pane, within 2 rows); a pan (Shift, or the
// hand tool without Ctrl), of the phase pane when it begins below the
// divider, which pushes the scales on the undo stack at once; a cursor drag
// (on a rectangular chart with the cursor table shown, within 7 columns of
// the cursor or in the grab zone at the top of an edge where the cursor sits
// beyond the chart), which moves the cursor to the press; otherwise a zoom
// rectangle, framing the data point under the press when there is one, whose
// x then becomes the cursor. A press while a drag runs (its release was
// lost to a popup or a modal box) first ends that drag without its effect.
// A right press on the Smith chart opens the label menu; other right presses
// and middle presses do nothing.
//
// Moves: without a drag the pointer shape and readout follow the pointer;
// the divider follows within 20 % to 80 % of the height; the cursor follows
// the pointer, also beyond the chart; a pan moves the scales by the pointer's
// step and repaints; the zoom rectangle chooses the X range, the Y range or
// both once it spans 8 pixels (a drag begun in the phase pane chooses X
// only), and keeps the window's aspect on the Smith chart.
//
// The left release ends the drag: the divider's place is stored as a share of
// the height within [0.2, 0.8]; a zoom rectangle that chose a range pushes
// the scales and zooms to it. An axis whose pane or square has no height or
// width, whose logarithmic limits are not positive, or whose new limits
// would leave the bounds of an axis (|x| < 1e20, above 1e-20 on a
// logarithmic axis, a span above 1e-12 of the limits) keeps its limits, and
// a zoom that changes no axis pushes nothing.
void ChartMousePress(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback);
void ChartMouseMove(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback);
void ChartMouseRelease(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback);

// A left double click centres the chart on the pointer (the Smith chart's
// scale stays; a rectangular chart moves X and the Y range of the pane
// under the pointer), after pushing the scales. Qt delivers it in place of
// the second press, so no press needs to be dropped after it.
void ChartDoubleClick(ViewState& view, const TRect& client, const MouseAction& action, CMouseFeedback& feedback);
