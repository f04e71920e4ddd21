#pragma once

#include "view/document/PixelTypes.h"

#include <string>
#include <vector>

class CCanvas;
struct ViewState;

// The labels of a window's Smith chart, in list order, confined to the chart
// rectangle, in LabelFont at twice its size and the "Label" colour: a circle
// of LabelSize pixels at the label's impedance, the readouts its format asks
// for and its text beside it, and the plus sign and VSWR circles of
// LabelVswrList in "VSWR circles" when the format asks for them. Each drawn
// label's Pos is where it was drawn. Hidden labels and labels whose
// impedance is not finite or has no reflection coefficient are not drawn
// and keep their last place. The canvas's pen and font are kept.
void DrawLabels(ViewState& view, CCanvas& canvas, const TRect& chart);

// The circle of VSWR `ratio` through a point at angle `angle` (radians) on
// the chart whose own VSWR is `own`: its diameter lies on the line through
// the chart's centre at that angle. A ratio of 1 or less draws a small plus
// sign instead.
void DrawVswrCircle(const ViewState& view, CCanvas& canvas, double angle, double own, double ratio);

// The VSWR ratios of a circle list such as LabelVswrList, in list order:
// comma text whose items are read as stored numbers. Empty items, items
// below 1 (text that is not a number reads as 0) and infinite ratios draw
// nothing and are left out.
std::vector<double> VswrCircleRatios(const std::string& list);

// The readout and text lines of a label, as drawn beside it; the text is
// split at CR, LF and CR LF, and empty text adds no line.
std::vector<std::string> LabelLines(const ViewState& view, int format, double R, double X, const std::string& text);
