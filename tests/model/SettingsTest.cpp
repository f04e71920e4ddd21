#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

namespace {

std::string SettingsText()
{
    CXMLNode root("OB_settings");
    ExchangeSettings(&root, Settings);
    std::string text;
    root.WriteTo(text, 0);
    return text;
}

void LoadSettingsText(const std::string& text)
{
    CXMLNode root("OB_settings");
    ASSERT_TRUE(root.LoadFromText(text));
    ExchangeSettings(&root, Settings);
}

class ProgramSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaults(Settings); }
    SettingsSnapshot snapshot_;
};

TEST_F(ProgramSettingsTest, WritesEveryGroupAfterTheDefaults)
{
    const std::string expected =
        "<OB_settings>\r\n"
        "  <Comunication ComPort=\"COM1\" BaudRate=\"9600\" TimeOut=\"3000\" AutoSave=\"0\" CreateBackup=\"0\" />\r\n"
        "  <Correction name=\"correction.csv\" short=\"short\" open=\"open\" alarm=\"true\" />\r\n"
        "  <Reference name=\"reference.csv\" trace=\"-1\" show=\"true\" alarm=\"true\" />\r\n"
        "  <ParseTraces type=\"0\" thr=\"0\" time=\"0\" keep=\"true\" />\r\n"
        "  <Graph VertSize=\"150\" HorSize=\"100\" LineWidth=\"1\" PointSize=\"6\" RefWidth=\"3\">\r\n"
        "    <Font Name=\"Tahoma\" Size=\"10\" Bold=\"false\" Italic=\"false\" />\r\n"
        "  </Graph>\r\n"
        "  <Colors Scheme=\"0\" Custom=\"\" Gradient=\"0\" Ref=\"0,255,0\" Ref=\"0,255,0\" Ref=\"0,0,0\">\r\n"
        "    <Scheme1 Bck=\"0,0,0\" Grid=\"128,128,128\" Font=\"192,192,192\" Curs=\"255,255,255\" "
        "SmithCurs=\"255,255,255\" Sel=\"255,0,0\" Trace1=\"0,255,255\" Trace2=\"0,255,0\" Phase=\"0,255,0\" "
        "Dimmed1=\"128,128,128\" Label=\"0,255,255\" VSWR=\"255,255,255\" Match=\"0,255,0\" Ref=\"0,255,0\" />\r\n"
        "    <Scheme2 Bck=\"255,255,255\" Grid=\"0,0,0\" Font=\"0,0,0\" Curs=\"0,0,255\" SmithCurs=\"0,0,255\" "
        "Sel=\"128,128,128\" Trace1=\"0,0,255\" Trace2=\"0,128,0\" Phase=\"0,128,0\" Dimmed1=\"192,192,192\" "
        "Label=\"0,0,255\" VSWR=\"0,0,0\" Match=\"0,128,0\" Ref=\"0,255,0\" />\r\n"
        "    <Scheme3 Bck=\"255,255,255\" Grid=\"0,0,0\" Font=\"0,0,0\" Curs=\"0,0,0\" SmithCurs=\"0,0,0\" "
        "Sel=\"0,0,0\" Trace1=\"0,0,0\" Trace2=\"0,0,0\" Phase=\"0,0,0\" Dimmed1=\"0,0,0\" Label=\"0,0,0\" "
        "VSWR=\"0,0,0\" Match=\"0,0,0\" Ref=\"0,0,0\" />\r\n"
        "  </Colors>\r\n"
        "  <Table DataDigits=\"6\">\r\n"
        "    <Font Name=\"Tahoma\" Size=\"10\" Bold=\"false\" Italic=\"false\" />\r\n"
        "  </Table>\r\n"
        "  <Label DataDigits=\"6\" Size=\"12\" VSWR=\"1.22%2C+2.0%2C+3.0%2C+4.0\">\r\n"
        "    <Font Name=\"Tahoma\" Size=\"10\" Bold=\"false\" Italic=\"false\" />\r\n"
        "  </Label>\r\n"
        "  <Status Digits=\"6\" Smith=\"0\" />\r\n"
        "</OB_settings>\r\n";
    EXPECT_EQ(SettingsText(), expected);
    EXPECT_EQ(Settings.TableFont.Color, SchemeColor(kColorText));
    EXPECT_EQ(Settings.LabelFont.Color, SchemeColor(kColorLabel));
}

TEST_F(ProgramSettingsTest, ReadsBackWhatItWrote)
{
    Settings.ComPort = "/dev/pts/3";
    Settings.BaudRate = 115200;
    Settings.AutoSave = true;
    Settings.ParseThreshold = 0.125;
    Settings.VertSize = 222;
    Settings.GraphFont = FontRecord{"DejaVu Sans", 14, true, true, 0};
    Settings.CurrentScheme = kSchemeWhite;
    Settings.ColorTable[kColorGrid][2] = RGBColor(1, 2, 3);
    Settings.LabelVswrList = "1.5, 2";
    const std::string text = SettingsText();

    SetDefaults(Settings);
    Settings.ComPort = "COM1";
    Settings.BaudRate = 9600;
    Settings.AutoSave = false;
    Settings.ParseThreshold = 0;
    LoadSettingsText(text);
    EXPECT_EQ(Settings.ComPort, "/dev/pts/3");
    EXPECT_EQ(Settings.BaudRate, 115200);
    EXPECT_TRUE(Settings.AutoSave);
    EXPECT_EQ(Settings.ParseThreshold, 0.125);
    EXPECT_EQ(Settings.VertSize, 222);
    EXPECT_EQ(Settings.GraphFont.Name, "DejaVu Sans");
    EXPECT_EQ(Settings.GraphFont.Size, 14);
    EXPECT_TRUE(Settings.GraphFont.Bold);
    EXPECT_TRUE(Settings.GraphFont.Italic);
    EXPECT_EQ(Settings.CurrentScheme, kSchemeWhite);
    EXPECT_EQ(Settings.ColorTable[kColorGrid][2], RGBColor(1, 2, 3));
    EXPECT_EQ(Settings.LabelVswrList, "1.5, 2");
}

TEST_F(ProgramSettingsTest, EverySchemeKeepsItsReferenceColour)
{
    Settings.ColorTable[kColorReference][0] = RGBColor(10, 0, 0);
    Settings.ColorTable[kColorReference][1] = RGBColor(20, 0, 0);
    Settings.ColorTable[kColorReference][2] = RGBColor(30, 0, 0);
    const std::string text = SettingsText();
    SetDefaults(Settings);
    LoadSettingsText(text);
    EXPECT_EQ(Settings.ColorTable[kColorReference][0], RGBColor(10, 0, 0));
    EXPECT_EQ(Settings.ColorTable[kColorReference][1], RGBColor(20, 0, 0));
    EXPECT_EQ(Settings.ColorTable[kColorReference][2], RGBColor(30, 0, 0));
}

TEST_F(ProgramSettingsTest, AnOldFileGivesEverySchemeTheFirstReferenceColour)
{
    LoadSettingsText("<OB_settings><Colors Ref=\"1,1,1\" Ref=\"2,2,2\" Ref=\"3,3,3\">"
                     "<Scheme1 Bck=\"9,9,9\" /><Scheme2 /><Scheme3 /></Colors></OB_settings>");
    EXPECT_EQ(Settings.ColorTable[kColorBackground][0], RGBColor(9, 9, 9));
    for (int scheme = 0; scheme < 3; ++scheme) EXPECT_EQ(Settings.ColorTable[kColorReference][scheme], RGBColor(1, 1, 1));
}

TEST_F(ProgramSettingsTest, RepairsValuesOutOfRange)
{
    const struct {
        const char* file;
        int* value;
        int expected;
    } cases[] = {
        {"<Graph VertSize=\"5\" />", &Settings.VertSize, 20},
        {"<Graph VertSize=\"20000\" />", &Settings.VertSize, 150},
        {"<Graph HorSize=\"3\" />", &Settings.HorSize, 25},
        {"<Graph HorSize=\"10001\" />", &Settings.HorSize, 100},
        {"<Graph LineWidth=\"31\" />", &Settings.LineWidth, 1},
        {"<Graph PointSize=\"0\" />", &Settings.PointSize, 6},
        {"<Graph RefWidth=\"0\" />", &Settings.RefWidth, 3},
        {"<Graph RefWidth=\"1000\" />", &Settings.RefWidth, 3},
        {"<Graph><Font Size=\"101\" /></Graph>", &Settings.GraphFont.Size, 10},
        {"<Table DataDigits=\"13\" />", &Settings.TableDataDigits, 6},
        {"<Table DataDigits=\"12\" />", &Settings.TableDataDigits, 12},
        {"<Table><Font Size=\"200\" /></Table>", &Settings.TableFont.Size, 200},
        {"<Label Size=\"0\" DataDigits=\"-1\" />", &Settings.LabelSize, 12},
        {"<Label DataDigits=\"-1\" />", &Settings.LabelDataDigits, 6},
        {"<Status Smith=\"7\" />", &Settings.StatusSmithReadout, 0},
        {"<Status Digits=\"11\" />", &Settings.StatusDigits, 6},
        {"<Colors Scheme=\"3\" />", &Settings.CurrentScheme, 0},
        {"<Colors Scheme=\"-1\" />", &Settings.CurrentScheme, 0},
        {"<Colors Scheme=\"2\" />", &Settings.CurrentScheme, 2},
    };
    for (const auto& c : cases) {
        SetDefaults(Settings);
        LoadSettingsText(std::string("<OB_settings>") + c.file + "</OB_settings>");
        EXPECT_EQ(*c.value, c.expected) << c.file;
    }
}

TEST_F(ProgramSettingsTest, MissingGroupsAndAttributesKeepTheirValues)
{
    Settings.VertSize = 333;
    Settings.GraphFont.Bold = true;
    LoadSettingsText("<OB_settings><Comunication AutoSave=\"2\" /></OB_settings>");
    EXPECT_EQ(Settings.VertSize, 333);
    EXPECT_TRUE(Settings.AutoSave);
    EXPECT_TRUE(Settings.GraphFont.Bold);

    // A font element without style attributes means no style.
    LoadSettingsText("<OB_settings><Graph><Font Name=\"Arial\" /></Graph></OB_settings>");
    EXPECT_EQ(Settings.GraphFont.Name, "Arial");
    EXPECT_EQ(Settings.GraphFont.Size, 10);
    EXPECT_FALSE(Settings.GraphFont.Bold);
}

TEST_F(ProgramSettingsTest, AFontNameCannotBreakTheFile)
{
    Settings.TableFont.Name = "Evil\" Font <x>";
    const std::string text = SettingsText();
    EXPECT_NE(text.find("Name=\"Evil Font x\""), std::string::npos);
    Settings.TableFont.Name = "";
    LoadSettingsText(text);
    EXPECT_EQ(Settings.TableFont.Name, "Evil Font x");
    EXPECT_EQ(Settings.LabelVswrList, "1.22, 2.0, 3.0, 4.0");
}

TEST_F(ProgramSettingsTest, SchemeColorFollowsTheSchemeInUse)
{
    EXPECT_EQ(SchemeColor(kColorBackground), RGBColor(0, 0, 0));
    Settings.CurrentScheme = kSchemeWhite;
    EXPECT_EQ(SchemeColor(kColorBackground), RGBColor(255, 255, 255));
    Settings.CurrentScheme = 9;
    EXPECT_EQ(SchemeColor(kColorBackground), RGBColor(0, 0, 0));
    EXPECT_STREQ(ColorKey(kColorDimmed), "Dimmed1");
    EXPECT_STREQ(ColorName(kColorTrajectories), "Trajectories");
}

} // namespace
