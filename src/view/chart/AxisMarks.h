#pragma once

#include "view/document/PixelTypes.h"

#include <optional>
#include <vector>

struct GraphSettings;
struct ViewState;

// The grid of a rectangular chart axis as positions and values, before any
// drawing: where the grid lines go, which of them carry a label and where
// the label stands.

enum class MarkStyle {
    LabelOnly, // a label without a line (a line on the chart's edge)
    Line,      // a line drawn with the pen
    Dots,      // a line of single pixels every 8 pixels
};

struct AxisMark {
    int Pixel = 0;   // column of an X mark, row of a Y or phase mark
    double Value = 0;
    MarkStyle Style = MarkStyle::Line;
    // Where the label goes: the column of an X mark, the row above which a Y
    // or phase label stands; none for an unlabelled mark.
    std::optional<int> LabelPixel;
};

// The vertical grid over a chart of width W (Settings.VertSize pixels aimed at between
// lines): linear, or on a logarithmic frequency axis either linear in
// frequency (less than a factor 20) or by decades. On a logarithmic axis a
// frequency limit below 1e-20 is first raised to 1e-20 in the view. Nothing
// for W <= 2 or an empty or reversed range; at most 100 lines or 101 decades.
std::vector<AxisMark> XAxisMarks(ViewState& view, int W);

// The horizontal grid of an upper pane (Settings.HorSize pixels aimed at between
// lines), its range widened by one text row of `row` pixels at each end.
// Nothing for a pane without plot height, an empty, reversed or unbounded
// range, or logarithmic limits below 1e-20; at most 200 lines or 101 decades.
std::vector<AxisMark> YAxisMarks(const GraphSettings& graph, const TRect& pane, int row);

// The phase grid in steps of 45 degrees doubled until the lines stand 80
// pixels apart (at most 360); `row` is the chart's text row height. Nothing
// while the phase is off or a limit is not finite; at most 200 lines.
std::vector<AxisMark> PhaseAxisMarks(const GraphSettings& graph, const TRect& pane, int row);
