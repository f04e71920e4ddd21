#include "FileSizeLimit.h"
#include "HeldModalWindows.h"
#include "MainFormFixture.h"
#include "SimulatorLog.h"
#include "SimulatorProcess.h"
#include "SweepSteps.h"
#include "app/AboutBox.h"
#include "app/FileCommands.h"
#include "app/picture/PictureSaveDialog.h"
#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferencesForm.h"
#include "model/Trace.h"
#include "model/XMLNode.h"
#include "view/document/ChartKinds.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>

namespace {

using namespace std::chrono_literals;

// How long a box or a dialog is left up during a run: six times the longest
// stall of the analyzer that the tests must bear, so that a point held up
// with the window stands well apart from one held up by a stall.
constexpr std::chrono::milliseconds kHold = 3s;
constexpr double kHoldSeconds = 0.001 * kHold.count();

// What the windows showed while a run went on.
struct DuringTheRun {
    bool running = false;
    bool busy = false;
    bool runEnabled = true;
    bool stopEnabled = false;
    bool settingsEditable = true;
    bool newEnabled = true;
    bool saveEnabled = true;
    QWidget* pageAfterClick = nullptr;
};

// A command whose modal window a test holds up, and how the window is
// answered then.
struct HeldCommand {
    const char* name;
    std::function<void(QDialog&)> answer;
};

void CloseTheAboutBox(QDialog& dialog)
{
    if (auto* about = qobject_cast<TAboutBox*>(&dialog)) about->OKButton->click();
}

// Notes which of the dialog's buttons that depend on the run are on, then
// confirms the line width chosen.
std::function<void(QDialog&)> ConfirmLineWidth(int width, std::vector<bool>& runButtonsOn)
{
    return [width, &runButtonsOn](QDialog& dialog) {
        auto* settings = qobject_cast<TPreferencesForm*>(&dialog);
        if (!settings) return;
        for (const QPushButton* button : {settings->Connection->CheckConnectionBtn, settings->LoadLabel,
                                          settings->Correction->CorrectionReloadBtn, settings->Reference->ReferenceReloadBtn}) {
            runButtonsOn.push_back(button->isEnabled());
        }
        settings->Graphs->TranLineWidthComboBox->setCurrentIndex(width - 1);
        settings->OkBtn->click();
    };
}

// Types the name into the picture save dialog, whose name box has the
// focus by now, and saves.
std::function<void(QDialog&)> SaveThePictureAs(const std::string& name)
{
    return [name](QDialog& dialog) {
        auto* save = qobject_cast<PictureSaveDialog*>(&dialog);
        auto* typed = save ? save->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!typed) return;
        typed->setText(QString::fromStdString(name));
        dialog.accept(); // Save, as the button does
    };
}

class RunMeasurement : public MainFormFixture {
protected:
    RunMeasurement()
    {
        main->FormShow();
        // Far beyond any stall of the analyzer or the machine; it costs
        // nothing unless it fires.
        Settings.TimeOut = 5000;
    }

    void StartAnalyzer(const std::vector<std::string>& options = {})
    {
        analyzer = std::make_unique<CSimulatorProcess>(options);
        Settings.ComPort = analyzer->DevicePath();
    }

    // Presses Run; `whileRunning` runs inside the run, at the first moment
    // it lets the windows handle their events.
    DuringTheRun Run(const std::function<void()>& whileRunning = [] {})
    {
        DuringTheRun seen;
        QTimer::singleShot(0, &control(), [&] {
            runBegan_ = std::chrono::steady_clock::now();
            TViewControlForm& form = control();
            seen.running = RunInProgress();
            seen.busy = main->ActiveView() && main->ActiveView()->Busy;
            seen.runEnabled = form.RunBtn->isEnabled();
            seen.stopEnabled = form.StopBtn->isEnabled();
            seen.settingsEditable = form.RunFromEdit->isEnabled() && form.RunCorrectionCheckBox->isEnabled();
            seen.newEnabled = main->FileNew1->isEnabled();
            seen.saveEnabled = main->FileSave1->isEnabled();
            QTabBar* tabs = form.PageControl->findChild<QTabBar*>();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(form.PageControl->indexOf(form.GraphTabSheet)).center());
            seen.pageAfterClick = form.PageControl->currentWidget();
            whileRunning();
        });
        control().RunBtn->click();
        return seen;
    }

    // From the run's first handling of events, which comes before its
    // first point.
    double SecondsIntoTheRun() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - runBegan_).count();
    }

    const CTrace& Trace(const TViewForm& view, int index) const { return *view.Traces.Get(index); }

    // A slow sweep of `samples` points, `delayMs` apart, logging what the
    // analyzer receives; it goes into a new window opened after a changed
    // one, which is asked about when the main window closes.
    TViewForm& SlowSweepAfterAChangedDocument(int samples, int delayMs, int average = 1)
    {
        StartAnalyzer({"--line-delay", std::to_string(delayMs), "--log", File("received")});
        main->CreateView("Noname1").Modified = true;
        CurrentRunSettings.samples = samples;
        CurrentRunSettings.average = average;
        control().RunSettingsToControls();
        return main->CreateView("Noname2");
    }

    // Closes the main window once the run has gone on for a while.
    void CloseTheMainWindowAfter(std::chrono::milliseconds delay)
    {
        QTimer::singleShot(delay, main.get(), [this] { main->close(); });
    }

    void HoldEveryBox(std::function<void()> answered = [] {})
    {
        InstallMessageSink(std::make_unique<HeldMessageSink>(messages.sharedLog(), kHold, std::move(answered)));
    }

    static std::vector<double> TimeSteps(const CTrace& trace)
    {
        std::vector<double> steps;
        for (int i = 1; i < trace.Data.Count(); ++i) {
            steps.push_back(trace.Data.GetRecord(i)->t - trace.Data.GetRecord(i - 1)->t);
        }
        return steps;
    }

    static double LongestStep(const CTrace& trace)
    {
        const std::vector<double> steps = TimeSteps(trace);
        return steps.empty() ? 0 : *std::max_element(steps.begin(), steps.end());
    }

    // The points of a sweep come `delay` apart as the analyzer sent them,
    // also those sent while a window held the run up, and the analyzer was
    // still sweeping when the last window went, `answeredAt` seconds into
    // the run. A stall of the analyzer stretches one step or two; it moves
    // neither the median nor the longest step past its bound.
    static void ExpectTheAnalyzersSpacing(const CTrace& trace, double delay, double answeredAt)
    {
        ASSERT_GT(trace.Data.Count(), 1);
        EXPECT_LE(LongestStep(trace), kLongestStallStep);
        EXPECT_GE(MedianStep(TimeSteps(trace)), delay / 2);
        // Point times count from the first point, which came after the run
        // began: a last one later than this came after the window went.
        EXPECT_GT(trace.Data.GetRecord(trace.Data.Count() - 1)->t, answeredAt) << "the sweep ended under the window";
    }

    // What a modal window was when it was answered.
    struct HeldWindow {
        bool commandEnabled = false;
        std::string className;
        bool duringTheRun = false;
        qint64 upMs = 0;
        double answeredAt = 0; // seconds into the run
    };

    // Triggers the command and answers the modal window it opens once that
    // has been up for `hold`. A window the answer leaves up is rejected, so
    // that nothing waits for a person.
    HeldWindow HoldTheWindowOf(const HeldCommand& command, std::chrono::milliseconds hold)
    {
        HeldWindow held;
        QAction* action = main->findChild<QAction*>(command.name);
        held.commandEnabled = action && action->isEnabled();
        if (!held.commandEnabled) return held;
        // Started first: the window is up at least as long as the hold.
        QElapsedTimer up;
        up.start();
        const QObject whileTriggered;
        QTimer::singleShot(hold, Qt::PreciseTimer, &whileTriggered, [this, &held, &command] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            held.className = dialog->metaObject()->className();
            held.duringTheRun = RunInProgress();
            held.answeredAt = SecondsIntoTheRun();
            command.answer(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        action->trigger();
        held.upMs = up.elapsed();
        return held;
    }

    // Runs; from `start` into the run, holds the window of each command in
    // turn, the run going on for `gap` between two of them.
    std::vector<HeldWindow> RunHoldingInTurn(const std::vector<HeldCommand>& commands, std::chrono::milliseconds start,
                                             std::chrono::milliseconds hold, std::chrono::milliseconds gap)
    {
        std::vector<HeldWindow> held;
        const QObject whileRunning;
        std::function<void()> next = [&] {
            held.push_back(HoldTheWindowOf(commands[held.size()], hold));
            if (held.size() < commands.size()) QTimer::singleShot(gap, &whileRunning, next);
        };
        Run([&] { QTimer::singleShot(start, &whileRunning, next); });
        return held;
    }

    std::unique_ptr<CSimulatorProcess> analyzer;

private:
    std::chrono::steady_clock::time_point runBegan_;
};

const std::string kCloseQuestion = "Ombrelix|Do you want to save the changes you made to Noname1 ?";

TEST_F(RunMeasurement, ARunWithoutADocumentMakesNonameOneWithTheTraceRunOne)
{
    StartAnalyzer();
    control().PageControl->setCurrentWidget(control().RunTabSheet);
    const DuringTheRun seen = Run();
    EXPECT_TRUE(messages.boxes().empty());

    TViewForm* view = main->ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->DocumentName, "Noname1");
    EXPECT_EQ(view->windowTitle(), "Noname1");
    ASSERT_EQ(view->Traces.Count(), 1);
    const CTrace& trace = Trace(*view, 0);
    EXPECT_EQ(trace.Name, "run1");
    EXPECT_TRUE(trace.Selected);
    EXPECT_TRUE(trace.Time);
    ASSERT_EQ(trace.Data.Count(), 20);
    const PointRecord* first = trace.Data.GetRecord(0);
    const PointRecord* last = trace.Data.GetRecord(19);
    ASSERT_TRUE(first && last);
    EXPECT_NEAR(first->f, 10, 1e-6);
    EXPECT_NEAR(last->f, 20, 1e-6);
    EXPECT_NEAR(first->R, 50, 1e-3);
    EXPECT_EQ(first->t, 0);
    EXPECT_GE(last->t, 0);
    EXPECT_TRUE(view->Modified);
    EXPECT_FALSE(view->Busy);

    EXPECT_TRUE(seen.running);
    EXPECT_TRUE(seen.busy);
    EXPECT_FALSE(seen.runEnabled);
    EXPECT_TRUE(seen.stopEnabled);
    EXPECT_FALSE(seen.settingsEditable);
    EXPECT_FALSE(seen.newEnabled);
    EXPECT_FALSE(seen.saveEnabled);
    EXPECT_EQ(seen.pageAfterClick, control().RunTabSheet);

    EXPECT_FALSE(RunInProgress());
    EXPECT_TRUE(control().RunBtn->isEnabled());
    EXPECT_FALSE(control().StopBtn->isEnabled());
    EXPECT_EQ(control().RunProgressBar->value(), 0);
    EXPECT_TRUE(control().RunFromEdit->isEnabled());
    QTabBar* tabs = control().PageControl->findChild<QTabBar*>();
    EXPECT_TRUE(tabs->isTabEnabled(control().PageControl->indexOf(control().GraphTabSheet)));
    main->UpdateActions();
    EXPECT_TRUE(main->FileSave1->isEnabled());
}

TEST_F(RunMeasurement, TheNextRunAddsTheNextSelectedTrace)
{
    StartAnalyzer();
    TViewForm& view = main->CreateView("Noname7");
    Run();
    CurrentRunSettings.samples = 3;
    control().RunSettingsToControls();
    Run();
    ASSERT_EQ(view.Traces.Count(), 2);
    EXPECT_FALSE(Trace(view, 0).Selected);
    EXPECT_EQ(Trace(view, 1).Name, "run2");
    EXPECT_TRUE(Trace(view, 1).Selected);
    EXPECT_EQ(Trace(view, 1).Data.Count(), 3);
    EXPECT_EQ(main->Views().size(), 1);
}

TEST_F(RunMeasurement, ALongRunOnTheDataTabListsEveryPointAsAFullFillDoes)
{
    StartAnalyzer();
    TViewForm& view = main->CreateView("Noname3");
    view.GraphTabSet->setCurrentIndex(kGraphData);
    CurrentRunSettings.from = 1;
    CurrentRunSettings.to = 30;
    CurrentRunSettings.samples = 3000;
    CurrentRunSettings.loglin = kSpacingLin;
    control().RunSettingsToControls();
    Run();
    ASSERT_EQ(view.Traces.Count(), 1);
    ASSERT_EQ(Trace(view, 0).Data.Count(), 3000);
    const QAbstractItemModel& grid = *view.DataStringGrid->model();
    ASSERT_EQ(grid.rowCount(), 3000);
    const auto row = [&grid](int r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c) cells << grid.data(grid.index(r, c), Qt::DisplayRole).toString();
        return cells;
    };
    const QStringList last = row(2999);
    view.FillDataGrid();
    EXPECT_EQ(grid.rowCount(), 3000);
    EXPECT_EQ(row(2999), last);
    EXPECT_FALSE(last.first().isEmpty());
}

TEST_F(RunMeasurement, StopEndsTheSweepAfterThePointInHand)
{
    StartAnalyzer();
    Run([this] { control().StopBtn->setChecked(true); });
    ASSERT_NE(main->ActiveView(), nullptr);
    EXPECT_EQ(Trace(*main->ActiveView(), 0).Data.Count(), 1);
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_FALSE(control().StopBtn->isChecked());
}

TEST_F(RunMeasurement, APortThatIsNotThereLeavesAnEmptyModifiedTrace)
{
    Settings.ComPort = File("no-such-port");
    Run();
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Connect");
    TViewForm* view = main->ActiveView();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Traces.Count(), 1);
    EXPECT_EQ(Trace(*view, 0).Data.Count(), 0);
    EXPECT_TRUE(Trace(*view, 0).Selected);
    EXPECT_TRUE(view->Modified);
    EXPECT_FALSE(RunInProgress());
}

TEST_F(RunMeasurement, InvalidSettingsStartNothing)
{
    control().RunAverageEdit->setText("0");
    Run();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"|Average <= 0"});
    EXPECT_EQ(main->ActiveView(), nullptr);
    EXPECT_EQ(main->NonameCounter, 0);
}

TEST_F(RunMeasurement, AutoSaveKeepsThePreviousFileAsTheBackup)
{
    StartAnalyzer();
    Settings.AutoSave = true;
    Settings.CreateBackup = true;
    ASSERT_TRUE(WriteFileReplacing(File("antenna.csv"), "the previous measurement"));
    ASSERT_TRUE(WriteFileReplacing(File("antenna.csv~"), "an older backup"));
    TViewForm& view = main->CreateView("antenna");
    view.FileName = File("antenna");

    Run();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(Read(File("antenna.csv~")), "the previous measurement");
    CXMLNode document("Ombrelix");
    ASSERT_TRUE(document.LoadFromFile(File("antenna.csv")));
    CXMLNode* traces = document.Child("Traces");
    ASSERT_NE(traces, nullptr);
    CTrace saved;
    ASSERT_TRUE(saved.Exchange(traces->Child("Trace")));
    EXPECT_EQ(saved.Name, "run1");
    EXPECT_EQ(saved.Data.Count(), 20);
    // The whole document, not the traces alone.
    for (const char* element : {"Window", "Screen", "Table", "Labels", "Tools"}) {
        EXPECT_NE(document.Child(element), nullptr) << element;
    }

    EXPECT_FALSE(view.Modified);
    EXPECT_EQ(view.FileName, File("antenna.csv"));
    EXPECT_EQ(view.windowTitle().toStdString(), File("antenna.csv"));
    EXPECT_EQ(MRUList.front(), File("antenna.csv"));
}

TEST_F(RunMeasurement, AFailedAutoSaveLeavesTheDocumentModified)
{
    StartAnalyzer();
    Settings.AutoSave = true;
    Settings.CreateBackup = true;
    TViewForm& view = main->CreateView("Noname1");
    view.FileName = File("gone/antenna.csv");

    Run();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Save|Can't save the file:\n" + File("gone/antenna.csv") +
                                                "\nNo such file or directory"});
    EXPECT_TRUE(view.Modified);
    EXPECT_EQ(view.DocumentName, "Noname1");
    EXPECT_TRUE(MRUList.empty());

    // A write cut short keeps the previous file under its name and makes no backup.
    ASSERT_TRUE(WriteFileReplacing(File("antenna.csv"), "the previous measurement"));
    view.FileName = File("antenna.csv");
    {
        const FileSizeLimit limit(200);
        Run();
    }
    EXPECT_EQ(Boxes().back(), "Save|Can't save the file:\n" + File("antenna.csv") + "\nFile too large");
    EXPECT_EQ(Read(File("antenna.csv")), "the previous measurement");
    EXPECT_FALSE(std::filesystem::exists(File("antenna.csv~")));
}

TEST_F(RunMeasurement, WithoutAutoSaveOrAFileNameNothingIsWritten)
{
    StartAnalyzer();
    Settings.AutoSave = true;
    main->CreateView("Noname1");
    Run();
    Settings.AutoSave = false;
    TViewForm& named = main->CreateView("antenna.csv");
    named.FileName = File("antenna.csv");
    Run();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_FALSE(std::filesystem::exists(File("antenna.csv")));
    EXPECT_TRUE(named.Modified);
}

// The analyzer goes on sweeping while a modal box or dialog holds the
// program for three seconds: the lines it sent meanwhile keep the times they
// came at, and none is lost. The sweeps last some five seconds, so that the
// window, up from about 0.7 s into the run, goes well before their end.
TEST_F(RunMeasurement, ACloseQuestionLeftUpHoldsUpNoPointOfASweep)
{
    TViewForm& sweep = SlowSweepAfterAChangedDocument(85, 60);
    double answeredAt = 0;
    HoldEveryBox([&] { answeredAt = SecondsIntoTheRun(); });
    Run([this] { CloseTheMainWindowAfter(600ms); });

    EXPECT_EQ(Boxes(), std::vector<std::string>{kCloseQuestion});
    EXPECT_EQ(main->Views().size(), 2);
    ASSERT_EQ(sweep.Traces.Count(), 1);
    const CTrace& trace = Trace(sweep, 0);
    ASSERT_EQ(trace.Data.Count(), 85);
    ExpectTheAnalyzersSpacing(trace, 0.060, answeredAt);
}

TEST_F(RunMeasurement, AFileOpenedFromAnIdleWindowHoldsUpNoPointOfASweep)
{
    TViewForm& sweep = SlowSweepAfterAChangedDocument(85, 60);
    ASSERT_TRUE(WriteFileReplacing(File("other.csv"), "10,50,0\n20,60,5\n"));
    double answeredAt = 0;
    main->Files->RunFileDialog = [&](const FileDialogRequest&) {
        RunEventLoopFor(kHold);
        answeredAt = SecondsIntoTheRun();
        return File("other.csv");
    };
    Run([this] {
        QTimer::singleShot(600ms, main.get(), [this] {
            main->MdiArea->setActiveSubWindow(main->MdiArea->subWindowList(QMdiArea::CreationOrder).first());
            QTimer::singleShot(100ms, main.get(), [this] { main->FileOpen1->trigger(); });
        });
    });

    EXPECT_TRUE(messages.boxes().empty());
    ASSERT_EQ(main->Views().size(), 3);
    EXPECT_EQ(main->Views()[2]->DocumentName, File("other.csv"));
    EXPECT_EQ(main->Views()[2]->Traces.Count(), 1);
    const CTrace& trace = Trace(sweep, 0);
    ASSERT_EQ(trace.Data.Count(), 85);
    ExpectTheAnalyzersSpacing(trace, 0.060, answeredAt);
}

// The close question comes at about the tenth point and goes about sixty
// points later; a run that read on through the lines sent meanwhile before
// it stopped, or that went on to the end, would hold sixty or a hundred.
TEST_F(RunMeasurement, StopRightAfterABoxStillStopsTheAnalyzer)
{
    TViewForm& sweep = SlowSweepAfterAChangedDocument(100, 60);
    double answeredAt = 0;
    HoldEveryBox([&] {
        answeredAt = SecondsIntoTheRun();
        control().StopBtn->setChecked(true);
    });
    Run([this] { CloseTheMainWindowAfter(600ms); });

    EXPECT_EQ(Boxes(), std::vector<std::string>{kCloseQuestion});
    // The stop went while the analyzer swept: its lines take six seconds
    // from the first one.
    EXPECT_LT(answeredAt, 99 * 0.060);
    const int stoppedAt = Trace(sweep, 0).Data.Count();
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 30);
    const std::string sweepAndStop = "VCformat\rrecZ\rS10.000000\rE20.000000\rP100\rG\r";
    EXPECT_TRUE(SimulatorReceived(File("received"), sweepAndStop));

    // The analyzer is ready for the next run, with nothing of the last one
    // left in the port.
    CurrentRunSettings.samples = 3;
    control().RunSettingsToControls();
    Run();
    EXPECT_EQ(Trace(sweep, 1).Data.Count(), 3);
    EXPECT_EQ(Boxes(), std::vector<std::string>{kCloseQuestion});
}

// About, Settings and Save As PNG, each from its command, are left up in
// turn during a slow sweep, the run going on between them: every point comes
// with the analyzer's spacing, and the line width confirmed in the settings
// is applied and saved. The three windows are gone about ten seconds into the
// sweep of eleven.
TEST_F(RunMeasurement, TheAboutBoxTheSettingsAndAPictureSaveLeftUpHoldUpNoPointOfASweep)
{
    StartAnalyzer({"--line-delay", "40"});
    CurrentRunSettings.samples = 280;
    control().RunSettingsToControls();
    main->resize(1000, 700);
    main->show();
    TViewForm& sweep = main->CreateView("Noname1");
    sweep.GraphTabSet->setCurrentIndex(kGraphRX);
    std::vector<bool> runButtonsOn;
    const std::vector<HeldCommand> commands = {{"HelpAbout1", CloseTheAboutBox},
                                               {"EditPreferences", ConfirmLineWidth(4, runButtonsOn)},
                                               {"SaveAsPng", SaveThePictureAs(File("chart"))}};
    const std::vector<HeldWindow> held = RunHoldingInTurn(commands, 300ms, kHold, 200ms);

    ASSERT_EQ(held.size(), commands.size());
    const char* const classes[] = {"TAboutBox", "TPreferencesForm", "PictureSaveDialog"};
    for (std::size_t i = 0; i < held.size(); ++i) {
        EXPECT_TRUE(held[i].commandEnabled) << commands[i].name;
        EXPECT_EQ(held[i].className, classes[i]) << commands[i].name;
        EXPECT_TRUE(held[i].duringTheRun) << commands[i].name;
        EXPECT_GE(held[i].upMs, kHold.count()) << commands[i].name;
    }
    EXPECT_EQ(runButtonsOn, (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(messages.boxes().empty());

    const CTrace& trace = Trace(sweep, 0);
    ASSERT_EQ(trace.Data.Count(), 280);
    ExpectTheAnalyzersSpacing(trace, 0.040, held.back().answeredAt);

    EXPECT_EQ(Settings.LineWidth, 4);
    CXMLNode saved("OB_settings");
    ASSERT_TRUE(saved.LoadFromFile(File("ombrelix.omt")));
    ASSERT_NE(saved.Child("Graph"), nullptr);
    EXPECT_EQ(saved.Child("Graph")->GetAttributeDecoded("LineWidth", ""), "4");
    const QImage picture(QString::fromStdString(File("chart.png")));
    EXPECT_EQ(picture.width(), sweep.PaintBoxRect().Width());
}

// Point by point the program asks for each measurement itself: the run waits
// with the box, then goes on to the end, and its times show the pause. The
// box stays up twice the time-out, which counts from the asking, not from
// the answer that came before the box.
TEST_F(RunMeasurement, APointByPointRunHeldUpByABoxResumesAndCompletes)
{
    TViewForm& sweep = SlowSweepAfterAChangedDocument(5, 100, 2);
    // Half the hold, and well beyond the slowest answer of a stalled
    // analyzer, some 0.6 s.
    Settings.TimeOut = 1500;
    HoldEveryBox();
    Run([this] { CloseTheMainWindowAfter(300ms); });

    EXPECT_EQ(Boxes(), std::vector<std::string>{kCloseQuestion});
    const CTrace& trace = Trace(sweep, 0);
    ASSERT_EQ(trace.Data.Count(), 5);
    EXPECT_GE(LongestStep(trace), kHoldSeconds);
    EXPECT_NEAR(trace.Data.GetRecord(4)->f, 20, 1e-6);
}

} // namespace
