#include "app/WindowMenu.h"

#include "app/CommandActions.h"
#include "app/CommandHost.h"
#include "app/WindowArrangement.h"
#include "view/View.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

namespace {

// The items below the fixed commands, rebuilt each time the menu opens.
constexpr const char* kWindowListItem = "windowListItem";

std::vector<QRect> Places(Arrangement arrangement, const QRect& area, int count, int step)
{
    switch (arrangement) {
    case Arrangement::Rows:
        return TileRows(area, count);
    case Arrangement::Columns:
        return TileColumns(area, count);
    default:
        return CascadeRects(area, count, step);
    }
}

void AddArrangeAction(QMenu& menu, const char* name, const char* caption, CCommandHost& host, Arrangement arrangement)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, &menu,
                     [&host, arrangement] { ArrangeWindows(host.DocumentArea(), arrangement); });
}

void FillWindowList(QMenu& menu, CCommandHost& host)
{
    for (QAction* action : menu.actions()) {
        if (action->property(kWindowListItem).toBool()) delete action;
    }
    const QList<TViewForm*> views = host.OpenViews();
    if (views.isEmpty()) return;
    QAction* separator = menu.addSeparator();
    separator->setProperty(kWindowListItem, true);
    for (int i = 0; i < views.size(); ++i) {
        TViewForm* view = views[i];
        QAction* item = menu.addAction(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(view->DocumentName)));
        item->setProperty(kWindowListItem, true);
        item->setCheckable(true);
        item->setChecked(view == host.CommandView());
        const QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        QObject::connect(item, &QAction::triggered, &menu, [&host, frame] {
            if (frame) host.DocumentArea().setActiveSubWindow(frame);
        });
    }
}

// The windows to arrange, not minimised, in creation order; `last` (when it
// is one of them) is moved to the end.
QList<QMdiSubWindow*> FramesToArrange(QMdiArea& area, QMdiSubWindow* last)
{
    QList<QMdiSubWindow*> frames;
    for (QMdiSubWindow* frame : area.subWindowList(QMdiArea::CreationOrder)) {
        if (frame != last && !frame->isMinimized() && frame->isVisible()) frames.append(frame);
    }
    if (last && !last->isMinimized() && last->isVisible()) frames.append(last);
    return frames;
}

// The window that was active stays so and keeps the keys, whatever showing
// the others normally and raising them did.
void KeepActive(QMdiArea& area, QMdiSubWindow* active)
{
    if (!active) return;
    area.setActiveSubWindow(active);
    if (!active->isAncestorOf(QApplication::focusWidget())) active->widget()->setFocus();
}

// The windows are arranged over the whole area seen from its start: they
// all end inside it, so no scroll bar is left, and the room one takes now
// belongs to the windows.
void ScrollToStart(QMdiArea& area)
{
    area.horizontalScrollBar()->setValue(0);
    area.verticalScrollBar()->setValue(0);
}

QRect WholeArea(const QMdiArea& area) { return {QPoint(0, 0), area.maximumViewportSize()}; }

} // namespace

void ArrangeWindows(QMdiArea& area, Arrangement arrangement)
{
    QMdiSubWindow* const active = area.activeSubWindow();
    const QList<QMdiSubWindow*> frames = FramesToArrange(area, arrangement == Arrangement::Cascade ? active : nullptr);
    const int step = area.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    ScrollToStart(area);
    const std::vector<QRect> places = Places(arrangement, WholeArea(area), frames.size(), step);
    for (int i = 0; i < frames.size(); ++i) {
        if (frames[i]->isMaximized()) frames[i]->showNormal();
        frames[i]->setGeometry(places[static_cast<size_t>(i)]);
        if (arrangement == Arrangement::Cascade) frames[i]->raise();
    }
    KeepActive(area, active);
}

QMenu* BuildWindowMenu(QMenuBar& bar, const CommandActions& actions, CCommandHost& host)
{
    QMenu* menu = bar.addMenu("&Window");
    menu->setObjectName("WindowMenu");
    AddArrangeAction(*menu, "WindowTileHorizontal1", "Tile &Horizontally", host, Arrangement::Rows);
    AddArrangeAction(*menu, "WindowTileVertical1", "Tile &Vertically", host, Arrangement::Columns);
    AddArrangeAction(*menu, "WindowCascade1", "&Cascade", host, Arrangement::Cascade);
    menu->addSeparator();
    menu->addAction(actions[Command::ShowToolsWindow]);
    QObject::connect(actions[Command::ShowToolsWindow], &QAction::triggered, menu,
                     [&host] { host.ShowToolsWindow(!host.ToolsWindowVisible()); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &host] { FillWindowList(*menu, host); });
    return menu;
}
