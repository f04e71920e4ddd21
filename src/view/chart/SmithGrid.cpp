#include "view/chart/SmithGrid.h"

#include "view/canvas/Canvas.h"
#include "view/canvas/ClipGuard.h"
#include "view/chart/SmithGeometry.h"
#include "view/chart/SmithGridTable.h"
#include "view/document/ViewState.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kAxisDotSpacing = 8;
constexpr double kArcDotSpacing = 6;

class GridDots {
public:
    GridDots(CCanvas& canvas, const ViewState& view)
        : canvas_(canvas), view_(view), color_(canvas.Pen().Color), center_(GammaToPoint(view, 0, 0).value_or(TPoint{}))
    {
    }

    TPoint Center() const { return center_; }

    void Dot(int x, int y) { canvas_.SetPixel(x, y, color_); }

    // The dot of a Gamma and its mirror images: about the real axis, the
    // imaginary axis, or both.
    void Mirrored(double re, double im, bool acrossReal, bool acrossImaginary)
    {
        const std::optional<TPoint> p = GammaToPoint(view_, re, im);
        if (!p) return;
        const int mirrorX = 2 * center_.x - p->x;
        const int mirrorY = 2 * center_.y - p->y;
        Dot(p->x, p->y);
        if (acrossReal) Dot(p->x, mirrorY);
        if (acrossImaginary) Dot(mirrorX, p->y);
        if (acrossReal && acrossImaginary) Dot(mirrorX, mirrorY);
    }

private:
    CCanvas& canvas_;
    const ViewState& view_;
    TColor color_;
    TPoint center_;
};

void RealAxis(GridDots& dots, const TRect& square)
{
    for (int x = square.left; x < square.right; x += kAxisDotSpacing) dots.Dot(x, dots.Center().y);
}

void ImaginaryAxis(GridDots& dots, const TRect& square)
{
    for (int y = square.top; y < square.bottom; y += kAxisDotSpacing) dots.Dot(dots.Center().x, y);
}

// Steps along the table's arcs of the given kinds, a dot every 6 pixels.
template <typename Visit>
void TableArcs(int width, int kindA, int kindB, Visit visit)
{
    for (const SmithGridArc& arc : SmithGridTable()) {
        if (arc.kind == kSmithArcEnd) break;
        if (arc.kind != kindA && arc.kind != kindB) continue;
        const double step = 2 * kArcDotSpacing / (arc.radius * width);
        for (double theta = arc.start; theta < arc.end; theta += step) {
            visit(arc, arc.centerX + arc.radius * std::cos(theta), arc.centerY + arc.radius * std::sin(theta));
        }
    }
}

void PolarGrid(GridDots& dots, int width)
{
    const double spacing = 2.0 * kAxisDotSpacing / width;
    for (int k = 1; k <= 3; ++k) {
        const double phi = k * std::numbers::pi / 8;
        for (double r = 0.25; r < 1; r += spacing) dots.Mirrored(r * std::cos(phi), r * std::sin(phi), true, true);
    }
    for (int k = 1; k <= 3; ++k) {
        const double r = 0.25 * k;
        for (double theta = 0; theta <= std::numbers::pi / 2; theta += spacing / r) {
            dots.Mirrored(r * std::cos(theta), r * std::sin(theta), true, true);
        }
    }
}

} // namespace

void DrawSmithGrid(CCanvas& canvas, const ViewState& view, const TRect& clip)
{
    const ClipGuard confine(canvas, clip);
    const TRect& square = view.SmithRect;
    const int width = square.Width();
    if (width <= 0 || square.Height() <= 0) return;

    canvas.SetPenStyle(PenStyle::Solid);
    canvas.FullArc(square);
    GridDots dots(canvas, view);
    RealAxis(dots, square);

    switch (view.SmithGrid) {
    case kSmithGridImpedance:
    case kSmithGridAdmittance: {
        const bool admittance = view.SmithGrid == kSmithGridAdmittance;
        TableArcs(width, kSmithArcResistance, kSmithArcReactance, [&](const SmithGridArc&, double re, double im) {
            dots.Mirrored(admittance ? -re : re, im, true, false);
        });
        break;
    }
    case kSmithGridMagnitudePhase:
        ImaginaryAxis(dots, square);
        TableArcs(width, kSmithArcMagnitude, kSmithArcPhase, [&](const SmithGridArc& arc, double re, double im) {
            const bool magnitude = arc.kind == kSmithArcMagnitude;
            dots.Mirrored(re, im, !magnitude, magnitude);
        });
        break;
    case kSmithGridPolar:
        ImaginaryAxis(dots, square);
        PolarGrid(dots, width);
        break;
    default:
        break;
    }
}
