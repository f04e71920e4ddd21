#include "app/DocumentWindowLayout.h"

#include "app/Desktop.h"
#include "view/View.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>

namespace {

// The frame the window stands in inside the main window's area, or the
// window itself when it stands alone.
QWidget& Frame(const TViewForm& view)
{
    return view.parentWidget() ? *view.parentWidget() : const_cast<TViewForm&>(view);
}

// Where the frame may stand: the part of the document area in view, or the
// desktop for a window of its own. While another window lies partly outside
// the area, the scroll bars take their room from that part, and the frame
// still opens wholly in view.
TRect PlaceFor(const QWidget& frame)
{
    const auto* sub = qobject_cast<const QMdiSubWindow*>(&frame);
    if (!sub || !sub->mdiArea()) return VirtualDesktop().Rect();
    const QRect area = sub->mdiArea()->viewport()->rect();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

} // namespace

WindowLayout CurrentLayout(const TViewForm& view)
{
    const QWidget& frame = Frame(view);
    WindowLayout layout;
    layout.State = frame.isMaximized() ? 2 : frame.isMinimized() ? 1 : 0;
    const QRect place = layout.State == 0 ? frame.geometry() : frame.normalGeometry();
    layout.Top = place.top();
    layout.Left = place.left();
    layout.Width = place.width();
    layout.Height = place.height();
    layout.TableHeight = view.TableHeight;
    layout.Col1 = view.TableGrid->columnWidth(1);
    layout.Col2 = view.TableGrid->columnWidth(2);
    return layout;
}

void ApplyLayout(TViewForm& view, WindowLayout layout)
{
    QWidget& frame = Frame(view);
    const QSize minimum = frame.minimumSizeHint().expandedTo(frame.minimumSize());
    FitWindowLayout(layout, PlaceFor(frame), minimum.width(), minimum.height());
    if (layout.State == 2) {
        frame.showMaximized();
    } else {
        PlaceFrame(frame, QRect(layout.Left, layout.Top, layout.Width, layout.Height));
        if (layout.State == 1) frame.showMinimized();
    }
    view.TableHeight = layout.TableHeight;
    if (layout.Col1 > 0) view.TableGrid->setColumnWidth(1, layout.Col1);
    if (layout.Col2 > 0) view.TableGrid->setColumnWidth(2, layout.Col2);
}

void PlaceFrame(QWidget& frame, const QRect& place)
{
    const bool maximized = frame.isMaximized();
    if (maximized) frame.showNormal();
    frame.setGeometry(place);
    if (maximized) frame.showMaximized();
}
