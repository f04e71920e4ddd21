#include "app/DocumentWindowLayout.h"

#include "app/Desktop.h"
#include "view/View.h"

#include <QFrame>
#include <QSplitter>
#include <QTableView>

namespace {

// The frame the window stands in inside the main window's area, or the
// window itself when it stands alone.
QWidget& Frame(const TViewForm& view)
{
    return view.parentWidget() ? *view.parentWidget() : const_cast<TViewForm&>(view);
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
    layout.TableHeight = view.TablePanel->height();
    layout.Col1 = view.TableGrid->columnWidth(1);
    layout.Col2 = view.TableGrid->columnWidth(2);
    return layout;
}

void ApplyLayout(TViewForm& view, WindowLayout layout)
{
    QWidget& frame = Frame(view);
    const QSize minimum = frame.minimumSizeHint().expandedTo(frame.minimumSize());
    FitWindowLayout(layout, VirtualDesktop().Rect(), minimum.width(), minimum.height());
    if (layout.State == 2) {
        frame.showMaximized();
    } else {
        frame.setGeometry(layout.Left, layout.Top, layout.Width, layout.Height);
        if (layout.State == 1) frame.showMinimized();
    }
    if (layout.TableHeight > 0) {
        const QList<int> sizes = view.TableSplitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        view.TableSplitter->setSizes({std::max(0, total - layout.TableHeight), layout.TableHeight});
    }
    if (layout.Col1 > 0) view.TableGrid->setColumnWidth(1, layout.Col1);
    if (layout.Col2 > 0) view.TableGrid->setColumnWidth(2, layout.Col2);
}
