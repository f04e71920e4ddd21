#pragma once

#include <string>
#include <vector>

class CTrace;

// The point list of the "Data" view as text: the column headers for a
// trace's flags, and the text of each cell.

// "N", "f(MHz)", "R", "X", then "t(s)" for a trace with time stamps, then
// "V", "I", "Phase" for a trace with V, I and phase.
std::vector<std::string> DataGridHeader(bool time, bool vip);

// The text of point `row` (from 0) in a column: its number from 1; f, R and
// X as displayed, V, I and phase, each with Settings.TableDataDigits digits; t in
// seconds with two decimals (empty when it is not a number). Empty for a
// point the trace does not have.
std::string DataGridCell(CTrace& trace, int row, int column);
