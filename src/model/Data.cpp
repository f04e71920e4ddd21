#include "model/Data.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <new>

namespace {

// Keys (frequency or time) within 1e-12 of each other, relatively, count as
// equal. Returns -1, 0 or 1 as `key` ranks below, equal to or above `value`.
int CompareKey(double key, double value)
{
    if (std::fabs(key - value) <= std::min(std::fabs(key), std::fabs(value)) * 1e-12) return 0;
    return key < value ? -1 : 1;
}

double KeyOf(const PointRecord& record, int kind) { return kind == 1 ? record.f : record.t; }

double Interpolate(double a, double b, double u) { return a + (b - a) * u; }

} // namespace

CDataBlock::CDataBlock(int capacity) : records_(new PointRecord[static_cast<size_t>(capacity)]), capacity_(capacity) {}

CDataBlock::~CDataBlock() = default;

CData::CData()
{
    for (int k = 0; k < kMatchPointCount; ++k) {
        const bool maximum = k == kRMax || k == kXMax;
        MatchPoints[k].R = maximum ? -kNoValue : kNoValue;
        MatchPoints[k].X = maximum ? -kNoValue : kNoValue;
    }
}

CData::~CData() = default;

void CData::Clear()
{
    blocks_.clear();
    count_ = 0;
    readValid_ = false;
}

bool CData::Locate(int index, int& block, int& record) const
{
    if (index < 0) return false;
    const bool first = index < kFirstBlockSize;
    block = first ? 0 : 1 + (index - kFirstBlockSize) / kBlockSize;
    record = first ? index : (index - kFirstBlockSize) % kBlockSize;
    return index < count_;
}

int CData::ContiguousFrom(int index) const
{
    int block = 0;
    int record = 0;
    Locate(index, block, record);
    return (block == 0 ? kFirstBlockSize : kBlockSize) - record;
}

int CData::BlockStart(int block) { return block == 0 ? 0 : kFirstBlockSize + (block - 1) * kBlockSize; }

std::unique_ptr<CDataBlock> CData::NewBlock()
{
    try {
        return std::make_unique<CDataBlock>(blocks_.empty() ? kFirstBlockSize : kBlockSize);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

PointRecord& CData::RecordAt(int index)
{
    int block = 0;
    int record = 0;
    Locate(index, block, record);
    return blocks_[static_cast<size_t>(block)]->Records()[record];
}

const PointRecord& CData::RecordAt(int index) const
{
    int block = 0;
    int record = 0;
    Locate(index, block, record);
    return blocks_[static_cast<size_t>(block)]->Records()[record];
}

bool CData::Append(double f, double R, double X, double t, double V, double I, double phase)
{
    if (count_ == std::numeric_limits<int>::max()) return false;
    int block = 0;
    int record = 0;
    Locate(count_, block, record);
    if (static_cast<int>(blocks_.size()) <= block) {
        auto fresh = NewBlock();
        if (!fresh) return false;
        try {
            blocks_.push_back(std::move(fresh));
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    CDataBlock& target = *blocks_[static_cast<size_t>(block)];
    target.Records()[record] = PointRecord{f, R, X, t, V, I, phase};
    ++target.used;
    ++count_;
    return true;
}

void CData::InsertSorted(double f, double R, double X, double t, double V, double I, double phase)
{
    if (!Append(f, R, X, t, V, I, phase)) return;
    if (count_ == 1) return;
    const int last = count_ - 1;
    if (f >= RecordAt(last - 1).f) return;

    // Binary search over the points before the new one: the place after the
    // last point whose frequency is at or below f.
    int lo = 0;
    int hi = last;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (CompareKey(RecordAt(mid).f, f) <= 0) lo = mid + 1;
        else hi = mid;
    }
    const int place = lo;
    if (place >= last) return;

    // Shift the records place .. last-1 one step towards the end, a block's
    // run at a time: the last record of each block becomes the first of the
    // next.
    const PointRecord inserted = RecordAt(last);
    int lastBlock = 0;
    int lastRecord = 0;
    Locate(last, lastBlock, lastRecord);
    int firstBlock = 0;
    int placeRecord = 0;
    Locate(place, firstBlock, placeRecord);
    for (int block = lastBlock; block >= firstBlock; --block) {
        CDataBlock& target = *blocks_[static_cast<size_t>(block)];
        PointRecord* records = target.Records();
        const int begin = block == firstBlock ? placeRecord : 0;
        const int end = block == lastBlock ? lastRecord : target.Capacity() - 1; // record to fill
        if (end > begin) std::memmove(records + begin + 1, records + begin, sizeof(PointRecord) * static_cast<size_t>(end - begin));
        if (block > firstBlock) records[0] = RecordAt(BlockStart(block) - 1);
    }
    RecordAt(place) = inserted;
}

int CData::FindIndex(int kind, double value) const
{
    if (kind == 0) {
        const double number = std::trunc(value + 0.5) - 1;
        if (!(number >= std::numeric_limits<int>::min())) return -1;
        if (number > std::numeric_limits<int>::max()) return count_;
        return static_cast<int>(number);
    }
    if (blocks_.empty() || CompareKey(KeyOf(RecordAt(0), kind), value) > 0) return -1;

    size_t lo = 0;
    size_t hi = blocks_.size();
    do {
        const size_t mid = (lo + hi) / 2;
        if (CompareKey(KeyOf(blocks_[mid]->Records()[0], kind), value) > 0) hi = mid;
        else lo = mid;
    } while (hi - lo > 1);
    const CDataBlock& block = *blocks_[lo];

    int first = 0;
    int last = block.used;
    do {
        const int mid = (first + last) / 2;
        if (CompareKey(KeyOf(block.Records()[mid], kind), value) > 0) last = mid;
        else first = mid;
    } while (last - first > 1);
    return BlockStart(static_cast<int>(lo)) + first;
}

bool CData::InterpolateAt(int horMode, bool logarithmic, double x, double& R, double& X, double* V, double* I,
                          double* phase)
{
    R = X = 0;
    const int i = FindIndex(horMode, x);
    if (i < 0 || i >= count_) return false;

    double f0 = 0, R0 = 0, X0 = 0, t0 = 0, V0 = 0, I0 = 0, p0 = 0;
    GetPoint(i, f0, R0, X0, t0, &V0, &I0, &p0);
    const double x0 = horMode == 0 ? i + 1 : (horMode == 1 ? f0 : t0);

    if (i == count_ - 1) {
        R = R0;
        X = X0;
        if (V) *V = V0;
        if (I) *I = I0;
        if (phase) *phase = p0;
        return horMode == 0 || CompareKey(x0, x) >= 0;
    }

    double f1 = 0, R1 = 0, X1 = 0, t1 = 0, V1 = 0, I1 = 0, p1 = 0;
    GetPoint(i + 1, f1, R1, X1, t1, &V1, &I1, &p1);
    const double x1 = horMode == 0 ? i + 2 : (horMode == 1 ? f1 : t1);

    double u;
    if (horMode == 0) {
        u = x - (i + 1);
    } else if (horMode == 1 && logarithmic) {
        if (x0 <= 0) return false;
        u = std::log(x / x0) / std::log(x1 / x0);
    } else {
        u = (x - x0) / (x1 - x0);
    }
    R = Interpolate(R0, R1, u);
    X = Interpolate(X0, X1, u);
    if (V) *V = Interpolate(V0, V1, u);
    if (I) *I = Interpolate(I0, I1, u);
    if (phase) *phase = Interpolate(p0, p1, u);
    return true;
}

bool CData::InterpolateAtFreq(double& R, double& X, double f)
{
    R = X = 0;
    if (count_ == 0) return false;
    double f0 = 0, t0 = 0;
    const int i = FindIndex(1, f);
    if (i < 0 || i == count_ - 1) {
        GetPoint(i < 0 ? 0 : i, f0, R, X, t0);
        return true;
    }
    double R0 = 0, X0 = 0, f1 = 0, R1 = 0, X1 = 0, t1 = 0;
    GetPoint(i, f0, R0, X0, t0);
    GetPoint(i + 1, f1, R1, X1, t1);
    if (f0 <= 0) return false;
    const double u = std::log(f / f0) / std::log(f1 / f0);
    R = Interpolate(R0, R1, u);
    X = Interpolate(X0, X1, u);
    return true;
}
