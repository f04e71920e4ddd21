#include "model/PointReader.h"

#include "model/Data.h"
#include "model/Gamma.h"

#include <cmath>

ReadTransform ReadTransform::From(const DisplayTransform& transform)
{
    ReadTransform read;
    if (transform.offsetUse) {
        read.offR = transform.offsetR;
        read.offX = transform.offsetX;
    }
    if (transform.rotateUse) read.rotation = transform.rotateAngle;
    read.z0Re = transform.z0Re;
    read.z0Im = transform.z0Im;
    return read;
}

void ReadTransform::Rotate(double& R, double& X) const
{
    if (rotation == 0) return;
    double re = 0;
    double im = 0;
    if (!GammaFromZ(R, X, z0Re, z0Im, re, im)) return;

    // The rotation has always used this approximation of pi; stored documents
    // show their points where their users saw them.
    const double a = rotation * 3.1415926 * (1.0 / 180);
    const double rotatedRe = re * std::cos(a) + im * std::sin(a);
    const double rotatedIm = im * std::cos(a) - re * std::sin(a);
    const double n = 1 - rotatedRe * rotatedRe - rotatedIm * rotatedIm;
    const double d = (1 - rotatedRe) * (1 - rotatedRe) + rotatedIm * rotatedIm;
    if (d == 0) return;
    R = (z0Re * n - 2 * rotatedIm * z0Im) / d;
    X = (z0Im * n + 2 * rotatedIm * z0Re) / d;
}

PointReader::PointReader(const CData& data, int horMode, int limit)
    : PointReader(data, data.DisplayTransformNow(), horMode, limit)
{
}

PointReader::PointReader(const CData& data, const ReadTransform& transform, int horMode, int limit)
    : data_(data), transform_(transform), horMode_(horMode), end_(std::max(0, std::min(limit, data.Count())))
{
}

bool PointReader::Read(int index, ShownPoint& shown) const
{
    if (index < 0 || index >= end_) return false;
    shown = Shown(index, *data_.GetRecord(index));
    return true;
}

std::span<const PointRecord> PointReader::Stretch(int index) const
{
    const int length = std::min(data_.ContiguousFrom(index), end_ - index);
    return {data_.GetRecord(index), static_cast<std::size_t>(length)};
}
