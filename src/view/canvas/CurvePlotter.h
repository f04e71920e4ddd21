#pragma once

#include "model/Color.h"
#include "view/document/PixelTypes.h"

#include <memory>

class CCanvas;

// The pen moves of the trace drawing, which a big trace makes by the
// million. Every chart draws through one of two plotters with the same
// result, pixel for pixel:
// - the literal one hands each move to the canvas as it comes;
// - the fast one, for a solid pen that copies its colour, gathers the pixels
//   of the lines into runs per column and row, merges runs that touch, and
//   paints each merged run once when the colour changes or the drawing ends.
//   Painting a pixel twice in one colour leaves what painting it once does,
//   so only the work changes.
// The literal plotter stays as the reference the fast one is checked
// against. A third path paints nothing: the walk along the curves only
// fills the marker table.
enum class DrawingPath { Fast, Literal, MarkersOnly };

// Whether the fast plotter keeps track of the pixels it has gathered, to pass
// over lines and symbols that would paint them again (PaintedCover). A curve
// of the Smith chart crosses its own pixels again and again; one of a
// rectangular chart moves on along the columns, where keeping track would
// cost more than it saves.
enum class CoverTracking { Off, On };

class CurvePlotter {
public:
    virtual ~CurvePlotter() = default;

    virtual void SetColor(TColor color) = 0;
    virtual void MoveTo(TPoint point) = 0;
    virtual void LineTo(TPoint point) = 0;
    // The square outline of DrawSquare; the pen ends on its top-left corner.
    virtual void Square(TPoint centre, int halfSide) = 0;
};

// Whether the fast plotter draws for the canvas's current pen (a solid pen
// that copies its colour) on the path.
bool FastPlotterApplies(const CCanvas& canvas, DrawingPath path);

// The plotter for the canvas's current pen: the fast one where it gives the
// same pixels (a solid pen in copy mode), else the literal one. Whatever the
// fast plotter holds back is painted, in the pen colour it was made with or
// last given, when it goes, so it must go before the canvas's clip changes.
std::unique_ptr<CurvePlotter> MakeCurvePlotter(CCanvas& canvas, DrawingPath path,
                                               CoverTracking tracking = CoverTracking::Off);
