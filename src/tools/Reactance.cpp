#include "tools/Reactance.h"

#include "model/Data.h"
#include "view/document/ChartKinds.h"

#include <cmath>

namespace {

bool IsGap(double value) { return std::fabs(value) > kNoValueThreshold; }

struct ReactancePoint {
    double f = 0;
    double x = 0; // in the units of the horizontal mode
    double X = 0;
};

bool Crosses(double previous, double current) { return (previous > 0 && current < 0) || (previous < 0 && current > 0); }

Resonance Between(const ReactancePoint& a, const ReactancePoint& b)
{
    const double u = -a.X / (b.X - a.X);
    return {(b.f - a.f) * u + a.f, (b.x - a.x) * u + a.x};
}

} // namespace

void InverseX(CData& data)
{
    for (int i = 0; i < data.Count(); ++i) {
        PointRecord* record = data.GetRecord(i);
        if (!IsGap(record->X)) record->X = -record->X;
    }
}

std::optional<Resonance> FindResonance(CData& data, int horMode)
{
    std::optional<ReactancePoint> previous;
    for (int i = 0; i < data.Count(); ++i) {
        ReactancePoint p;
        double R = 0, t = 0;
        if (!data.GetPoint(i, p.f, R, p.X, t) || IsGap(R) || IsGap(p.X)) continue;
        data.GetPointX(horMode, i, p.x);
        if (p.X == 0) return Resonance{p.f, p.x};
        if (previous && Crosses(previous->X, p.X)) return Between(*previous, p);
        previous = p;
    }
    return std::nullopt;
}

std::optional<double> FrequencyAtCursor(CData& data, int horMode, double cursorX)
{
    if (horMode == kHorF) return cursorX;
    const int index = data.FindIndex(horMode, cursorX);
    double f = 0;
    if (!data.GetPointX(kHorF, index, f)) return std::nullopt;
    return f;
}
