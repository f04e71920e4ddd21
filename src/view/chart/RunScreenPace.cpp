#include "view/chart/RunScreenPace.h"

#include <algorithm>

TRect UniteRects(const TRect& a, const TRect& b)
{
    const bool aEmpty = a.Width() <= 0 || a.Height() <= 0;
    const bool bEmpty = b.Width() <= 0 || b.Height() <= 0;
    if (aEmpty) return bEmpty ? TRect{} : b;
    if (bEmpty) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

bool RunScreenPace::Due(Clock::time_point now)
{
    if (shown_ && now - last_ < kInterval) return false;
    shown_ = true;
    last_ = now;
    return true;
}

TRect RunScreenPace::TakeArea()
{
    const TRect area = pending_;
    pending_ = {};
    return area;
}
