#include "HeldModalWindows.h"
#include "MainFormFixture.h"
#include "SimulatorProcess.h"
#include "WorkingFolder.h"
#include "app/preferences/EditSettingsForm.h"
#include "app/preferences/FontDialog.h"
#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"
#include "app/preferences/PreferencesForm.h"
#include "app/preferences/SelectSettingsForm.h"
#include "model/XMLNode.h"
#include "model/Trace.h"
#include "view/ColorItems.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>

namespace {

using namespace std::chrono_literals;

// Acts on the dialog of that kind as soon as its modal loop runs.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) return act(*dialog);
        }
    });
}

void WriteShortStandard(const std::string& file)
{
    CXMLNode root("Traces");
    CTrace trace;
    trace.Name = "short";
    trace.Data.Append(10, 0.5, 0.1);
    trace.Exchange(root.AddChild("Trace"));
    ASSERT_TRUE(root.SaveToFile(file));
}

// A reference file of empty traces with these names.
void WriteReference(const std::string& file, std::initializer_list<const char*> names)
{
    CXMLNode document("Ombrelix");
    CXMLNode* traces = document.AddChild("Traces");
    for (const char* name : names) {
        CTrace trace;
        trace.Name = name;
        trace.Exchange(traces->AddChild("Trace"));
    }
    ASSERT_TRUE(document.SaveToFile(file));
}

std::string SavedAttribute(const std::string& file, const char* element, const char* key)
{
    CXMLNode root("OB_settings");
    if (!root.LoadFromFile(file) || !root.Child(element)) return "(none)";
    return root.Child(element)->GetAttributeDecoded(key, "(none)");
}

// The main window after its start-up, with the preferences shown and
// every file dialog answered with `chosen`.
class PreferencesFormTest : public MainFormFixture {
protected:
    PreferencesFormTest()
    {
        main->FormShow();
        form().RunFileDialog = [this](const FileDialogRequest& request) {
            requests.push_back(request);
            return chosen;
        };
        form().FormShow();
    }

    TPreferencesForm& form() const { return main->PreferencesForm(); }

    std::string chosen;
    std::vector<FileDialogRequest> requests;
};

TEST_F(PreferencesFormTest, TheSettingsCommandShowsTheDialogWithTheSettingsInForce)
{
    Settings.TimeOut = 1500;
    bool shown = false;
    WhenShown<TPreferencesForm>([&shown](TPreferencesForm& dialog) {
        shown = true;
        EXPECT_EQ(dialog.Connection->TimeOutEdit->text(), "1500");
        dialog.CancelBtn->click();
    });
    auto* command = main->findChild<QAction*>("EditPreferences");
    ASSERT_NE(command, nullptr);
    command->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(PreferencesFormTest, OkWithoutChangesSavesBothFiles)
{
    EXPECT_FALSE(form().ApplyBtn->isEnabled());
    EXPECT_EQ(form().windowTitle(), "Settings");
    EXPECT_EQ(form().PageControl->count(), 8);
    EXPECT_FALSE(std::filesystem::exists(File("ombrelix.omt")));
    form().OkBtnClick();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Graph", "VertSize"), "150");
    EXPECT_NE(Read(File("ombrelix.oml")).find("<OB_settings_list Startup=\"false\">"), std::string::npos);
}

TEST_F(PreferencesFormTest, CancelDropsPendingValuesAndResetKeepsTheFilesAsTheyAre)
{
    form().Connection->TimeOutEdit->setText("99");
    form().Changed();
    form().CancelBtnClick();
    EXPECT_EQ(Settings.TimeOut, 3000);
    form().FormShow();
    EXPECT_EQ(form().Connection->TimeOutEdit->text(), "3000");

    Settings.VertSize = 300;
    form().FormShow();
    messages.Answer(false);
    form().ResetLabelClick();
    EXPECT_EQ(Settings.VertSize, 300);
    messages.Answer(true);
    form().ResetLabelClick();
    EXPECT_EQ(Boxes()[1], "Settings|Reset all settings to default?");
    EXPECT_EQ(Settings.VertSize, 150);
    EXPECT_EQ(ComboText(*form().Graphs->TranVertSizeComboBox), "150");
    EXPECT_FALSE(std::filesystem::exists(File("ombrelix.omt")));
}

TEST_F(PreferencesFormTest, AChosenFontAppliesWithItsSizeBox)
{
    FontChoice& font = *form().Graphs->TranFont;
    font.RunFontDialog = [](const FontRecord& working, const FontApply&) {
        EXPECT_EQ(working.Name, "Tahoma");
        return std::optional<FontRecord>(FontRecord{"DejaVu Sans", 14, true, false, 0});
    };
    font.FontBtn->click();
    EXPECT_EQ(ComboText(*font.SizeComboBox), "14");
    EXPECT_TRUE(form().ApplyBtn->isEnabled());
    EXPECT_EQ(Settings.GraphFont.Name, "Tahoma");
    form().ApplyBtnClick();
    EXPECT_EQ(Settings.GraphFont.Name, "DejaVu Sans");
    EXPECT_EQ(Settings.GraphFont.Size, 14);
    EXPECT_TRUE(Settings.GraphFont.Bold);

    font.SizeComboBox->setEditText("huge");
    form().ApplyBtnClick();
    EXPECT_EQ(Settings.GraphFont.Size, 10); // no number: 0, repaired
    EXPECT_EQ(Settings.GraphFont.Name, "DejaVu Sans");
}

// The font dialog's Apply stores and saves everything pending while the
// dialog stays up; a Cancel afterwards takes nothing back, and the size box
// still wins when it is changed later.
TEST_F(PreferencesFormTest, TheFontDialogsApplyStoresEverythingPendingAndStaysOpen)
{
    const auto savedFont = [this](const char* key) {
        CXMLNode root("OB_settings");
        if (!root.LoadFromFile(File("ombrelix.omt"))) return std::string("(none)");
        CXMLNode* font = root.Child("Graph") ? root.Child("Graph")->Child("Font") : nullptr;
        return font ? font->GetAttributeDecoded(key, "(none)") : std::string("(none)");
    };
    form().Connection->TimeOutEdit->setText("1234");
    form().Changed();
    FontChoice& font = *form().Graphs->TranFont;
    bool stayedOpen = false;
    WhenShown<FontDialog>([&](FontDialog& dialog) {
        EXPECT_EQ(dialog.Font().Size, 10);
        dialog.Chooser->setCurrentFont(QFont("DejaVu Sans", 16));
        dialog.ApplyBtn->click();
        stayedOpen = dialog.isVisible();
        EXPECT_FALSE(form().ApplyBtn->isEnabled());
        EXPECT_EQ(ComboText(*font.SizeComboBox), "16");
        EXPECT_EQ(savedFont("Name"), "DejaVu Sans");
        EXPECT_EQ(savedFont("Size"), "16");
        EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Comunication", "TimeOut"), "1234");
        dialog.Chooser->setCurrentFont(QFont("DejaVu Serif", 20));
        dialog.CancelBtn->click();
    });
    font.FontBtn->click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Settings.GraphFont.Name, "DejaVu Sans");
    EXPECT_EQ(Settings.GraphFont.Size, 16);
    EXPECT_EQ(font.Read().font.Name, "DejaVu Sans");
    EXPECT_EQ(ComboText(*font.SizeComboBox), "16");
    EXPECT_FALSE(form().ApplyBtn->isEnabled());
    EXPECT_TRUE(messages.boxes().empty());

    font.SizeComboBox->setEditText("22");
    form().ApplyBtnClick();
    EXPECT_EQ(Settings.GraphFont.Size, 22);
    EXPECT_EQ(savedFont("Size"), "22");
}

// Escape in the chooser's lists closes the whole dialog as Cancel, and the
// next showing has its chooser again.
TEST(FontDialogWindow, EscapeInTheChooserCancelsTheDialog)
{
    FontDialog dialog(FontRecord{"DejaVu Sans", 12, false, false, 0}, nullptr);
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            EXPECT_TRUE(dialog.Chooser->isVisible());
            QTest::keyClick(dialog.Chooser, Qt::Key_Escape);
            // Still up with an empty frame: fail rather than wait for a person.
            if (dialog.isVisible()) dialog.done(-1);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << round;
    }
    EXPECT_EQ(dialog.Font().Name, "DejaVu Sans");
    EXPECT_EQ(dialog.Font().Size, 12);
}

TEST_F(PreferencesFormTest, APendingColourGoesToTheOldSchemeBeforeTheSwitch)
{
    QListWidget& colors = *form().Graphs->TranColorsListBox;
    EXPECT_EQ(colors.item(0)->text(), "Background");
    colors.item(0)->setData(kColorItemRole, RGBColor(10, 20, 30));
    form().Changed();
    form().Graphs->ColorWhiteBtn->click();

    EXPECT_EQ(Settings.CurrentScheme, kSchemeWhite);
    EXPECT_EQ(Settings.ColorTable[kColorBackground][kSchemeBlack], RGBColor(10, 20, 30));
    EXPECT_EQ(colors.item(0)->data(kColorItemRole).toUInt(), RGBColor(255, 255, 255));
    EXPECT_TRUE(form().Graphs->ColorWhiteBtn->isChecked());
    EXPECT_FALSE(form().Graphs->ColorBlackBtn->isChecked());
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Colors", "Scheme"), "1");

    // The scheme in use again: nothing changes and its button stays pressed.
    form().Graphs->ColorWhiteBtn->click();
    EXPECT_TRUE(form().Graphs->ColorWhiteBtn->isChecked());
    EXPECT_EQ(Settings.CurrentScheme, kSchemeWhite);
}

// The reference file with the traces "dipole" and "vertical", reloaded in
// the dialog: its list shows them with the first one chosen.
class ReferenceTraceList : public PreferencesFormTest {
protected:
    ReferenceTraceList()
    {
        WriteReference(File("reference.csv"), {"dipole", "vertical"});
        form().Reference->ReferenceNameEdit->setText(QString::fromStdString(File("reference.csv")));
        form().ReferenceReloadBtnClick();
    }

    QListWidget& list = *form().Reference->ReferenceTraceListBox;
    QSignalSpy chosen{form().Reference, &ReferenceTab::TraceChosen};
};

TEST_F(ReferenceTraceList, ChoosingAReferenceTraceAppliesEveryPendingValueAtOnce)
{
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(Settings.ReferenceTraceIndex, 0);

    form().Connection->TimeOutEdit->setText("1234");
    form().Changed();
    list.setCurrentRow(1);
    emit list.itemClicked(list.item(1));
    EXPECT_EQ(Settings.ReferenceTraceIndex, 1);
    EXPECT_EQ(Settings.TimeOut, 1234);
    EXPECT_FALSE(form().ApplyBtn->isEnabled());
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Reference", "trace"), "1");
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Comunication", "TimeOut"), "1234");
}

TEST_F(ReferenceTraceList, ArrowKeysAndAClickOnTheCurrentRowApplyOncePerChoice)
{
    form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    form().Connection->TimeOutEdit->setText("1234");
    form().Changed();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(Settings.ReferenceTraceIndex, 1);
    EXPECT_FALSE(form().ApplyBtn->isEnabled());
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Reference", "trace"), "1");
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Comunication", "TimeOut"), "1234");

    form().Connection->TimeOutEdit->setText("2345");
    form().Changed();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Comunication", "TimeOut"), "2345");

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(chosen.count(), 3); // the row change and the click are one choice
    EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Reference", "trace"), "0");
    form().CancelBtnClick();
}

TEST_F(ReferenceTraceList, ReloadAndResetRefillTheListWithoutApplying)
{
    list.setCurrentRow(1);
    form().ReferenceReloadBtnClick();
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_FALSE(form().ApplyBtn->isEnabled());

    list.setCurrentRow(1);
    ASSERT_TRUE(std::filesystem::remove(File("ombrelix.omt")));
    messages.Answer(true);
    form().ResetLabelClick();
    EXPECT_EQ(list.count(), 2);
    EXPECT_FALSE(std::filesystem::exists(File("ombrelix.omt")));
    EXPECT_EQ(chosen.count(), 2); // the two rows set here, nothing from the filling
}

TEST_F(PreferencesFormTest, OpenSettingsLoadsAFileAndShowsItsRunSettings)
{
    CXMLNode root("OB_settings");
    root.AddChild("Run")->SetAttributeDouble("from", 7.5);
    root.AddChild("Graph")->SetAttributeInt("VertSize", 222);
    ASSERT_TRUE(root.SaveToFile(File("other.omt")));
    chosen = File("other.omt");
    form().LoadLabelClick();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(Settings.VertSize, 222);
    EXPECT_EQ(ComboText(*form().Graphs->TranVertSizeComboBox), "222");
    EXPECT_EQ(control().RunFromEdit->text(), "7.5");
    EXPECT_EQ(CurrentSettingsFile, File("ombrelix.omt"));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Open SettingsPreferences");
}

TEST_F(PreferencesFormTest, OpenSettingsWithAFileOfTheWrongFormatChangesNothing)
{
    ASSERT_TRUE(WriteFileReplacing(File("wrong.omt"), "<Ombrelix></Ombrelix>"));
    Settings.VertSize = 170;
    chosen = File("wrong.omt");
    form().LoadLabelClick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Load Settings|Can't read the file, or wrong file format:\n" + chosen});
    EXPECT_EQ(Settings.VertSize, 170);
    EXPECT_EQ(ComboText(*form().Graphs->TranVertSizeComboBox), "170");
    // Setting a file aside is for the start-up's own settings file only.
    EXPECT_EQ(Read(chosen), "<Ombrelix></Ombrelix>");
    EXPECT_FALSE(std::filesystem::exists(chosen + ".bad"));
}

TEST_F(PreferencesFormTest, AFailedSaveIsReportedAndLeavesTheTargetAlone)
{
    std::filesystem::create_directories(File("in-the-way.omt/occupied"));
    chosen = File("in-the-way.omt");
    form().SaveLabelClick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Save Settings|Can't save the file:\n" + chosen + "\nIs a directory"});
    EXPECT_TRUE(std::filesystem::is_directory(File("in-the-way.omt/occupied")));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].title, "Save Settings");

    chosen = File("copy.omt");
    form().SaveLabelClick();
    EXPECT_EQ(SavedAttribute(chosen, "Graph", "VertSize"), "150");
    EXPECT_EQ(CurrentSettingsFile, File("ombrelix.omt"));
}

using SettingsDialogsAtStartup = MainFormFixture;

// A settings file that could not be read at start-up nor be set aside is
// never overwritten, not by Apply either.
TEST_F(SettingsDialogsAtStartup, ApplyDoesNotOverwriteASettingsFileKeptAtStartup)
{
    TakeEveryNameAside(File("ombrelix.omt"));
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.omt"), "garbage"));
    main->FormShow();
    messages.log().boxes.clear();

    TPreferencesForm& form = main->PreferencesForm();
    form.FormShow();
    form.ApplyBtnClick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Save Settings|Can't save the file:\n" + File("ombrelix.omt") +
                                                "\nIt could not be read at start-up and is kept as it is, not overwritten."});
    EXPECT_EQ(Read(File("ombrelix.omt")), "garbage");
    EXPECT_TRUE(std::filesystem::exists(File("ombrelix.oml")));
}

void WriteSettingsList(const std::string& file, const std::vector<SettingsListEntry>& entries)
{
    CXMLNode root("OB_settings_list");
    root.SetAttribute("Startup", "true");
    for (const SettingsListEntry& entry : entries) {
        CXMLNode* child = root.AddChild("File");
        child->SetAttributeEncoded("Title", entry.Title);
        child->SetAttributeEncoded("Name", entry.Name);
    }
    ASSERT_TRUE(root.SaveToFile(file));
}

TEST_F(SettingsDialogsAtStartup, TheSelectionOpensTheChosenEntrysSettings)
{
    WriteSettingsList(File("ombrelix.oml"), {{"one", File("one.omt")}, {"two", File("two.omt")}});
    CXMLNode two("OB_settings");
    two.AddChild("Graph")->SetAttributeInt("VertSize", 300);
    ASSERT_TRUE(two.SaveToFile(File("two.omt")));
    WhenShown<TSelectSettingsForm>([this](TSelectSettingsForm& selection) {
        EXPECT_EQ(selection.windowTitle(), "Select Settings");
        ASSERT_EQ(selection.SelectStringGrid->rowCount(), 3);
        EXPECT_EQ(selection.SelectStringGrid->item(0, 0)->text(), "Default");
        EXPECT_EQ(selection.SelectStringGrid->item(0, 1)->text().toStdString(), File("ombrelix.omt"));
        selection.SelectStringGrid->selectRow(2);
        selection.OpenBtn->click();
    });
    main->FormShow();
    EXPECT_EQ(CurrentSettingsFile, File("two.omt"));
    EXPECT_EQ(Settings.VertSize, 300);
    EXPECT_TRUE(messages.boxes().empty());
}

TEST_F(SettingsDialogsAtStartup, TheDefaultRowOrAnEmptyListKeepsTheDefaultFile)
{
    WriteSettingsList(File("ombrelix.oml"), {});
    WhenShown<TSelectSettingsForm>([](TSelectSettingsForm& selection) {
        EXPECT_EQ(selection.SelectStringGrid->rowCount(), 1);
        selection.OpenBtn->click();
    });
    main->FormShow();
    EXPECT_EQ(CurrentSettingsFile, File("ombrelix.omt"));
}

// Starts the program from a folder of its own with the list's one entry
// "aaa" / "bbb" chosen at start-up.
class RelativeSettingsName : public MainFormFixture {
protected:
    void StartWithEntryBbb()
    {
        WriteSettingsList(File("ombrelix.oml"), {{"aaa", "bbb"}});
        WhenShown<TSelectSettingsForm>([](TSelectSettingsForm& selection) {
            selection.SelectStringGrid->selectRow(1);
            selection.OpenBtn->click();
        });
        main->FormShow();
    }
    bool NothingWhereItWasStarted() const { return std::filesystem::is_empty(started.path()); }

    TempDir started;
    WorkingFolder from{started.path()};
};

// The name stays as written; start-up, Apply, the scheme command and the
// exit all read and write the one file beside "ombrelix.omt".
TEST_F(RelativeSettingsName, IsReadAndWrittenBesideTheProgramsSettings)
{
    CXMLNode bbb("OB_settings");
    bbb.AddChild("Graph")->SetAttributeInt("VertSize", 300);
    ASSERT_TRUE(bbb.SaveToFile(File("bbb")));
    StartWithEntryBbb();
    EXPECT_EQ(CurrentSettingsFile, "bbb");
    EXPECT_EQ(Settings.VertSize, 300);

    main->PreferencesForm().FormShow();
    main->PreferencesForm().ApplyBtnClick();
    EXPECT_EQ(SavedAttribute(File("bbb"), "Version", "Ver"), "1");
    Settings.VertSize = 310;
    main->SaveCurrentSettings();
    EXPECT_EQ(SavedAttribute(File("bbb"), "Graph", "VertSize"), "310");
    Settings.VertSize = 320;
    EXPECT_TRUE(main->close());
    EXPECT_EQ(SavedAttribute(File("bbb"), "Graph", "VertSize"), "320");
    EXPECT_NE(Read(File("ombrelix.oml")).find("Name=\"bbb\""), std::string::npos);
    EXPECT_TRUE(NothingWhereItWasStarted());
    EXPECT_TRUE(messages.boxes().empty());
}

TEST_F(RelativeSettingsName, IsSetAsideBesideTheProgramsSettingsWhenUnreadable)
{
    ASSERT_TRUE(WriteFileReplacing(File("bbb"), "garbage"));
    StartWithEntryBbb();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Load Settings|Can't read the file, or wrong file format:\n" + File("bbb") +
                                                "\nIt is kept as:\n" + File("bbb.bad")});
    EXPECT_EQ(Read(File("bbb.bad")), "garbage");
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(std::filesystem::exists(File("bbb")));
    EXPECT_TRUE(NothingWhereItWasStarted());
}

// During a run the connection check could only be refused (the run holds
// the port), and the correction's reload and "Open settings..." would
// replace the standards or their use flags, which the run reads at every
// point. The reference is not the run's: it reloads as at any time. The
// dialog left up finds its buttons again once the run is over.
TEST_F(PreferencesFormTest, DuringARunOnlyTheReferenceReloadsAndTheOtherButtonsReturnAfterIt)
{
    WriteShortStandard(File("correction.csv"));
    WriteReference(File("mast.csv"), {"mast"});
    RunInProgressScope running(main->CreateView("Noname1"));
    form().show();
    QPushButton* const waiting[] = {form().Connection->CheckConnectionBtn, form().Correction->CorrectionReloadBtn,
                                    form().LoadLabel};
    for (QPushButton* button : waiting) EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    // A click queued before the run began does nothing either.
    chosen = File("ombrelix.omt");
    form().LoadLabelClick();
    form().CorrectionReloadBtnClick();
    form().CheckConnectionBtnClick();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(ShortStandard.Count(), 0);
    EXPECT_TRUE(messages.boxes().empty());

    form().Reference->ReferenceNameEdit->setText(QString::fromStdString(File("mast.csv")));
    form().Reference->ReferenceReloadBtn->click();
    ASSERT_NE(ReferenceTraces, nullptr);
    EXPECT_EQ(ReferenceTraces->Get(0)->Name, "mast");
    EXPECT_EQ(form().Reference->ReferenceTraceListBox->item(0)->text(), "mast");

    running.End();
    RunEventLoopFor(50ms);
    for (QPushButton* button : waiting) EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    CurrentRunSettings.correction = true;
    form().Correction->CorrectionReloadBtn->click();
    EXPECT_EQ(ShortStandard.Count(), 1);
    EXPECT_TRUE(control().RunCorrectionShortCheckBox->isChecked());
    form().reject();
}

TEST_F(PreferencesFormTest, ACorrectionFileChosenElsewhereIsFoundByItsFullPath)
{
    TempDir elsewhere;
    chosen = elsewhere.File("cal.csv");
    form().CorrectionBrowseBtnClick();
    EXPECT_EQ(form().Correction->CorrectionNameEdit->text().toStdString(), chosen);
    EXPECT_TRUE(form().ApplyBtn->isEnabled());
    EXPECT_EQ(requests.at(0).start, Folder());

    chosen = File("in-folder.csv");
    form().CorrectionBrowseBtnClick();
    EXPECT_EQ(form().Correction->CorrectionNameEdit->text(), "in-folder.csv");
}

TEST_F(PreferencesFormTest, CheckConnectionStoresThePortAndShowsTheAnalyzersAnswer)
{
    for (const char* lineEnd : {"lf", "crlf"}) {
        CSimulatorProcess analyzer({"--id", "QV7100", "--line-end", lineEnd});
        form().FormShow();
        SetComboText(*form().Connection->ComPortComboBox, analyzer.DevicePath());
        form().Connection->TimeOutEdit->setText("5000");
        form().CheckConnectionBtnClick();
        EXPECT_EQ(Boxes(), std::vector<std::string>{"|Connected to:\nQV7100"}) << lineEnd;
        EXPECT_EQ(Settings.ComPort, analyzer.DevicePath());
        EXPECT_EQ(SavedAttribute(File("ombrelix.omt"), "Comunication", "ComPort"), analyzer.DevicePath());
        messages.log().boxes.clear();
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    SetComboText(*form().Connection->ComPortComboBox, File("nothing-attached"));
    form().CheckConnectionBtnClick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Connect|Communication error:\nNo such file or directory"});
}

TEST_F(PreferencesFormTest, ThePortBoxOffersTheComPortsAndTakesAnyName)
{
    const QComboBox& ports = *form().Connection->ComPortComboBox;
    ASSERT_GE(ports.count(), 8);
    EXPECT_EQ(ports.itemText(0), "COM1");
    EXPECT_EQ(ports.itemText(7), "COM8");
    EXPECT_EQ(ports.itemData(0, Qt::ToolTipRole).toString(), "/dev/ttyS0");
    EXPECT_TRUE(ports.isEditable());
    EXPECT_EQ(ComboText(ports), "COM1");
}

TEST_F(PreferencesFormTest, TheListEditorsChangesAreSavedByTheNextApply)
{
    WhenShown<TEditSettingsForm>([](TEditSettingsForm& editor) {
        EXPECT_EQ(editor.windowTitle(), "Settings List");
        EXPECT_EQ(editor.SelectStringGrid->rowCount(), 2);
        editor.SelectStringGrid->clearSelection();
        EXPECT_FALSE(editor.RemoveAction->isEnabled());
        EXPECT_FALSE(editor.UpAction->isEnabled());
        EXPECT_FALSE(editor.DownAction->isEnabled());
        editor.SelectStringGrid->selectRow(1);
        EXPECT_EQ(editor.FileEdit->text(), "ddd");
        editor.TitleEdit->setText("typed");
        const QRect row = editor.SelectStringGrid->visualItemRect(editor.SelectStringGrid->item(1, 0));
        QTest::mouseClick(editor.SelectStringGrid->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(editor.TitleEdit->text(), "ccc");
        editor.UpAction->trigger();
        editor.TitleEdit->setText("Field day");
        editor.FileEdit->setText("/home/ham/field.omt");
        emit editor.FileEdit->textEdited(editor.FileEdit->text());
        editor.AddAction->trigger();
        EXPECT_EQ(editor.SelectStringGrid->item(2, 0)->text(), "Field day");
        editor.OkBtn->click();
    });
    form().StartupEditBtnClick();
    EXPECT_EQ(SettingsList.size(), 3u);
    form().ApplyBtnClick();
    EXPECT_EQ(Read(File("ombrelix.oml")), "<?xml version=\"1.0\"?>\r\n"
                                          "<OB_settings_list Startup=\"false\">\r\n"
                                          "  <File Title=\"ccc\" Name=\"ddd\" />\r\n"
                                          "  <File Title=\"aaa\" Name=\"bbb\" />\r\n"
                                          "  <File Title=\"Field+day\" Name=\"%2Fhome%2Fham%2Ffield.omt\" />\r\n"
                                          "</OB_settings_list>\r\n");
}

TEST_F(PreferencesFormTest, CancelInTheListEditorKeepsTheList)
{
    WhenShown<TEditSettingsForm>([](TEditSettingsForm& editor) {
        editor.RemoveAction->trigger();
        editor.CancelBtn->click();
    });
    form().StartupEditBtnClick();
    EXPECT_EQ(SettingsList.size(), 2u);
}

} // namespace
