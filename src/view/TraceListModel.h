#pragma once

#include "view/document/TraceListRows.h"

#include <QAbstractListModel>
#include <QItemSelection>

#include <vector>

// The rows of the control window's trace list: each trace's name and colour
// (in kColorItemRole) as they were at the last fill. The list is rebuilt from
// the traces at every refresh, so the rows are a copy, not a view into a
// document that may close. Names become Qt text only when a row is shown.
class TraceListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // The rows anew, in one reset of the model.
    void Fill(std::vector<TraceListRow> rows);
    // Row `row` shows `name`.
    void SetName(int row, const std::string& name);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<TraceListRow> rows_;
};

// Runs of rows of a list model as a selection, one range per run, and back.
QItemSelection SelectionOfRuns(const QAbstractItemModel& model, const std::vector<RowRun>& runs);
std::vector<RowRun> RunsOfSelection(const QItemSelection& selection);
