// Reading the points of a store as the owning document window shows them:
// R and X shifted by the window's display offsets, then rotated along a
// line of the Smith chart by its rotation angle.

#include "model/Data.h"
#include "model/Gamma.h"
#include "model/Trace.h"

#include <algorithm>
#include <cmath>

const CDisplayTransformSource* CData::OwningView() const
{
    if (!Owner || !Owner->Owner) return nullptr;
    return Owner->Owner->Owner;
}

void CData::LoadDisplayOffsets()
{
    offR_ = offX_ = rotation_ = 0;
    z0Re_ = 50;
    z0Im_ = 0;
    const CDisplayTransformSource* view = OwningView();
    if (!view) return;
    const DisplayTransform transform = view->CurrentDisplayTransform();
    if (transform.offsetUse) {
        offR_ = transform.offsetR;
        offX_ = transform.offsetX;
    }
    if (transform.rotateUse) rotation_ = transform.rotateAngle;
    z0Re_ = transform.z0Re;
    z0Im_ = transform.z0Im;
}

void CData::ApplyRotation(double* R, double* X) const
{
    if (!R || !X || rotation_ == 0) return;
    double re = 0;
    double im = 0;
    if (!GammaFromZ(*R, *X, z0Re_, z0Im_, re, im)) return;

    // The rotation has always used this approximation of pi; stored documents
    // show their points where their users saw them.
    const double a = rotation_ * 3.1415926 * (1.0 / 180);
    const double rotatedRe = re * std::cos(a) + im * std::sin(a);
    const double rotatedIm = im * std::cos(a) - re * std::sin(a);
    const double n = 1 - rotatedRe * rotatedRe - rotatedIm * rotatedIm;
    const double d = (1 - rotatedRe) * (1 - rotatedRe) + rotatedIm * rotatedIm;
    if (d == 0) return;
    *R = (z0Re_ * n - 2 * rotatedIm * z0Im_) / d;
    *X = (z0Im_ * n + 2 * rotatedIm * z0Re_) / d;
}

void CData::TransformForDisplay(double& R, double& X) const
{
    R -= offR_;
    X -= offX_;
    ApplyRotation(&R, &X);
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
    if (index < 0 || index >= count_) {
        f = R = X = t = 0;
        return false;
    }
    const PointRecord& record = RecordAt(index);
    f = record.f;
    t = record.t;
    LoadDisplayOffsets();
    R = record.R;
    X = record.X;
    TransformForDisplay(R, X);
    if (V) *V = record.V;
    if (I) *I = record.I;
    if (phase) *phase = record.phase;
    return true;
}

bool CData::GetPointX(int horMode, int index, double& x, double* R, double* X, double* V, double* I, double* phase)
{
    x = 0;
    if (index < 0 || index >= count_) {
        if (R) *R = 0;
        if (X) *X = 0;
        return false;
    }
    const PointRecord& record = RecordAt(index);
    LoadDisplayOffsets();
    if (R) *R = record.R - offR_;
    if (X) *X = record.X - offX_;
    ApplyRotation(R, X);
    x = horMode == 0 ? index + 1 : (horMode == 1 ? record.f : record.t);
    if (V) *V = record.V;
    if (I) *I = record.I;
    if (phase) *phase = record.phase;
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
    int block = 0;
    int record = 0;
    readValid_ = Locate(index, block, record);
    if (readValid_) {
        readBlock_ = block;
        readRecord_ = record;
    }
    LoadDisplayOffsets();
    return readValid_;
}

bool CData::ReadNext(PointRecord& record, double& R, double& X, int limit)
{
    if (!readValid_ || readIndex_ >= limit) return false;
    record = blocks_[static_cast<size_t>(readBlock_)]->Records()[readRecord_];
    R = record.R;
    X = record.X;
    TransformForDisplay(R, X);
    ++readIndex_;
    if (++readRecord_ == kBlockSize) {
        readRecord_ = 0;
        ++readBlock_;
    }
    return true;
}

bool CData::NextPoint(double& f, double& R, double& X, double& t, double* V, double* I, double* phase)
{
    PointRecord record;
    if (!ReadNext(record, R, X, count_)) return false;
    f = record.f;
    t = record.t;
    if (V) *V = record.V;
    if (I) *I = record.I;
    if (phase) *phase = record.phase;
    return true;
}

bool CData::NextPointX(int horMode, double& x, double& R, double& X, double* V, double* I, double* phase)
{
    PointRecord record;
    if (!ReadNext(record, R, X, std::min(DrawLimit, count_))) return false;
    x = horMode == 0 ? readIndex_ : (horMode == 1 ? record.f : record.t);
    if (V) *V = record.V;
    if (I) *I = record.I;
    if (phase) *phase = record.phase;
    return true;
}
