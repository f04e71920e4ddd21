#include "tools/MatchPoints.h"

#include "model/Data.h"
#include "model/Exception.h"
#include "model/NumberText.h"

namespace {

bool IsSet(double value) { return value > -kNoValueThreshold && value < kNoValueThreshold; }

void Take(MatchPoint& slot, double R, double X)
{
    slot.R = R;
    slot.X = X;
}

// The point fills every extreme it beats.
void TakeExtremes(MatchPoint* slots, double R, double X)
{
    if (R < slots[kRMin].R) Take(slots[kRMin], R, X);
    if (X < slots[kXMin].X) Take(slots[kXMin], R, X);
    if (R > slots[kRMax].R) Take(slots[kRMax], R, X);
    if (X > slots[kXMax].X) Take(slots[kXMax], R, X);
}

} // namespace

void ResetMatchSlots(CData& data)
{
    MatchPoint* slots = data.MatchPoints;
    slots[kRMin].R = kNoValue;
    slots[kXMin].X = kNoValue;
    slots[kRMax].R = -kNoValue;
    slots[kXMax].X = -kNoValue;
    slots[kCenter].R = kNoValue;
    slots[kCenter].X = kNoValue;
}

bool MatchSlotShown(const MatchPoint& slot) { return IsSet(slot.R) && IsSet(slot.X); }

void UpdateMatchCentre(CData& data)
{
    MatchPoint* slots = data.MatchPoints;
    if (!(slots[kRMin].R < kNoValueThreshold && slots[kXMin].X < kNoValueThreshold &&
          slots[kRMax].R > -kNoValueThreshold && slots[kXMax].X > -kNoValueThreshold))
        return;
    double sumR = 0;
    double sumX = 0;
    for (int k = kRMin; k <= kXMax; ++k) {
        sumR += slots[k].R;
        sumX += slots[k].X;
    }
    slots[kCenter].R = sumR * 0.25;
    slots[kCenter].X = sumX * 0.25;
}

void FindMatchPoints(CData& data)
{
    ResetMatchSlots(data);
    for (int i = 0; i < data.Count(); ++i) {
        double f = 0, R = 0, X = 0, t = 0;
        if (!data.GetPoint(i, f, R, X, t)) continue;
        if (R > kNoValueThreshold || X > kNoValueThreshold) continue;
        if (R == 0 && X == 0) continue;
        TakeExtremes(data.MatchPoints, R, X);
    }
    UpdateMatchCentre(data);
}

bool SetMatchSlot(CData& data, int row, double R, double X)
{
    if (row < 1 || row > 4) return false;
    data.MatchPoints[row - 1].R = R;
    data.MatchPoints[row - 1].X = X;
    return true;
}

bool MatchPointAtCursor(CData& data, int horMode, double cursorX, double& R, double& X)
{
    const int index = data.FindIndex(horMode, cursorX);
    double f = 0, t = 0;
    if (!data.GetPoint(index, f, R, X, t)) return false;
    return R <= kNoValueThreshold && X <= kNoValueThreshold;
}

std::optional<std::string> AcceptMatchCells(CData& data, const MatchCells& cells)
{
    ResetMatchSlots(data);
    try {
        for (int k = 0; k < 4; ++k) {
            if (!cells.R[k].empty()) data.MatchPoints[k].R = ParseValue(cells.R[k]);
            if (!cells.X[k].empty()) data.MatchPoints[k].X = ParseValue(cells.X[k]);
        }
    } catch (const Exception& error) {
        return error.Message();
    }
    UpdateMatchCentre(data);
    return std::nullopt;
}
