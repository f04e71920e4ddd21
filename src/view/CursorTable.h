#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

struct ViewState;

// The cursor table under the charts: its header row shows the cursor value,
// "R" and "X"; each further row a trace's name and its R and X at the cursor
// (empty where the trace does not reach the cursor), on light blue for a
// selected trace and white otherwise.
class CursorTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // Reading a readout loads the display offsets of the trace's points, so the
    // table holds the view it shows as changeable.
    CursorTableModel(ViewState& view, QObject* parent);

    // One row per trace, one empty row when there is none.
    void SetRows(int rows);
    // Shows the cursor value and the traces' readouts as they are now. A
    // readout is worked out when its row is drawn, so a document of many
    // traces costs only the rows in sight.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ViewState& view_;
    int rows_ = 1;
};

// Draws a cell of the cursor table as the table wants it, whatever the
// selection: its background, and its text in black from 2 pixels right of
// and 1 pixel below its corner.
class CursorTableDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
