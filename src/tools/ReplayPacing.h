#pragma once

#include <optional>

class CTrace;

// The pace of a replay: the trace's time runs `speed` times faster than real
// time. A point's time is its stored time stamp for a time-recorded trace,
// else its index times 1/16 s.

constexpr int kReplaySpeedPositions = 9; // "1/16" to "16"
constexpr int kReplayNormalSpeedPosition = 4;
// A time gap in a document longer than this still waits only this long.
constexpr double kMaxReplayWaitSeconds = 3600;

// 2^position / 16; positions outside 0..8 are held at the ends.
double ReplaySpeed(int position);

double ReplayPointTime(const CTrace& trace, int index);

// Where a run measures its waits from: the trace time t0 of the point it
// started at, or of the point where the speed last changed, and the clock
// (ms) at that moment.
struct ReplayPace {
    double t0 = 0;
    double clockMs = 0;
    int position = kReplayNormalSpeedPosition;
};

// The clock reading (ms) at which the point with time tn is due:
// (tn - t0) / speed after the pace's clock, the wait clamped to 0 ..
// kMaxReplayWaitSeconds. Absent when the time stamps give no finite wait,
// which ends the run.
std::optional<double> ReplayDueMs(const ReplayPace& pace, double tn);

// After a point with time tn was shown at clock nowMs: when the speed
// position has changed, the new speed counts from this point on, so the
// pace changes without a jump.
void ReplaySpeedChanged(ReplayPace& pace, int position, double tn, double nowMs);
