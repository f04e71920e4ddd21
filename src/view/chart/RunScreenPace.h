#pragma once

#include "view/document/PixelTypes.h"

#include <chrono>

// The smallest rectangle holding both; an empty rectangle adds nothing.
TRect UniteRects(const TRect& a, const TRect& b);

// What a run has drawn into the chart's bitmap since the screen last showed
// it, and when to show it: at the screen's pace rather than at every point,
// since bringing the screen up to date costs the window more than the
// analyzer takes for the next point. The point list's new rows wait for the
// same moments.
class RunScreenPace {
public:
    using Clock = std::chrono::steady_clock;

    // Screens refresh about 60 times a second.
    static constexpr Clock::duration kInterval = std::chrono::milliseconds(16);

    // The bitmap changed within `area` (nothing for an empty one).
    void Drawn(const TRect& area) { pending_ = UniteRects(pending_, area); }

    // Whether the screen is due at `now`: the first time, and then once the
    // interval has passed since it last was. A due moment starts the next
    // interval.
    bool Due(Clock::time_point now);

    // The area drawn since it was last taken, empty when there is none.
    TRect TakeArea();

private:
    TRect pending_;
    bool shown_ = false;
    Clock::time_point last_;
};
