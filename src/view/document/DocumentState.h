#pragma once

#include "model/DisplayTransform.h"
#include "model/Trace.h"
#include "view/document/ChartKinds.h"
#include "view/document/GraphSettings.h"
#include "view/document/Label.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// What a document is, apart from the window that shows it: its traces and
// labels, the scales of every chart kind, Z0, the Smith chart's pan, zoom and
// grid, the cursor, the display offset and rotation, and the document's names
// and flags. This is what a document file keeps. The traces are read through
// the display transform held here.
struct DocumentState : public CDisplayTransformSource {
    DocumentState();
    DocumentState(const DocumentState&) = delete;
    DocumentState& operator=(const DocumentState&) = delete;
    ~DocumentState();

    DisplayTransform CurrentDisplayTransform() const override;

    double HarmonicFrequency = 13.56; // MHz, the one frequency of a time record
    std::string DocumentName;         // caption, close question, Save As title
    std::string FileName;             // where File Save writes; empty for a new window or after an import
    bool Modified = false;
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
    std::array<GraphSettings, kGraphKindCount> Graphs = DefaultGraphSettings();
    int GraphKind = kGraphData;
    CTraces Traces;
    bool ShowLine = true;
    bool ShowDataPoints = true;
    int TraceMode = 1; // 0 selected only, 1 selected in colour and the others dimmed, 2 all in colour
    double CursorX = 0; // in X units; the middle of the frequency range at first
    std::vector<std::unique_ptr<CLabel>> Labels; // in creation order
    bool ShowLabels = true;
    bool OffsetUse = false;
    double OffsetR = 0;   // ohm, subtracted from every point read for display
    double OffsetX = 0;
    bool RotateUse = false;
    double RotateAngle = 0; // degrees
};
