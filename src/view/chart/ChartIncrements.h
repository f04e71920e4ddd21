#pragma once

#include "view/document/PixelTypes.h"

class CCanvas;
class CTrace;
struct ViewState;

// What a chart gets between two repaints while a run or a replay goes on:
// one more segment of one trace, drawn over the chart as it is.

// The newest segment of the window's last trace, in every curve the chart
// kind shows; nothing when there is no trace or the last one is not
// selected. Returns the area of the chart it may have changed.
TRect DrawRunSegments(ViewState& view, CCanvas& canvas, const TRect& chart);

// The segment of the replayed trace that ends at point index; nothing
// without a replayed trace or for an index beyond its points.
void DrawReplaySegments(ViewState& view, CTrace* replayed, int index, CCanvas& canvas, const TRect& chart);
