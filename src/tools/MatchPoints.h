#pragma once

#include <array>
#include <optional>
#include <string>

class CData;
struct MatchPoint;

// The five match slots of a trace: the points of least R, least X, greatest
// R and greatest X as displayed, and their centre. The slots live in the
// trace's point store; these functions fill and read them.

// Sets the key value of every slot to its empty value (1e99 for the minima
// and the centre, -1e99 for the maxima); the other fields stay.
void ResetMatchSlots(CData& data);

// Whether a slot holds a value to show: R and X both within +-1e90.
bool MatchSlotShown(const MatchPoint& slot);

// The centre becomes the mean of the four extremes when all four are set;
// otherwise it keeps its values.
void UpdateMatchCentre(CData& data);

// Empties the slots, then takes every point read with the display transform
// (skipping gaps, R or X above 1e90, and points with R = X = 0) into the
// extremes by strict comparison, so the first of equal extremes wins; then
// the centre. Indices are left alone.
void FindMatchPoints(CData& data);

// Puts R and X into the slot of grid row `row` (1 to 4 are the extremes);
// false, with nothing changed, for any other row.
bool SetMatchSlot(CData& data, int row, double R, double X);

// The displayed R and X of the point at the frequency cursor (the last
// point at or left of cursorX in the units of horMode); false when the
// cursor lies outside the trace or the point is a gap.
bool MatchPointAtCursor(CData& data, int horMode, double cursorX, double& R, double& X);

// The R and X cells of grid rows 1 to 4 as the user left them.
struct MatchCells {
    std::array<std::string, 4> R;
    std::array<std::string, 4> X;
};

// Empties the slots and reads the non-empty cells row by row into the
// extremes, then the centre. A cell that is not a number ends the reading
// there and its parse message is returned: the slots keep what was read
// before it and the centre is not recomputed.
std::optional<std::string> AcceptMatchCells(CData& data, const MatchCells& cells);
