#include "view/DataGridText.h"

#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/Trace.h"

#include <cmath>
#include <cstdio>

namespace {

std::string FixedTwoDecimals(double seconds)
{
    if (!std::isfinite(seconds)) return {};
    std::vector<char> text(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.2f", seconds)) + 1);
    std::snprintf(text.data(), text.size(), "%.2f", seconds);
    return text.data();
}

} // namespace

std::vector<std::string> DataGridHeader(bool time, bool vip)
{
    std::vector<std::string> header = {"N", "f(MHz)", "R", "X"};
    if (time) header.push_back("t(s)");
    if (vip) header.insert(header.end(), {"V", "I", "Phase"});
    return header;
}

std::string DataGridCell(CTrace& trace, int row, int column)
{
    double f = 0, R = 0, X = 0, t = 0, V = 0, I = 0, phase = 0;
    if (!trace.Data.GetPoint(row, f, R, X, t, &V, &I, &phase)) return {};
    if (column == 0) return std::to_string(row + 1);
    const double values[] = {f, R, X};
    if (column <= 3) return FormatEng(Settings.TableDataDigits, values[column - 1]);
    int next = 4;
    if (trace.Time && column == next++) return FixedTwoDecimals(t);
    if (!trace.Vip) return {};
    const double vip[] = {V, I, phase};
    const int index = column - next;
    if (index < 0 || index > 2) return {};
    return FormatEng(Settings.TableDataDigits, vip[index]);
}
