#pragma once

#include "model/DisplayTransform.h"
#include "model/MatchSlots.h"
#include "model/PointReader.h"
#include "model/PointRecord.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CTrace;

// A store's first block is small: a document may hold many thousands of
// traces of a few points each, and a full block for each of them would cost
// its own allocation and memory page. Every later block holds kBlockSize.
constexpr int kFirstBlockSize = 64;
constexpr int kBlockSize = 4096;

// A fixed buffer of records. Appending to a trace never moves the points
// already stored.
class CDataBlock {
public:
    explicit CDataBlock(int capacity);
    virtual ~CDataBlock();
    CDataBlock(const CDataBlock&) = delete;
    CDataBlock& operator=(const CDataBlock&) = delete;

    PointRecord* Records() { return records_.get(); }
    const PointRecord* Records() const { return records_.get(); }
    int Capacity() const { return capacity_; }
    int used = 0;

private:
    std::unique_ptr<PointRecord[]> records_;
    int capacity_;
};

// How a trace text names columns 2 and 3 of its lines.
enum TraceTextKind {
    kTextRX = 0,        // R and X in ohm
    kTextMagAngle = 1,  // |Z| in ohm and its angle in degrees
    kTextGamma = 2,     // reflection coefficient, real and imaginary
};

// Whether a trace text holds the points as stored (measured) or as the
// owning document window displays them.
enum class TraceValues { Stored, Displayed };

// The point store of one trace or correction standard. Reads other than
// GetRecord return R and X as the owning document window displays them
// (offset and rotated); the stored values stay as measured.
class CData {
public:
    CData();
    virtual ~CData();
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;

    CTrace* Owner = nullptr; // null for the correction standards
    int DrawLimit = 0;       // points that NextPointX reads
    MatchPoint MatchPoints[kMatchPointCount];
    MatchTransition Transitions[kTransitionCount];

    void Clear();
    int Count() const { return count_; }
    // Block and record of a point index; true when the index is a stored
    // point. Negative indices give false and leave the outputs alone.
    bool Locate(int index, int& block, int& record) const;
    // The points stored one after another in memory from `index` on, to the
    // end of its block (stored or not).
    int ContiguousFrom(int index) const;

    bool Append(double f, double R, double X, double t = 0, double V = 0, double I = 0, double phase = 0);
    // Appends and moves the point to its place in ascending frequency, after
    // every point of equal frequency.
    void InsertSorted(double f, double R, double X, double t = 0, double V = 0, double I = 0, double phase = 0);

    // kind 0: the index of point number round(value) (1-based); kind 1 and 2:
    // the last point whose frequency (1) or time (2) is at or below the
    // value, -1 when there is none.
    int FindIndex(int kind, double value) const;
    // R, X (and V, I, phase when asked) at x, interpolated between the two
    // neighbouring points.
    bool InterpolateAt(int horMode, bool logarithmic, double x, double& R, double& X, double* V = nullptr,
                       double* I = nullptr, double* phase = nullptr);
    // R and X at a frequency, interpolated in log frequency and held constant
    // beyond the first and last point.
    bool InterpolateAtFreq(double& R, double& X, double f);

    // --- reading (applies the owning window's display transform) ---
    // A PointReader reads without the cursor and the draw limit below; these
    // reads keep their own state and serve one reader at a time.

    // The transform of the owning window now; the identity without one.
    ReadTransform DisplayTransformNow() const;
    void LoadDisplayOffsets();
    void ApplyRotation(double* R, double* X) const;
    const PointRecord* GetRecord(int index) const;
    // The stored record itself, for tools that change the measured values.
    PointRecord* GetRecord(int index);
    bool GetPoint(int index, double& f, double& R, double& X, double& t, double* V = nullptr, double* I = nullptr,
                  double* phase = nullptr);
    bool GetPointX(int horMode, int index, double& x, double* R = nullptr, double* X = nullptr, double* V = nullptr,
                   double* I = nullptr, double* phase = nullptr);
    bool GetReplayPointX(int horMode, int index, double& x, double* R = nullptr, double* X = nullptr,
                         double* V = nullptr, double* I = nullptr, double* phase = nullptr);
    bool StartIteration(int index);
    bool NextPoint(double& f, double& R, double& X, double& t, double* V = nullptr, double* I = nullptr,
                   double* phase = nullptr);
    bool NextPointX(int horMode, double& x, double& R, double& X, double* V = nullptr, double* I = nullptr,
                    double* phase = nullptr);

    // --- trace text ---

    // One blank, then a CR LF and one line per point, then a final CR LF.
    std::string ToCsvText(bool time, bool vip, TraceValues values = TraceValues::Displayed);
    // Appends the points of the lines from startLine on; stops at a line that
    // begins with "#" and returns its index, else the number of lines.
    int FromCsvText(const std::string& text, int kind, int startLine, double z0, bool time, bool vip);
    // The same over lines split once (SplitTextLines), for readers that take
    // a text block by block.
    int FromCsvLines(const std::vector<std::string_view>& lines, int kind, int startLine, double z0, bool time,
                     bool vip);

private:
    std::unique_ptr<CDataBlock> NewBlock();
    // The index of the first point of a block.
    static int BlockStart(int block);
    PointRecord& RecordAt(int index);
    const PointRecord& RecordAt(int index) const;
    const CDisplayTransformSource* OwningView() const;
    bool ReadNext(int horMode, int limit, ShownPoint& shown);
    // Appends the point of one non-empty line that does not begin with "#";
    // a line that does not parse is skipped.
    void AppendCsvLine(std::string_view line, int kind, double z0, bool time, bool vip);

    std::vector<std::unique_ptr<CDataBlock>> blocks_;
    int count_ = 0;

    // Sequential read position.
    int readIndex_ = 0;
    bool readValid_ = false;

    // Display transform loaded from the owning window.
    ReadTransform transform_;
};
