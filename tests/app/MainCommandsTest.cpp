// The main window's commands in the running window set: the tool bar, the
// scheme command's saving, the chart commands on the active window, the
// modal commands during a run, and the Window menu.

#include "FileSizeLimit.h"
#include "MainFormFixture.h"
#include "app/CommandActions.h"
#include "model/XMLNode.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace {

class MainCommands : public MainFormFixture {
protected:
    QAction& Action(const char* name) const
    {
        auto* action = main->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    void Trigger(const char* name)
    {
        main->UpdateActions();
        ASSERT_TRUE(Action(name).isEnabled()) << name;
        Action(name).trigger();
    }
    TViewForm& ChartView(int kind, const std::string& name = "chart")
    {
        TViewForm& view = main->CreateView(name);
        auto trace = std::make_unique<CTrace>();
        trace->Selected = true;
        for (int i = 0; i < 20; ++i) trace->Data.Append(10 + i, 30 + i, 5 - i);
        view.Traces.Add(std::move(trace));
        view.GraphTabSet->setCurrentIndex(kind);
        QApplication::processEvents();
        return view;
    }
    void ShowMain()
    {
        main->resize(1000, 700);
        main->show();
        QApplication::processEvents();
    }
};

QStringList ToolBarItems(const QToolBar& bar)
{
    QStringList items;
    for (QAction* action : bar.actions()) {
        if (action->isSeparator()) items << "|";
        else if (auto* widget = qobject_cast<QWidgetAction*>(action)) items << widget->defaultWidget()->objectName();
        else if (auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(action)); button && !action->objectName().isEmpty())
            items << action->objectName();
        else items << bar.widgetForAction(action)->objectName();
    }
    return items;
}

TEST_F(MainCommands, TheToolBarHoldsEveryCommandInOrderEachWithItsIcon)
{
    const QStringList items = ToolBarItems(*main->MainToolBar);
    EXPECT_EQ(items.join(" "),
              "FileNew1 FileOpen1 FileSave1 | EditPreferences ImageBtn ColorBlackScheme ColorWhiteScheme BWScheme "
              "ColorGradient | ShowToolsWindow | TranTable HorNScale HorFScale HorTScale | ShowLine ShowDataPoints | "
              "ShowSelected ShowDimmed ShowAll | TranCursMove TranCursHand | HorZoomIn HorZoomOut HorFitScreen "
              "VertZoomIn VertZoomOut VertyFitScreen FitScreen SmithZoomIn SmithZoomOut SmithReset SmithGrid "
              "ShowLabels ShowRef | UndoScale");
    for (QAction* action : main->MainToolBar->actions()) {
        if (action->isSeparator() || qobject_cast<QWidgetAction*>(action)) continue;
        for (const int size : {16, 24}) {
            const QImage image = action->icon().pixmap(size, size).toImage();
            EXPECT_FALSE(image.isNull()) << action->objectName().toStdString();
            EXPECT_NE(image, QImage(image.size(), image.format())) << action->objectName().toStdString();
        }
    }
    auto* imageButton = main->MainToolBar->findChild<QToolButton*>("ImageBtn");
    ASSERT_NE(imageButton, nullptr);
    EXPECT_EQ(imageButton->defaultAction(), &Action("ImageCopy"));
    QStringList popup;
    for (QAction* action : imageButton->menu()->actions()) popup << (action->isSeparator() ? "|" : action->text());
    EXPECT_EQ(popup, (QStringList{"Copy to clipboard", "|", "Save As BMP", "Save As JPG", "Save As PNG"}));
    EXPECT_EQ(Action("HorZoomIn").toolTip(), "Zoom in");
    EXPECT_EQ(Action("SaveAsPng").data().toInt(), 3);
}

TEST_F(MainCommands, TheMenusHoldTheirCommands)
{
    QStringList menus;
    for (QAction* menu : main->menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Window", "&Help"}));
    QStringList edit;
    for (QAction* action : main->findChild<QMenu*>("EditMenu")->actions()) edit << (action->isSeparator() ? "|" : action->text());
    EXPECT_EQ(edit, (QStringList{"Image", "|", "Settings..."}));
    QStringList window;
    for (QAction* action : main->findChild<QMenu*>("WindowMenu")->actions()) window << (action->isSeparator() ? "|" : action->text());
    EXPECT_EQ(window, (QStringList{"Tile &Horizontally", "Tile &Vertically", "&Cascade", "|", "&Tools"}));
    EXPECT_EQ(main->findChild<QMenu*>("HelpMenu")->actions().value(0), &Action("HelpAbout1"));
}

TEST_F(MainCommands, TheSchemeIsSavedOnlyWhenItChanges)
{
    main->FormShow();
    Settings.CurrentScheme = kSchemeBlack;
    Trigger("ColorBlackScheme");
    EXPECT_FALSE(std::filesystem::exists(File("ombrelix.omt")));
    Trigger("ColorWhiteScheme");
    EXPECT_EQ(Settings.CurrentScheme, kSchemeWhite);
    CXMLNode saved("OB_settings");
    ASSERT_TRUE(saved.LoadFromFile(File("ombrelix.omt")));
    main->UpdateActions();
    EXPECT_TRUE(Action("ColorWhiteScheme").isChecked());
    EXPECT_FALSE(Action("ColorBlackScheme").isChecked());
    EXPECT_TRUE(messages.boxes().empty());

    {
        FileSizeLimit limit(10);
        Trigger("BWScheme");
    }
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Save|Can't save the file:\n" + File("ombrelix.omt") + "\nFile too large"});
}

TEST_F(MainCommands, TheSchemeNeverOverwritesASettingsFileThatFailedToLoad)
{
    TakeEveryNameAside(File("ombrelix.omt"));
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.omt"), "garbage"));
    main->FormShow();
    const size_t boxes = messages.boxes().size();
    Trigger(Settings.CurrentScheme == kSchemeWhite ? "BWScheme" : "ColorWhiteScheme");
    EXPECT_EQ(Read(File("ombrelix.omt")), "garbage");
    EXPECT_EQ(messages.boxes().size(), boxes);
}

TEST_F(MainCommands, ChartCommandsActOnTheActiveWindow)
{
    ShowMain();
    TViewForm& view = ChartView(kGraphRX);
    view.HorLog = true;
    view.FormPaint();
    const QImage before = view.PaintBox->Bitmap().copy();
    Trigger("HorNScale");
    EXPECT_NE(view.PaintBox->Bitmap(), before); // the new X axis is drawn
    EXPECT_EQ(view.HorMode, kHorN);
    EXPECT_FALSE(view.HorLog);
    Trigger("HorFitScreen");
    EXPECT_NEAR(view.HorLeft[kHorN], 0.05, 1e-12); // points are numbered from 1
    EXPECT_DOUBLE_EQ(view.HorRight[kHorN], 20.95);
    EXPECT_EQ(view.ScaleUndoCount, 2);
    main->UpdateActions();
    EXPECT_FALSE(Action("SmithGrid").isEnabled());
    EXPECT_TRUE(Action("HorNScale").isChecked());
    Trigger("UndoScale");
    Trigger("UndoScale");
    EXPECT_EQ(view.HorMode, kHorF);
    EXPECT_TRUE(view.HorLog);
    main->UpdateActions();
    EXPECT_FALSE(Action("UndoScale").isEnabled());

    Trigger("TranTable");
    EXPECT_TRUE(view.TableVisible);
    Trigger("ShowAll");
    EXPECT_EQ(view.TraceMode, 2);
    Trigger("TranCursHand");
    EXPECT_EQ(view.HandTool, 1);

    // A change of kind empties the undo stack.
    Trigger("VertZoomIn");
    view.GraphTabSet->setCurrentIndex(kGraphSmith);
    main->UpdateActions();
    EXPECT_FALSE(Action("UndoScale").isEnabled());
    EXPECT_FALSE(Action("HorZoomIn").isEnabled());
    Trigger("SmithGrid");
    EXPECT_EQ(view.SmithGrid, 1);
    Trigger("SmithZoomIn");
    EXPECT_DOUBLE_EQ(view.SmithScale, 2.0 / 3.0);
    Trigger("SmithReset");
    EXPECT_EQ(view.SmithScale, 1);
    Trigger("UndoScale");
    EXPECT_DOUBLE_EQ(view.SmithScale, 2.0 / 3.0);
    EXPECT_EQ(view.SmithGrid, 1);
}

// A box or a dialog pauses a run, but a sweep goes on in the analyzer and
// keeps every point: the commands that open one follow their enabling.
TEST_F(MainCommands, CommandsThatOpenAModalWindowFollowTheTableDuringARun)
{
    ShowMain();
    TViewForm& view = ChartView(kGraphRX);
    QGuiApplication::clipboard()->clear();
    RunInProgressScope run(view);
    main->UpdateActions();
    for (const char* name : {"HelpAbout1", "EditPreferences", "ImageCopy", "SaveAsBmp", "SaveAsJpg", "SaveAsPng"}) {
        EXPECT_TRUE(Action(name).isEnabled()) << name;
    }
    Action("ImageCopy").trigger();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Copy to clipboard|The image has been copied to the clipboard"});
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    view.GraphTabSet->setCurrentIndex(kGraphData);
    main->UpdateActions();
    EXPECT_FALSE(Action("SaveAsPng").isEnabled());
    EXPECT_TRUE(Action("HelpAbout1").isEnabled());
}

TEST_F(MainCommands, AChartWithoutAreaIsNotExported)
{
    ShowMain();
    TViewForm& view = ChartView(kGraphRX);
    view.PaintBox->setFixedHeight(0);
    QApplication::processEvents();
    ASSERT_EQ(view.PaintBoxRect().Height(), 0);
    Trigger("ImageCopy");
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.boxes()[0].caption, "Copy to clipboard");
}

TEST_F(MainCommands, WindowCommandsKeepEveryWindowInsideTheFrame)
{
    ShowMain();
    for (int i = 0; i < 3; ++i) ChartView(kGraphRX, "w" + std::to_string(i));
    const QList<QMdiSubWindow*> frames = main->MdiArea->subWindowList(QMdiArea::CreationOrder);
    frames[1]->showMinimized();
    const QRect area = main->MdiArea->viewport()->rect();
    Action("WindowTileHorizontal1").trigger();
    EXPECT_EQ(frames[0]->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(frames[2]->geometry().top(), area.height() / 2);
    EXPECT_EQ(frames[2]->geometry().width(), area.width());
    EXPECT_TRUE(frames[1]->isMinimized());
    Action("WindowTileVertical1").trigger();
    EXPECT_EQ(frames[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));

    for (int i = 3; i < 15; ++i) ChartView(kGraphRX, "w" + std::to_string(i));
    for (QMdiSubWindow* frame : main->MdiArea->subWindowList()) EXPECT_TRUE(area.contains(frame->geometry())) << "new";
    Action("WindowCascade1").trigger();
    for (QMdiSubWindow* frame : main->MdiArea->subWindowList()) {
        if (!frame->isMinimized()) {
            EXPECT_TRUE(area.contains(frame->geometry()));
        }
    }

    QMenu* menu = main->findChild<QMenu*>("WindowMenu");
    emit menu->aboutToShow();
    emit menu->aboutToShow(); // the list is rebuilt, not added to
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text();
    ASSERT_EQ(items.size(), 5 + 1 + 15);
    EXPECT_EQ(items[6], "&1 w0");
    EXPECT_TRUE(menu->actions().last()->isChecked());
    menu->actions()[6]->trigger();
    EXPECT_EQ(main->MdiArea->activeSubWindow(), frames[0]);
    EXPECT_EQ(main->ActiveView()->DocumentName, "w0");
}

} // namespace
