#include "view/canvas/RunUnion.h"

#include <algorithm>

void RunUnion::AddColumnRun(int x, int top, int bottom) { columns_[x].emplace_back(top, bottom); }

void RunUnion::AddRowRun(int y, int left, int right)
{
    for (int x = left; x <= right; ++x) AddColumnRun(x, y, y);
}

std::vector<std::pair<int, int>> RunUnion::Merged(std::vector<std::pair<int, int>>& runs)
{
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& run : runs) {
        // Runs that overlap or touch become one.
        if (!merged.empty() && run.first <= static_cast<long long>(merged.back().second) + 1) {
            merged.back().second = std::max(merged.back().second, run.second);
        } else {
            merged.push_back(run);
        }
    }
    return merged;
}
