// The document window's mouse over the chart: the drags and the double click
// of ChartMouse.h drawn on the chart's bitmap, the pointer readout and the
// pointer's shape.

#include "view/canvas/Canvas.h"
#include "view/chart/ChartFigures.h"
#include "view/ChartMouse.h"
#include "view/ChartPaintBox.h"
#include "view/canvas/DrawingHelpers.h"
#include "view/PointerReadout.h"
#include "view/View.h"
#include "view/ViewHost.h"

#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSlider>

namespace {

MouseButton ButtonOf(Qt::MouseButton button)
{
    if (button == Qt::RightButton) return MouseButton::Right;
    if (button == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

MouseAction ActionOf(const QMouseEvent& event)
{
    const QPoint p = event.position().toPoint();
    MouseAction action;
    action.pointer = {p.x(), p.y()};
    action.button = ButtonOf(event.button());
    action.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    action.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    return action;
}

Qt::CursorShape QtShape(PointerShape shape)
{
    switch (shape) {
    case PointerShape::DividerSplit: return Qt::SplitVCursor;
    case PointerShape::OpenHand: return Qt::OpenHandCursor;
    case PointerShape::ClosedHand: return Qt::ClosedHandCursor;
    case PointerShape::CursorGrab: return Qt::SizeHorCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

// The drags' figures go onto the chart's bitmap, which is then shown again.
class PaintBoxFeedback final : public CMouseFeedback {
public:
    explicit PaintBoxFeedback(TViewForm& form) : form_(form) {}

    void ToggleDragFigure() override
    {
        Draw([this](CCanvas& canvas, const TRect& rect) {
            DrawXorCursor(canvas, form_.DragShape, rect, form_.DragStart, form_.DragRect);
        });
    }
    void ToggleCursorLine() override
    {
        Draw([this](CCanvas& canvas, const TRect& rect) { DrawCursorLine(form_, canvas, rect); });
    }
    void ToggleDividerBand() override
    {
        Draw([this](CCanvas& canvas, const TRect& rect) { InvertDividerBand(form_, canvas, rect); });
    }
    void Repaint() override { form_.FormPaint(); }
    void ScalesChanged() override { form_.host_.ScreenValuesFromView(); }
    void Readout(bool show, TPoint pointer) override { form_.ShowPointInfo(show, pointer.x, pointer.y); }
    void PointerShape(TPoint pointer) override { form_.UpdatePaintBoxCursor(pointer.x, pointer.y); }
    void CursorValuesChanged() override { form_.UpdateTableValues(); }
    void TrackBarToCursor() override
    {
        form_.TrackBarGuard = true;
        form_.SetTrackBarFrequency(form_.CursorX);
        form_.TrackBarGuard = false;
    }
    void LabelMenu(TPoint pointer) override { form_.PopupLabelMenu(pointer); }

private:
    template <typename Figure>
    void Draw(Figure&& figure)
    {
        QImage& bitmap = form_.PaintBox->Bitmap();
        if (bitmap.isNull()) return;
        {
            CCanvas canvas(bitmap);
            figure(canvas, form_.PaintBoxRect());
        }
        form_.PaintBox->update();
    }

    TViewForm& form_;
};

void TViewForm::PaintBoxMouseDown(const MouseAction& action)
{
    if (SmithPanel->isVisible()) SmithTrackBar->setFocus();
    ActivateFromPress();
    PaintBoxFeedback feedback(*this);
    ChartMousePress(*this, PaintBoxRect(), action, feedback);
}

void TViewForm::PaintBoxMouseMove(const MouseAction& action)
{
    PaintBoxFeedback feedback(*this);
    ChartMouseMove(*this, PaintBoxRect(), action, feedback);
}

void TViewForm::PaintBoxMouseUp(const MouseAction& action)
{
    PaintBoxFeedback feedback(*this);
    ChartMouseRelease(*this, PaintBoxRect(), action, feedback);
}

void TViewForm::PaintBoxDblClick(const MouseAction& action)
{
    if (action.button != MouseButton::Left) {
        PaintBoxMouseDown(action);
        return;
    }
    PaintBoxFeedback feedback(*this);
    ChartDoubleClick(*this, PaintBoxRect(), action, feedback);
}

void TViewForm::ShowPointInfo(bool show, int x, int y)
{
    host_.ShowPointerReadout(PointInfoTexts(*this, PaintBoxRect(), show, {x, y}));
}

void TViewForm::UpdatePaintBoxCursor(int x, int y)
{
    const PointerShape shape = PaintBoxPointerShape(*this, {x, y});
    if (shape != PointerShape::Keep) PaintBox->setCursor(QtShape(shape));
}

void TViewForm::RedrawDragFigure()
{
    PaintBoxFeedback feedback(*this);
    if (DragMode == kDragZoom) feedback.ToggleDragFigure();
    if (DragMode == kDragDivider) feedback.ToggleDividerBand();
}

// A press in a window that is not the active one makes it active first, so
// that its repaint comes before the press draws its figure.
void TViewForm::ActivateFromPress()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame || !frame->mdiArea() || frame->mdiArea()->activeSubWindow() == frame) return;
    frame->mdiArea()->setActiveSubWindow(frame);
}

bool TViewForm::PaintBoxEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        PaintBoxMouseDown(ActionOf(*static_cast<QMouseEvent*>(event)));
        return true;
    case QEvent::MouseMove:
        PaintBoxMouseMove(ActionOf(*static_cast<QMouseEvent*>(event)));
        return true;
    case QEvent::MouseButtonRelease:
        PaintBoxMouseUp(ActionOf(*static_cast<QMouseEvent*>(event)));
        return true;
    case QEvent::MouseButtonDblClick:
        PaintBoxDblClick(ActionOf(*static_cast<QMouseEvent*>(event)));
        return true;
    default:
        return false;
    }
}
