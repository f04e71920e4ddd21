#pragma once

#include <functional>

class CTrace;

// How many points of a trace the charts, the fits and the data grid show:
// all of them, but for the trace the tools window replays, which shows the
// points up to the replay position. The tools window installs that rule;
// until it does, and after an empty rule is installed, every trace shows all
// its points.
int ReplaySampleLimit(const CTrace& trace);
void InstallReplaySampleLimit(std::function<int(const CTrace&)> limit);
