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
    endResetModel();
}

void DataGridModel::Grow(CTrace* trace, int points)
{
    const bool sameColumns = trace && trace->Time == time_ && trace->Vip == vip_;
    if (trace != trace_ || !sameColumns || points < points_) {
        Show(trace, points);
        return;
    }
    if (points == points_) return;
    // The empty row of a list without points becomes the first point's.
    const int firstNewRow = std::max(points_, 1);
    if (points_ == 0) {
        points_ = 1;
        emit dataChanged(index(0, 0), index(0, columnCount() - 1));
    }
    if (points > firstNewRow) {
        beginInsertRows({}, firstNewRow, points - 1);
        points_ = points;
        endInsertRows();
    }
}

int DataGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : std::max(points_, 1); }

int DataGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(DataGridHeader(time_, vip_).size());
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= points_ || !TraceInList()) return {};
    return QString::fromStdString(DataGridCell(*trace_, index.row(), index.column()));
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
