#pragma once

#include "view/document/DataGridEdits.h"

#include <QAbstractTableModel>

class CTrace;
class CTraces;

// The rows of the "Data" view's point list: one per point of the trace it
// shows, formatted only when the view asks for a cell, so that a trace of a
// million points is listed at once and a run adds a row in constant time.
// The column headers are the header row of the list. Without a trace there
// are the four columns of a plain trace and one empty row.
class DataGridModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // The model reads the trace only while the window's list holds it.
    DataGridModel(const CTraces& traces, QObject* parent);

    // The first `points` points of a trace; none: no trace.
    void Show(CTrace* trace, int points);
    // The trace's first `points` points again, as a run grows it: rows for
    // new points are added at the end.
    void Grow(CTrace* trace, int points);

    CTrace* ShownTrace() const { return trace_; }
    int Points() const { return points_; }

    // Changes typed into the list or made by its row commands, kept apart
    // from the trace until they are accepted; showing a trace drops them, and
    // so does a run that grows the list.
    const DataGridEdits& Edits() const { return edits_; }
    // The row is copied below itself; nothing for a row out of range.
    void DuplicateRow(int row);
    // `count` rows from `first` in one step; the last remaining row is
    // emptied instead (DataGridEdits::PlanRemoval).
    void RemoveRows(int first, int count);
    // One empty row.
    void DeleteAllRows();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A typed cell; the same text as shown changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    bool TraceInList() const;

    const CTraces& traces_;
    CTrace* trace_ = nullptr;
    int points_ = 0;
    bool time_ = false;
    bool vip_ = false;
    DataGridEdits edits_;
};
