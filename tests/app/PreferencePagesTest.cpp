#include "app/preferences/PreferencePages.h"
#include "model/Trace.h"

#include <gtest/gtest.h>

namespace {

// The settings as the dialog would write them back after showing them.
ProgramSettings ShownAndStored(ProgramSettings settings, StartupChoice& startup, const CTraces* traces = nullptr)
{
    const PreferenceControls controls = ControlsFromSettings(settings, startup, traces);
    StoreControls(controls, settings, startup);
    return settings;
}

std::unique_ptr<CTraces> Traces(int count)
{
    auto traces = std::make_unique<CTraces>();
    for (int i = 0; i < count; ++i) {
        auto trace = std::make_unique<CTrace>();
        trace->Name = "ref" + std::to_string(i);
        traces->Add(std::move(trace));
    }
    return traces;
}

TEST(PreferencePages, ShowingAndStoringKeepsEveryValueInTheLists)
{
    ProgramSettings settings;
    SetDefaults(settings);
    settings.ComPort = "/dev/ttyUSB0";
    settings.BaudRate = 115200;
    settings.TimeOut = 250;
    settings.AutoSave = true;
    settings.LineWidth = 8;
    settings.PointSize = 3;
    settings.RefWidth = 2;
    settings.VertSize = 333;
    settings.TableDataDigits = 12;
    settings.LabelDataDigits = 3;
    settings.StatusDigits = 10;
    settings.StatusSmithReadout = 4;
    settings.GraphFont = {"DejaVu Sans", 14, true, false, 0};
    settings.CorrectionFileName = "/cal/x.csv";
    StartupChoice startup{true, "/home/a/ombrelix.omt"};

    const PreferenceControls controls = ControlsFromSettings(settings, startup, nullptr);
    EXPECT_EQ(controls.graphs.lineWidthIndex, 7);
    EXPECT_EQ(controls.graphs.pointSizeIndex, 0);
    EXPECT_EQ(controls.table.digitsIndex, 9);
    EXPECT_EQ(controls.status.digitsIndex, 7);
    EXPECT_EQ(controls.graphs.font.sizeText, "14");
    EXPECT_EQ(controls.general.startupIndex, 1);

    const ProgramSettings after = ShownAndStored(settings, startup);
    EXPECT_TRUE(startup.fromList);
    EXPECT_EQ(startup.currentFile, "/home/a/ombrelix.omt");
    EXPECT_EQ(after.ComPort, "/dev/ttyUSB0");
    EXPECT_EQ(after.BaudRate, 115200);
    EXPECT_EQ(after.TimeOut, 250);
    EXPECT_TRUE(after.AutoSave);
    EXPECT_EQ(after.LineWidth, 8);
    EXPECT_EQ(after.PointSize, 3);
    EXPECT_EQ(after.RefWidth, 2);
    EXPECT_EQ(after.VertSize, 333);
    EXPECT_EQ(after.TableDataDigits, 12);
    EXPECT_EQ(after.LabelDataDigits, 3);
    EXPECT_EQ(after.StatusDigits, 10);
    EXPECT_EQ(after.StatusSmithReadout, 4);
    EXPECT_EQ(after.GraphFont.Name, "DejaVu Sans");
    EXPECT_TRUE(after.GraphFont.Bold);
    EXPECT_EQ(after.CorrectionFileName, "/cal/x.csv");
}

TEST(PreferencePages, ValuesOutsideTheListsAndTextThatIsNoNumber)
{
    ProgramSettings settings;
    settings.TableDataDigits = 2; // valid, but below the list's "3"
    settings.LineWidth = 12;      // valid, but beyond the list's "8"
    StartupChoice startup;
    PreferenceControls controls = ControlsFromSettings(settings, startup, nullptr);
    EXPECT_EQ(controls.table.digitsIndex, -1);
    EXPECT_EQ(controls.graphs.lineWidthIndex, -1);

    controls.graphs.vertSizeText = "wide";
    controls.graphs.font.sizeText = "";
    controls.connection.timeOutText = "x";
    controls.general = {0, "elsewhere.omt"};
    startup = {true, "ombrelix.omt"};
    StoreControls(controls, settings, startup);
    EXPECT_FALSE(startup.fromList);
    EXPECT_EQ(startup.currentFile, "ombrelix.omt"); // shown only, never stored
    EXPECT_EQ(settings.TableDataDigits, 2); // no selection stores 2, which is in range
    EXPECT_EQ(settings.LineWidth, 1);       // 0, repaired
    EXPECT_EQ(settings.VertSize, 20);       // 0, repaired
    EXPECT_EQ(settings.GraphFont.Size, 10); // 0, repaired
    EXPECT_EQ(settings.TimeOut, 0);         // stored unvalidated
}

TEST(PreferencePages, TheColourListShowsAndStoresTheSchemeInUseRowByRow)
{
    ProgramSettings settings;
    SetDefaults(settings);
    settings.CurrentScheme = kSchemeWhite;
    StartupChoice startup;
    PreferenceControls controls = ControlsFromSettings(settings, startup, nullptr);
    EXPECT_EQ(controls.graphs.scheme, kSchemeWhite);
    EXPECT_EQ(controls.graphs.colors[0], RGBColor(255, 255, 255)); // background
    EXPECT_EQ(controls.graphs.colors[2], RGBColor(0, 0, 0));       // text
    EXPECT_EQ(controls.graphs.colors[7], RGBColor(0, 128, 0));     // trace 2
    EXPECT_STREQ(ColorName(kColorListKinds[6]), "Trace 1 (R, re, V, mag, P, VSWR, Smith)");
    EXPECT_STREQ(ColorName(kColorListKinds[13]), "Reference");

    controls.graphs.colors[0] = RGBColor(1, 2, 3);
    StoreControls(controls, settings, startup);
    EXPECT_EQ(settings.ColorTable[kColorBackground][kSchemeWhite], RGBColor(1, 2, 3));
    EXPECT_EQ(settings.ColorTable[kColorBackground][kSchemeBlack], RGBColor(0, 0, 0));
    EXPECT_EQ(settings.ColorTable[kColorText][kSchemeWhite], RGBColor(0, 0, 0));
}

TEST(PreferencePages, TheReferenceListSelectsATraceThatExists)
{
    ProgramSettings settings;
    StartupChoice startup;
    settings.ReferenceTraceIndex = 5;
    EXPECT_EQ(ControlsFromSettings(settings, startup, nullptr).reference.selectedRow, -1);
    EXPECT_EQ(settings.ReferenceTraceIndex, 5); // no reference file loaded: left alone

    const auto none = Traces(0);
    EXPECT_TRUE(ControlsFromSettings(settings, startup, none.get()).reference.traceNames.empty());
    EXPECT_EQ(settings.ReferenceTraceIndex, -1);

    const auto three = Traces(3);
    settings.ReferenceTraceIndex = 3;
    ReferencePage page = ControlsFromSettings(settings, startup, three.get()).reference;
    EXPECT_EQ(page.traceNames, (std::vector<std::string>{"ref0", "ref1", "ref2"}));
    EXPECT_EQ(page.selectedRow, 0);
    EXPECT_EQ(settings.ReferenceTraceIndex, 0);

    settings.ReferenceTraceIndex = 2;
    EXPECT_EQ(ControlsFromSettings(settings, startup, three.get()).reference.selectedRow, 2);
    EXPECT_EQ(ShownAndStored(settings, startup, three.get()).ReferenceTraceIndex, 2);
}

} // namespace
