#include "view/TraceListModel.h"

#include "view/ColorItems.h"

void TraceListModel::Fill(std::vector<TraceListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TraceListModel::SetName(int row, const std::string& name)
{
    if (row < 0 || row >= rowCount()) return;
    rows_[static_cast<std::size_t>(row)].name = name;
    emit dataChanged(index(row), index(row), {Qt::DisplayRole});
}

int TraceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant TraceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TraceListRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return QString::fromStdString(row.name);
    if (role == kColorItemRole) return QVariant::fromValue(row.color);
    return {};
}

QItemSelection SelectionOfRuns(const QAbstractItemModel& model, const std::vector<RowRun>& runs)
{
    QItemSelection selection;
    selection.reserve(static_cast<qsizetype>(runs.size()));
    for (const RowRun& run : runs) selection.append(QItemSelectionRange(model.index(run.first, 0), model.index(run.last, 0)));
    return selection;
}

std::vector<RowRun> RunsOfSelection(const QItemSelection& selection)
{
    std::vector<RowRun> runs;
    runs.reserve(static_cast<std::size_t>(selection.size()));
    for (const QItemSelectionRange& range : selection) {
        if (range.isValid()) runs.push_back({range.top(), range.bottom()});
    }
    return runs;
}
