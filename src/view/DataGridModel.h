#pragma once

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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool TraceInList() const;

    const CTraces& traces_;
    CTrace* trace_ = nullptr;
    int points_ = 0;
    bool time_ = false;
    bool vip_ = false;
};
