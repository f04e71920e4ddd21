#include "view/chart/SmithMatches.h"

#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/CurvePlotter.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/ViewState.h"

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
    const int radius = 2 * Settings.PointSize;
    for (int slot = 0; slot < kMatchPointCount; ++slot) {
        const MatchPoint& match = trace.Data.MatchPoints[slot];
        if (!IsSet(match.R) || !IsSet(match.X)) continue;
        double re = 0, im = 0;
        if (!GammaFromZ(view, match.R, match.X, re, im)) continue;
        const std::optional<TPoint> p = GammaToPoint(view, re, im);
        if (!p) continue;
        Circle(canvas, *p, radius);
        if (view.ShowMatchNumbers) canvas.TextOut(p->x + radius + 1, p->y - radius, MatchPointLabel(slot, match));
    }
}

void DrawMatchTransitions(CTrace& trace, ViewState& view, CCanvas& canvas, const TRect& chart)
{
    const int radius = static_cast<int>(2.5 * Settings.PointSize);
    const CData& data = trace.Data;
    const auto circleAt = [&](int slot) {
        const MatchPoint& match = data.MatchPoints[slot];
        if (const std::optional<TPoint> p = GammaToPoint(view, match.GammaRe, match.GammaIm)) Circle(canvas, *p, radius);
    };
    const int textX = chart.right - canvas.TextWidth(kWidestTransitionText) - 10;
    for (const ShownTransition& shown : ShownTransitions(data)) {
        const MatchTransition& transition = data.Transitions[shown.slot];
        circleAt(transition.from);
        if (!shown.bothEnds) break;
        circleAt(transition.to);
        canvas.TextOut(textX, shown.slot * std::abs(canvas.Font().Height) + 10, TransitionLabel(transition));
        Trajectory(trace, view, canvas, transition);
    }
}

std::string MatchPointLabel(int slot, const MatchPoint& match)
{
    if (slot != kCenter) return std::to_string(slot + 1);
    return "Center (R=" + FormatEng(Settings.TableDataDigits, match.R) + "; X=" + FormatEng(Settings.TableDataDigits, match.X) + ")";
}

std::string TransitionLabel(const MatchTransition& transition)
{
    return std::to_string(transition.from + 1) + "->" + std::to_string(transition.to + 1) + ":  " +
           FormatEng(kTransitionTimeDigits, transition.t);
}

std::vector<ShownTransition> ShownTransitions(const CData& data)
{
    std::vector<ShownTransition> shown;
    for (int slot = 0; slot < kTransitionCount; ++slot) {
        const MatchTransition& transition = data.Transitions[slot];
        if (transition.from < 0) break;
        // Numbers beyond the five match points come only from a damaged
        // document; such a slot has nothing to show.
        if (!IsMatchSlot(transition.from) || transition.to >= kMatchPointCount) continue;
        shown.push_back({slot, transition.to >= 0});
        if (transition.to < 0) break;
    }
    return shown;
}
