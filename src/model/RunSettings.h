#pragma once

class CXMLNode;

// What the next measurement run does. One program-wide instance,
// CurrentRunSettings, is stored in the settings file as the element "Run".
struct RunSettings {
    double from = 10;        // MHz; the frequency in one-frequency mode
    double to = 20;          // MHz; sweep mode only
    int samples = 20;        // number of points
    int average = 1;         // measurements per point; 1 selects the device sweep
    int loglin = 0;          // spacing: 0 Log, 1 Lin
    int mode = 0;            // 0 Sweep, 1 one frequency
    bool correction = false; // apply the correction to each point
    bool useShort = false;   // which standards the correction uses
    bool useOpen = false;
    bool useZ = false;
};

enum RunMode { kRunSweep = 0, kRunOneFrequency = 1 };
enum RunSpacing { kSpacingLog = 0, kSpacingLin = 1 };

extern RunSettings CurrentRunSettings;

// Two-way exchange with the "Run" element ("from", "to", "samples",
// "average", "loglin", "mode", "correction", "short", "open", "z"); reading
// keeps the current value of anything missing. Does nothing for a null
// element.
void ExchangeRunSettings(CXMLNode* element, RunSettings& settings);
