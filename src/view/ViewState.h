#pragma once

#include "model/DisplayTransform.h"
#include "model/Trace.h"
#include "view/ChartKinds.h"
#include "view/GraphSettings.h"
#include "view/Label.h"
#include "view/MarkerRects.h"
#include "view/PixelTypes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

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

// Everything a document window knows about its document and how it shows it,
// without any of its controls: the traces, the scales of every chart kind,
// Z0, the Smith chart's pan, zoom and grid, the cursor, the labels, the undo
// stack, the display offset and rotation, and the document's names and flags.
// The document window is built on it; the drawing, the interaction and the
// document file read and write these fields. The traces are read through the
// display transform held here.
struct ViewState : public CDisplayTransformSource {
    ViewState();
    ViewState(const ViewState&) = delete;
    ViewState& operator=(const ViewState&) = delete;
    ~ViewState();

    DisplayTransform CurrentDisplayTransform() const override;

    double HarmonicFrequency = 13.56; // MHz, the one frequency of a time record
    std::string DocumentName;         // caption, close question, Save As title
    std::string FileName;             // where File Save writes; empty for a new window or after an import
    bool HasVipTraces = false;
    bool TableVisible = false;        // the cursor table under the charts
    double Z0Re = 50;                 // ohm, the reference of every Gamma, VSWR and Smith chart
    double Z0Im = 0;
    std::array<double, kHorModeCount> HorLeft = {1.0, 1.0, 1.0};
    std::array<double, kHorModeCount> HorRight = {100.0, 100.0, 100.0};
    bool HorLog = false;              // only ever set while HorMode is kHorF
    int HorMode = kHorF;
    double SmithX = 0;                // the middle of the chart shows Gamma = SmithX - j SmithY
    double SmithY = 0;
    double SmithScale = 1.0;          // zoom divisor
    int SmithGrid = 0;                // grid mode 0..3
    TRect SmithRect;                  // the Smith chart's square, written while drawing
    std::array<double, 6> DrawnExtents = {}; // see DrawnExtentIndex
    std::array<GraphSettings, kGraphKindCount> Graphs = DefaultGraphSettings();
    int GraphKind = kGraphData;
    CTraces Traces;
    bool ShowLine = true;
    bool ShowDataPoints = true;
    int TraceMode = 1; // 0 selected only, 1 selected in colour and the others dimmed, 2 all in colour
    bool ShowMatchNumbers = true;
    bool ShowMatchTime = false;
    bool MatchSmoothing = false;
    double CursorX = 0;   // in X units; the middle of the frequency range at first
    int CursorPixel = 0;  // chart geometry cached by the drawing
    int RowHeight = 0;
    int PlotHeight = 0;
    int DividerY = 0;
    int HandTool = 0;     // 0 selection, 1 scrolling hand
    bool IgnoreNextPress = false;
    int DragMode = 0;
    bool DataEditPending = false;
    bool TrackBarGuard = false;
    bool Busy = false;    // a measurement run is filling this window
    TPoint DragLast;
    TPoint DragStart;
    TRect DragRect;
    int DragShape = 0;
    MarkerRectTable MarkerRects;
    std::array<ScaleState, kScaleUndoDepth> ScaleUndo = {};
    int ScaleUndoCount = 0;
    bool Modified = false;
    std::vector<std::unique_ptr<CLabel>> Labels; // in creation order
    int SelectedLabel = -1;
    bool ShowLabels = true;
    TPoint MenuPoint;
    bool OffsetUse = false;
    double OffsetR = 0;   // ohm, subtracted from every point read for display
    double OffsetX = 0;
    bool RotateUse = false;
    double RotateAngle = 0; // degrees
};
