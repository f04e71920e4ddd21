#include "view/canvas/CurvePlotter.h"

#include "view/canvas/Canvas.h"
#include "view/canvas/CoalescingPlotter.h"
#include "view/canvas/DrawingHelpers.h"

namespace {

class CanvasPlotter final : public CurvePlotter {
public:
    explicit CanvasPlotter(CCanvas& canvas) : canvas_(canvas) {}

    void SetColor(TColor color) override { canvas_.SetPenColor(color); }
    void MoveTo(TPoint point) override { canvas_.MoveTo(point.x, point.y); }
    void LineTo(TPoint point) override { canvas_.LineTo(point.x, point.y); }
    void Square(TPoint centre, int halfSide) override { DrawSquare(canvas_, centre.x, centre.y, halfSide); }

private:
    CCanvas& canvas_;
};

class SilentPlotter final : public CurvePlotter {
public:
    void SetColor(TColor) override {}
    void MoveTo(TPoint) override {}
    void LineTo(TPoint) override {}
    void Square(TPoint, int) override {}
};

} // namespace

bool FastPlotterApplies(const CCanvas& canvas, DrawingPath path)
{
    const CPen& pen = canvas.Pen();
    return path == DrawingPath::Fast && pen.Style == PenStyle::Solid && pen.Mode == PenMode::Copy;
}

std::unique_ptr<CurvePlotter> MakeCurvePlotter(CCanvas& canvas, DrawingPath path, CoverTracking tracking)
{
    if (path == DrawingPath::MarkersOnly) return std::make_unique<SilentPlotter>();
    if (FastPlotterApplies(canvas, path)) return std::make_unique<CoalescingPlotter>(canvas, tracking);
    return std::make_unique<CanvasPlotter>(canvas);
}
