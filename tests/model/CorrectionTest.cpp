#include "RecordingMessageSink.h"
#include "SettingsSnapshot.h"
#include "TempDir.h"
#include "WorkingFolder.h"
#include "model/Correction.h"
#include "model/RunSettings.h"
#include "model/Trace.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

#include <complex>

namespace {

using Z = std::complex<double>;

// Keeps the standards and run settings of one test to itself.
class Correction : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStandards();
        CurrentRunSettings = RunSettings{};
    }
    void TearDown() override
    {
        ClearStandards();
        CurrentRunSettings = RunSettings{};
        ReferenceTraces.reset();
    }
    static void ClearStandards()
    {
        ShortStandard.Clear();
        OpenStandard.Clear();
        LoadStandard.Clear();
        LoadStandardValue = 50;
    }
    static void UseStandards(bool useShort, bool useOpen, bool useZ)
    {
        CurrentRunSettings.useShort = useShort;
        CurrentRunSettings.useOpen = useOpen;
        CurrentRunSettings.useZ = useZ;
    }
    static Z Apply(double f, Z measured)
    {
        double R = 0, X = 0;
        ApplyCorrection(R, X, f, measured.real(), measured.imag());
        return {R, X};
    }

    SettingsSnapshot snapshot_;
};

constexpr double kF = 14;
const Z kShort{0.5, 0.2};
const Z kOpen{800, -900};
const Z kLoad{48, 3};

void Standards()
{
    ShortStandard.Append(kF, kShort.real(), kShort.imag());
    OpenStandard.Append(kF, kOpen.real(), kOpen.imag());
    LoadStandard.Append(kF, kLoad.real(), kLoad.imag());
}

void ExpectNear(Z actual, Z expected)
{
    EXPECT_NEAR(actual.real(), expected.real(), 1e-9 * (1 + std::abs(expected)));
    EXPECT_NEAR(actual.imag(), expected.imag(), 1e-9 * (1 + std::abs(expected)));
}

TEST_F(Correction, EachCombinationOfStandardsFollowsItsFormula)
{
    Standards();
    const Z z{30, 12};
    const double L = LoadStandardValue;
    const Z Zs = kShort, Zo = kOpen, Zl = kLoad;

    UseStandards(false, false, false);
    ExpectNear(Apply(kF, z), z);
    UseStandards(true, false, false);
    ExpectNear(Apply(kF, z), z - Zs);
    UseStandards(false, true, false);
    ExpectNear(Apply(kF, z), Zo * z / (Zo - z));
    UseStandards(false, false, true);
    ExpectNear(Apply(kF, z), L * z / Zl);
    UseStandards(true, true, false);
    ExpectNear(Apply(kF, z), Zo * (z - Zs) / (Zo - z));
    UseStandards(true, false, true);
    ExpectNear(Apply(kF, z), L * (z - Zs) / (Zl - Zs));
    UseStandards(false, true, true);
    ExpectNear(Apply(kF, z), L * z * (Zo - Zl) / ((Zo - z) * Zl));
    UseStandards(true, true, true);
    ExpectNear(Apply(kF, z), L * (z - Zs) * (Zo - Zl) / ((Zo - z) * (Zl - Zs)));
}

TEST_F(Correction, MeasuringAStandardGivesItsIdealValue)
{
    Standards();
    UseStandards(true, true, true);
    EXPECT_EQ(Apply(kF, kShort), Z(0, 0));
    EXPECT_EQ(Apply(kF, kOpen), Z(1e99, 1e99));
    ExpectNear(Apply(kF, kLoad), Z(LoadStandardValue, 0));
}

TEST_F(Correction, StandardsAreHeldBeyondTheirRange)
{
    ShortStandard.Append(10, 1, 0);
    ShortStandard.Append(20, 3, 0);
    UseStandards(true, false, false);
    ExpectNear(Apply(5, Z(10, 0)), Z(9, 0));
    ExpectNear(Apply(50, Z(10, 0)), Z(7, 0));
    ExpectNear(Apply(std::sqrt(200.0), Z(10, 0)), Z(8, 0));

    // A standard without points is not used.
    UseStandards(true, true, false);
    ExpectNear(Apply(5, Z(10, 0)), Z(9, 0));
}

TEST_F(Correction, AZeroDivisorGivesTheInfiniteImpedance)
{
    LoadStandard.Append(kF, 0, 0);
    UseStandards(false, false, true);
    EXPECT_EQ(Apply(kF, Z(50, 0)), Z(1e99, 1e99));

    ShortStandard.Append(kF, 1, 1);
    LoadStandard.Clear();
    LoadStandard.Append(kF, 1, 1);
    UseStandards(true, false, true);
    EXPECT_EQ(Apply(kF, Z(50, 0)), Z(1e99, 1e99));

    OpenStandard.Append(kF, 1e300, 1e300);
    UseStandards(false, true, false);
    const Z huge = Apply(kF, Z(-1e300, -1e300));
    EXPECT_TRUE(std::isfinite(huge.real()) && std::isfinite(huge.imag()));
}

// Writes a correction file into the program folder of the test.
void WriteCorrectionFile(const TempDir& dir, std::initializer_list<std::pair<const char*, double>> traces)
{
    CXMLNode root("Traces");
    for (const auto& [name, r] : traces) {
        CTrace trace;
        trace.Name = name;
        trace.Data.Append(1, r, 0);
        trace.Data.Append(30, r + 1, 1);
        trace.Exchange(root.AddChild("Trace"));
    }
    ASSERT_TRUE(root.SaveToFile(dir.File("correction.csv")));
}

TEST_F(Correction, LoadsTheStandardsByTheirNames)
{
    TempDir dir;
    ProgramFolder = dir.path().string() + "/";
    WriteCorrectionFile(dir, {{"short", 0.1}, {"open", 900}, {"load", 7}, {"75 ohm", 74}, {"Short", 5}});
    LoadCorrection(false);
    EXPECT_TRUE(CurrentRunSettings.useShort);
    EXPECT_TRUE(CurrentRunSettings.useOpen);
    EXPECT_TRUE(CurrentRunSettings.useZ);
    EXPECT_EQ(LoadStandardValue, 75);
    ASSERT_EQ(ShortStandard.Count(), 2);
    EXPECT_EQ(ShortStandard.GetRecord(1)->R, 1.1);
    EXPECT_EQ(LoadStandard.GetRecord(0)->R, 74);

    LoadCorrection(false);
    EXPECT_EQ(ShortStandard.Count(), 2);
}

TEST_F(Correction, OnlyAPositiveDecimalNumberNamesALoadStandard)
{
    double value = 0;
    EXPECT_TRUE(LoadStandardResistance("50", &value));
    EXPECT_EQ(value, 50);
    EXPECT_TRUE(LoadStandardResistance("49.9ohm", &value));
    EXPECT_EQ(value, 49.9);
    EXPECT_TRUE(LoadStandardResistance(" 1e2 ohm", &value));
    EXPECT_EQ(value, 100);
    for (const char* name : {"load", "nan", "inf", "-50", "0", "0x32", "1e400", "", "+", ".", "0.0 ohm"}) {
        EXPECT_FALSE(LoadStandardResistance(name, &value)) << name;
    }

    TempDir dir;
    ProgramFolder = dir.path().string() + "/";
    WriteCorrectionFile(dir, {{"nan", 1}, {"0 ohm", 2}, {"inf", 3}});
    LoadCorrection(false);
    EXPECT_FALSE(CurrentRunSettings.useZ);
    EXPECT_EQ(LoadStandard.Count(), 0);
    EXPECT_EQ(LoadStandardValue, 50);
}

TEST_F(Correction, AFileThatCannotBeReadChangesNothing)
{
    TempDir dir;
    ProgramFolder = dir.path().string() + "/";
    ShortStandard.Append(1, 2, 3);
    CurrentRunSettings.useShort = true;
    ScopedMessageRecorder recorder;

    Settings.CorrectionAlarmOff = true;
    LoadCorrection(false);
    EXPECT_TRUE(recorder.boxes().empty());
    LoadCorrection(true);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].caption, "");
    EXPECT_EQ(recorder.boxes()[0].text, "Can't load correction file:\n" + dir.File("correction.csv"));
    Settings.CorrectionAlarmOff = false;
    LoadCorrection(false);
    EXPECT_EQ(recorder.boxes().size(), 2u);
    EXPECT_EQ(ShortStandard.Count(), 1);
    EXPECT_TRUE(CurrentRunSettings.useShort);

    Settings.CorrectionFileName = "";
    LoadCorrection(true);
    EXPECT_EQ(recorder.boxes().size(), 2u);
}

// Reading a file clears the standards; one that names none of them must not
// leave the user believing the next run is corrected.
TEST_F(Correction, AFileWithoutAnyStandardIsToldWhenTheAlarmIsOn)
{
    TempDir dir;
    ProgramFolder = dir.path().string() + "/";
    WriteCorrectionFile(dir, {{"Short", 0.1}, {"load", 7}, {"OPEN", 900}});
    ShortStandard.Append(1, 2, 3);
    CurrentRunSettings.useShort = true;
    ScopedMessageRecorder recorder;
    const std::string told = "No short, open or load trace in the correction file:\n" + dir.File("correction.csv");

    Settings.CorrectionAlarmOff = true;
    LoadCorrection(false);
    EXPECT_TRUE(recorder.boxes().empty());
    EXPECT_EQ(ShortStandard.Count(), 0);
    EXPECT_FALSE(CurrentRunSettings.useShort);
    LoadCorrection(true);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].caption, "");
    EXPECT_EQ(recorder.boxes()[0].text, told);
    Settings.CorrectionAlarmOff = false;
    LoadCorrection(false);
    EXPECT_EQ(recorder.boxes().size(), 2u);

    // One standard is enough to say nothing.
    WriteCorrectionFile(dir, {{"Short", 0.1}, {"open", 900}});
    LoadCorrection(true);
    EXPECT_EQ(recorder.boxes().size(), 2u);
    EXPECT_TRUE(CurrentRunSettings.useOpen);
}

TEST_F(Correction, AFileChosenOutsideTheProgramFolderIsKeptByItsFullPath)
{
    TempDir program, elsewhere;
    ProgramFolder = program.path().string() + "/";
    EXPECT_EQ(CorrectionNameForFile(program.File("cal.csv"), ProgramFolder), "cal.csv");
    EXPECT_EQ(CorrectionNameForFile(program.path().string() + "/sub/../cal.csv", ProgramFolder), "cal.csv");
    EXPECT_EQ(CorrectionNameForFile(elsewhere.File("cal.csv"), ProgramFolder), elsewhere.File("cal.csv"));
    EXPECT_EQ(CorrectionNameForFile(program.File("sub/cal.csv"), ProgramFolder), program.File("sub/cal.csv"));

    WriteCorrectionFile(elsewhere, {{"short", 0.1}});
    Settings.CorrectionFileName = CorrectionNameForFile(elsewhere.File("correction.csv"), ProgramFolder);
    LoadCorrection(false);
    EXPECT_TRUE(CurrentRunSettings.useShort);
    EXPECT_EQ(ShortStandard.Count(), 2);
}

TEST_F(Correction, LoadsTheReferenceTraces)
{
    TempDir dir;
    Settings.ReferenceFileName = dir.File("reference.csv");
    CXMLNode document("Ombrelix");
    CXMLNode* traces = document.AddChild("Traces");
    for (const char* name : {"a", "b"}) {
        CTrace trace;
        trace.Name = name;
        trace.Data.Append(1, 2, 3);
        trace.Exchange(traces->AddChild("Trace"));
    }
    ASSERT_TRUE(document.SaveToFile(Settings.ReferenceFileName));

    Settings.ReferenceTraceIndex = 1;
    LoadReference(false);
    ASSERT_TRUE(ReferenceTraces);
    EXPECT_EQ(ReferenceTraces->Count(), 2);
    EXPECT_EQ(ReferenceTraces->Get(1)->Name, "b");
    EXPECT_EQ(ReferenceTraces->Owner, nullptr);
    EXPECT_EQ(Settings.ReferenceTraceIndex, 1); // the first load keeps the stored index

    ScopedMessageRecorder recorder;
    Settings.ReferenceFileName = dir.File("missing.csv");
    LoadReference(true);
    EXPECT_FALSE(ReferenceTraces);
    EXPECT_EQ(Settings.ReferenceTraceIndex, -1);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].caption, "Open reference");
    EXPECT_EQ(recorder.boxes()[0].text, "Cannot open reference file");
}

void WriteReferenceFile(const std::string& file, const char* traceName)
{
    CXMLNode document("Ombrelix");
    CTrace trace;
    trace.Name = traceName;
    trace.Data.Append(1, 2, 3);
    trace.Exchange(document.AddChild("Traces")->AddChild("Trace"));
    ASSERT_TRUE(document.SaveToFile(file));
}

// Both files are named alike in the settings, so both are found alike: a
// bare name in the program folder, never in the folder the program was
// started from; a full path where it points.
TEST_F(Correction, ARelativeNameOfEitherFileIsFoundInTheProgramFolder)
{
    TempDir program, started;
    ProgramFolder = program.path().string() + "/";
    WriteCorrectionFile(program, {{"short", 0.1}});
    WriteReferenceFile(program.File("reference.csv"), "beside the program");
    WriteReferenceFile(started.File("reference.csv"), "where it was started");
    const WorkingFolder from(started.path());
    Settings.CorrectionFileName = "correction.csv";
    Settings.ReferenceFileName = "reference.csv";

    LoadCorrection(false);
    LoadReference(false);
    EXPECT_TRUE(CurrentRunSettings.useShort);
    ASSERT_TRUE(ReferenceTraces);
    EXPECT_EQ(ReferenceTraces->Get(0)->Name, "beside the program");

    Settings.ReferenceFileName = started.File("reference.csv");
    LoadReference(false);
    ASSERT_TRUE(ReferenceTraces);
    EXPECT_EQ(ReferenceTraces->Get(0)->Name, "where it was started");
}

TEST(RainbowColor, RunsFromBlueToMagenta)
{
    EXPECT_EQ(RainbowColor(0, 1), RGBColor(0, 0, 255));
    EXPECT_EQ(RainbowColor(0, 2), RGBColor(0, 0, 255));
    EXPECT_EQ(RainbowColor(1, 2), RGBColor(255, 0, 255));
    EXPECT_EQ(RainbowColor(1, 6), RGBColor(0, 255, 255)); // t = 0.2: blue computes to 256
    EXPECT_EQ(RainbowColor(2, 4), RGBColor(255, 170, 0));
    EXPECT_EQ(RainbowColor(1, 2 + 2), RGBColor(0, 255, 85));
}

TEST(SquaredDistance, IsZeroWhenNotANumber)
{
    EXPECT_EQ(SquaredDistance(0, 0, 3, 4), 25);
    EXPECT_EQ(SquaredDistance(0, 0, INFINITY, 0), INFINITY);
    EXPECT_EQ(SquaredDistance(INFINITY, 0, INFINITY, 0), 0);
}

} // namespace
