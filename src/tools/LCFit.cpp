#include "tools/LCFit.h"

#include "model/Data.h"
#include "view/document/ChartKinds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::optional<LCColumn> LCColumnAt(CData& data, double fMHz, bool logarithmic)
{
    LCColumn column;
    if (!data.InterpolateAt(kHorF, logarithmic, fMHz, column.R, column.X)) return std::nullopt;
    const double m2 = column.R * column.R + column.X * column.X;
    if (column.R != 0) column.Rpar = m2 / column.R;
    if (column.X != 0) column.Xpar = m2 / column.X;
    return column;
}

LCFitResult FitSeriesLC(double f1, double X1, double f2, double X2)
{
    LCFitResult result;
    if (!(f1 > 0 && f2 > 0)) return result;
    if (std::fabs(f1 - f2) <= 1e-12 * std::min(f1, f2)) return result;
    const double k = 0.5 * std::numbers::inv_pi;
    result.LnH = (f1 * X1 - f2 * X2) / (f1 * f1 - f2 * f2) * k * 1000;
    const double D = X1 * f2 - X2 * f1;
    if (D == 0) return result;
    const double C = (f1 * f1 - f2 * f2) / f1 / f2 / D * k * 1e6;
    if (std::isfinite(C)) result.CpF = C;
    return result;
}
