#pragma once

#include <string>

class CTraces;
struct ProgramSettings;

// Splitting time-recorded traces with V, I and phase into one trace per
// burst of activity. A burst starts at the first point whose power
// V * I * cos(phase) (or whose voltage) reaches the threshold, and ends at the
// first point below the threshold once the value has stayed below it for the
// stop time; it takes with it the point just before the threshold was
// reached. Its points are timed from its first point.

struct BurstParameters {
    int type = 0;          // 0 power in W, 1 voltage in V
    double threshold = 0;
    double stopTime = 0;   // s
    bool keepOriginal = true;
};

BurstParameters BurstParametersFrom(const ProgramSettings& settings);

// Splits every selected trace that has both time stamps and V/I/phase; other
// traces are passed over. The bursts of a trace follow it in the list, named
// after it with " (1)", " (2)", ...; they are neither selected nor coloured
// like their source. Their points are copies of the stored points (not the
// displayed ones), so the window's offset and rotation still apply once. The
// source is deleted unless it is to be kept, also when it had no burst.
// Returns the number of traces made. When a trace cannot be made, the split
// of that source ends with the bursts made so far.
int SplitIntoBursts(CTraces& traces, const BurstParameters& parameters);

// The burst dialog without its window: what its controls hold.
struct BurstDialogControls {
    int typeIndex = 0;          // ThrRadioGroup: "Power", "Voltage"
    std::string thresholdText;  // ThrEdit
    std::string stopTimeText;   // ThrTimeEdit "Stop after, s"
    bool keepChecked = true;    // ThrKeepCheckBox
};

// "Threshold, V" for the voltage, "Threshold, W" otherwise.
std::string ThresholdCaption(int typeIndex);

// The controls from the settings, the numbers with 6 significant digits.
BurstDialogControls BurstDialogFromSettings(const ProgramSettings& settings);

// Type and keep flag, then the threshold, then the stop time into the
// settings. A field that is not a number shows "Threshold:\n" or
// "Stop after:\n" with the reason (empty caption), resets that setting to 0
// and gives false: the dialog is cancelled.
bool ApplyBurstDialog(const BurstDialogControls& controls, ProgramSettings& settings);
