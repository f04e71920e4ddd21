#include "AllocationFailingPort.h"
#include "FailingAllocation.h"
#include "SimulatedAnalyzerTest.h"
#include "SweepSteps.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <thread>

namespace {

constexpr double kPi = 3.141592653589793;

// The simulator's series RLC: 25 ohm, 1 uH, 100 pF.
const std::vector<std::string> kSeriesRLC{"--rlc", "25,1e-6,1e-10"};

std::complex<double> SeriesRLC(double megahertz)
{
    const double omega = 2 * kPi * megahertz * 1e6;
    return {25, omega * 1e-6 - 1 / (omega * 1e-10)};
}

std::vector<std::string> Options(std::vector<std::string> options, const std::vector<std::string>& more)
{
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

void ExpectImpedance(const PointRecord& point, std::complex<double> expected)
{
    EXPECT_NEAR(point.R, expected.real(), 1e-4) << "at " << point.f << " MHz";
    EXPECT_NEAR(point.X, expected.imag(), 1e-4) << "at " << point.f << " MHz";
}

// The steps between the points' times; the first point is at 0.
std::vector<double> TimeSteps(const std::vector<PointRecord>& points)
{
    std::vector<double> steps;
    if (points.empty()) return steps;
    EXPECT_EQ(points.front().t, 0);
    for (std::size_t i = 1; i < points.size(); ++i) steps.push_back(points[i].t - points[i - 1].t);
    return steps;
}

// Times follow the analyzer's line delay. A pause of the analyzer makes one
// step long and may make the next one near 0, as the line that waited and
// the next one then come together; the median step and the whole sweep's
// time are what such a pause cannot move below the delay, while points
// stamped when they are taken rather than when they came would crowd
// together after a hold.
void ExpectSpacing(const std::vector<PointRecord>& points, double delay)
{
    const std::vector<double> steps = TimeSteps(points);
    ASSERT_FALSE(steps.empty());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_GE(steps[i], 0) << "before point " << i + 1;
        EXPECT_LE(steps[i], kLongestStallStep) << "before point " << i + 1;
    }
    EXPECT_GE(MedianStep(steps), delay / 2);
    EXPECT_GE(points.back().t, delay * static_cast<double>(points.size() - 2));
}

TEST_F(MeasurementRunTest, OtherDeviceLinearSweep)
{
    StartAnalyzer(Options(kSeriesRLC, {"--id", "AA-55 ZOOM", "--line-delay", "40"}));
    settings.samples = 5;
    settings.loglin = kSpacingLin;
    Run();

    EXPECT_TRUE(ReceivedIs("VS10.000000\rE20.000000\rP5\rN"));
    ASSERT_EQ(listener.points.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const PointRecord& point = listener.points[i];
        EXPECT_EQ(point.f, 10 + 2.5 * i);
        ExpectImpedance(point, SeriesRLC(point.f));
        EXPECT_EQ(point.V, 0);
        EXPECT_EQ(point.phase, 0);
    }
    ExpectSpacing(listener.points, 0.040);
    const std::vector<std::pair<std::int64_t, std::int64_t>> progress{{0, 5}, {1, 5}, {2, 5}, {3, 5},
                                                                       {4, 5}, {5, 5}, {0, 5}};
    EXPECT_EQ(listener.progress, progress);
    EXPECT_TRUE(Warnings().empty());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(MeasurementRunTest, KnownModelLogSweepTakesTheReportedFrequencies)
{
    StartAnalyzer(Options(kSeriesRLC, {"--id", "QV7101"}));
    settings.from = 1;
    settings.to = 100;
    settings.samples = 3;
    Run();

    EXPECT_TRUE(ReceivedIs("VCformat\rrecZ\rS1.000000\rE100.000000\rP3\rG"));
    ASSERT_EQ(listener.points.size(), 3u);
    const double expected[] = {1, 10, 100};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(listener.points[i].f, expected[i], 1e-9);
        ExpectImpedance(listener.points[i], SeriesRLC(expected[i]));
    }
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, OneFrequencyModeSendsFromAsTheEnd)
{
    StartAnalyzer({"--id", "AA-55 ZOOM", "--load", "75"});
    settings.mode = kRunOneFrequency;
    settings.from = 14.2;
    settings.samples = 3;
    Run();

    EXPECT_TRUE(ReceivedIs("VS14.200000\rE14.200000\rP3\rG"));
    ASSERT_EQ(listener.points.size(), 3u);
    for (const PointRecord& point : listener.points) {
        EXPECT_EQ(point.f, 14.2);
        ExpectImpedance(point, 75);
    }
}

TEST_F(MeasurementRunTest, PointByPointAveragesEachPoint)
{
    // R grows by 1 ohm with every measurement: 50, 51, 52 | 53, 54, 55.
    StartAnalyzer({"--id", "QV7102", "--load", "50", "--drift", "1"});
    settings.samples = 2;
    settings.average = 3;
    settings.loglin = kSpacingLin;
    Run();

    EXPECT_TRUE(ReceivedIs("VCformat\rrecZ\rF10.000000\rF10.000000\rF10.000000\rF20.000000\rF20.000000\rF20.000000\r"));
    ASSERT_EQ(listener.points.size(), 2u);
    EXPECT_NEAR(listener.points[0].f, 10, 1e-9);
    EXPECT_NEAR(listener.points[0].R, 51, 1e-9);
    EXPECT_NEAR(listener.points[1].f, 20, 1e-9);
    EXPECT_NEAR(listener.points[1].R, 54, 1e-9);
    EXPECT_EQ(listener.points[1].X, 0);
    EXPECT_EQ(listener.progress.size(), 8u);
    for (std::int64_t i = 1; i <= 6; ++i) EXPECT_EQ(listener.progress[i], std::make_pair(i, std::int64_t{6}));
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, CorrectionAppliesOnceEvenToAPartialLine)
{
    // The second line holds only its frequency: R and X stay as measured
    // at the point before and are corrected once again, not twice.
    StartAnalyzer({"--id", "QV7100", "--load", "50", "--partial-at", "2"});
    settings.samples = 3;
    settings.loglin = kSpacingLin;
    settings.correction = true;
    correction = [](double f, double& R, double& X) {
        R += 1;
        X = f;
    };
    Run();

    ASSERT_EQ(listener.points.size(), 3u);
    EXPECT_NEAR(listener.points[1].f, 15, 1e-9);
    EXPECT_EQ(listener.points[1].R, 51);
    EXPECT_EQ(listener.points[1].X, listener.points[1].f);
    EXPECT_NEAR(listener.points[2].f, 20, 1e-9);
    EXPECT_EQ(listener.points[2].R, 51);
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, GarbageLineGivesNoPointAndOneWarningAtTheEnd)
{
    const std::vector<std::string> warnings{"Read|1 answer line could not be read"};

    // A device sweep of another device: the other points keep their own
    // frequencies.
    StartAnalyzer(Options(kSeriesRLC, {"--id", "AA-55 ZOOM", "--garbage-at", "2"}));
    settings.samples = 3;
    settings.loglin = kSpacingLin;
    Run();
    ASSERT_EQ(listener.points.size(), 2u);
    EXPECT_EQ(listener.points[0].f, 10);
    EXPECT_EQ(listener.points[1].f, 20);
    ExpectImpedance(listener.points[1], SeriesRLC(20));
    EXPECT_EQ(Warnings(), warnings);

    // Point by point, R 50, garbage, 52 | 53, 54, 55: the point is the mean
    // of the answers that could be read.
    listener.points.clear();
    messages.log().boxes.clear();
    StartAnalyzer({"--id", "QV7102", "--load", "50", "--drift", "1", "--garbage-at", "2"});
    settings.samples = 2;
    settings.average = 3;
    Run();
    ASSERT_EQ(listener.points.size(), 2u);
    EXPECT_NEAR(listener.points[0].R, 51, 1e-9);
    EXPECT_NEAR(listener.points[1].R, 54, 1e-9);
    EXPECT_EQ(Warnings(), warnings);
}

TEST_F(MeasurementRunTest, CrLfLineEndsGiveTheSameTraceAsCr)
{
    const struct {
        const char* identification;
        int average;
    } cases[] = {{"QV7101", 1}, {"AA-55 ZOOM", 1}, {"QV7101", 2}, {"AA-55 ZOOM", 2}};
    for (const auto& c : cases) {
        settings.samples = 7;
        settings.average = c.average;
        std::vector<PointRecord> traces[2];
        for (int crlf = 0; crlf < 2; ++crlf) {
            listener.points.clear();
            StartAnalyzer(Options(kSeriesRLC, {"--id", c.identification, "--line-end", crlf ? "crlf" : "cr"}));
            Run();
            traces[crlf] = listener.points;
        }
        ASSERT_EQ(traces[1].size(), 7u) << c.identification << " average " << c.average;
        for (std::size_t i = 0; i < traces[0].size(); ++i) {
            EXPECT_EQ(traces[1][i].f, traces[0][i].f);
            EXPECT_EQ(traces[1][i].R, traces[0][i].R);
            EXPECT_EQ(traces[1][i].X, traces[0][i].X);
        }
        EXPECT_NEAR(traces[1][6].f, 20, 1e-9);
        ExpectImpedance(traces[1][6], SeriesRLC(20));
    }
    EXPECT_TRUE(Warnings().empty());
}

// The window may keep the run waiting (a modal box, a dialog) far longer
// than the time-out of the tests about one, and twice the longest step,
// while the analyzer goes on sweeping.
TEST_F(MeasurementRunTest, SweepHeldUpByTheWindowKeepsEveryPointAndTheAnalyzersSpacing)
{
    StartAnalyzer({"--id", "QV7101", "--load", "50", "--line-delay", "100"});
    settings.samples = 45;
    bool held = false;
    listener.onDispatch = [&] {
        if (held || listener.points.size() != 3) return;
        held = true;
        std::this_thread::sleep_for(std::chrono::seconds(3));
    };
    Run();

    ASSERT_EQ(listener.points.size(), 45u);
    ExpectSpacing(listener.points, 0.100);
    EXPECT_NEAR(listener.points.back().f, 20, 1e-9);
    EXPECT_TRUE(Warnings().empty());
    EXPECT_TRUE(ReceivedIs("VCformat\rrecZ\rS10.000000\rE20.000000\rP45\rG"));
}

// Point by point the run itself asks for every measurement: it waits with
// the window, and its times show the pause. The window stays up three times
// the time-out, which counts from the asking, not from the answer that came
// before the window.
TEST_F(MeasurementRunTest, PointByPointHeldUpByTheWindowResumesAndCompletes)
{
    StartAnalyzer({"--id", "QV7101", "--load", "50"});
    settings.samples = 4;
    settings.average = 2;
    int dispatches = 0;
    listener.onDispatch = [&] {
        if (++dispatches == 3) std::this_thread::sleep_for(std::chrono::seconds(3));
    };
    Run(Serial(kShortTimeOutMs));

    ASSERT_EQ(listener.points.size(), 4u);
    const std::vector<double> steps = TimeSteps(listener.points);
    EXPECT_GE(*std::max_element(steps.begin(), steps.end()), 3.0);
    // Held once, not at every point.
    EXPECT_LT(listener.points.back().t, 6.0);
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, StopInDeviceSweepSendsCarriageReturnAndKeepsThePoints)
{
    StartAnalyzer({"--id", "AA-55 ZOOM", "--line-delay", "100"});
    settings.samples = 5;
    listener.stopWhen = [this] { return listener.points.size() == 2; };
    Run();

    EXPECT_EQ(listener.points.size(), 2u);
    EXPECT_TRUE(ReceivedIs("VS10.000000\rE20.000000\rP5\rG\r"));
    EXPECT_TRUE(Warnings().empty());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(MeasurementRunTest, StoppedSweepsReachTheAnalyzerAndLeaveNothingBehind)
{
    // The analyzer sends 20 more lines after the stop and hears nothing
    // else meanwhile; every next run must still find it ready.
    StartAnalyzer(
        Options(kSeriesRLC, {"--id", "QV7101", "--line-end", "crlf", "--stop-lag", "20", "--line-delay", "1"}));
    settings.samples = 2000;
    std::string expected;
    for (int run = 0; run < 10; ++run) {
        listener.points.clear();
        listener.stopWhen = [this] { return listener.points.size() == 3; };
        Run();
        ASSERT_EQ(listener.points.size(), 3u) << "run " << run;
        ExpectImpedance(listener.points[2], SeriesRLC(listener.points[2].f));
        expected += "VCformat\rrecZ\rS10.000000\rE20.000000\rP2000\rG\r";
    }
    EXPECT_TRUE(ReceivedIs(expected));
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, RunAfterAStoppedLongSweepIdentifiesTheAnalyzer)
{
    StartAnalyzer(Options(kSeriesRLC, {"--id", "QV7101"}));
    settings.from = 1;
    settings.to = 30;
    settings.samples = 200000;
    settings.loglin = kSpacingLin;
    listener.stopWhen = [this] { return listener.points.size() == 1000; };
    Run();
    ASSERT_EQ(listener.points.size(), 1000u);

    listener.points.clear();
    listener.stopWhen = [] { return false; };
    settings.samples = 2000;
    Run();

    EXPECT_TRUE(ReceivedIs("VCformat\rrecZ\rS1.000000\rE30.000000\rP200000\rN\r"
                          "VCformat\rrecZ\rS1.000000\rE30.000000\rP2000\rN"));
    ASSERT_EQ(listener.points.size(), 2000u);
    for (std::size_t i = 0; i < listener.points.size(); i += 333) {
        EXPECT_NEAR(listener.points[i].f, 1 + 29.0 / 1999 * static_cast<double>(i), 1e-6);
        ExpectImpedance(listener.points[i], SeriesRLC(listener.points[i].f));
    }
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, StopInPointByPointEndsAtOnceWithoutThePointUnderWay)
{
    StartAnalyzer({"--id", "QV7101"});
    settings.samples = 4;
    settings.average = 3;
    listener.stopWhen = [this] { return listener.progress.back().first == 5; };
    Run();

    EXPECT_EQ(listener.points.size(), 1u);
    const std::string received =
        ReceivedOnce([](const std::string& bytes) { return std::count(bytes.begin(), bytes.end(), '\r') >= 7; });
    EXPECT_EQ(std::count(received.begin(), received.end(), 'F'), 5);
    // "Cformat", "recZ" and the five F commands: no stop CR after them.
    EXPECT_EQ(std::count(received.begin(), received.end(), '\r'), 7);
    EXPECT_EQ(listener.progress.back(), std::make_pair(std::int64_t{0}, std::int64_t{12}));
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, RunWorksOnTheSettingsAsTheyWereAtItsStart)
{
    StartAnalyzer({"--id", "QV7101"});
    settings.samples = 4;
    settings.loglin = kSpacingLin;
    listener.onDispatch = [this] {
        settings.samples = 2;
        settings.average = 7;
        settings.mode = kRunOneFrequency;
    };
    Run();

    ASSERT_EQ(listener.points.size(), 4u);
    EXPECT_NEAR(listener.points[3].f, 20, 1e-9);
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MeasurementRunTest, ProgressCountsBeyondThirtyTwoBits)
{
    StartAnalyzer({"--id", "AA-55 ZOOM"});
    settings.samples = 2000000000;
    settings.average = 2;
    listener.stopWhen = [] { return true; };
    Run();

    const std::vector<std::pair<std::int64_t, std::int64_t>> progress{
        {0, 4000000000}, {1, 4000000000}, {0, 4000000000}};
    EXPECT_EQ(listener.progress, progress);
    EXPECT_TRUE(ReceivedIs("VF10.000000\r"));
    EXPECT_TRUE(listener.points.empty());
}

TEST_F(MeasurementRunTest, UnpluggedMidSweepKeepsThePointsAndWarnsOnce)
{
    StartAnalyzer({"--id", "QV7101", "--hang-up-after", "3"});
    settings.samples = 10;
    Run();

    EXPECT_EQ(listener.points.size(), 3u);
    const std::vector<std::string> warnings{"Read|Communication error:\nInput/output error"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(listener.progress.back(), std::make_pair(std::int64_t{0}, std::int64_t{10}));
}

TEST_F(MeasurementRunTest, NoMemoryInThePortsReaderEndsTheSweepAfterThePointsBeforeIt)
{
    // A line at a time, so that the reader keeps a few lines before it
    // needs more memory: within a few dozen of them.
    StartAnalyzer({"--id", "QV7101", "--line-delay", "2"});
    settings.samples = 200;
    {
        const ScopedFailingAllocation failing(AllocatingThreads::Others);
        Run();
        EXPECT_TRUE(failing.Failed());
    }
    EXPECT_GT(listener.points.size(), 0u);
    EXPECT_LT(listener.points.size(), 200u);
    const std::vector<std::string> warnings{"Read|Communication error:\nCannot allocate memory"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_FALSE(link.IsOpen());

    // Nobody stopped that analyzer, which sends the rest of its sweep: the
    // next run goes to a fresh one.
    StartAnalyzer({"--id", "QV7101"});
    listener.points.clear();
    Run();
    EXPECT_EQ(listener.points.size(), 200u);
    EXPECT_EQ(Warnings(), warnings);
}

TEST_F(MeasurementRunTest, SilentAnalyzerTimesOutAtIdentificationAndAtTheStart)
{
    StartAnalyzer({"--silent"});
    settings.samples = 5;
    Run(Serial(kShortTimeOutMs));

    // The identification failed, so the run took it for another device.
    EXPECT_TRUE(ReceivedIs("VS10.000000\rE20.000000\rP5\rG"));
    const std::vector<std::string> warnings{"Read|Time-out", "Read|Time-out"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_EQ(messages.log().beeps, 2);
    EXPECT_TRUE(listener.points.empty());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(MeasurementRunTest, PortThatDoesNotExistWarnsOnce)
{
    Run({"/dev/ombrelix-no-such-port", 9600, kTimeOutMs});

    const std::vector<std::string> warnings{"Connect|Communication error:\nNo such file or directory"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_TRUE(listener.points.empty());
    const std::vector<std::pair<std::int64_t, std::int64_t>> progress{{0, 20}, {0, 20}};
    EXPECT_EQ(listener.progress, progress);
}

TEST_F(MeasurementRunTest, NoMemoryToOpenThePortIsACommunicationErrorAndTheNextRunWorks)
{
    StartAnalyzer({"--id", "QV7101"});
    settings.samples = 3;
    const SerialSettings serial = Serial();
    // So that the first allocation the run makes is the port's.
    listener.progress.reserve(2);
    CMeasurementRun run(settings, serial, link, correction, listener);
    {
        const ScopedFailingAllocation failing(AllocatingThreads::This);
        run.Execute();
        EXPECT_TRUE(failing.Failed());
    }
    const std::vector<std::string> warnings{"Connect|Communication error:\nCannot allocate memory"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_TRUE(listener.points.empty());
    EXPECT_FALSE(link.IsOpen());

    Run(serial);
    EXPECT_EQ(listener.points.size(), 3u);
    EXPECT_EQ(Warnings(), warnings);
}

TEST_F(MeasurementRunTest, EndlessLineEndsTheRunWithATimeOut)
{
    StartAnalyzer({"--id", "QV7101", "--endless-line"});
    settings.samples = 5;
    Run();

    const std::vector<std::string> warnings{"Read|Time-out"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_TRUE(listener.points.empty());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(MeasurementRunTest, ExceptionEndsTheRunWithARunError)
{
    StartAnalyzer({"--id", "QV7101"});
    settings.samples = 3;
    settings.correction = true;
    correction = [this](double, double&, double&) {
        if (!listener.points.empty()) throw Exception("sqrt");
    };
    Run();

    EXPECT_EQ(listener.points.size(), 1u);
    const std::vector<std::string> warnings{"|Run error:\nsqrt"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(listener.progress.back(), std::make_pair(std::int64_t{0}, std::int64_t{3}));
}

TEST_F(MeasurementRunTest, NoMemoryForTheIdentificationGoesOnAsAFailedIdentification)
{
    StartAnalyzer({"--id", "QV7101"});
    settings.samples = 5;
    // The run's first read of a byte (operation 1, after the "V") finds no
    // memory for the copy of what the analyzer sent.
    auto port = std::make_unique<CAllocationFailingPort>(1);
    const CAllocationFailingPort& failing = *port;
    CAnalyzerLink failingLink(std::move(port));
    CMeasurementRun run(settings, Serial(), failingLink, correction, listener);
    run.Execute();
    EXPECT_TRUE(failing.Failed());

    // Taken for another device, as after any identification that failed,
    // with no more reading: the answer to "G" is not read either.
    const std::vector<std::string> warnings(2, "Read|Communication error:\nCannot allocate memory");
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_EQ(failingLink.ConnectedModel(), DeviceModel::Other);
    EXPECT_TRUE(listener.points.empty());
    EXPECT_FALSE(failingLink.IsOpen());
    EXPECT_TRUE(ReceivedIs("VS10.000000\rE20.000000\rP5\rG"));
}

} // namespace
