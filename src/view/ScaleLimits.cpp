#include "view/ScaleLimits.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLimitBound = 1e20;
constexpr double kLogLimitFloor = 1e-20;
constexpr double kRelativeSpanFloor = 1e-12;

bool LimitFits(double value, bool logarithmic)
{
    if (!(value > -kLimitBound && value < kLimitBound)) return false;
    return !logarithmic || value > kLogLimitFloor;
}

// The limits as the axis measures them: their logarithms on a logarithmic axis.
std::optional<AxisSpan> Measured(AxisSpan span, bool logarithmic)
{
    if (!logarithmic) return span;
    if (!(span.low > 0 && span.high > 0)) return std::nullopt;
    return AxisSpan{std::log(span.low), std::log(span.high)};
}

std::optional<AxisSpan> FromMeasure(AxisSpan measure, bool logarithmic)
{
    if (logarithmic) measure = {std::exp(measure.low), std::exp(measure.high)};
    return FitLimits(measure, logarithmic);
}

} // namespace

std::optional<AxisSpan> FitLimits(AxisSpan span, bool logarithmic)
{
    if (!LimitFits(span.low, logarithmic) || !LimitFits(span.high, logarithmic)) return std::nullopt;
    const double magnitude = std::max(std::abs(span.low), std::abs(span.high));
    if (!(std::abs(span.high - span.low) > kRelativeSpanFloor * magnitude)) return std::nullopt;
    return span;
}

std::optional<AxisSpan> ShiftedSpan(AxisSpan span, bool logarithmic, double share)
{
    const std::optional<AxisSpan> m = Measured(span, logarithmic);
    if (!m) return std::nullopt;
    const double d = (m->high - m->low) * share;
    return FromMeasure({m->low + d, m->high + d}, logarithmic);
}

std::optional<AxisSpan> SpanBetween(AxisSpan span, bool logarithmic, double from, double to)
{
    const std::optional<AxisSpan> m = Measured(span, logarithmic);
    if (!m) return std::nullopt;
    const double down = m->low - m->high;
    return FromMeasure({m->high + down * to, m->high + down * from}, logarithmic);
}

bool StoreSpan(const std::optional<AxisSpan>& span, double& low, double& high)
{
    if (!span) return false;
    low = span->low;
    high = span->high;
    return true;
}
