#include "view/document/DataGridEdits.h"

#include "model/DisplayTransform.h"
#include "model/Gamma.h"
#include "model/Trace.h"
#include "model/TraceNumber.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

const char* SkipBlanks(const char* at, const char* end)
{
    while (at < end && IsBlank(*at)) ++at;
    return at;
}

// A cell holds one finite number, blanks around it allowed.
std::optional<double> ReadCellNumber(const std::string& text)
{
    const char* const end = text.data() + text.size();
    double value = 0;
    const char* after = ReadScanfDouble(text.data(), end, value);
    if (!after || SkipBlanks(after, end) != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The point's number: a decimal integer, blanks around it allowed.
bool IsCellInteger(const std::string& text)
{
    const char* const end = text.data() + text.size();
    const char* at = SkipBlanks(text.data(), end);
    if (at < end && (*at == '+' || *at == '-')) ++at;
    const char* const digits = at;
    while (at < end && std::isdigit(static_cast<unsigned char>(*at))) ++at;
    return at != digits && SkipBlanks(at, end) == end;
}

// Rotates the impedance's reflection coefficient by `degrees` along a line of
// the Smith chart, with the approximation of pi the point store uses.
void Rotate(const DisplayTransform& transform, double degrees, double& R, double& X)
{
    double re = 0;
    double im = 0;
    if (degrees == 0 || !GammaFromZ(R, X, transform.z0Re, transform.z0Im, re, im)) return;
    const double a = degrees * 3.1415926 * (1.0 / 180);
    const double rotatedRe = re * std::cos(a) + im * std::sin(a);
    const double rotatedIm = im * std::cos(a) - re * std::sin(a);
    const double n = 1 - rotatedRe * rotatedRe - rotatedIm * rotatedIm;
    const double d = (1 - rotatedRe) * (1 - rotatedRe) + rotatedIm * rotatedIm;
    if (d == 0) return;
    R = (transform.z0Re * n - 2 * rotatedIm * transform.z0Im) / d;
    X = (transform.z0Im * n + 2 * rotatedIm * transform.z0Re) / d;
}

double RotationOf(const DisplayTransform& transform) { return transform.rotateUse ? transform.rotateAngle : 0; }

// The record's fields in the order of the list's columns from column 1 on.
std::vector<double*> ColumnFields(PointRecord& record, bool time, bool vip)
{
    std::vector<double*> fields = {&record.f, &record.R, &record.X};
    if (time) fields.push_back(&record.t);
    if (vip) fields.insert(fields.end(), {&record.V, &record.I, &record.phase});
    return fields;
}

} // namespace

void DisplayedFromStored(const DisplayTransform& transform, double& R, double& X)
{
    if (transform.offsetUse) {
        R -= transform.offsetR;
        X -= transform.offsetX;
    }
    Rotate(transform, RotationOf(transform), R, X);
}

void StoredFromDisplayed(const DisplayTransform& transform, double& R, double& X)
{
    Rotate(transform, -RotationOf(transform), R, X);
    if (transform.offsetUse) {
        R += transform.offsetR;
        X += transform.offsetX;
    }
}

void DataGridEdits::Reset(const CTrace* trace, int points)
{
    trace_ = trace;
    shown_ = trace ? std::max(0, points) : 0;
    rows_.clear();
    rows_.shrink_to_fit();
}

int DataGridEdits::RowCount() const { return Changed() ? static_cast<int>(rows_.size()) : std::max(shown_, 1); }

int DataGridEdits::PointOf(int row) const
{
    if (row < 0 || row >= RowCount()) return -1;
    if (Changed()) return rows_[static_cast<std::size_t>(row)].point;
    return row < shown_ ? row : -1;
}

const std::string* DataGridEdits::TypedText(int row, int column) const
{
    if (!Changed() || row < 0 || row >= RowCount() || column < 0 || column >= kMaxColumns) return nullptr;
    const auto& texts = rows_[static_cast<std::size_t>(row)].texts;
    if (!texts || !(*texts)[static_cast<std::size_t>(column)]) return nullptr;
    return &*(*texts)[static_cast<std::size_t>(column)];
}

void DataGridEdits::LayOutRows()
{
    if (Changed()) return;
    rows_.resize(static_cast<std::size_t>(std::max(shown_, 1)));
    for (int row = 0; row < shown_; ++row) rows_[static_cast<std::size_t>(row)].point = row;
}

void DataGridEdits::SetText(int row, int column, std::string text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= kMaxColumns) return;
    LayOutRows();
    auto& texts = rows_[static_cast<std::size_t>(row)].texts;
    if (!texts) texts = std::make_unique<RowTexts>();
    (*texts)[static_cast<std::size_t>(column)] = std::move(text);
}

bool DataGridEdits::DuplicateRow(int row)
{
    if (row < 0 || row >= RowCount()) return false;
    LayOutRows();
    const Row& source = rows_[static_cast<std::size_t>(row)];
    Row copy{source.point, source.texts ? std::make_unique<RowTexts>(*source.texts) : nullptr};
    rows_.insert(rows_.begin() + row + 1, std::move(copy));
    return true;
}

DataGridEdits::Removal DataGridEdits::PlanRemoval(int first, int count) const
{
    const int rows = RowCount();
    if (first < 0 || first >= rows || count <= 0) return {};
    const int taken = std::min(count, rows - first);
    if (taken < rows) return {first, taken, false};
    return {1, rows - 1, true};
}

void DataGridEdits::Remove(const Removal& removal)
{
    if (removal.count <= 0 && !removal.emptyFirstRow) return;
    LayOutRows();
    const auto begin = rows_.begin() + removal.first;
    rows_.erase(begin, begin + removal.count);
    if (removal.emptyFirstRow) rows_.front() = Row{};
}

void DataGridEdits::DeleteAll()
{
    rows_.clear();
    rows_.emplace_back();
}

bool DataGridEdits::RowHasText(int row) const
{
    if (PointOf(row) >= 0) return true;
    for (int column = 0; column < kMaxColumns; ++column) {
        const std::string* text = TypedText(row, column);
        if (text && !std::all_of(text->begin(), text->end(), IsBlank)) return true;
    }
    return false;
}

std::optional<PointRecord> DataGridEdits::RowRecord(int row, CTrace& trace, const DisplayTransform& transform) const
{
    const int point = PointOf(row);
    const PointRecord* stored = point >= 0 ? trace.Data.GetRecord(point) : nullptr;
    const bool typed = Changed() && rows_[static_cast<std::size_t>(row)].texts;
    if (!typed) return stored ? std::optional<PointRecord>(*stored) : std::nullopt;

    PointRecord record = stored ? *stored : PointRecord{};
    const bool typedR = TypedText(row, 2) != nullptr;
    const bool typedX = TypedText(row, 3) != nullptr;
    // Without a rotation R and X are independent, and an untouched one keeps
    // its stored bits.
    const bool rotated = RotationOf(transform) != 0;
    if (stored && rotated && (typedR || typedX)) DisplayedFromStored(transform, record.R, record.X);

    const std::string* number = TypedText(row, 0);
    if ((number && !IsCellInteger(*number)) || (!number && !stored)) return std::nullopt;
    const std::vector<double*> fields = ColumnFields(record, trace.Time, trace.Vip);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string* text = TypedText(row, static_cast<int>(i) + 1);
        if (!text) {
            if (!stored) return std::nullopt;
            continue;
        }
        const std::optional<double> value = ReadCellNumber(*text);
        if (!value) return std::nullopt;
        *fields[i] = *value;
    }
    if (rotated && (typedR || typedX)) {
        StoredFromDisplayed(transform, record.R, record.X);
    } else if (transform.offsetUse) {
        if (typedR) record.R += transform.offsetR;
        if (typedX) record.X += transform.offsetX;
    }
    return record;
}

int DataGridEdits::AcceptInto(CTrace& trace, const DisplayTransform& transform) const
{
    std::vector<PointRecord> records;
    records.reserve(static_cast<std::size_t>(std::max(trace.Data.Count(), RowCount())));
    int unreadable = 0;
    for (int row = 0; row < RowCount(); ++row) {
        if (const std::optional<PointRecord> record = RowRecord(row, trace, transform)) records.push_back(*record);
        else if (RowHasText(row)) ++unreadable;
    }
    for (int point = shown_; point < trace.Data.Count(); ++point) records.push_back(*trace.Data.GetRecord(point));
    trace.Data.Clear();
    for (const PointRecord& p : records) trace.Data.InsertSorted(p.f, p.R, p.X, p.t, p.V, p.I, p.phase);
    return unreadable;
}
