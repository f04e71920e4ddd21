#include "MainFormFixture.h"
#include "model/NumberText.h"
#include "model/Trace.h"
#include "model/XMLNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

class RunTab : public MainFormFixture {
protected:
    RunTab() { main->FormShow(); }

    // Types a text into an edit and ends it with a key.
    static void Type(QLineEdit* edit, const QString& text, Qt::Key key)
    {
        edit->setText(text);
        QTest::keyClick(edit, key);
    }
};

TEST_F(RunTab, ControlsCarryTheirNamesAndShowTheStoredSettings)
{
    for (const char* name : {"RunBtn", "StopBtn", "RunProgressBar", "RunSweepRadioButton", "Run1freqRadioButton",
                             "RunSamplesEdit", "RunAverageEdit", "RunFromEdit", "RunFromLabel", "RunToEdit",
                             "RunToLabel", "RunLogLinComboBox", "RunScaleLabel", "RunCorrectionCheckBox",
                             "RunCorrectionShortCheckBox", "RunCorrectionOpenCheckBox", "RunCorrectionZCheckBox",
                             "PageControl", "GraphCheckListBox"}) {
        EXPECT_NE(control().findChild<QWidget*>(name), nullptr) << name;
    }
    EXPECT_EQ(control().windowTitle(), "Control");
    EXPECT_EQ(control().RunFromEdit->text(), "10");
    EXPECT_EQ(control().RunAverageEdit->text(), "1");
    EXPECT_EQ(control().RunLogLinComboBox->currentText(), "Log");
    EXPECT_TRUE(control().RunSweepRadioButton->isChecked());
    EXPECT_TRUE(control().RunBtn->isEnabled());
    EXPECT_FALSE(control().StopBtn->isEnabled());
}

TEST_F(RunTab, EnterAppliesTheEditsAndEscapeShowsTheStoredValues)
{
    Type(control().RunFromEdit, "0", Qt::Key_Return);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"|From <= 0"});
    EXPECT_EQ(CurrentRunSettings.from, 10);
    EXPECT_EQ(control().RunFromEdit->text(), "10");

    Type(control().RunToEdit, "7M", Qt::Key_Enter);
    EXPECT_EQ(CurrentRunSettings.to, 7e6);
    EXPECT_EQ(control().RunToEdit->text().toStdString(), FormatEng(12, 7e6));

    Type(control().RunSamplesEdit, "12x", Qt::Key_Escape);
    EXPECT_EQ(control().RunSamplesEdit->text(), "20");
    EXPECT_EQ(messages.boxes().size(), 1u);

    // Other keys reach the edit.
    QTest::keyClicks(control().RunSamplesEdit, "5");
    EXPECT_EQ(control().RunSamplesEdit->text(), "205");
}

TEST_F(RunTab, AClickAppliesAtOnceWhileWritingTheControlsAppliesNothing)
{
    control().Run1freqRadioButton->click();
    EXPECT_EQ(CurrentRunSettings.mode, kRunOneFrequency);
    EXPECT_EQ(control().RunFromLabel->text(), "f (MHz)");
    EXPECT_TRUE(control().RunToEdit->isHidden());
    EXPECT_TRUE(control().RunLogLinComboBox->isHidden());

    // Were the combo box's change applied while the controls are written,
    // the reversed range would be refused with a message.
    CurrentRunSettings = RunSettings{};
    CurrentRunSettings.from = 20;
    CurrentRunSettings.to = 10;
    CurrentRunSettings.loglin = kSpacingLin;
    control().RunSettingsToControls();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_FALSE(control().Updating);
    EXPECT_FALSE(control().RunToEdit->isHidden());

    control().RunLogLinComboBox->setCurrentIndex(kSpacingLog);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"|To < From"});
    EXPECT_EQ(control().RunLogLinComboBox->currentIndex(), kSpacingLin);
}

TEST_F(RunTab, ALoadedCorrectionFileShowsItsStandardsAtOnce)
{
    control().RunCorrectionCheckBox->click();
    EXPECT_TRUE(CurrentRunSettings.correction);
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isEnabled());

    CXMLNode root("Traces");
    for (const char* name : {"short", "open", "50"}) {
        CTrace trace;
        trace.Name = name;
        trace.Data.Append(10, 1, 2);
        trace.Exchange(root.AddChild("Trace"));
    }
    ASSERT_TRUE(root.SaveToFile(ProgramFolder + Settings.CorrectionFileName));
    LoadCorrection(true);
    control().RunSettingsToControls(); // as every caller of a correction load does
    ASSERT_TRUE(messages.boxes().empty());
    EXPECT_TRUE(control().RunCorrectionShortCheckBox->isEnabled());
    EXPECT_TRUE(control().RunCorrectionShortCheckBox->isChecked());
    EXPECT_EQ(control().RunCorrectionZCheckBox->text(), "Z = 50");

    control().RunCorrectionOpenCheckBox->click();
    EXPECT_FALSE(CurrentRunSettings.useOpen);
    // Switched off, the boxes are neither offered nor read back.
    control().RunCorrectionCheckBox->click();
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isEnabled());
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isChecked());
    EXPECT_TRUE(CurrentRunSettings.useShort);
}

} // namespace
