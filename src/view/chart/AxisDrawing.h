#pragma once

#include "view/document/PixelTypes.h"

class CCanvas;
struct GraphSettings;
struct ViewState;

// The grids and labels of a rectangular chart, drawn with the caller's pen
// colour and font (the "Grid" colour, the chart font in the "Text" colour).
// Pixel coordinates start at 0: the rectangle's right edge is its width and
// its bottom edge its height.

// Dotted vertical lines over the whole chart and the X labels above the
// bottom text row (a label that would reach the right edge is left out).
void DrawXAxis(CCanvas& canvas, ViewState& view, const TRect& rect);

// Dotted horizontal lines and the Y labels of the upper pane, its text rows
// taken from the canvas font.
void DrawYAxis(CCanvas& canvas, const GraphSettings& graph, const TRect& pane);

// The phase grid: ticks at the right edge when the phase shares the upper
// pane, dotted lines across a separate pane; labels in italics.
void DrawPhaseAxis(CCanvas& canvas, const ViewState& view, const GraphSettings& graph, const TRect& pane);
