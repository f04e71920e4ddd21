#pragma once

#include <optional>

// Two limits of an axis, low and high as the axis stores them.
struct AxisSpan {
    double low;
    double high;
};

// The limits when an axis may take them: both finite and within (-1e20,
// 1e20), above 1e-20 on a logarithmic axis, and apart by more than 1e-12 of
// their magnitude, so that every point does not land on one pixel and a
// zoom out can widen them again.
std::optional<AxisSpan> FitLimits(AxisSpan span, bool logarithmic);

// The span moved by `share` of itself, in the axis's own measure: on a
// logarithmic axis its logarithms move. None when the limits have no
// logarithm or the new ones do not fit the axis.
std::optional<AxisSpan> ShiftedSpan(AxisSpan span, bool logarithmic, double share);

// The part of a span from `from` to `to`, both shares of the way from its
// high limit to its low one (0 is the high limit, 1 the low one), in the
// axis's own measure; None as for ShiftedSpan.
std::optional<AxisSpan> SpanBetween(AxisSpan span, bool logarithmic, double from, double to);

// Writes the span into the pair of limits when there is one; says whether it did.
bool StoreSpan(const std::optional<AxisSpan>& span, double& low, double& high);
