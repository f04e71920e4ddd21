#include "view/chart/AxisMarks.h"

#include "model/Settings.h"
#include "view/chart/AxisMath.h"
#include "view/canvas/DrawLimits.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr int kMaxXLines = 100;
constexpr int kMaxYLines = 200;
constexpr int kMaxDecades = 101;
constexpr int kMaxPhaseLines = 200;
constexpr double kSmallestLog = 1e-20;

// A value within a hundred-millionth of a step of zero is zero: the sum of
// steps leaves a residue that would otherwise be labelled.
double CleanZero(double x, double step) { return std::fabs(x) < std::fabs(step) * 1e-8 ? 0 : x; }

// Every how many decades a labelled line stands, from the decades per grid
// spacing.
int DecadeEvery(double decadesPerSpacing)
{
    return static_cast<int>(std::clamp(std::floor(NiceStep(decadesPerSpacing)), 1.0, 1e9));
}

// The sub-decade values that get dotted lines: every one while a decade is
// wide, the even ones while it is narrower, none below 0.9 decades apart.
std::vector<int> SubDecades(double decadesPerSpacing)
{
    if (!(decadesPerSpacing < 0.9)) return {};
    if (decadesPerSpacing < 0.6) return {2, 3, 4, 5, 6, 7, 8, 9};
    return {2, 4, 6, 8};
}

std::vector<AxisMark> LinearXMarks(const ViewState& view, int W)
{
    const double l = view.HorLeft[view.HorMode];
    const double span = view.HorRight[view.HorMode] - l;
    const double step = NiceStep(span * Settings.VertSize / W);
    std::vector<AxisMark> marks;
    double x = CeilToStep(step, l);
    for (int n = 0; x < l + span && n < kMaxXLines; ++n, x += step) {
        x = CleanZero(x, step);
        const std::optional<int> column = PixelX(W * (x - l) / span);
        if (!column) continue;
        marks.push_back({*column, x, *column > 0 ? MarkStyle::Line : MarkStyle::LabelOnly, *column});
    }
    return marks;
}

// A logarithmic axis over less than a factor 20: steps in frequency, placed
// logarithmically.
std::vector<AxisMark> NarrowLogXMarks(const ViewState& view, int W, double l, double r)
{
    const double step = NiceStep((r - l) * Settings.VertSize / W);
    std::vector<AxisMark> marks;
    double x = CeilToStep(step, l);
    for (int n = 0; x < r && n < kMaxXLines; ++n, x += step) {
        x = CleanZero(x, step);
        const std::optional<int> column = PixelX(XToPixel(view, W, x));
        if (!column) continue;
        marks.push_back({*column, x, *column > 0 ? MarkStyle::Line : MarkStyle::LabelOnly, *column});
    }
    return marks;
}

std::vector<AxisMark> DecadeXMarks(const ViewState& view, int W, double l, double r)
{
    const double ll = std::log10(l);
    const double d = std::log10(r) - ll;
    const double v = Settings.VertSize * d / W;
    const int every = DecadeEvery(v);
    const int first = static_cast<int>(std::floor(CeilToStep(1, ll))) - 1;
    std::vector<AxisMark> marks;
    for (int e = first; e < first + kMaxDecades; ++e) {
        const std::optional<int> column = PixelX(W * (e - ll) / d);
        if (!column || *column >= W) break;
        const double decade = std::pow(10.0, e);
        if (*column >= 0) {
            if (e % every == 0) {
                marks.push_back({*column, decade, *column > 0 ? MarkStyle::Line : MarkStyle::LabelOnly, *column});
            } else {
                marks.push_back({*column, decade, MarkStyle::Dots, std::nullopt});
            }
        }
        for (const int k : SubDecades(v)) {
            const std::optional<int> sub = PixelX(XToPixel(view, W, k * decade));
            if (sub) marks.push_back({*sub, k * decade, MarkStyle::Dots, std::nullopt});
        }
    }
    return marks;
}

// Where a Y label stands: a line in the bottom text row has none (it would
// cover the X labels) and a line in the widening row is labelled above it;
// over a separate phase pane the bottom row is free and its line is labelled
// above it too.
std::optional<int> YLabelRow(int py, int H, int h, int row, int phase)
{
    if (phase != kPhaseSeparate) {
        if (py > H - row) return std::nullopt;
        return py > h ? py - row : py;
    }
    return py > H - row ? py - row : py;
}

// The pixel scale of an upper pane, its range widened by one text row at each
// end so that Bot stands on row H - row and Top on row `row`.
struct YScale {
    int H = 0;
    int h = 0;
    double top = 0;
    double bot = 0;

    YScale(int bottom, int row, double t, double b) : H(bottom), h(bottom - 2 * row)
    {
        const double m = (t - b) * row / h;
        top = t + m;
        bot = b - m;
    }
    double Range() const { return top - bot; }
    std::optional<int> RowOf(double y) const { return PixelY(H - H * (y - bot) / Range()); }
};

void AddYLine(std::vector<AxisMark>& marks, const YScale& scale, int py, double value, int row, int phase)
{
    marks.push_back({py, value, MarkStyle::Line, YLabelRow(py, scale.H, scale.h, row, phase)});
}

std::vector<AxisMark> LinearYMarks(const GraphSettings& graph, const YScale& scale, int row)
{
    const double range = scale.Range();
    if (!std::isfinite(range) || !(range > 0)) return {};

    // Shrink the aimed spacing until a step fits twice into the range. A
    // range so small that every step meets NiceStep's lower clamp would
    // shrink it to nothing: no lines then.
    double step = 0;
    for (int g = Settings.HorSize;; g = static_cast<int>(0.8 * g)) {
        step = NiceStep(range * g / scale.H);
        if (range * 0.5 > step) break;
        if (g <= 0) return {};
    }

    std::vector<AxisMark> marks;
    double y = CeilToStep(step, scale.bot);
    for (int n = 0; y < scale.top && n < kMaxYLines; ++n, y += step) {
        y = CleanZero(y, step);
        const std::optional<int> py = scale.RowOf(y);
        if (py && *py <= scale.H) AddYLine(marks, scale, *py, y, row, graph.Phase);
    }
    return marks;
}

std::vector<AxisMark> NarrowLogYMarks(const GraphSettings& graph, const YScale& scale, int row, double B, double T)
{
    const double step = NiceStep((T - B) * Settings.HorSize / scale.H);
    std::vector<AxisMark> marks;
    int drawn = 0;
    for (double y = CeilToStep(step, B); y < T && drawn < kMaxYLines && y + step > y; y += step) {
        if (!(y > kSmallestLog)) continue;
        ++drawn;
        const std::optional<int> py = scale.RowOf(std::log10(y));
        if (py && *py <= scale.H) AddYLine(marks, scale, *py, y, row, graph.Phase);
    }
    return marks;
}

std::vector<AxisMark> DecadeYMarks(const GraphSettings& graph, const YScale& scale, int row, int paneTop)
{
    const double v = scale.Range() * Settings.HorSize / scale.H;
    const int every = DecadeEvery(v);
    const int first = static_cast<int>(std::floor(CeilToStep(1, scale.bot))) - 1;
    std::vector<AxisMark> marks;
    for (int e = first; e < first + kMaxDecades; ++e) {
        const std::optional<int> py = scale.RowOf(e);
        if (!py || *py < paneTop) break;
        if (*py > scale.H) continue;
        const double decade = std::pow(10.0, e);
        if (e % every == 0) {
            AddYLine(marks, scale, *py, decade, row, graph.Phase);
        } else {
            marks.push_back({*py, decade, MarkStyle::Dots, std::nullopt});
        }
        for (const int k : SubDecades(v)) {
            const std::optional<int> sub = scale.RowOf(std::log10(static_cast<double>(k)) + e);
            if (sub) marks.push_back({*sub, k * decade, MarkStyle::Dots, std::nullopt});
        }
    }
    return marks;
}

} // namespace

std::vector<AxisMark> XAxisMarks(ViewState& view, int W)
{
    if (W <= 2) return {};
    if (!view.HorLog) return LinearXMarks(view, W);

    for (double* limit : {&view.HorLeft[kHorF], &view.HorRight[kHorF]}) {
        if (*limit < kSmallestLog) *limit = kSmallestLog;
    }
    const double l = view.HorLeft[kHorF];
    const double r = view.HorRight[kHorF];
    if (!(r > l)) return {};
    if (l * 20 > r) return NarrowLogXMarks(view, W, l, r);
    return DecadeXMarks(view, W, l, r);
}

std::vector<AxisMark> YAxisMarks(const GraphSettings& graph, const TRect& pane, int row)
{
    if (pane.bottom - 2 * row <= 0) return {};
    if (!graph.Log) {
        if (!(graph.Top > graph.Bot)) return {};
        return LinearYMarks(graph, YScale(pane.bottom, row, graph.Top, graph.Bot), row);
    }

    if (graph.Bot < kSmallestLog || graph.Top < kSmallestLog) return {};
    const double logTop = std::log10(graph.Top);
    const double logBot = std::log10(graph.Bot);
    if (!(logTop > logBot)) return {};
    const YScale scale(pane.bottom, row, logTop, logBot);
    if (!std::isfinite(scale.Range())) return {};
    const double T = std::pow(10.0, scale.top);
    const double B = std::pow(10.0, scale.bot);
    if (B * 25 > T) return NarrowLogYMarks(graph, scale, row, B, T);
    return DecadeYMarks(graph, scale, row, pane.top);
}

std::vector<AxisMark> PhaseAxisMarks(const GraphSettings& graph, const TRect& pane, int row)
{
    if (graph.Phase == kPhaseOff) return {};
    const double pb = graph.PhBot;
    const double pt = graph.PhTop == graph.PhBot ? pb + 360 : graph.PhTop;
    if (!std::isfinite(pt) || !std::isfinite(pb)) return {};

    const double span = std::fabs(pt - pb);
    const int height = pane.bottom - pane.top;
    const double h = std::max(0, height - 2 * row);
    double step = 45;
    while (height * step / span < 80 && step < span / 2) step *= 2;
    if (step > 360) step = 360;

    // The line numbers stay doubles: a limit of any finite size must not
    // overflow an integer, and the line count bounds the loop.
    const double direction = pt > pb ? 1 : -1;
    const double end = std::trunc(pt / step) + direction;
    const double start = std::trunc(pb / step) - direction;
    std::vector<AxisMark> marks;
    int count = 0;
    for (double n = start; n != end && count < kMaxPhaseLines; n += direction, ++count) {
        const double a = n * step;
        const std::optional<int> py = PixelY(pane.bottom - row - (a - pb) * h / (pt - pb));
        if (!py || *py > pane.bottom - row || *py < pane.top + row) continue;
        marks.push_back({*py, a, MarkStyle::Line, *py - row});
    }
    return marks;
}
