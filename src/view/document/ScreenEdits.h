#pragma once

#include "view/document/ChartKinds.h"

#include <array>
#include <string>

struct ViewState;

// The Screen tab of the control window without its window: what its controls
// hold, which of them the chart kind shown needs, and the way back from the
// typed texts into the view's scales.

// What the Screen tab's inputs hold.
struct ScreenControls {
    std::string z0Text;         // Z0REdit
    std::string smithXText;     // SmithXEdit "Re"
    std::string smithYText;     // SmithYEdit "Im"
    std::string smithScaleText; // SmithScaleEdit
    std::array<std::string, kHorModeCount> leftText;  // LeftNEdit, LeftFEdit, LeftTEdit
    std::array<std::string, kHorModeCount> rightText; // RightNEdit, RightFEdit, RightTEdit
    std::string topText;         // TopEdit
    std::string bottomText;      // BotEdit
    std::string phaseTopText;    // PhaseTopEdit
    std::string phaseBottomText; // PhaseBotEdit
    bool horLogChecked = false;  // HorLogCheckBox
    bool vertLogChecked = false; // VertLogCheckBox
    int phaseIndex = kPhaseOff;  // PhaseComboBox: "Off", "On", "Separate"
};

// The group box that the Z0 box sits under.
enum class Z0Place { Hidden, BelowSmith, BelowVertical, BelowPhase };

// Which parts of the Screen tab a chart kind shows.
struct ScreenLayout {
    bool smithButtons = false; // the Smith chart's zoom, reset, grid and labels buttons; else the axis buttons
    bool smithBox = false;
    std::array<bool, kHorModeCount> horBox = {}; // " Horizontal (N)", "(MHz)", "(s)"
    bool vertBox = false;
    bool vertLog = false;
    bool phaseBox = false;
    Z0Place z0 = Z0Place::Hidden;
};

ScreenLayout ScreenLayoutFor(int graphKind, int horMode);

// The view's numbers as the controls show them, each with 12 significant
// digits. All three horizontal pairs are written, whatever HorMode is.
ScreenControls ScreenValuesFromView(const ViewState& view);

// Checks the fields the kind shown uses, in order, and stores each step that
// passes; the first refusal shows its warning (empty caption) and ends the
// apply, keeping what earlier steps stored. The scales are pushed onto the
// undo stack first, also when a step refuses. A field that is not a finite
// number is refused with its prefix, and so is a Smith scale outside
// [0.01, 20], which no other way of zooming can reach. A refusal never leaves
// a logarithmic axis with a bottom of 0 or less: its log flag is cleared.
// False when a step refused.
bool ApplyScreenEdits(const ScreenControls& controls, ViewState& view);

// The phase mode of the kind shown, after pushing the scales onto the undo
// stack; the other fields are not read.
void ApplyPhaseMode(int phaseIndex, ViewState& view);
