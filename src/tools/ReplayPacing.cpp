#include "tools/ReplayPacing.h"

#include "model/Trace.h"

#include <algorithm>
#include <cmath>

double ReplaySpeed(int position) { return std::ldexp(0.0625, std::clamp(position, 0, kReplaySpeedPositions - 1)); }

double ReplayPointTime(const CTrace& trace, int index)
{
    if (!trace.Time) return index * 0.0625;
    const PointRecord* record = trace.Data.GetRecord(index);
    return record ? record->t : 0;
}

std::optional<double> ReplayDueMs(const ReplayPace& pace, double tn)
{
    const double wait = (tn - pace.t0) / ReplaySpeed(pace.position);
    if (!std::isfinite(wait)) return std::nullopt;
    return pace.clockMs + std::clamp(wait, 0.0, kMaxReplayWaitSeconds) * 1000;
}

void ReplaySpeedChanged(ReplayPace& pace, int position, double tn, double nowMs)
{
    if (position == pace.position) return;
    pace.position = position;
    pace.t0 = tn;
    pace.clockMs = nowMs;
}
