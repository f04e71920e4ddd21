#include "MainFormFixture.h"
#include "SimulatorProcess.h"
#include "app/ParseTraceForm.h"
#include "app/RenameForm.h"
#include "view/DataGridModel.h"
#include "view/document/RunInProgress.h"
#include "view/View.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <string>
#include <memory>

namespace {

// Runs `answer` on the dialog of type Dialog as soon as it is up.
template <typename Dialog>
void AnswerWhenShown(std::function<void(Dialog&)> answer)
{
    QMetaObject::invokeMethod(
        qApp,
        [answer] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) answer(*dialog);
            }
        },
        Qt::QueuedConnection);
}

class ControlTabs : public MainFormFixture {
protected:
    ControlTabs() { main->FormShow(); }

    TViewForm& NewView(const std::string& name, int traces)
    {
        TViewForm& view = main->CreateView(name);
        for (int i = 0; i < traces; ++i) {
            auto trace = std::make_unique<CTrace>();
            trace->Name = "t" + std::to_string(i);
            for (int p = 0; p < 4; ++p) trace->Data.Append(p + 1, 50 + p, i - p, p * 0.5, 10, 1, 0);
            trace->Time = trace->Vip = true;
            view.Traces.Add(std::move(trace));
        }
        view.HasVipTraces = true;
        control().RefreshControlForm();
        return view;
    }

    // The list's rows, 'x' where a row is shown selected.
    std::string ListPattern() const
    {
        const QListView* list = control().TracesListBox;
        std::string pattern;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            pattern += list->selectionModel()->isSelected(list->model()->index(row, 0)) ? 'x' : '.';
        }
        return pattern;
    }

    static std::string FlagPattern(const TViewForm& view)
    {
        std::string pattern;
        for (int i = 0; i < view.Traces.Count(); ++i) pattern += view.Traces.Get(i)->Selected ? 'x' : '.';
        return pattern;
    }

    static void SetFlags(TViewForm& view, const std::string& pattern)
    {
        for (int i = 0; i < view.Traces.Count(); ++i) view.Traces.Get(i)->Selected = pattern[i] == 'x';
    }

    // A click on a row of the list, as the user makes it.
    void ClickRow(int row, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QListView* list = control().TracesListBox;
        list->doItemsLayout();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualRect(list->model()->index(row, 0)).center());
    }

    void SelectItems(std::initializer_list<int> rows)
    {
        QListView* list = control().TracesListBox;
        list->clearSelection();
        for (const int row : rows) list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    }
};

TEST_F(ControlTabs, EnterAppliesTheScreenTabAndARefusedValueComesBack)
{
    TViewForm& view = NewView("a", 0);
    view.GraphTabSet->setCurrentIndex(kGraphRX);
    control().PageControl->setCurrentWidget(control().ScreenTabSheet);
    EXPECT_FALSE(control().Z0GroupBox->isVisibleTo(control().ScreenTabSheet));
    const int undo = view.ScaleUndoCount;

    QLineEdit* left = control().LeftFEdit;
    left->setText("abc");
    QTest::keyClick(left, Qt::Key_Return);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"|Left:\nSyntax error: abc"});
    EXPECT_EQ(left->text(), "1");
    EXPECT_EQ(view.ScaleUndoCount, undo + 1);

    left->setText("2");
    QTest::keyClick(left, Qt::Key_Escape);
    EXPECT_EQ(left->text(), "1");
    EXPECT_EQ(view.HorLeft[kHorF], 1);
    left->setText("2");
    QTest::keyClick(left, Qt::Key_Enter);
    EXPECT_EQ(view.HorLeft[kHorF], 2);

    // The Z0 box follows the kind; on "Gamma mag/phase" it sits below the phase box.
    view.GraphTabSet->setCurrentIndex(kGraphGammaMagPhase - 0);
    auto* boxes = static_cast<QVBoxLayout*>(control().Z0GroupBox->parentWidget()->layout());
    EXPECT_TRUE(control().Z0GroupBox->isVisibleTo(control().ScreenTabSheet));
    EXPECT_EQ(boxes->indexOf(control().Z0GroupBox), boxes->indexOf(control().PhaseGroupBox) + 1);

    // The tool bar carries the main window's scale commands for the kind shown.
    const auto shown = [this](const char* name) {
        QToolBar* bar = control().ToolBar1;
        for (QAction* slot : bar->actions()) {
            if (bar->widgetForAction(slot)->objectName() == name) return slot->isVisible();
        }
        return false;
    };
    EXPECT_TRUE(shown("TranHorPlusBtn") && shown("TranFitScreenBtn") && !shown("SmithPlusBtn"));
    view.GraphTabSet->setCurrentIndex(kGraphSmith);
    EXPECT_TRUE(shown("SmithPlusBtn"));
    EXPECT_TRUE(shown("SmithLabelsBtn"));
    EXPECT_TRUE(shown("TranFitScreenBtn"));
    EXPECT_FALSE(shown("TranVertPlusBtn"));
    EXPECT_EQ(control().ToolBar1->findChild<QToolButton*>("SmithResetBtn")->defaultAction()->objectName(), "SmithReset");
}

TEST_F(ControlTabs, TracesGoThroughTheClipboardAndTheListFollowsTheSelection)
{
    TViewForm& source = NewView("source", 3);
    SelectItems({0, 2});
    EXPECT_TRUE(source.Traces.Get(0)->Selected && !source.Traces.Get(1)->Selected && source.Traces.Get(2)->Selected);
    EXPECT_FALSE(control().RenameTrace->isEnabled());
    control().CopyTraces->trigger();

    TViewForm& target = NewView("target", 0);
    EXPECT_TRUE(control().PasteTraces->isEnabled());
    control().PasteTraces->trigger();
    ASSERT_EQ(target.Traces.Count(), 2);
    EXPECT_EQ(target.Traces.Get(1)->Name, "Copy of t2");
    EXPECT_EQ(target.Traces.Get(1)->Data.GetRecord(3)->X, 2 - 3);
    EXPECT_TRUE(target.Modified);
    EXPECT_EQ(control().TracesListBox->model()->rowCount(), 2);

    // A paste that cannot be read adds nothing and changes nothing.
    target.Modified = false;
    QGuiApplication::clipboard()->setText("<Traces><Trace name=\"x\"> \r\n1,2,3\r\n</Trace><Trace");
    control().PasteTraces->trigger();
    EXPECT_EQ(target.Traces.Count(), 2);
    EXPECT_FALSE(target.Modified);
    EXPECT_EQ(Boxes().size(), 1U);
    QGuiApplication::clipboard()->setText("plain");
    EXPECT_FALSE(control().PasteTraces->isEnabled());
}

TEST_F(ControlTabs, TheListShowsTheSelectedFlagsAndTheUsersSelectionSetsThem)
{
    TViewForm& view = NewView("a", 10);
    control().PageControl->setCurrentWidget(control().TracesTabSheet);
    for (const std::string pattern : {"..........", "xxxxxxxxxx", "x.x.x.x.x.", ".x.x.x.x.x", "xx...xxx.x"}) {
        SetFlags(view, pattern);
        control().RefreshControlForm();
        EXPECT_EQ(ListPattern(), pattern);
        EXPECT_EQ(FlagPattern(view), pattern) << "a fill leaves the flags alone";
    }
    EXPECT_FALSE(view.Modified);

    ClickRow(3);
    EXPECT_EQ(FlagPattern(view), "...x......");
    EXPECT_TRUE(control().RenameTrace->isEnabled());
    ClickRow(6, Qt::ShiftModifier);
    EXPECT_EQ(FlagPattern(view), "...xxxx...");
    ClickRow(4, Qt::ControlModifier);
    ClickRow(9, Qt::ControlModifier);
    EXPECT_EQ(FlagPattern(view), "...x.xx..x");
    EXPECT_FALSE(control().RenameTrace->isEnabled());
    EXPECT_FALSE(view.Modified) << "selecting traces changes no document";

    // Another window shows its own selection; coming back shows this one's.
    TViewForm& other = NewView("b", 3);
    EXPECT_EQ(ListPattern(), "...");
    main->SetActiveView(true, &view);
    EXPECT_EQ(ListPattern(), "...x.xx..x");
    EXPECT_EQ(FlagPattern(other), "...");
}

TEST_F(ControlTabs, WhileARunFillsTheWindowNothingMayFreeOrMoveItsTraces)
{
    TViewForm& view = NewView("a", 2);
    view.GraphTabSet->setCurrentIndex(kGraphData);
    SelectItems({1});
    RunInProgressScope running(view);
    control().RefreshControlForm();
    for (QAction* action : {control().RemoveTraces, control().DeleteTraces, control().ParseData}) {
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    }
    for (QPushButton* button : {control().DataAddBtn, control().DataRemoveBtn, control().DataDeleteBtn,
                                control().DataAcceptBtn, control().DataCancelBtn}) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    // A command queued before the run began is refused by its handler.
    control().RemoveTracesExecute();
    control().DataDeleteBtnClick();
    EXPECT_EQ(view.Traces.Count(), 2);
    EXPECT_EQ(view.DataGrid->rowCount(), 4);
    running.End();
    control().RefreshControlForm();
    EXPECT_TRUE(control().RemoveTraces->isEnabled());
}

TEST_F(ControlTabs, ARunDropsTheEditsPendingInThePointList)
{
    CSimulatorProcess analyzer({});
    Settings.ComPort = analyzer.DevicePath();
    Settings.TimeOut = 5000;
    TViewForm& view = NewView("a", 1);
    view.GraphTabSet->setCurrentIndex(kGraphData);
    SelectItems({0});
    ASSERT_TRUE(view.DataGrid->setData(view.DataGrid->index(0, 1), "7", Qt::EditRole));
    view.DataEditPending = true;
    bool dropped = false;
    bool acceptOffed = false;
    QTimer::singleShot(0, &control(), [&] {
        dropped = !view.DataEditPending && !view.DataGrid->Edits().Changed();
        acceptOffed = !control().DataAcceptBtn->isEnabled();
    });
    control().RunBtn->click();
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(acceptOffed);
    EXPECT_EQ(view.Traces.Get(0)->Data.GetRecord(0)->f, 1);
}

TEST_F(ControlTabs, RenameTakesTheTrimmedNameAndOnlyThenMarksTheDocument)
{
    TViewForm& view = NewView("a", 2);
    SelectItems({1});
    AnswerWhenShown<TRenameForm>([](TRenameForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Rename t1");
        dialog.Edit->setText("   ");
        dialog.OkBtn->click();
    });
    control().RenameTrace->trigger();
    EXPECT_EQ(view.Traces.Get(1)->Name, "t1");
    EXPECT_FALSE(view.Modified);

    AnswerWhenShown<TRenameForm>([](TRenameForm& dialog) {
        dialog.Edit->setText("  feed point ");
        dialog.OkBtn->click();
    });
    control().RenameTrace->trigger();
    EXPECT_EQ(view.Traces.Get(1)->Name, "feed point");
    EXPECT_EQ(control().TracesListBox->model()->index(1, 0).data().toString(), "feed point");
    EXPECT_TRUE(view.Modified);
}

TEST_F(ControlTabs, TheBurstDialogSplitsTheSelectedTraces)
{
    TViewForm& view = NewView("a", 2);
    SelectItems({0});
    AnswerWhenShown<TParseTraceForm>([](TParseTraceForm& dialog) {
        dialog.ThrVoltageRadioButton->click();
        EXPECT_EQ(dialog.ThrLabel->text(), "Threshold, V");
        dialog.ThrEdit->setText("5");
        dialog.ThrKeepCheckBox->setChecked(false);
        dialog.OkBtn->click();
    });
    control().ParseData->trigger();
    ASSERT_EQ(view.Traces.Count(), 2);
    EXPECT_EQ(view.Traces.Get(0)->Name, "t0 (1)");
    EXPECT_EQ(Settings.ParseType, 1);
    EXPECT_EQ(Settings.ParseThreshold, 5);
    EXPECT_TRUE(view.Modified);
}

TEST_F(ControlTabs, TheDataTabEditsThePointListAndAcceptsOnlyForItsTrace)
{
    TViewForm& view = NewView("a", 2);
    view.GraphTabSet->setCurrentIndex(kGraphData);
    SelectItems({0});
    QTableView* grid = view.DataStringGrid;
    grid->selectionModel()->select(QItemSelection(view.DataGrid->index(1, 0), view.DataGrid->index(2, 0)),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    control().DataRemoveBtn->click();
    EXPECT_EQ(view.DataGrid->rowCount(), 2);
    EXPECT_TRUE(view.DataEditPending);

    control().DataEditCheckBox->click();
    EXPECT_FALSE(control().DataAddBtn->isEnabled());
    EXPECT_EQ(view.DataGrid->rowCount(), 4) << "switching the edit mode drops what was not accepted";
    ASSERT_TRUE(view.DataGrid->setData(view.DataGrid->index(3, 1), "2.5", Qt::EditRole));
    ASSERT_TRUE(view.DataGrid->setData(view.DataGrid->index(0, 2), "many", Qt::EditRole));
    control().DataAcceptBtnClick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"|1 row could not be read and was left out"});
    const CTrace& trace = *view.Traces.Get(0);
    ASSERT_EQ(trace.Data.Count(), 3);
    EXPECT_EQ(trace.Data.GetRecord(1)->f, 2.5);
    EXPECT_EQ(trace.Data.GetRecord(1)->R, 53);
    EXPECT_TRUE(view.Modified);
    EXPECT_FALSE(view.DataEditPending);

    // Edits made on one trace are not accepted into another.
    ASSERT_TRUE(view.DataGrid->setData(view.DataGrid->index(0, 1), "0.5", Qt::EditRole));
    view.Traces.Get(0)->Selected = false;
    view.Traces.Get(1)->Selected = true;
    control().DataAcceptBtnClick();
    EXPECT_EQ(view.Traces.Get(1)->Data.GetRecord(0)->f, 1);
    EXPECT_EQ(trace.Data.GetRecord(0)->f, 2);
    ASSERT_EQ(Boxes().size(), 2U);
    EXPECT_NE(Boxes()[1].find("no longer shows the selected trace"), std::string::npos);
    control().DataEditCheckBox->click();
}

TEST_F(ControlTabs, ThePointListShowsAValueAtTwelveDigitsWhole)
{
    Settings.TableDataDigits = 12;
    TViewForm& view = NewView("a", 1);
    view.Traces.Get(0)->Data.Append(5, -123.456789012e-300, -0.5);
    SelectItems({0});
    const QString widest = view.DataGrid->data(view.DataGrid->index(4, 2), Qt::DisplayRole).toString();
    ASSERT_EQ(widest, "-123.456789012e-300");
    EXPECT_GE(view.DataStringGrid->columnWidth(2), view.DataStringGrid->fontMetrics().horizontalAdvance(widest));
}

TEST_F(ControlTabs, TheWindowHasNoCloseBoxAndStartsAtTheRightEdgeOfTheScreen)
{
    EXPECT_FALSE(control().windowFlags() & Qt::WindowCloseButtonHint);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_GT(area.width(), control().width());
    EXPECT_EQ(control().x() + control().width(), area.x() + area.width());
    // The program's own close is not refused.
    EXPECT_TRUE(control().close());
}

} // namespace
