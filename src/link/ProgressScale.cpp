#include "link/ProgressScale.h"

#include <algorithm>
#include <limits>

ProgressBarValues ScaleToProgressBar(std::int64_t position, std::int64_t maximum)
{
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
    maximum = std::max<std::int64_t>(maximum, 0);
    position = std::clamp<std::int64_t>(position, 0, maximum);
    const std::int64_t divisor = maximum <= kLimit ? 1 : maximum / kLimit + 1;
    return {static_cast<int>(position / divisor), static_cast<int>(maximum / divisor)};
}
