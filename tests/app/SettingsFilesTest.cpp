#include "SettingsSnapshot.h"
#include "TempDir.h"
#include "app/SettingsFiles.h"
#include "model/FileIO.h"
#include "model/RunSettings.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

namespace {

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        SettingsList.clear();
        MRUList.clear();
        StartupFromList = false;
        CurrentRunSettings = RunSettings{};
        windows_.desktop = DesktopArea{0, 0, 1920, 1080};
    }
    void TearDown() override
    {
        SettingsList.clear();
        MRUList.clear();
        StartupFromList = false;
        CurrentRunSettings = RunSettings{};
    }
    std::string Read(const std::string& file)
    {
        std::string text;
        EXPECT_TRUE(ReadFileBytes(file, text));
        return text;
    }

    TempDir dir_;
    SettingsSnapshot snapshot_;
    SettingsFileWindows windows_;
};

TEST_F(SettingsFiles, TheListFileHoldsTheEntriesAndTheStartupFlag)
{
    const std::string file = dir_.File("ombrelix.oml");
    ASSERT_TRUE(ExchangeSettingsList(kSettingsSave, file));
    EXPECT_EQ(Read(file), "<?xml version=\"1.0\"?>\r\n<OB_settings_list Startup=\"false\" />\r\n");

    SettingsList = {{"Field day", "/home/ham/field day.omt"}, {"Lab", "lab.omt"}};
    StartupFromList = true;
    ASSERT_TRUE(ExchangeSettingsList(kSettingsSave, file));
    EXPECT_NE(Read(file).find("<File Title=\"Field+day\" Name=\"%2Fhome%2Fham%2Ffield+day.omt\" />"),
              std::string::npos);

    SettingsList.clear();
    StartupFromList = false;
    ASSERT_TRUE(ExchangeSettingsList(kSettingsLoad, file));
    EXPECT_TRUE(StartupFromList);
    ASSERT_EQ(SettingsList.size(), 2u);
    EXPECT_EQ(SettingsList[0].Name, "/home/ham/field day.omt");
    EXPECT_EQ(SettingsList[1].Title, "Lab");
}

TEST_F(SettingsFiles, EveryChildOfTheListIsAnEntry)
{
    const std::string file = dir_.File("list.oml");
    CXMLNode root("OB_settings_list");
    root.AddChild("Other")->SetAttribute("Title", "A");
    root.AddChild("File");
    ASSERT_TRUE(root.SaveToFile(file));
    SettingsList = {{"old", "old"}};
    ASSERT_TRUE(ExchangeSettingsList(kSettingsLoad, file));
    ASSERT_EQ(SettingsList.size(), 2u);
    EXPECT_EQ(SettingsList[0].Title, "A");
    EXPECT_EQ(SettingsList[1].Name, "");

    SettingsList = {{"kept", "kept"}};
    EXPECT_FALSE(ExchangeSettingsList(kSettingsLoad, dir_.File("missing.oml")));
    EXPECT_EQ(SettingsList.size(), 1u);
}

TEST_F(SettingsFiles, ASavedFileRestoresEverything)
{
    const std::string file = dir_.File("ombrelix.omt");
    windows_.main = WindowPlacement{0, 40, 50, 800, 600};
    CurrentRunSettings.from = 3.5;
    CurrentRunSettings.samples = 201;
    MRUList = {"/a/one.csv", "/b/two.csv"};
    Settings.VertSize = 170;
    int controlWindowCalls = 0;
    windows_.exchangeControlWindow = [&](CXMLNode* element) {
        ++controlWindowCalls;
        ASSERT_NE(element, nullptr);
        if (element->IsWriting()) element->SetAttributeInt("Left", 7);
        else EXPECT_EQ(element->GetAttributeInt("Left", 0), 7);
    };
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    const std::string text = Read(file);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?>\r\n<OB_settings>\r\n  <Version Copyright=", 0), 0u);
    EXPECT_NE(text.find("Date=\"09/07/2023\" Ver=\"1\" Rev=\"10\" />\r\n  <Main State=\"0\" Top=\"40\" Left=\"50\" "
                        "Width=\"800\" Height=\"600\" />\r\n  <ViewControl Left=\"7\" />\r\n  <Run from=\"3.5\""),
              std::string::npos);
    EXPECT_NE(text.find("<MRU File0=\"/a/one.csv\" File1=\"/b/two.csv\" />\r\n  <Comunication"), std::string::npos);

    windows_.main = WindowPlacement{};
    CurrentRunSettings = RunSettings{};
    MRUList.clear();
    SetDefaults(Settings);
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(windows_.main.Top, 40);
    EXPECT_EQ(windows_.main.Width, 800);
    EXPECT_EQ(CurrentRunSettings.from, 3.5);
    EXPECT_EQ(CurrentRunSettings.samples, 201);
    EXPECT_EQ(MRUList, (std::vector<std::string>{"/a/one.csv", "/b/two.csv"}));
    EXPECT_EQ(Settings.VertSize, 170);
    EXPECT_EQ(controlWindowCalls, 2);
}

TEST_F(SettingsFiles, AMaximisedWindowKeepsItsNormalPlace)
{
    const std::string file = dir_.File("max.omt");
    windows_.main = WindowPlacement{2, 1, 2, 3, 4};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    EXPECT_NE(Read(file).find("<Main State=\"2\" />"), std::string::npos);

    windows_.main = WindowPlacement{0, 40, 50, 800, 600};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(windows_.main.State, 2);
    EXPECT_EQ(windows_.main.Top, 40);
    EXPECT_EQ(windows_.main.Height, 600);
}

TEST_F(SettingsFiles, AMinimisedWindowIsStoredAsANormalOne)
{
    const std::string file = dir_.File("min.omt");
    windows_.main = WindowPlacement{1, 40, 50, 800, 600};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    EXPECT_NE(Read(file).find("<Main State=\"0\" Top=\"40\""), std::string::npos);

    for (const char* state : {"1", "7", "-3"}) {
        CXMLNode root("OB_settings");
        root.AddChild("Main")->SetAttribute("State", state);
        ASSERT_TRUE(root.SaveToFile(file));
        windows_.main.State = 2;
        ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
        EXPECT_EQ(windows_.main.State, 0) << state;
    }
}

TEST_F(SettingsFiles, ALoadedPlaceIsPulledBackOntoTheDesktop)
{
    const std::string file = dir_.File("far.omt");
    windows_.main = WindowPlacement{0, 5000, -9000, 800, 600};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    EXPECT_NE(Read(file).find("Top=\"5000\" Left=\"-9000\""), std::string::npos);

    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(windows_.main.Top, 1080 - 100);
    EXPECT_EQ(windows_.main.Left, 100 - 800);

    windows_.main = WindowPlacement{0, -5000, 9000, 800, 600};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(windows_.main.Top, 100 - 600);
    EXPECT_EQ(windows_.main.Left, 1920 - 100);

    // A size near the end of the int range, as a damaged file may hold,
    // must not overflow on its way back.
    windows_.main = WindowPlacement{0, 500, 9000, 2147483647, 2147483647};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(windows_.main.Top, 500);
    EXPECT_EQ(windows_.main.Left, 1920 - 100);
}

TEST_F(SettingsFiles, RecentFilesStopAtTheAttributeCount)
{
    const std::string file = dir_.File("mru.omt");
    CXMLNode root("OB_settings");
    CXMLNode* recent = root.AddChild("MRU");
    recent->SetAttribute("File0", "/first.csv");
    recent->SetAttribute("File2", "/third.csv");
    ASSERT_TRUE(root.SaveToFile(file));
    MRUList = {"/old.csv"};
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(MRUList, (std::vector<std::string>{"/first.csv"}));
}

TEST_F(SettingsFiles, APathWithAQuoteCannotSpoilTheFile)
{
    const std::string file = dir_.File("quote.omt");
    MRUList = {"/a/say \"hi\".csv", "/b/plain.csv"};
    Settings.VertSize = 180;
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsSave, file, windows_));
    Settings.VertSize = 150;
    ASSERT_TRUE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_EQ(MRUList, (std::vector<std::string>{"/b/plain.csv"}));
    EXPECT_EQ(Settings.VertSize, 180);
}

TEST_F(SettingsFiles, AFileThatCannotBeReadChangesNothing)
{
    const std::string file = dir_.File("broken.omt");
    ASSERT_TRUE(WriteFileReplacing(file, "<OB_settings><Graph VertSize=\"170\""));
    MRUList = {"/kept.csv"};
    windows_.main.Top = 33;
    EXPECT_FALSE(ExchangeSettingsFile(kSettingsLoad, file, windows_));
    EXPECT_FALSE(ExchangeSettingsFile(kSettingsLoad, dir_.File("missing.omt"), windows_));
    EXPECT_EQ(Settings.VertSize, 150);
    EXPECT_EQ(MRUList.size(), 1u);
    EXPECT_EQ(windows_.main.Top, 33);
}

} // namespace
