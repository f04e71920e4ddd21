#pragma once

#include <optional>

class CData;

// The LC tab: the impedance of a trace at two frequencies and the series
// inductance and capacitance that give both reactances,
// X = 2 pi f L - 1 / (2 pi f C), with f in MHz, L in nH and C in pF.

// R and X at one frequency and their parallel equivalents; a parallel value
// is absent where it would divide by zero.
struct LCColumn {
    double R = 0;
    double X = 0;
    std::optional<double> Rpar;
    std::optional<double> Xpar;
};

// The point of a column at fMHz, interpolated on frequency (in log
// frequency when logarithmic); absent when fMHz lies outside the trace.
std::optional<LCColumn> LCColumnAt(CData& data, double fMHz, bool logarithmic);

struct LCFitResult {
    std::optional<double> LnH;
    std::optional<double> CpF;
};

// Nothing for frequencies that are not both positive or that are the same
// (within 1e-12 relative); no C when the pair is singular or C is not finite.
LCFitResult FitSeriesLC(double f1, double X1, double f2, double X2);
