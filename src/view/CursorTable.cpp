#include "view/CursorTable.h"

#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/document/ViewState.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCursorValueDigits = 6;
const QColor kSelectedTrace(221, 238, 255);

} // namespace

CursorTableModel::CursorTableModel(ViewState& view, QObject* parent) : QAbstractTableModel(parent), view_(view)
{
}

void CursorTableModel::SetRows(int rows)
{
    beginResetModel();
    rows_ = std::max(rows, 1);
    endResetModel();
}

void CursorTableModel::Refresh()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

int CursorTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int CursorTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant CursorTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    CTrace* trace = index.row() < view_.Traces.Count() ? view_.Traces.Get(index.row()) : nullptr;
    if (role == Qt::BackgroundRole) return trace && trace->Selected ? kSelectedTrace : QColor(Qt::white);
    if (role != Qt::DisplayRole || !trace) return {};
    if (index.column() == 0) return QString::fromStdString(trace->Name);
    double R = 0;
    double X = 0;
    if (!trace->Data.InterpolateAt(view_.HorMode, view_.HorLog, view_.CursorX, R, X)) return QString();
    return QString::fromStdString(FormatEng(Settings.TableDataDigits, index.column() == 1 ? R : X));
}

QVariant CursorTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    switch (section) {
    case 0:
        return QString::fromStdString(FormatEng(kCursorValueDigits, view_.CursorX));
    case 1:
        return QStringLiteral("R");
    case 2:
        return QStringLiteral("X");
    default:
        return {};
    }
}

void CursorTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
    painter->setPen(Qt::black);
    painter->setFont(option.font);
    const QPoint corner = option.rect.topLeft() + QPoint(2, 1);
    painter->drawText(corner + QPoint(0, QFontMetrics(option.font).ascent()), index.data(Qt::DisplayRole).toString());
    painter->restore();
}
