#pragma once

#include "view/document/ChartKinds.h"

#include <array>

// The scales of one chart kind of a document window.
struct GraphSettings {
    int Kind = kGraphData;
    bool Visible = true; // has a tab in the window and a check mark in the control window
    double Top = 100;    // upper pane's Y axis
    double Bot = -100;
    int Phase = kPhaseOff;
    double Divider = 0.6; // share of the plot height of the upper pane when the phase pane is separate
    double PhTop = 360;   // phase axis, degrees
    double PhBot = -360;
    bool Log = false;     // the upper pane's Y axis is logarithmic
};

// The settings a new document window gives each kind: every kind is shown but
// the two that need V, I and phase; the magnitude charts and V/I/phase draw
// their phase in a pane of its own.
std::array<GraphSettings, kGraphKindCount> DefaultGraphSettings();
