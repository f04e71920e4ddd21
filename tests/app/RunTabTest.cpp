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
    void Type(QLineEdit* edit, const QString& text, Qt::Key key = Qt::Key_Return) const
    {
        edit->setText(text);
        QTest::keyClick(edit, key);
    }
    std::vector<std::string> Warnings() const
    {
        std::vector<std::string> texts;
        for (const auto& box : messages.boxes()) {
            EXPECT_EQ(box.kind, MessageKind::Warning);
            EXPECT_EQ(box.caption, "");
            texts.push_back(box.text);
        }
        return texts;
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
    EXPECT_EQ(control().RunToEdit->text(), "20");
    EXPECT_EQ(control().RunSamplesEdit->text(), "20");
    EXPECT_EQ(control().RunAverageEdit->text(), "1");
    EXPECT_EQ(control().RunLogLinComboBox->currentText(), "Log");
    EXPECT_TRUE(control().RunSweepRadioButton->isChecked());
    EXPECT_TRUE(control().RunBtn->isEnabled());
    EXPECT_FALSE(control().StopBtn->isEnabled());
}

TEST_F(RunTab, EnterReportsTheFirstFieldThatFails)
{
    Type(control().RunFromEdit, "0");
    control().RunFromEdit->setText("20");
    Type(control().RunToEdit, "10");
    EXPECT_EQ(Warnings(), (std::vector<std::string>{"From <= 0", "To < From"}));
    EXPECT_EQ(CurrentRunSettings.from, 10);
    EXPECT_EQ(CurrentRunSettings.to, 20);
    // The key was consumed and the stored values are shown again.
    EXPECT_EQ(control().RunFromEdit->text(), "10");

    control().RunFromEdit->setText("12");
    control().RunToEdit->setText("15");
    Type(control().RunSamplesEdit, "12x");
    ASSERT_EQ(messages.boxes().size(), 3u);
    EXPECT_EQ(Warnings()[2].rfind("Samples:\n", 0), 0u);
    EXPECT_EQ(CurrentRunSettings.from, 12);
    EXPECT_EQ(CurrentRunSettings.to, 15);

    Type(control().RunAverageEdit, "0");
    EXPECT_EQ(Warnings().back(), "Average <= 0");
    EXPECT_EQ(CurrentRunSettings.average, 1);
}

TEST_F(RunTab, EnterStoresPrefixedValuesAndEscapeRestoresTheStoredOnes)
{
    Type(control().RunToEdit, "7M");
    EXPECT_EQ(CurrentRunSettings.to, 7e6);
    EXPECT_EQ(control().RunToEdit->text().toStdString(), FormatEng(12, 7e6));

    Type(control().RunSamplesEdit, "123", Qt::Key_Escape);
    EXPECT_EQ(control().RunSamplesEdit->text(), "20");
    EXPECT_EQ(CurrentRunSettings.samples, 20);
    EXPECT_TRUE(messages.boxes().empty());

    // Other keys reach the edit.
    QTest::keyClicks(control().RunSamplesEdit, "5");
    EXPECT_EQ(control().RunSamplesEdit->text(), "205");
}

TEST_F(RunTab, OneFrequencyHidesTheSweepControls)
{
    control().Run1freqRadioButton->click();
    EXPECT_EQ(CurrentRunSettings.mode, kRunOneFrequency);
    EXPECT_EQ(control().RunFromLabel->text(), "f (MHz)");
    for (QWidget* hidden : std::initializer_list<QWidget*>{control().RunToEdit, control().RunToLabel,
                                                          control().RunLogLinComboBox, control().RunScaleLabel}) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
    control().RunSweepRadioButton->click();
    EXPECT_EQ(control().RunFromLabel->text(), "From (MHz)");
    EXPECT_FALSE(control().RunToEdit->isHidden());
}

TEST_F(RunTab, AClickChecksToAgainstTheModeStoredBeforeIt)
{
    CurrentRunSettings.from = 20;
    CurrentRunSettings.to = 10;
    CurrentRunSettings.mode = kRunOneFrequency;
    control().RunSettingsToControls();

    control().RunSweepRadioButton->click();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(CurrentRunSettings.mode, kRunSweep);
    control().RunLogLinComboBox->setCurrentIndex(kSpacingLin);
    EXPECT_EQ(Warnings(), std::vector<std::string>{"To < From"});
    EXPECT_EQ(CurrentRunSettings.loglin, kSpacingLog);
    EXPECT_EQ(control().RunLogLinComboBox->currentIndex(), kSpacingLog);
}

TEST_F(RunTab, WritingTheControlsAppliesNothing)
{
    // Were the combo box's change applied, the reversed range would be
    // refused with a message.
    CurrentRunSettings.from = 20;
    CurrentRunSettings.to = 10;
    CurrentRunSettings.loglin = kSpacingLin;
    control().RunSettingsToControls();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_FALSE(control().Updating);
    EXPECT_EQ(control().RunLogLinComboBox->currentIndex(), kSpacingLin);
}

TEST_F(RunTab, StandardBoxesAreOfferedForLoadedStandardsWithCorrectionOn)
{
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isEnabled());
    CurrentRunSettings.useShort = true;
    control().RunCorrectionCheckBox->click();
    EXPECT_TRUE(CurrentRunSettings.correction);
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isEnabled());
    EXPECT_TRUE(CurrentRunSettings.useShort);

    // Loading the correction file shows its standards at once.
    CXMLNode root("Traces");
    for (const char* name : {"short", "open", "50"}) {
        CTrace trace;
        trace.Name = name;
        trace.Data.Append(10, 1, 2);
        trace.Exchange(root.AddChild("Trace"));
    }
    ASSERT_TRUE(root.SaveToFile(ProgramFolder + CorrectionFileName));
    LoadCorrection(true);
    ASSERT_TRUE(messages.boxes().empty());
    EXPECT_TRUE(control().RunCorrectionShortCheckBox->isEnabled());
    EXPECT_TRUE(control().RunCorrectionShortCheckBox->isChecked());
    EXPECT_EQ(control().RunCorrectionZCheckBox->text(), "Z = 50");

    control().RunCorrectionOpenCheckBox->click();
    EXPECT_FALSE(CurrentRunSettings.useOpen);
    control().RunCorrectionCheckBox->click();
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isEnabled());
    EXPECT_FALSE(control().RunCorrectionShortCheckBox->isChecked());
    EXPECT_TRUE(CurrentRunSettings.useShort);
}

} // namespace
