#include "view/SmithMatches.h"

#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/Canvas.h"
#include "view/CurvePlotter.h"
#include "view/SmithGeometry.h"
#include "view/ViewState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr int kTransitionTimeDigits = 3;
// The widest line of transition text the column at the right edge is made
// for.
constexpr const char* kWidestTransitionText = "2->2:  123.45e-3";

bool IsSet(double value) { return value > -kNoValueThreshold && value < kNoValueThreshold; }

void Circle(CCanvas& canvas, TPoint centre, int radius)
{
    canvas.FullArc({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius});
}

std::string MatchLabel(int slot, const MatchPoint& match)
{
    if (slot != kCenter) return std::to_string(slot + 1);
    return "Center (R=" + FormatEng(TableDataDigits, match.R) + "; X=" + FormatEng(TableDataDigits, match.X) + ")";
}

bool IsMatchSlot(int slot) { return slot >= 0 && slot < kMatchPointCount; }

void Trajectory(CTrace& trace, ViewState& view, CCanvas& canvas, const MatchTransition& transition)
{
    CData& data = trace.Data;
    const int first = std::max(0, transition.fromp);
    const int last = std::min(data.Count() - 1, transition.top);
    const std::unique_ptr<CurvePlotter> plotter = MakeCurvePlotter(canvas, DrawingPath::Fast);
    bool started = false;
    for (int i = first; i <= last; ++i) {
        double f = 0, R = 0, X = 0, t = 0, re = 0, im = 0;
        if (!data.GetPoint(i, f, R, X, t) || !GammaFromZ(view, R, X, re, im)) continue;
        const std::optional<TPoint> p = GammaToPoint(view, re, im);
        if (!p) continue;
        if (started) {
            plotter->LineTo(*p);
        } else {
            plotter->MoveTo(*p);
            started = true;
        }
    }
}

} // namespace

void DrawMatchPoints(CTrace& trace, ViewState& view, CCanvas& canvas)
{
    CFont font = canvas.Font();
    font.Color = canvas.Pen().Color;
    canvas.SetFont(font);
    const int radius = 2 * PointSize;
    for (int slot = 0; slot < kMatchPointCount; ++slot) {
        const MatchPoint& match = trace.Data.MatchPoints[slot];
        if (!IsSet(match.R) || !IsSet(match.X)) continue;
        double re = 0, im = 0;
        if (!GammaFromZ(view, match.R, match.X, re, im)) continue;
        const std::optional<TPoint> p = GammaToPoint(view, re, im);
        if (!p) continue;
        Circle(canvas, *p, radius);
        if (view.ShowMatchNumbers) canvas.TextOut(p->x + radius + 1, p->y - radius, MatchLabel(slot, match));
    }
}

void DrawMatchTransitions(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart)
{
    const int radius = static_cast<int>(2.5 * PointSize);
    const MatchPoint* matches = trace.Data.MatchPoints;
    const auto circleAt = [&](int slot) {
        if (const std::optional<TPoint> p = GammaToPoint(view, matches[slot].GammaRe, matches[slot].GammaIm)) {
            Circle(canvas, *p, radius);
        }
    };
    const int textX = chart.right - canvas.TextWidth(kWidestTransitionText) - 10;
    for (int j = 0; j < kTransitionCount; ++j) {
        const MatchTransition& transition = trace.Data.Transitions[j];
        if (transition.from < 0) break;
        if (!IsMatchSlot(transition.from) || transition.to >= kMatchPointCount) continue;
        circleAt(transition.from);
        if (transition.to < 0) break;
        circleAt(transition.to);
        canvas.TextOut(textX, j * std::abs(canvas.Font().Height) + 10,
                       std::to_string(transition.from + 1) + "->" + std::to_string(transition.to + 1) + ":  " +
                           FormatEng(kTransitionTimeDigits, transition.t));
        Trajectory(trace, view, canvas, transition);
    }
}
