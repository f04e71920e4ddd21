#pragma once

#include "view/document/ChartKinds.h"
#include "view/document/DocumentState.h"
#include "view/document/MarkerRects.h"
#include "view/document/PixelTypes.h"
#include "view/document/TableHeight.h"

#include <array>

// One entry of a window's undo stack of scales: what a scale command may
// change on the chart kind shown.
struct ScaleState {
    int HorMode = kHorF;
    double Left = 0;  // X limits of that HorMode
    double Right = 0;
    double Top = 0;   // of the current kind's GraphSettings
    double Bot = 0;
    double PhTop = 0;
    double PhBot = 0;
    double SmithX = 0;
    double SmithY = 0;
    double SmithScale = 1;
    bool HorLog = false;
    bool Log = false;
    int Phase = kPhaseOff;
};

constexpr int kScaleUndoDepth = 20;

// Indices into ViewState::DrawnExtents.
enum DrawnExtentIndex {
    kExtentMaxRe = 0,
    kExtentMinRe = 1,
    kExtentMaxIm = 2,
    kExtentMinIm = 3,
    kExtentMinX = 4,
    kExtentMaxX = 5,
};

// A document as its window shows it: the document state, plus what the
// drawing caches (the Smith square, the drawn extents, the pane geometry, the
// table of point markers), the state of a drag under way, the undo stack of
// scales, the label picked by a menu and the flags of the tools window. The
// document window is built on it; the drawing and the interaction read and
// write these fields.
struct ViewState : public DocumentState {
    TRect SmithRect;                  // the Smith chart's square, written while drawing
    std::array<double, 6> DrawnExtents = {}; // see DrawnExtentIndex
    bool ShowMatchNumbers = true;
    bool ShowMatchTime = false;
    bool MatchSmoothing = false;
    int CursorPixel = 0;  // chart geometry cached by the drawing
    int RowHeight = 0;
    int PlotHeight = 0;
    int DividerY = 0;
    int TableHeight = kDefaultTableHeight; // the cursor table's, as the user left it
    int HandTool = 0;     // 0 selection, 1 scrolling hand
    bool IgnoreNextPress = false;
    int DragMode = 0;
    bool DataEditPending = false;
    bool TrackBarGuard = false;
    bool Busy = false;    // a measurement run is filling this window; see RunInProgress.h
    TPoint DragLast;
    TPoint DragStart;
    TRect DragRect;
    int DragShape = 0;
    MarkerRectTable MarkerRects;
    std::array<ScaleState, kScaleUndoDepth> ScaleUndo = {};
    int ScaleUndoCount = 0;
    int SelectedLabel = -1;
    TPoint MenuPoint;
};
