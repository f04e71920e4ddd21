#pragma once

#include "model/PointRecord.h"
#include "model/Trace.h"
#include "view/document/ViewState.h"

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

// Traces for the chart drawing tests, added to a window's state selected.

inline CTrace& AddTrace(ViewState& view, const std::vector<PointRecord>& points, const std::string& name = "trace")
{
    auto trace = std::make_unique<CTrace>();
    trace->Name = name;
    trace->Selected = true;
    trace->Time = true;
    trace->Vip = true;
    for (const PointRecord& p : points) trace->Data.Append(p.f, p.R, p.X, p.t, p.V, p.I, p.phase);
    CTrace& added = *trace;
    view.Traces.Add(std::move(trace));
    return added;
}

// A sweep from 1 to 100 MHz around 50 ohm, smooth enough that most points
// fall within a few pixels of the one before.
inline std::vector<PointRecord> Sweep(int n)
{
    std::vector<PointRecord> points;
    for (int i = 0; i < n; ++i) {
        const double f = 1 + 99.0 * i / n;
        points.push_back({f, 50 + 40 * std::sin(f / 9), 60 * std::cos(f / 13), i * 0.01, 1 + std::sin(f / 5),
                          0.5 + 0.3 * std::cos(f / 7), 170 * std::sin(f / 11)});
    }
    return points;
}

// Random values at rising frequencies from 1 to 100 MHz: nearly every point
// is far from the one before.
inline std::vector<PointRecord> Noise(int n, unsigned seed, double spread = 140)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-spread, spread);
    std::vector<PointRecord> points;
    for (int i = 0; i < n; ++i) {
        const double f = 1 + 99.0 * i / n;
        points.push_back({f, 50 + value(random), value(random), i * 0.01, value(random) / 50, value(random) / 100,
                          value(random)});
    }
    return points;
}

// Every `every`-th point carries no value (1e99) in R, X, V, I and phase.
inline std::vector<PointRecord> WithGaps(std::vector<PointRecord> points, int every)
{
    for (std::size_t i = 0; i < points.size(); i += static_cast<std::size_t>(every)) {
        points[i].R = points[i].X = points[i].V = points[i].I = points[i].phase = kNoValue;
    }
    return points;
}
