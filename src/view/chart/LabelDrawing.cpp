#include "view/chart/LabelDrawing.h"

#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ClipGuard.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/document/Label.h"
#include "view/chart/SmithGeometry.h"
#include "view/document/CommaText.h"
#include "view/document/ViewState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr double kDegrees = 57.29577951308232;
constexpr int kLabelPlusSize = 5;
constexpr int kCirclePlusSize = 4;

std::string Number(double value) { return FormatEng(Settings.LabelDataDigits, value); }

void DrawPlus(CCanvas& canvas, TPoint p, int size)
{
    canvas.MoveTo(p.x - size, p.y);
    canvas.LineTo(p.x + size + 1, p.y);
    canvas.MoveTo(p.x, p.y - size);
    canvas.LineTo(p.x, p.y + size + 1);
}

void AddTextLines(const std::string& text, std::vector<std::string>& lines)
{
    if (text.empty()) return;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(line);
        line.clear();
    }
    lines.push_back(line);
}

void DrawVswrCircles(const ViewState& view, CCanvas& canvas, TPoint pos, double re, double im)
{
    canvas.SetPenColor(SchemeColor(kColorVswrCircles));
    DrawPlus(canvas, pos, kLabelPlusSize);
    const double g = std::hypot(re, im);
    if (!(g < 1)) return;
    const double angle = g == 0 ? 0 : std::atan2(im, re);
    const double own = (1 + g) / (1 - g);
    for (const double ratio : VswrCircleRatios(Settings.LabelVswrList)) DrawVswrCircle(view, canvas, angle, own, ratio);
}

void DrawLabel(ViewState& view, CCanvas& canvas, CLabel& label)
{
    if (!std::isfinite(label.Re) || !std::isfinite(label.Im)) return;
    double re = 0;
    double im = 0;
    if (!GammaFromZ(view, label.Re, label.Im, re, im)) return;
    const std::optional<TPoint> pos = GammaToPoint(view, re, im);
    if (!pos) return;
    label.Pos = *pos;
    label.Placed = true;
    canvas.SetPenColor(SchemeColor(kColorLabel));
    const int r = Settings.LabelSize;
    canvas.FullArc({pos->x - r, pos->y - r, pos->x + r, pos->y + r});
    const int h = std::abs(canvas.Font().Height) + 2;
    int y = pos->y - h;
    for (const std::string& line : LabelLines(view, label.Format, label.Re, label.Im, label.Text)) {
        canvas.TextOut(pos->x + r + 3, y, line);
        y += h;
    }
    if (label.Format & kLabelVswrCircles) DrawVswrCircles(view, canvas, *pos, re, im);
}

} // namespace

std::vector<double> VswrCircleRatios(const std::string& list)
{
    std::vector<double> ratios;
    for (const std::string& field : SplitCommaText(list)) {
        const std::string item = TrimText(field);
        if (item.empty()) continue;
        // An infinite ratio has no circle, and a misspelt item reads as 0.
        const double ratio = TextToDouble(item);
        if (std::isfinite(ratio) && ratio >= 1) ratios.push_back(ratio);
    }
    return ratios;
}

std::vector<std::string> LabelLines(const ViewState& view, int format, double R, double X, const std::string& text)
{
    std::vector<std::string> lines;
    if (format & kLabelRX) lines.push_back("R=" + Number(R) + ", X=" + Number(X));
    if (format & kLabelZPhase) {
        const double phase = R == 0 && X == 0 ? 0 : std::atan2(X, R) * kDegrees;
        lines.push_back("Z=" + Number(std::sqrt(R * R + X * X)) + ", Ph=" + Number(phase));
    }
    if (format & kLabelVswr) {
        double vswr = 0;
        lines.push_back(VswrFromZ(view, R, X, vswr) ? "VSWR=" + Number(vswr) : "VSWR=n/a");
    }
    AddTextLines(text, lines);
    return lines;
}

void DrawVswrCircle(const ViewState& view, CCanvas& canvas, double angle, double own, double ratio)
{
    const double g1 = (own * ratio - 1) / (own * ratio + 1);
    const double g2 = (own / ratio - 1) / (own / ratio + 1);
    const double c = (g1 + g2) / 2;
    const double r = (g2 - g1) / 2;
    const double cx = c * std::cos(angle);
    const double cy = c * std::sin(angle);
    const std::optional<TPoint> p1 = GammaToPoint(view, cx - r, cy + r);
    const std::optional<TPoint> p2 = GammaToPoint(view, cx + r, cy - r);
    if (!p1 || !p2) return;
    if (ratio <= 1) DrawPlus(canvas, *p1, kCirclePlusSize);
    else canvas.FullArc({std::min(p1->x, p2->x), std::min(p1->y, p2->y), std::max(p1->x, p2->x), std::max(p1->y, p2->y)});
}

void DrawLabels(ViewState& view, CCanvas& canvas, const TRect& chart)
{
    if (!view.ShowLabels || view.Labels.empty()) return;
    const CanvasStateGuard keep(canvas);
    const ClipGuard clip(canvas, chart);
    CFont font;
    font.Name = Settings.LabelFont.Name;
    font.Height = 2 * Settings.LabelFont.Size;
    font.Bold = Settings.LabelFont.Bold;
    font.Italic = Settings.LabelFont.Italic;
    font.Color = SchemeColor(kColorLabel);
    canvas.SetFont(font);
    canvas.SetPen({SchemeColor(kColorLabel), 1, PenStyle::Solid, PenMode::Copy});
    for (const auto& label : view.Labels) {
        if (label && !(label->Format & kLabelHidden)) DrawLabel(view, canvas, *label);
    }
}
