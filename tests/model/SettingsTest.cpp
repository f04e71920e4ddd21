#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

namespace {

std::string SettingsText()
{
    CXMLNode root("OB_settings");
    ExchangeSettings(&root);
    std::string text;
    root.WriteTo(text, 0);
    return text;
}

void LoadSettingsText(const std::string& text)
{
    CXMLNode root("OB_settings");
    ASSERT_TRUE(root.LoadFromText(text));
    ExchangeSettings(&root);
}

class Settings : public ::testing::Test {
protected:
    void SetUp() override { SetDefaults(); }
    SettingsSnapshot snapshot_;
};

TEST_F(Settings, WritesEveryGroupAfterTheDefaults)
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
    EXPECT_EQ(TableFont.Color, SchemeColor(kColorText));
    EXPECT_EQ(LabelFont.Color, SchemeColor(kColorLabel));
}

TEST_F(Settings, ReadsBackWhatItWrote)
{
    ComPort = "/dev/pts/3";
    BaudRate = 115200;
    AutoSave = true;
    ParseThreshold = 0.125;
    VertSize = 222;
    GraphFont = FontRecord{"DejaVu Sans", 14, true, true, 0};
    CurrentScheme = kSchemeWhite;
    ColorTable[kColorGrid][2] = RGBColor(1, 2, 3);
    LabelVswrList = "1.5, 2";
    const std::string text = SettingsText();

    SetDefaults();
    ComPort = "COM1";
    BaudRate = 9600;
    AutoSave = false;
    ParseThreshold = 0;
    LoadSettingsText(text);
    EXPECT_EQ(ComPort, "/dev/pts/3");
    EXPECT_EQ(BaudRate, 115200);
    EXPECT_TRUE(AutoSave);
    EXPECT_EQ(ParseThreshold, 0.125);
    EXPECT_EQ(VertSize, 222);
    EXPECT_EQ(GraphFont.Name, "DejaVu Sans");
    EXPECT_EQ(GraphFont.Size, 14);
    EXPECT_TRUE(GraphFont.Bold);
    EXPECT_TRUE(GraphFont.Italic);
    EXPECT_EQ(CurrentScheme, kSchemeWhite);
    EXPECT_EQ(ColorTable[kColorGrid][2], RGBColor(1, 2, 3));
    EXPECT_EQ(LabelVswrList, "1.5, 2");
}

TEST_F(Settings, EverySchemeKeepsItsReferenceColour)
{
    ColorTable[kColorReference][0] = RGBColor(10, 0, 0);
    ColorTable[kColorReference][1] = RGBColor(20, 0, 0);
    ColorTable[kColorReference][2] = RGBColor(30, 0, 0);
    const std::string text = SettingsText();
    SetDefaults();
    LoadSettingsText(text);
    EXPECT_EQ(ColorTable[kColorReference][0], RGBColor(10, 0, 0));
    EXPECT_EQ(ColorTable[kColorReference][1], RGBColor(20, 0, 0));
    EXPECT_EQ(ColorTable[kColorReference][2], RGBColor(30, 0, 0));
}

TEST_F(Settings, AnOldFileGivesEverySchemeTheFirstReferenceColour)
{
    LoadSettingsText("<OB_settings><Colors Ref=\"1,1,1\" Ref=\"2,2,2\" Ref=\"3,3,3\">"
                     "<Scheme1 Bck=\"9,9,9\" /><Scheme2 /><Scheme3 /></Colors></OB_settings>");
    EXPECT_EQ(ColorTable[kColorBackground][0], RGBColor(9, 9, 9));
    for (int scheme = 0; scheme < 3; ++scheme) EXPECT_EQ(ColorTable[kColorReference][scheme], RGBColor(1, 1, 1));
}

TEST_F(Settings, RepairsValuesOutOfRange)
{
    const struct {
        const char* file;
        int* value;
        int expected;
    } cases[] = {
        {"<Graph VertSize=\"5\" />", &VertSize, 20},
        {"<Graph VertSize=\"20000\" />", &VertSize, 150},
        {"<Graph HorSize=\"3\" />", &HorSize, 25},
        {"<Graph HorSize=\"10001\" />", &HorSize, 100},
        {"<Graph LineWidth=\"31\" />", &LineWidth, 1},
        {"<Graph PointSize=\"0\" />", &PointSize, 6},
        {"<Graph RefWidth=\"0\" />", &RefWidth, 3},
        {"<Graph RefWidth=\"1000\" />", &RefWidth, 3},
        {"<Graph><Font Size=\"101\" /></Graph>", &GraphFont.Size, 10},
        {"<Table DataDigits=\"13\" />", &TableDataDigits, 6},
        {"<Table DataDigits=\"12\" />", &TableDataDigits, 12},
        {"<Table><Font Size=\"200\" /></Table>", &TableFont.Size, 200},
        {"<Label Size=\"0\" DataDigits=\"-1\" />", &LabelSize, 12},
        {"<Label DataDigits=\"-1\" />", &LabelDataDigits, 6},
        {"<Status Smith=\"7\" />", &StatusSmithReadout, 0},
        {"<Status Digits=\"11\" />", &StatusDigits, 6},
        {"<Colors Scheme=\"3\" />", &CurrentScheme, 0},
        {"<Colors Scheme=\"-1\" />", &CurrentScheme, 0},
        {"<Colors Scheme=\"2\" />", &CurrentScheme, 2},
    };
    for (const auto& c : cases) {
        SetDefaults();
        LoadSettingsText(std::string("<OB_settings>") + c.file + "</OB_settings>");
        EXPECT_EQ(*c.value, c.expected) << c.file;
    }
}

TEST_F(Settings, MissingGroupsAndAttributesKeepTheirValues)
{
    VertSize = 333;
    GraphFont.Bold = true;
    LoadSettingsText("<OB_settings><Comunication AutoSave=\"2\" /></OB_settings>");
    EXPECT_EQ(VertSize, 333);
    EXPECT_TRUE(AutoSave);
    EXPECT_TRUE(GraphFont.Bold);

    // A font element without style attributes means no style.
    LoadSettingsText("<OB_settings><Graph><Font Name=\"Arial\" /></Graph></OB_settings>");
    EXPECT_EQ(GraphFont.Name, "Arial");
    EXPECT_EQ(GraphFont.Size, 10);
    EXPECT_FALSE(GraphFont.Bold);
}

TEST_F(Settings, AFontNameCannotBreakTheFile)
{
    TableFont.Name = "Evil\" Font <x>";
    const std::string text = SettingsText();
    EXPECT_NE(text.find("Name=\"Evil Font x\""), std::string::npos);
    TableFont.Name = "";
    LoadSettingsText(text);
    EXPECT_EQ(TableFont.Name, "Evil Font x");
    EXPECT_EQ(LabelVswrList, "1.22, 2.0, 3.0, 4.0");
}

TEST_F(Settings, SchemeColorFollowsTheSchemeInUse)
{
    EXPECT_EQ(SchemeColor(kColorBackground), RGBColor(0, 0, 0));
    CurrentScheme = kSchemeWhite;
    EXPECT_EQ(SchemeColor(kColorBackground), RGBColor(255, 255, 255));
    CurrentScheme = 9;
    EXPECT_EQ(SchemeColor(kColorBackground), RGBColor(0, 0, 0));
    EXPECT_STREQ(ColorKey(kColorDimmed), "Dimmed1");
    EXPECT_STREQ(ColorName(kColorTrajectories), "Trajectories");
}

} // namespace
