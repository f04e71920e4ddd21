#pragma once

#include <map>
#include <utility>
#include <vector>

// The pixels of one figure gathered as runs and merged, so that a figure
// whose parts overlap sets each of its pixels once: what keeps an XOR pen
// from cancelling itself where the parts of a wide figure meet.
class RunUnion {
public:
    void AddColumnRun(int x, int top, int bottom);
    // A row run is kept as one-pixel runs of its columns.
    void AddRowRun(int y, int left, int right);

    // f(x, top, bottom) for each merged run, once per pixel.
    template <typename Fn>
    void ForEachRun(Fn&& f)
    {
        for (auto& [x, runs] : columns_) {
            for (const auto& [top, bottom] : Merged(runs)) f(x, top, bottom);
        }
    }

private:
    static std::vector<std::pair<int, int>> Merged(std::vector<std::pair<int, int>>& runs);

    std::map<int, std::vector<std::pair<int, int>>> columns_;
};
