#include "tools/MatchTransitions.h"

#include "model/Correction.h"
#include "model/Data.h"
#include "model/Gamma.h"
#include "tools/MatchPoints.h"

#include <limits>

namespace {

struct GammaPoint {
    double re = 0;
    double im = 0;
};

// Reads a point, its time and its reflection coefficient; false for a point
// that is not there or whose Gamma cannot be computed.
class GammaReader {
public:
    GammaReader(CData& data, double z0Re, double z0Im) : data_(data), z0Re_(z0Re), z0Im_(z0Im) {}

    bool Read(int index, GammaPoint& gamma, double* time = nullptr) const
    {
        double f = 0, R = 0, X = 0, t = 0;
        if (!data_.GetPoint(index, f, R, X, t)) return false;
        if (!GammaFromZ(R, X, z0Re_, z0Im_, gamma.re, gamma.im)) return false;
        if (time) *time = t;
        return true;
    }
    bool FromZ(double R, double X, GammaPoint& gamma) const { return GammaFromZ(R, X, z0Re_, z0Im_, gamma.re, gamma.im); }
    // Squared distance of point index from g; +inf when it cannot be read.
    double Distance(int index, const GammaPoint& g) const
    {
        GammaPoint p;
        if (!Read(index, p)) return std::numeric_limits<double>::infinity();
        return SquaredDistance(p.re, p.im, g.re, g.im);
    }
    int Count() const { return data_.Count(); }

private:
    CData& data_;
    double z0Re_;
    double z0Im_;
};

int NearestPoint(const GammaReader& reader, const GammaPoint& g)
{
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < reader.Count(); ++i) {
        const double d = reader.Distance(i, g);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

// Each extreme's Gamma and the index of the trace point nearest to it.
void LocateExtremes(CData& data, const GammaReader& reader)
{
    for (int k = kRMin; k <= kXMax; ++k) {
        MatchPoint& slot = data.MatchPoints[k];
        slot.index = -1;
        GammaPoint g;
        if (!MatchSlotShown(slot) || !reader.FromZ(slot.R, slot.X, g)) continue;
        slot.GammaRe = g.re;
        slot.GammaIm = g.im;
        slot.index = NearestPoint(reader, g);
    }
}

// Orders the located extremes by index (the lower slot first of equal
// indices) into the from fields of the transitions; returns how many.
int BuildChain(CData& data)
{
    MatchPoint* slots = data.MatchPoints;
    for (int k = kRMin; k <= kXMax; ++k) slots[k].flag = slots[k].index >= 0;
    int n = 0;
    for (; n < kTransitionCount; ++n) {
        int taken = -1;
        for (int k = kRMin; k <= kXMax; ++k) {
            if (slots[k].flag && (taken < 0 || slots[k].index < slots[taken].index)) taken = k;
        }
        if (taken < 0) break;
        data.Transitions[n].from = taken;
        if (n > 0) data.Transitions[n - 1].to = taken;
        slots[taken].flag = 0;
    }
    return n;
}

// The last point still inside the circle around the start match point.
int TransitionStart(const GammaReader& reader, int start, int limit, const GammaPoint& g, double tol2)
{
    if (!(reader.Distance(start, g) < tol2)) return start;
    while (start < limit && reader.Distance(start + 1, g) < tol2) ++start;
    return start;
}

// The first point that reaches the circle around the end match point;
// limit + 1 when none does.
int TransitionEnd(const GammaReader& reader, int start, int limit, const GammaPoint& g, double tol2)
{
    for (int end = start; end <= limit; ++end) {
        if (reader.Distance(end, g) <= tol2) return end;
    }
    return limit + 1;
}

GammaPoint SlotGamma(const MatchPoint& slot) { return {slot.GammaRe, slot.GammaIm}; }

void TimeTransition(CData& data, const GammaReader& reader, int j, int n, double tol2)
{
    MatchTransition& tr = data.Transitions[j];
    const MatchPoint& from = data.MatchPoints[tr.from];
    const MatchPoint& to = data.MatchPoints[tr.to];
    GammaPoint g;
    if (!reader.Read(from.index, g)) return;
    const int limit = j == n - 1 ? data.Count() - 1 : to.index;
    const int start = TransitionStart(reader, from.index, limit, SlotGamma(from), tol2);
    const int end = TransitionEnd(reader, start, limit, SlotGamma(to), tol2);
    if (start >= end) {
        tr.t = 0;
        return;
    }
    double tStart = 0, tEnd = 0;
    if (!reader.Read(start, g, &tStart) || !reader.Read(end, g, &tEnd)) return;
    tr.t = tEnd - tStart;
    tr.fromp = start;
    tr.top = end;
}

} // namespace

void ClearTransitionSlots(CData& data)
{
    for (MatchTransition& tr : data.Transitions) {
        tr.from = -1;
        tr.to = -1;
        tr.t = 0;
    }
}

void FindTransitions(CData& data, double z0Re, double z0Im, double tolerance)
{
    ClearTransitionSlots(data);
    const GammaReader reader(data, z0Re, z0Im);
    LocateExtremes(data, reader);
    const int n = BuildChain(data);
    if (n < 1) return;
    data.Transitions[n - 1].to = data.Transitions[0].from;
    const double tol2 = tolerance * tolerance;
    for (int j = 0; j < n; ++j) {
        if (data.Transitions[j].from < 0 || data.Transitions[j].to < 0) break;
        TimeTransition(data, reader, j, n, tol2);
    }
}
