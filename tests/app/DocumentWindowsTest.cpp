// Document windows in the shown main window as a user meets them: which
// window has the keys after a click, where the Window menu puts the active
// window, when the area scrolls, and what the status bar keeps once the
// documents are closed.

#include "MainFormFixture.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTest>

namespace {

class DocumentWindows : public MainFormFixture {
protected:
    void SetUp() override
    {
        main->resize(1000, 700);
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    QAction& Action(const char* name) const { return *main->findChild<QAction*>(name); }

    TViewForm& ChartView(const std::string& name)
    {
        TViewForm& view = main->CreateView(name);
        auto trace = std::make_unique<CTrace>();
        trace->Selected = true;
        for (int i = 0; i < 20; ++i) trace->Data.Append(10 + i, 30 + i, 5 - i);
        view.Traces.Add(std::move(trace));
        view.GraphTabSet->setCurrentIndex(kGraphRX);
        QApplication::processEvents();
        return view;
    }

    static QMdiSubWindow* FrameOf(const TViewForm& view) { return qobject_cast<QMdiSubWindow*>(view.parentWidget()); }

    // A space bar pressed and let go where the keys are now.
    static void PressSpace()
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_Space);
    }

    // The area shows or hides its scroll bars once the event loop runs.
    static void PlaceAndSettle(QMdiSubWindow& frame, const QRect& place)
    {
        frame.setGeometry(place);
        QApplication::processEvents();
    }

    bool HorizontalBarShown() const { return main->MdiArea->horizontalScrollBar()->isVisible(); }
    bool VerticalBarShown() const { return main->MdiArea->verticalScrollBar()->isVisible(); }

    // The area as it is without scroll bars, from its start.
    QRect WholeArea() const { return {QPoint(0, 0), main->MdiArea->maximumViewportSize()}; }

    bool HandShown() const
    {
        main->UpdateActions();
        return Action("TranCursHand").isChecked();
    }
};

// The space bar switches the tool once after a click on the chart, on a tab
// or on the title, whichever window had the keys before.
TEST_F(DocumentWindows, AClickGivesTheWindowTheSpaceBar)
{
    TViewForm& other = ChartView("other");
    TViewForm& view = ChartView("chart");
    main->MdiArea->setActiveSubWindow(FrameOf(other));

    QTest::mouseClick(view.PaintBox, Qt::LeftButton, {}, view.PaintBox->rect().center());
    ASSERT_EQ(main->ActiveView(), &view);
    PressSpace();
    EXPECT_EQ(view.HandTool, 1);
    EXPECT_TRUE(HandShown());
    PressSpace();
    EXPECT_EQ(view.HandTool, 0);
    EXPECT_EQ(other.HandTool, 0);

    // On the Smith chart with its table the track bar takes the keys and
    // leaves the space bar to the window.
    main->MdiArea->setActiveSubWindow(FrameOf(other));
    QTest::mouseClick(view.GraphTabSet, Qt::LeftButton, {}, view.GraphTabSet->tabRect(kGraphSmith).center());
    ASSERT_EQ(view.GraphKind, kGraphSmith);
    PressSpace();
    EXPECT_EQ(view.HandTool, 1);
    view.TableVisible = true;
    view.ArrangeControls();
    QTest::mouseClick(view.PaintBox, Qt::LeftButton, {}, view.PaintBox->rect().center());
    PressSpace();
    EXPECT_EQ(view.HandTool, 0);

    main->MdiArea->setActiveSubWindow(FrameOf(view));
    main->MdiArea->setActiveSubWindow(FrameOf(other));
    QMdiSubWindow* frame = FrameOf(view);
    const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() / 3, title / 2));
    ASSERT_EQ(main->ActiveView(), &view);
    PressSpace();
    EXPECT_EQ(view.HandTool, 1);
}

TEST_F(DocumentWindows, CascadePutsTheActiveWindowInFrontAtTheEndOfTheStaircase)
{
    std::vector<TViewForm*> views;
    for (const char* name : {"w0", "w1", "w2"}) views.push_back(&ChartView(name));
    QTest::mouseClick(views[1]->PaintBox, Qt::LeftButton, {}, views[1]->PaintBox->rect().center());
    ASSERT_EQ(main->ActiveView(), views[1]);

    Action("WindowCascade1").trigger();
    const QList<QMdiSubWindow*> stack = main->MdiArea->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(stack.size(), 3);
    EXPECT_EQ(stack, (QList<QMdiSubWindow*>{FrameOf(*views[0]), FrameOf(*views[2]), FrameOf(*views[1])}));
    // Each window stands lower and further right than those behind it, so
    // that every title bar shows.
    for (int i = 1; i < stack.size(); ++i) {
        EXPECT_GT(stack[i]->y(), stack[i - 1]->y());
        EXPECT_GT(stack[i]->x(), stack[i - 1]->x());
    }
    EXPECT_EQ(main->MdiArea->activeSubWindow(), FrameOf(*views[1]));
    EXPECT_EQ(main->ActiveView(), views[1]);
    PressSpace();
    EXPECT_EQ(views[1]->HandTool, 1);

    // Tiling keeps the active window, and its keys, too.
    for (const char* tiling : {"WindowTileHorizontal1", "WindowTileVertical1"}) {
        Action(tiling).trigger();
        EXPECT_EQ(main->ActiveView(), views[1]) << tiling;
        EXPECT_TRUE(FrameOf(*views[1])->isAncestorOf(QApplication::focusWidget())) << tiling;
    }
}

// While the area shows its windows maximised, a new window is maximised over
// the whole area too, and comes back to its own place when shown normally.
TEST_F(DocumentWindows, ANewWindowBesideAMaximisedOneFillsTheArea)
{
    FrameOf(ChartView("first"))->showMaximized();
    QMdiSubWindow* frame = FrameOf(ChartView("second"));
    QApplication::processEvents();
    const QRect area = main->MdiArea->viewport()->rect();
    ASSERT_TRUE(frame->isMaximized());
    EXPECT_EQ(frame->geometry(), area);
    frame->showNormal();
    EXPECT_LT(frame->width(), area.width());
    EXPECT_TRUE(area.contains(frame->geometry()));
}

// A window that a smaller main window leaves partly outside the area is
// reached by a scroll bar, which shows only while one is outside.
TEST_F(DocumentWindows, AWindowPartlyOutsideTheAreaIsReachedByAScrollBar)
{
    QMdiArea& area = *main->MdiArea;
    FrameOf(ChartView("left"))->setGeometry(0, 0, 400, 300);
    QMdiSubWindow* right = FrameOf(ChartView("right"));
    PlaceAndSettle(*right, {550, 50, 400, 300});
    ASSERT_FALSE(HorizontalBarShown());
    ASSERT_FALSE(VerticalBarShown());

    main->resize(700, 700);
    QApplication::processEvents();
    ASSERT_LT(area.width(), right->geometry().right());
    EXPECT_TRUE(HorizontalBarShown());
    EXPECT_FALSE(VerticalBarShown());
    area.horizontalScrollBar()->setValue(area.horizontalScrollBar()->maximum());
    EXPECT_TRUE(area.viewport()->rect().contains(right->geometry()));

    area.horizontalScrollBar()->setValue(0);
    PlaceAndSettle(*right, {250, 50, 400, 300});
    EXPECT_FALSE(HorizontalBarShown());
    EXPECT_EQ(area.viewport()->rect(), WholeArea());

    PlaceAndSettle(*right, {250, area.viewport()->height() - 100, 400, 300});
    EXPECT_TRUE(VerticalBarShown());
    EXPECT_FALSE(HorizontalBarShown());
    PlaceAndSettle(*right, {250, 50, 400, 300});
    EXPECT_FALSE(VerticalBarShown());
    EXPECT_EQ(area.viewport()->rect(), WholeArea());
}

// Tile and Cascade use the whole area, even when a scroll bar showed and the
// area was scrolled before: the windows end inside it and the bar goes. A
// maximised window fills the whole area too.
TEST_F(DocumentWindows, ArrangedAndMaximisedWindowsLeaveNoScrollBar)
{
    QMdiArea& area = *main->MdiArea;
    QMdiSubWindow* left = FrameOf(ChartView("left"));
    QMdiSubWindow* right = FrameOf(ChartView("right"));
    const auto pushRightOut = [this, &area, left, right] {
        left->setGeometry(0, 0, 400, 300);
        PlaceAndSettle(*right, {area.viewport()->width() - 100, 50, 400, 300});
        ASSERT_TRUE(HorizontalBarShown());
        area.horizontalScrollBar()->setValue(area.horizontalScrollBar()->maximum());
    };

    ASSERT_NO_FATAL_FAILURE(pushRightOut());
    Action("WindowTileVertical1").trigger();
    QApplication::processEvents();
    EXPECT_FALSE(HorizontalBarShown());
    EXPECT_FALSE(VerticalBarShown());
    EXPECT_EQ(area.viewport()->rect(), WholeArea());
    EXPECT_EQ(left->geometry() | right->geometry(), WholeArea());
    EXPECT_EQ(left->geometry().width() + right->geometry().width(), WholeArea().width());

    ASSERT_NO_FATAL_FAILURE(pushRightOut());
    Action("WindowCascade1").trigger();
    QApplication::processEvents();
    EXPECT_FALSE(HorizontalBarShown());
    EXPECT_FALSE(VerticalBarShown());
    for (const QMdiSubWindow* frame : {left, right}) EXPECT_TRUE(WholeArea().contains(frame->geometry()));

    ASSERT_NO_FATAL_FAILURE(pushRightOut());
    area.horizontalScrollBar()->setValue(0);
    area.activeSubWindow()->showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(HorizontalBarShown());
    EXPECT_EQ(area.activeSubWindow()->geometry(), WholeArea());
    area.activeSubWindow()->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(HorizontalBarShown());
}

// The readout belongs to one window's chart: it goes when another document
// window becomes active, and when its own closes.
TEST_F(DocumentWindows, ActivatingAnotherDocumentOrClosingOneEmptiesTheStatusBarReadout)
{
    TViewForm& other = ChartView("other");
    TViewForm& view = ChartView("chart");
    const auto readOut = [&view] { view.ShowPointInfo(true, view.PaintBox->width() / 2, view.PaintBox->height() / 2); };
    readOut();
    ASSERT_FALSE(main->StatusPanels[0]->text().isEmpty());
    main->SetActiveView(true, &view);
    EXPECT_FALSE(main->StatusPanels[0]->text().isEmpty());
    main->SetActiveView(true, &other);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(main->StatusPanels[i]->text().isEmpty()) << i;

    main->SetActiveView(true, &view);
    readOut();
    ASSERT_FALSE(main->StatusPanels[0]->text().isEmpty());
    ASSERT_TRUE(FrameOf(view)->close());
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(main->StatusPanels[i]->text().isEmpty()) << i;
}

} // namespace
