// The document window's keyboard and wheel: the space bar switches the mouse
// tool, the wheel zooms and pans the chart.

#include "view/ChartPaintBox.h"
#include "view/ChartWheel.h"
#include "view/View.h"
#include "view/ViewHost.h"

#include <QCursor>
#include <QKeyEvent>
#include <QTableView>
#include <QWheelEvent>

namespace {

constexpr int kSpaceBar = 32;

} // namespace

bool TViewForm::SetTool(int tool)
{
    if (tool == HandTool) return true;
    HandTool = tool == -1 ? 1 - HandTool : tool;
    const QPoint pointer = PaintBox->mapFromGlobal(QCursor::pos());
    UpdatePaintBoxCursor(pointer.x(), pointer.y());
    return true;
}

void TViewForm::FormKeyDown(int key)
{
    if (key == kSpaceBar && GraphKind != kGraphData) SetTool(1 - HandTool);
}

void TViewForm::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key());
    QWidget::keyPressEvent(event);
}

bool TViewForm::eventFilter(QObject* watched, QEvent* event)
{
    // A key the chart gets goes on to the window, which switches the tool.
    if (watched == PaintBox) return PaintBoxEvent(event) || QWidget::eventFilter(watched, event);
    // The grids keep their keys: the space bar is looked at on its way in.
    if (event->type() == QEvent::KeyPress) FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    // Without a chosen row the cursor table does not scroll under the wheel.
    if (event->type() == QEvent::Wheel && watched == TableGrid->viewport() &&
        !TableGrid->selectionModel()->hasSelection()) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TViewForm::wheelEvent(QWheelEvent* event)
{
    event->ignore();
    if (PaintBox->isHidden()) return;
    WheelTurn turn;
    const QPoint pointer = PaintBox->mapFrom(this, event->position().toPoint());
    turn.pointer = {pointer.x(), pointer.y()};
    turn.delta = event->angleDelta().y();
    turn.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    turn.ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (!ChartWheel(*this, PaintBoxRect(), turn)) return;
    event->accept();
    FormPaint();
    host_.ScreenValuesFromView();
}
