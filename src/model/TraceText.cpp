// The plain-text form of a point store: one point per line, numbers separated
// by commas. It is the content of every "Trace" element and of CSV imports.

#include "model/Data.h"
#include "model/TraceNumber.h"

#include <cmath>

namespace {

int ColumnCount(bool time, bool vip) { return 3 + (time ? 1 : 0) + (vip ? 3 : 0); }

// Parses "%lg,%lg,..." with scanf's rules: each number may follow blanks, each
// comma must follow the previous number directly, text after the last number
// is ignored. True when every column was read.
bool ParseColumns(const char* begin, const char* end, double* values, int columns)
{
    const char* p = begin;
    for (int k = 0; k < columns; ++k) {
        if (k > 0) {
            if (p >= end || *p != ',') return false;
            ++p;
        }
        p = ReadScanfDouble(p, end, values[k]);
        if (!p) return false;
    }
    return true;
}

// R and X of a reflection coefficient re + j im against the real Z0; the
// coefficient 1 + j0 is the infinite impedance.
void ConvertGamma(double re, double im, double z0, double& R, double& X)
{
    const double d = (1 - re) * (1 - re) + im * im;
    if (d == 0) {
        R = X = kNoValue;
        return;
    }
    R = z0 * (1 - re * re - im * im) / d;
    X = 2 * z0 * im / d;
}

} // namespace

std::string CData::ToCsvText(bool time, bool vip, TraceValues values)
{
    std::string text;
    text.reserve(static_cast<size_t>(count_) * (time || vip ? 48 : 28) + 4);
    text += ' ';

    char line[2 + 7 * (kTraceNumberMaxLength + 1)];
    const auto appendLine = [&](const PointRecord& point) {
        const double columns[7] = {point.f, point.R, point.X, point.t, point.V, point.I, point.phase};
        char* out = line;
        *out++ = '\r';
        *out++ = '\n';
        for (int k = 0; k < 7; ++k) {
            if (k == 3 && !time) continue;
            if (k >= 4 && !vip) break;
            if (k > 0) *out++ = ',';
            out += FormatTraceNumber(columns[k], out);
        }
        text.append(line, out);
    };

    if (values == TraceValues::Stored) {
        for (int i = 0; i < count_; ++i) appendLine(RecordAt(i));
    } else {
        PointRecord point{};
        StartIteration(0);
        while (NextPoint(point.f, point.R, point.X, point.t, &point.V, &point.I, &point.phase)) appendLine(point);
    }
    text += "\r\n";
    return text;
}

void CData::AppendCsvLine(std::string_view line, int kind, double z0, bool time, bool vip)
{
    double values[7];
    if (!ParseColumns(line.data(), line.data() + line.size(), values, ColumnCount(time, vip))) return;
    double point[7] = {values[0], values[1], values[2], 0, 0, 0, 0};
    int k = 3;
    if (time) point[3] = values[k++];
    if (vip) {
        point[4] = values[k++];
        point[5] = values[k++];
        point[6] = values[k++];
    }
    if (kind == kTextMagAngle) {
        const double angle = values[2] * 3.141592653589793 * (1.0 / 180);
        point[1] = values[1] * std::cos(angle);
        point[2] = values[1] * std::sin(angle);
    } else if (kind == kTextGamma) {
        ConvertGamma(values[1], values[2], z0, point[1], point[2]);
    }
    Append(point[0], point[1], point[2], point[3], point[4], point[5], point[6]);
}

int CData::FromCsvText(const std::string& text, int kind, int startLine, double z0, bool time, bool vip)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    int lineIndex = 0;
    while (p < end) {
        // A line ends at CR, LF or CR LF.
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n') ++lineEnd;
        const char* next = lineEnd;
        if (next < end && *next++ == '\r' && next < end && *next == '\n') ++next;

        if (lineIndex >= startLine && lineEnd > p) {
            if (*p == '#') return lineIndex;
            AppendCsvLine(std::string_view(p, static_cast<size_t>(lineEnd - p)), kind, z0, time, vip);
        }
        ++lineIndex;
        p = next;
    }
    return lineIndex > startLine ? lineIndex : startLine;
}

int CData::FromCsvLines(const std::vector<std::string_view>& lines, int kind, int startLine, double z0, bool time,
                        bool vip)
{
    const int count = static_cast<int>(lines.size());
    for (int i = startLine < 0 ? 0 : startLine; i < count; ++i) {
        const std::string_view line = lines[static_cast<size_t>(i)];
        if (line.empty()) continue;
        if (line.front() == '#') return i;
        AppendCsvLine(line, kind, z0, time, vip);
    }
    return count > startLine ? count : startLine;
}
