#pragma once

#include "view/document/PixelTypes.h"

class CCanvas;

// The outline through the four corners of the rectangle, with the current
// pen; the pen ends where it began.
void DrawFrame(CCanvas& canvas, const TRect& rect);

// A square outline of half side r around (x, y), with the current pen; the
// pen ends on its top-left corner.
void DrawSquare(CCanvas& canvas, int x, int y, int r);

// The figures of a mouse drag, drawn with an XOR pen in the "Selection"
// colour over the background so that drawing the same figure again erases
// it. The canvas's pen is kept.
enum XorCursorKind {
    kXorCross = 0,          // a cross of 8 pixels each way at the point (also any unknown kind)
    kXorVerticalPair = 1,   // the columns rect.left and rect.right, from row 0 to area.bottom
    kXorHorizontalPair = 2, // the rows rect.top and rect.bottom, from column 0 to area.right
    kXorFrame = 3,          // the outline of rect
    kXorMarkerFrame = 4,    // the outline of rect, around a data point
};
void DrawXorCursor(CCanvas& canvas, int kind, const TRect& area, TPoint point, const TRect& rect);
