#pragma once

#include "model/Color.h"
#include "model/Data.h"

#include <memory>
#include <string>

class CTraces;

// The short, open and load standards measured beforehand over the frequency
// range, read from the correction file.
extern CData ShortStandard;
extern CData OpenStandard;
extern CData LoadStandard;
// The resistance of the load standard, taken from its trace's name.
extern double LoadStandardValue;

// The traces of the reference file that the charts can overlay; null until
// the first successful load.
extern std::unique_ptr<CTraces> ReferenceTraces;

// Fills the standards from the correction file in the program's folder and
// sets the short, open and z flags of the run settings; the caller shows
// them on the Run tab. On failure nothing
// changes and a warning is shown when interactive or when the alarm is on.
void LoadCorrection(bool interactive);

// The correction and reference files a name of the settings stands for: an
// absolute path as it stands, any other name in the program's folder, for
// both alike (not the folder the program happened to be started from).
std::string CorrectionFilePath(const std::string& name);
std::string ReferenceFilePath(const std::string& name);
// What the settings keep of a chosen correction file: its bare name when it
// lies in the program's folder (as stored names have always been), else its
// full path, so that a file chosen elsewhere is found again at the next start.
std::string CorrectionNameForFile(const std::string& path, const std::string& programFolder);

// The impedance R + jX measured at f (MHz), corrected with the standards the
// run settings choose.
void ApplyCorrection(double& correctedR, double& correctedX, double f, double R, double X);

// Replaces the reference traces by those of the reference file (found as
// ReferenceFilePath says).
void LoadReference(bool interactive);

// (x2 - x1)^2 + (y2 - y1)^2, or 0 when that is not a number.
double SquaredDistance(double x1, double y1, double x2, double y2);

// Item i of n on a colour ramp from blue through cyan, green, yellow and red
// to magenta.
TColor RainbowColor(int i, int n);

// A trace name that names a load standard: it begins with a plain decimal
// number greater than 0 ("50", "49.9 ohm"); the number goes to *resistance.
bool LoadStandardResistance(const std::string& name, double* resistance);
