#include "view/ReplayLimit.h"

#include "model/Trace.h"

namespace {

std::function<int(const CTrace&)>& InstalledLimit()
{
    static std::function<int(const CTrace&)> limit;
    return limit;
}

} // namespace

int ReplaySampleLimit(const CTrace& trace)
{
    const auto& limit = InstalledLimit();
    return limit ? limit(trace) : trace.Data.Count();
}

void InstallReplaySampleLimit(std::function<int(const CTrace&)> limit) { InstalledLimit() = std::move(limit); }
