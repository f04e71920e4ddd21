#pragma once

#include "model/Settings.h"
#include "view/canvas/CurvePlotter.h"
#include "view/document/PixelTypes.h"
#include "view/document/ViewState.h"

#include <array>
#include <optional>

class CCanvas;

// Pieces shared by the trace drawing of the rectangular charts and of the
// Smith chart.

// The symbol of a data point: a square of half side `size` around it, and
// its entry in the window's marker table with the point's x value.
template <typename Plotter>
void DrawPointMarker(ViewState& view, Plotter& plotter, TPoint point, int size, double x)
{
    plotter.Square(point, size);
    view.MarkerRects.Add({point.x - size, point.y - size, point.x + size, point.y + size}, x);
}

// The newest segment of a run, or the segment that ends at the replay
// position: the two points' pixels (none for a point that is not drawn).
// The first drawn point gets its symbol and the pen; the second the line
// from it and its symbol. Symbols drawn here have no marker entries. Returns
// the area that may have changed (empty when nothing was drawn).
TRect DrawSegmentEnds(const ViewState& view, CCanvas& canvas, const std::array<std::optional<TPoint>, 2>& ends);

// The pen of the trace drawing: solid, Settings.LineWidth wide (Settings.RefWidth for the
// reference trace), in the colour the caller set.
void SetTracePen(CCanvas& canvas, int width);

// The pen's walk along a curve of many points: whether it is down, the last
// point it drew, and the point it holds back because it lies too near that
// one. The curves of the rectangular charts and of the Smith chart decide
// differently which points to hold back. The walk takes the plotter's own
// type where it is known, so that the moves of a million points are calls
// the compiler can inline.
template <typename Plotter = CurvePlotter>
class CurveWalk {
public:
    CurveWalk(ViewState& view, Plotter& plotter) : view_(view), plotter_(plotter) {}

    // A point that is not drawn: the held-back point is drawn and the pen
    // lifted.
    void Gap()
    {
        DrawHeldBack();
        down_ = false;
    }

    // The line to the held-back point, then its symbol.
    void DrawHeldBack()
    {
        if (!held_) return;
        if (view_.ShowLine) plotter_.LineTo(heldPixel_);
        if (view_.ShowDataPoints) DrawPointMarker(view_, plotter_, heldPixel_, Settings.PointSize, heldX_);
        held_ = false;
    }

protected:
    void HoldBack(TPoint p, double x)
    {
        held_ = true;
        heldPixel_ = p;
        heldX_ = x;
    }

    // A point was drawn (or, without symbols, passed over on the pixel of the
    // last one): nothing is held back any more.
    void Drawn(TPoint p)
    {
        last_ = p;
        down_ = true;
        held_ = false;
    }

    ViewState& view_;
    Plotter& plotter_;
    bool down_ = false;
    TPoint last_;

private:
    bool held_ = false;
    TPoint heldPixel_;
    double heldX_ = 0;
};
