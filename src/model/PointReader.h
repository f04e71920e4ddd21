#pragma once

#include "model/DisplayTransform.h"
#include "model/HorMode.h"
#include "model/PointRecord.h"

#include <algorithm>
#include <span>

class CData;

// The display transform as the reads apply it: R and X less the offsets,
// then rotated along a line of the Smith chart. A rotation of exactly 0 is
// skipped, so the identity leaves the stored values as they are.
struct ReadTransform {
    double offR = 0;
    double offX = 0;
    double rotation = 0; // degrees
    double z0Re = 50;
    double z0Im = 0;

    // Offsets and rotation only where the window turns them on.
    static ReadTransform From(const DisplayTransform& transform);

    void Apply(double& R, double& X) const
    {
        R -= offR;
        X -= offX;
        if (rotation != 0) Rotate(R, X);
    }
    // The rotation alone; nothing when it is 0, when Gamma fails or when the
    // rotated point has no impedance.
    void Rotate(double& R, double& X) const;
};

// A point as its window shows it: the stored record with R and X
// transformed, and its x in the reader's HorMode.
struct ShownPoint {
    PointRecord point;
    double x;
};

// Reads the points of a store below a limit as a window shows them, without
// touching the store: any number of readers may read one store at once. The
// transform is taken when the reader is made.
class PointReader {
public:
    // With the transform of the window that owns the store now.
    PointReader(const CData& data, int horMode, int limit);
    PointReader(const CData& data, const ReadTransform& transform, int horMode, int limit);

    // One past the last point read: the smaller of the limit and the count.
    int End() const { return end_; }
    const ReadTransform& Transform() const { return transform_; }

    // False, leaving `shown` alone, for an index outside 0 .. End() - 1.
    bool Read(int index, ShownPoint& shown) const;

    // fn(index, shown) for the points from `first` (0 when negative) on, a
    // storage block at a time; fn returns false to stop. Returns the index
    // after the last point handed out.
    template <typename Fn>
    int ForEach(int first, Fn&& fn) const;

private:
    double XOf(int index, const PointRecord& record) const
    {
        return horMode_ == kHorN ? index + 1 : (horMode_ == kHorF ? record.f : record.t);
    }
    // R and X are transformed as they come from the store, before the point
    // is put together: a point put together first and then changed in
    // memory costs a stall per point.
    ShownPoint Shown(int index, const PointRecord& record) const
    {
        double R = record.R;
        double X = record.X;
        transform_.Apply(R, X);
        return {{record.f, R, X, record.t, record.V, record.I, record.phase}, XOf(index, record)};
    }
    // The stored records from `index` to the end of its block or End().
    std::span<const PointRecord> Stretch(int index) const;

    const CData& data_;
    ReadTransform transform_;
    int horMode_;
    int end_;
};

template <typename Fn>
int PointReader::ForEach(int first, Fn&& fn) const
{
    int index = std::max(first, 0);
    while (index < end_) {
        const std::span<const PointRecord> stretch = Stretch(index);
        for (const PointRecord& record : stretch) {
            if (!fn(index, Shown(index, record))) return index + 1;
            ++index;
        }
    }
    return index;
}
