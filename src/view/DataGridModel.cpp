#include "view/DataGridModel.h"

#include "model/Trace.h"
#include "view/DataGridText.h"

#include <algorithm>

DataGridModel::DataGridModel(const CTraces& traces, QObject* parent) : QAbstractTableModel(parent), traces_(traces) {}

void DataGridModel::Show(CTrace* trace, int points)
{
    beginResetModel();
    trace_ = trace;
    points_ = trace ? std::max(0, points) : 0;
    time_ = trace && trace->Time;
    vip_ = trace && trace->Vip;
    edits_.Reset(trace_, points_);
    endResetModel();
}

void DataGridModel::Grow(CTrace* trace, int points)
{
    const bool sameColumns = trace && trace->Time == time_ && trace->Vip == vip_;
    if (trace != trace_ || !sameColumns || points < points_ || edits_.Changed()) {
        Show(trace, points);
        return;
    }
    if (points == points_) return;
    // The empty row of a list without points becomes the first point's.
    const int firstNewRow = std::max(points_, 1);
    if (points_ == 0) {
        points_ = 1;
        edits_.Reset(trace_, points_);
        emit dataChanged(index(0, 0), index(0, columnCount() - 1));
    }
    if (points > firstNewRow) {
        beginInsertRows({}, firstNewRow, points - 1);
        points_ = points;
        edits_.Reset(trace_, points_);
        endInsertRows();
    }
}

int DataGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : edits_.RowCount(); }

int DataGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(DataGridHeader(time_, vip_).size());
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid() || !TraceInList()) return {};
    if (const std::string* typed = edits_.TypedText(index.row(), index.column())) return QString::fromStdString(*typed);
    const int point = edits_.PointOf(index.row());
    if (point < 0) return {};
    return QString::fromStdString(DataGridCell(*trace_, point, index.column()));
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return trace_ && index.isValid() ? flags | Qt::ItemIsEditable : flags;
}

bool DataGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !trace_ || index.row() >= rowCount()) return false;
    if (value.toString() == data(index, Qt::DisplayRole).toString()) return true;
    edits_.SetText(index.row(), index.column(), value.toString().toStdString());
    emit dataChanged(index, index);
    return true;
}

void DataGridModel::DuplicateRow(int row)
{
    if (!trace_ || row < 0 || row >= rowCount()) return;
    beginInsertRows({}, row + 1, row + 1);
    edits_.DuplicateRow(row);
    endInsertRows();
}

void DataGridModel::RemoveRows(int first, int count)
{
    if (!trace_) return;
    const DataGridEdits::Removal removal = edits_.PlanRemoval(first, count);
    if (removal.count > 0) beginRemoveRows({}, removal.first, removal.first + removal.count - 1);
    edits_.Remove(removal);
    if (removal.count > 0) endRemoveRows();
    if (removal.emptyFirstRow) emit dataChanged(index(0, 0), index(0, columnCount() - 1));
}

void DataGridModel::DeleteAllRows()
{
    if (!trace_) return;
    beginResetModel();
    edits_.DeleteAll();
    endResetModel();
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const std::vector<std::string> header = DataGridHeader(time_, vip_);
    if (section < 0 || section >= static_cast<int>(header.size())) return {};
    return QString::fromStdString(header[static_cast<std::size_t>(section)]);
}

bool DataGridModel::TraceInList() const
{
    for (int i = 0; i < traces_.Count(); ++i) {
        if (traces_.Get(i) == trace_) return true;
    }
    return false;
}
