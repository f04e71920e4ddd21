#pragma once

#include "model/RunSettings.h"

#include <string>

// The Run tab without its window: what its controls hold and show.
struct RunControls {
    std::string fromText;     // RunFromEdit, MHz, SI prefixes allowed
    std::string toText;       // RunToEdit
    std::string samplesText;  // RunSamplesEdit
    std::string averageText;  // RunAverageEdit
    int logLinIndex = 0;      // RunLogLinComboBox: 0 "Log", 1 "Lin"
    bool sweepChecked = true; // RunSweepRadioButton
    bool oneFrequencyChecked = false; // Run1freqRadioButton
    bool correctionChecked = false;   // RunCorrectionCheckBox
    bool shortChecked = false;        // RunCorrectionShortCheckBox
    bool openChecked = false;         // RunCorrectionOpenCheckBox
    bool zChecked = false;            // RunCorrectionZCheckBox
    bool shortEnabled = false;
    bool openEnabled = false;
    bool zEnabled = false;

    // Shown only, never read back.
    std::string fromLabel = "From (MHz)"; // RunFromLabel
    std::string zCaption = "Z";           // RunCorrectionZCheckBox
    bool sweepControlsVisible = true;     // RunToEdit, RunToLabel, RunLogLinComboBox, RunScaleLabel
};

// Which correction standards hold at least one point, and the load
// standard's resistance in ohm.
struct LoadedStandards {
    bool hasShort = false;
    bool hasOpen = false;
    bool hasLoad = false;
    double loadValue = 50;
};

// What the controls show for the stored settings.
RunControls RunSettingsToControls(const RunSettings& settings, const LoadedStandards& standards);

// Checks the controls field by field and stores each field that passes.
// At the first failing field it shows its warning (empty caption), stores
// nothing more and returns false. A From or To that is not a finite number
// is refused like text that is no number: no command could carry it.
bool ApplyRunControls(const RunControls& controls, RunSettings& settings);
