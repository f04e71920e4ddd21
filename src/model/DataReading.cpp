// Reading the points of a store as the owning document window shows them:
// R and X shifted by the window's display offsets, then rotated along a
// line of the Smith chart by its rotation angle. These are the store's own
// reads, with a cursor and a loaded transform; they read as a PointReader
// does.

#include "model/Data.h"
#include "model/Trace.h"

namespace {

// The values a read hands out beside x: R and X as shown, and V, I and phase
// where asked for.
void HandOut(const PointRecord& point, double* R, double* X, double* V, double* I, double* phase)
{
    if (R) *R = point.R;
    if (X) *X = point.X;
    if (V) *V = point.V;
    if (I) *I = point.I;
    if (phase) *phase = point.phase;
}

} // namespace

const CDisplayTransformSource* CData::OwningView() const
{
    if (!Owner || !Owner->Owner) return nullptr;
    return Owner->Owner->Owner;
}

ReadTransform CData::DisplayTransformNow() const
{
    const CDisplayTransformSource* view = OwningView();
    return view ? ReadTransform::From(view->CurrentDisplayTransform()) : ReadTransform{};
}

void CData::LoadDisplayOffsets() { transform_ = DisplayTransformNow(); }

void CData::ApplyRotation(double* R, double* X) const
{
    if (R && X) transform_.Rotate(*R, *X);
}

const PointRecord* CData::GetRecord(int index) const
{
    if (index < 0 || index >= count_) return nullptr;
    return &RecordAt(index);
}

PointRecord* CData::GetRecord(int index)
{
    if (index < 0 || index >= count_) return nullptr;
    return &RecordAt(index);
}

bool CData::GetPoint(int index, double& f, double& R, double& X, double& t, double* V, double* I, double* phase)
{
    LoadDisplayOffsets();
    ShownPoint shown{};
    if (!PointReader(*this, transform_, kHorN, count_).Read(index, shown)) {
        f = R = X = t = 0;
        return false;
    }
    f = shown.point.f;
    t = shown.point.t;
    HandOut(shown.point, &R, &X, V, I, phase);
    return true;
}

bool CData::GetPointX(int horMode, int index, double& x, double* R, double* X, double* V, double* I, double* phase)
{
    x = 0;
    LoadDisplayOffsets();
    // Without both R and X asked for, the offsets apply and the rotation,
    // which needs both, does not.
    const bool both = R && X;
    ReadTransform transform = transform_;
    if (!both) transform.rotation = 0;
    ShownPoint shown{};
    if (!PointReader(*this, transform, horMode, count_).Read(index, shown)) {
        if (R) *R = 0;
        if (X) *X = 0;
        return false;
    }
    x = shown.x;
    HandOut(shown.point, R, X, V, I, phase);
    return true;
}

bool CData::GetReplayPointX(int horMode, int index, double& x, double* R, double* X, double* V, double* I,
                            double* phase)
{
    return GetPointX(horMode, index, x, R, X, V, I, phase);
}

bool CData::StartIteration(int index)
{
    readIndex_ = index;
    readValid_ = index >= 0 && index < count_;
    LoadDisplayOffsets();
    return readValid_;
}

bool CData::ReadNext(int horMode, int limit, ShownPoint& shown)
{
    if (!readValid_ || !PointReader(*this, transform_, horMode, limit).Read(readIndex_, shown)) return false;
    ++readIndex_;
    return true;
}

bool CData::NextPoint(double& f, double& R, double& X, double& t, double* V, double* I, double* phase)
{
    ShownPoint shown{};
    if (!ReadNext(kHorN, count_, shown)) return false;
    f = shown.point.f;
    t = shown.point.t;
    HandOut(shown.point, &R, &X, V, I, phase);
    return true;
}

bool CData::NextPointX(int horMode, double& x, double& R, double& X, double* V, double* I, double* phase)
{
    ShownPoint shown{};
    if (!ReadNext(horMode, DrawLimit, shown)) return false;
    x = shown.x;
    HandOut(shown.point, &R, &X, V, I, phase);
    return true;
}
