#include "OpenLine.h"
#include "RecordingMessageSink.h"
#include "RecordingViewHost.h"
#include "SettingsSnapshot.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "tools/Tools.h"
#include "view/DataGridModel.h"
#include "view/View.h"
#include "view/canvas/Canvas.h"
#include "view/document/DocumentReader.h"
#include "view/document/RunInProgress.h"

#include <QAction>
#include <QLabel>
#include <QComboBox>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ToolsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        view = std::make_unique<TViewForm>(host);
        tools = std::make_unique<TToolsForm>(nullptr, [this] { return view.get(); });
    }
    void TearDown() override
    {
        tools.reset();
        view.reset();
    }

    // A selected trace of n points, X falling through zero between points
    // 10 and 11 (1-based), 1 MHz apart from 1 MHz.
    CTrace& AddTrace(int n)
    {
        auto trace = std::make_unique<CTrace>();
        for (int i = 0; i < n; ++i) trace->Data.Append(i + 1, 50, 95 - 10 * i, 0.25 * i);
        trace->Selected = true;
        CTrace& added = *trace;
        view->Traces.Add(std::move(trace));
        return added;
    }
    void ShowReplayTab()
    {
        tools->show();
        tools->PageControl->setCurrentWidget(tools->ReplayTabSheet);
    }
    // The points the Smith chart drew, from the largest frequency it showed:
    // point i of AddTrace has the frequency i + 1.
    int ChartDrawLimit(CTrace&)
    {
        QImage bitmap(400, 300, QImage::Format_RGB32);
        CCanvas canvas(bitmap);
        view->GraphKind = kGraphSmith;
        view->DrawChart(canvas, TRect{0, 0, 400, 300});
        view->GraphKind = kGraphData;
        return static_cast<int>(view->DrawnExtents[kExtentMaxX]);
    }
    // What the event loop does when it falls idle.
    void Idle() const
    {
        QCoreApplication::processEvents();
        tools->UpdateToolActions();
    }

    SettingsSnapshot snapshot;
    ScopedMessageRecorder messages;
    RecordingViewHost host;
    std::unique_ptr<TViewForm> view;
    std::unique_ptr<TToolsForm> tools;
};

TEST_F(ToolsWindow, ReplayPositionLimitsTheChartsAndTheDataGridOnItsTabOnly)
{
    CTrace& trace = AddTrace(20);
    ShowReplayTab();
    EXPECT_EQ(tools->ReplayScrollBar->maximum(), 19);
    EXPECT_EQ(tools->ReplayScrollBar->value(), 19);
    EXPECT_EQ(view->DataGrid->rowCount(), 20);
    Idle();
    EXPECT_FALSE(tools->ReplayRunAction->isEnabled()); // the whole trace is shown

    tools->ReplayScrollBar->setValue(6);
    EXPECT_EQ(view->DataGrid->rowCount(), 7);
    EXPECT_EQ(ChartDrawLimit(trace), 7);
    Idle();
    EXPECT_TRUE(tools->ReplayRunAction->isEnabled());
    EXPECT_TRUE(tools->ReplayResetAction->isEnabled());

    tools->ReplayResetAction->trigger();
    EXPECT_EQ(view->DataGrid->rowCount(), 1);

    tools->PageControl->setCurrentWidget(tools->MoreTabSheet);
    EXPECT_EQ(view->DataGrid->rowCount(), 20);
    EXPECT_EQ(ChartDrawLimit(trace), 20);
}

TEST_F(ToolsWindow, ATimedReplayRunsOnATimerToTheEndAndRepaintsTheWhole)
{
    AddTrace(20);
    ShowReplayTab();
    tools->ReplaySpeedTrackBar->setValue(8); // 256 points a second
    tools->ReplayScrollBar->setValue(2);
    Idle();
    tools->ReplayRunAction->trigger();
    // The handler returns at once; the points follow from the event loop.
    EXPECT_TRUE(tools->ReplayRunning());
    EXPECT_LT(tools->ReplayScrollBar->value(), 19);
    Idle();
    EXPECT_FALSE(tools->ReplayRunAction->isEnabled());
    EXPECT_TRUE(tools->ReplayStopAction->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !tools->ReplayRunning(); }, 5000));
    EXPECT_EQ(tools->ReplayScrollBar->value(), 19);
    EXPECT_EQ(view->DataGrid->rowCount(), 20);
}

TEST_F(ToolsWindow, AReplayEndsWhenItsTraceGoesOrTheWindowHides)
{
    AddTrace(20);
    ShowReplayTab();
    tools->ReplaySpeedTrackBar->setValue(0); // a point a second
    tools->ReplayScrollBar->setValue(0);
    Idle();
    tools->ReplayRunAction->trigger();
    ASSERT_TRUE(tools->ReplayRunning());
    view->Traces.Delete(0);
    tools->RefreshForView();
    EXPECT_FALSE(tools->ReplayRunning());
    EXPECT_FALSE(tools->ReplayScrollBar->isEnabled());

    AddTrace(20);
    tools->RefreshForView();
    tools->ReplayScrollBar->setValue(0);
    Idle();
    tools->ReplayRunAction->trigger();
    ASSERT_TRUE(tools->ReplayRunning());
    tools->hide();
    EXPECT_FALSE(tools->ReplayRunning());
    EXPECT_EQ(view->DataGrid->rowCount(), 20);
}

TEST_F(ToolsWindow, CommandsThatChangeTheTraceWaitWhileARunFillsTheWindow)
{
    CTrace& trace = AddTrace(20);
    ShowReplayTab();
    tools->ReplayScrollBar->setValue(4);
    Idle();
    ASSERT_TRUE(tools->InverseXBtn->isEnabled());
    ASSERT_TRUE(tools->ReplayRunAction->isEnabled());
    {
        RunInProgressScope run(*view);
        // Clicks that were queued before the run began change nothing.
        tools->InverseXBtn->click();
        tools->ReplayRunAction->trigger();
        EXPECT_EQ(trace.Data.GetRecord(0)->X, 95);
        EXPECT_FALSE(tools->ReplayRunning());
        Idle();
        EXPECT_FALSE(tools->InverseXBtn->isEnabled());
        EXPECT_FALSE(tools->MatchAcceptBtn->isEnabled());
        EXPECT_FALSE(tools->ReplayRunAction->isEnabled());
    }
    Idle();
    EXPECT_TRUE(tools->InverseXBtn->isEnabled());
    tools->InverseXBtn->click();
    EXPECT_EQ(trace.Data.GetRecord(0)->X, -95);
    EXPECT_FALSE(view->Modified);
}

TEST_F(ToolsWindow, AnLCFrequencyThatDoesNotParseWarnsOnlyWhenTheUserAsks)
{
    AddTrace(20);
    tools->show();
    tools->LCF1Edit->setText("abc");
    tools->LCF2Edit->setText("12");
    tools->RefreshForView();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(tools->LCR1Edit->text(), "");
    EXPECT_EQ(tools->LCX2Edit->text(), "-15"); // column 2 is still computed

    QTest::keyClick(tools->LCF1Edit, Qt::Key_Return);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "f1:\nSyntax error: abc");
}

TEST_F(ToolsWindow, CursorAndResonanceConvertThroughThePointsInPointNumberMode)
{
    AddTrace(20);
    tools->show();
    view->HorMode = kHorN;
    view->TableVisible = true;
    view->CursorX = 4;
    tools->LCF1Btn->click();
    EXPECT_EQ(tools->LCF1Edit->text(), "4"); // the frequency of point 4, in MHz

    tools->ResFBtn->click(); // X = 5 at point 10 (10 MHz), -5 at point 11
    EXPECT_EQ(tools->ResFEdit->text(), "10.5");
    EXPECT_DOUBLE_EQ(view->CursorX, 10.5);

    view->CursorX = 40; // beyond the last point: nothing taken
    tools->LCF2Edit->setText("7");
    tools->LCF2Btn->click();
    EXPECT_EQ(tools->LCF2Edit->text(), "7");
}

TEST_F(ToolsWindow, AnOffsetThatDoesNotParseIsReportedAndKeepsWhatWasStoredBefore)
{
    AddTrace(5);
    tools->show();
    tools->OffsetREdit->setText("25");
    tools->OffsetXEdit->setText("abc");
    tools->OffsetApplyBtn->click();
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.boxes()[0].text, "Syntax error: abc");
    EXPECT_EQ(view->OffsetR, 25);
    EXPECT_EQ(view->OffsetX, 0);

    tools->OffsetXEdit->setText("inf");
    tools->OffsetApplyBtn->click();
    EXPECT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(view->OffsetX, 0);
}

TEST_F(ToolsWindow, FindShowsTheMatchPointsAndAcceptReadsTheGridBack)
{
    AddTrace(20);
    tools->show();
    tools->MatchCalcBtn->click();
    const auto cell = [this](int row, int column) { return tools->MatchStringGrid->item(row, column)->text(); };
    EXPECT_EQ(cell(0, 1), "R_min");
    EXPECT_EQ(cell(1, 3), "-95");  // least X: the last point
    EXPECT_EQ(cell(3, 3), "95");   // greatest X: the first point
    EXPECT_EQ(cell(4, 2), "50");   // the centre of (50, 95) three times and (50, -95)
    EXPECT_EQ(cell(4, 3), "47.5");
    EXPECT_FALSE(view->Modified);

    tools->MatchStringGrid->item(3, 3)->setText("-x");
    tools->MatchAcceptBtn->click();
    EXPECT_EQ(messages.boxes().size(), 1u);
    EXPECT_FALSE(view->Modified);
    tools->MatchStringGrid->item(3, 3)->setText("105");
    tools->MatchAcceptBtn->click();
    EXPECT_TRUE(view->Modified);
    EXPECT_EQ(cell(4, 3), "50");
}

TEST_F(ToolsWindow, CableLengthShowsInTheChosenUnitsWithoutRecalculating)
{
    auto line = std::make_unique<CTrace>();
    AppendOpenLine(line->Data, 10, 0.66, 1, 30, 0.5);
    line->Selected = true;
    view->Traces.Add(std::move(line));
    tools->show();
    tools->CableTypeComboBox->setCurrentIndex(5); // RG-58
    EXPECT_EQ(ParseValue(tools->CableVpEdit->text().toStdString()), 0.66);
    tools->CableCalcBtn->click();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(tools->CableLEdit->text(), "10");
    EXPECT_EQ(tools->CableTEdit->text(), "50.5");
    tools->CableFootRadio->setChecked(true);
    EXPECT_EQ(tools->CableLEdit->text(), "32.8");
    EXPECT_EQ(tools->CableLengthLabelLabel->text(), "L (ft) =");

    tools->CableVpEdit->setText("1.0001");
    tools->CableCalcBtn->click();
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Vp > 1");
    EXPECT_EQ(tools->CableLEdit->text(), "32.8"); // a refused input keeps the last result
}

TEST_F(ToolsWindow, TransitionsNeedATimeRecordedTrace)
{
    CTrace& trace = AddTrace(20);
    tools->show();
    tools->MatchCalcBtn->click();
    trace.Data.Transitions[0].from = 2;
    tools->MatchTimeCalcBtn->click(); // no time stamps: the grid is only cleared
    EXPECT_EQ(tools->MatchTimeStringGrid->item(0, 0)->text(), "");
    EXPECT_EQ(trace.Data.Transitions[0].from, 2);

    trace.Time = true;
    tools->MatchTimeCalcBtn->click();
    // X falls along the trace: R_min, R_max and X_max lie on the first point
    // and chain in slot order; from X_max it takes the whole trace to X_min.
    const auto row = [this](int r) {
        QStringList cells;
        for (int c = 0; c < 3; ++c) cells << tools->MatchTimeStringGrid->item(r, c)->text();
        return cells;
    };
    EXPECT_EQ(row(0), (QStringList{"1", "3", "0"}));
    EXPECT_EQ(row(1), (QStringList{"3", "4", "0"}));
    EXPECT_EQ(row(2), (QStringList{"4", "2", "4.75"}));
    EXPECT_EQ(row(3), (QStringList{"2", "1", "0"}));
}

// Transition slots as a damaged or hostile document stores them: only the
// slots the Smith chart draws reach the grid, and neither the grid nor the
// chart does arithmetic on the numbers as read.
TEST_F(ToolsWindow, TransitionSlotsFromADocumentShowOnlyWhatNamesMatchPoints)
{
    struct Case {
        const char* attributes;
        std::vector<QStringList> rows;
    };
    const std::vector<Case> cases = {
        {R"(mfrom1="2147483647" mto1="1" mfrom2="0" mto2="1" mfromp2="2147483647" mtop2="-2147483648")",
         {{"", ""}, {"1", "2"}, {"", ""}, {"", ""}}},
        {R"(mfrom1="0" mto1="2147483647" mfrom2="-2" mto2="1" mfrom3="0" mto3="1")",
         {{"", ""}, {"", ""}, {"", ""}, {"", ""}}},
        {R"(mfrom1="1" mto1="-2147483648" mfrom2="0" mto2="1")", {{"2", "0"}, {"", ""}, {"", ""}, {"", ""}}},
        {R"(mfrom1="5" mto1="0" mfrom2="4" mto2="5" mfrom3="3" mto3="4" mfrom4="99999999999" mto4="-2")",
         {{"", ""}, {"", ""}, {"4", "5"}, {"1", "0"}}},
        {R"(mfrom1="-2147483648" mto1="0" mfrom2="0" mto2="1")", {{"", ""}, {"", ""}, {"", ""}, {"", ""}}},
    };
    tools->show();
    view->ShowMatchTime = true;
    for (const Case& c : cases) {
        const std::string text = std::string("<Ombrelix><Traces><Trace name=\"run\" selected=\"true\" time=\"true\" ") +
                                 c.attributes + ">1,50,0,0\n2,60,10,0.5\n3,70,20,1</Trace></Traces></Ombrelix>";
        DocumentContent content = ReadDocumentText(text, {});
        ASSERT_EQ(content.Format, DocumentFormat::Own);
        view->Traces.Clear();
        WindowLayout layout;
        ReadIntoDocument(content, *view, layout);
        ASSERT_EQ(view->Traces.Count(), 1);
        tools->RefreshForView();
        for (int r = 0; r < 4; ++r) {
            const QStringList cells{tools->MatchTimeStringGrid->item(r, 0)->text(),
                                    tools->MatchTimeStringGrid->item(r, 1)->text()};
            EXPECT_EQ(cells, c.rows[static_cast<size_t>(r)]) << c.attributes << " row " << r;
        }
        ChartDrawLimit(*view->Traces.Get(0));
    }
}

} // namespace
