#include "view/TrackBarPosition.h"

#include "view/canvas/DrawLimits.h"
#include "view/document/ViewState.h"

#include <cmath>

int TrackBarPosition(const ViewState& view, double value, int minimum, int maximum)
{
    double lo = view.DrawnExtents[kExtentMinX];
    double hi = view.DrawnExtents[kExtentMaxX];
    if (view.HorLog) {
        if (hi > 0 && lo > 0 && value > 0) {
            lo = std::log10(lo);
            hi = std::log10(hi);
            value = std::log10(value);
        } else {
            lo = hi = 0;
        }
    }
    if (!(hi > lo)) return minimum;
    const double position = (value - lo) / (hi - lo) * (maximum - minimum) + minimum + 0.5;
    return TruncateToPixel(position, minimum, maximum).value_or(minimum);
}
