#pragma once

#include "model/PointRecord.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CTrace;
struct DisplayTransform;

// Changes made in the "Data" view's point list that are not yet accepted.
// The list shows the first points of one trace; until the first change each
// row is simply that point. A changed list keeps, for each row, the point it
// came from (none for a row emptied by a delete) and only the texts the user
// typed. Accepting rebuilds the trace from the stored record of every row,
// with only the typed cells read back, so that untouched values keep every
// bit, whatever the table's digits and the window's offset and rotation.
class DataGridEdits {
public:
    // At most this many cells in a row: N, f, R, X, t, V, I, phase.
    static constexpr int kMaxColumns = 8;

    // The rows of the first `points` points of the trace (none: no trace);
    // every change is dropped.
    void Reset(const CTrace* trace, int points);

    const CTrace* Trace() const { return trace_; }
    // Rows were duplicated, removed or emptied, or a cell was typed into.
    bool Changed() const { return !rows_.empty(); }
    // At least one row, as the list always shows one.
    int RowCount() const;
    // The point a row came from; -1 for an empty row or a row out of range.
    int PointOf(int row) const;
    // What the user typed into the cell; null when the cell shows its point's
    // value (or nothing, in an empty row).
    const std::string* TypedText(int row, int column) const;

    // Each of these takes constant time but for the first change, which lays
    // out one entry per row, and the moves of a row insertion or removal.
    void SetText(int row, int column, std::string text);
    // The row is copied below itself; false, with nothing changed, for a row
    // out of range.
    bool DuplicateRow(int row);

    // Which rows a removal takes: `count` rows from `first` (fewer at the
    // end of the list); when that would leave no row, rows 1 on are removed
    // and row 0 is emptied instead.
    struct Removal {
        int first = 0;
        int count = 0;
        bool emptyFirstRow = false;
    };
    Removal PlanRemoval(int first, int count) const;
    void Remove(const Removal& removal);
    // One empty row.
    void DeleteAll();

    // The trace's new points: one per readable row, then the points the list
    // did not show, inserted in ascending frequency (rows of equal frequency
    // keep their order). A row is unreadable when a cell it needs is empty
    // (an empty row's cells are empty until typed), not a number, or not a
    // finite number. Typed R and X are taken as displayed and turned back
    // into stored values through `transform`. Returns the number of
    // unreadable rows that held any text; the trace must be Trace().
    int AcceptInto(CTrace& trace, const DisplayTransform& transform) const;

private:
    using RowTexts = std::array<std::optional<std::string>, kMaxColumns>;
    struct Row {
        int point = -1;
        std::unique_ptr<RowTexts> texts;
    };

    void LayOutRows();
    std::optional<PointRecord> RowRecord(int row, CTrace& trace, const DisplayTransform& transform) const;
    bool RowHasText(int row) const;

    const CTrace* trace_ = nullptr;
    int shown_ = 0;
    std::vector<Row> rows_;
};

// The display transform's inverse: the stored R and X of an impedance the
// window displays as R and X.
void StoredFromDisplayed(const DisplayTransform& transform, double& R, double& X);
// The transform itself, as the point store applies it.
void DisplayedFromStored(const DisplayTransform& transform, double& R, double& X);
