#include "FileSizeLimit.h"
#include "MainFormFixture.h"
#include "ScopedModesHold.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "model/XMLNode.h"
#include "view/View.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

#include <filesystem>
#include <sys/stat.h>

namespace {

using StartupShutdown = MainFormFixture;

bool Exists(const std::string& file) { return std::filesystem::exists(file); }

TEST_F(StartupShutdown, AFirstStartInAnEmptyFolderWritesBothFilesAtExit)
{
    main->FormShow();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(main->windowTitle(), "Ombrelix");
    EXPECT_TRUE(control().isVisible());
    EXPECT_EQ(main->ActiveView(), nullptr);
    EXPECT_FALSE(Exists(File("ombrelix.omt")));
    EXPECT_FALSE(Exists(File("ombrelix.oml")));

    EXPECT_TRUE(main->close());
    EXPECT_EQ(Read(File("ombrelix.oml")), "<?xml version=\"1.0\"?>\r\n"
                                          "<OB_settings_list Startup=\"false\">\r\n"
                                          "  <File Title=\"aaa\" Name=\"bbb\" />\r\n"
                                          "  <File Title=\"ccc\" Name=\"ddd\" />\r\n"
                                          "</OB_settings_list>\r\n");
    CXMLNode settings("OB_settings");
    ASSERT_TRUE(settings.LoadFromFile(File("ombrelix.omt")));
    for (const char* element : {"Version", "Main", "ViewControl", "Run", "MRU", "Comunication", "Status"}) {
        EXPECT_NE(settings.Child(element), nullptr) << element;
    }
}

TEST_F(StartupShutdown, TheSettingsFileRestoresRunSettingsAndTheControlWindow)
{
    CXMLNode root("OB_settings");
    CXMLNode* place = root.AddChild("ViewControl");
    place->SetAttributeInt("Left", 30);
    place->SetAttributeInt("Top", 40);
    root.AddChild("Run")->SetAttributeDouble("from", 3.5);
    root.AddChild("MRU")->SetAttribute("File0", "/data/antenna.csv");
    ASSERT_TRUE(root.SaveToFile(File("ombrelix.omt")));

    main->FormShow();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(CurrentRunSettings.from, 3.5);
    EXPECT_EQ(control().RunFromEdit->text(), "3.5");
    EXPECT_EQ(control().pos(), QPoint(30, 40));
    EXPECT_EQ(MRUList, std::vector<std::string>{"/data/antenna.csv"});
}

TEST_F(StartupShutdown, TheRunTabShowsTheCorrectionLoadedAtStart)
{
    CXMLNode root("Traces");
    for (const char* name : {"short", "open", "75"}) {
        CTrace trace;
        trace.Name = name;
        trace.Data.Append(10, 1, 2);
        trace.Exchange(root.AddChild("Trace"));
    }
    ASSERT_TRUE(root.SaveToFile(ProgramFolder + Settings.CorrectionFileName));
    CXMLNode settings("OB_settings");
    settings.AddChild("Run")->SetAttributeBool("correction", true);
    ASSERT_TRUE(settings.SaveToFile(File("ombrelix.omt")));

    main->FormShow();
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(control().RunCorrectionZCheckBox->text(), "Z = 75");
    EXPECT_TRUE(control().RunCorrectionShortCheckBox->isChecked());
}

TEST_F(StartupShutdown, ASettingsFileThatFailsToLoadSurvivesTheShutDown)
{
    const std::string broken = "<OB_settings><Graph VertSize=\"170\"";
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.omt"), broken));
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.oml"), "not a list"));

    main->FormShow();
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Load Settings|Can't read the file, or wrong file format:\n" + File("ombrelix.oml") +
                               "\nIt is kept as:\n" + File("ombrelix.oml.bad"),
                           "Load Settings|Can't read the file, or wrong file format:\n" + File("ombrelix.omt") +
                               "\nIt is kept as:\n" + File("ombrelix.omt.bad"),
                       }));
    EXPECT_EQ(Settings.VertSize, 150);

    EXPECT_TRUE(main->close());
    EXPECT_EQ(Read(File("ombrelix.omt.bad")), broken);
    EXPECT_EQ(Read(File("ombrelix.oml.bad")), "not a list");
    CXMLNode fresh("OB_settings");
    EXPECT_TRUE(fresh.LoadFromFile(File("ombrelix.omt")));
}

// The file kept after the first damaged start usually holds the user's real
// settings, cut short: a second one is kept beside it, not over it.
TEST_F(StartupShutdown, ASecondDamagedStartKeepsTheFilesSetAsideTheFirstTime)
{
    const auto damagedStart = [this](const std::string& damage) {
        for (const char* name : {"ombrelix.oml", "ombrelix.omt"}) ASSERT_TRUE(WriteFileReplacing(File(name), damage));
        messages.log().boxes.clear();
        main->FormShow();
    };
    damagedStart("first");
    EXPECT_TRUE(main->close());
    main.reset();
    DeleteClosedWindows();
    main = std::make_unique<TMainForm>(Folder());
    damagedStart("second");

    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Load Settings|Can't read the file, or wrong file format:\n" + File("ombrelix.oml") +
                               "\nIt is kept as:\n" + File("ombrelix.oml.bad.2"),
                           "Load Settings|Can't read the file, or wrong file format:\n" + File("ombrelix.omt") +
                               "\nIt is kept as:\n" + File("ombrelix.omt.bad.2"),
                       }));
    for (const char* name : {"ombrelix.oml", "ombrelix.omt"}) {
        EXPECT_EQ(Read(File(name) + ".bad"), "first");
        EXPECT_EQ(Read(File(name) + ".bad.2"), "second");
    }
}

// A settings list of the user's own, told from the one the program starts
// with by its only entry.
constexpr char kOwnList[] = "<OB_settings_list Startup=\"false\">\r\n"
                            "  <File Title=\"Field\" Name=\"field.omt\" />\r\n"
                            "</OB_settings_list>\r\n";

bool HoldsOwnList() { return !SettingsList.empty() && SettingsList[0].Title == "Field"; }

// A name that cannot even be looked at may hide the user's settings: it is
// told with the system's reason and left where it is, also at exit.
TEST_F(StartupShutdown, SettingsFilesThatCannotBeExaminedAreToldWhyAndLeftWhereTheyAre)
{
    std::filesystem::create_directory(File("closed"));
    ASSERT_TRUE(WriteFileReplacing(File("closed/list.oml"), kOwnList));
    ASSERT_EQ(::chmod(File("closed").c_str(), 0600), 0);
    std::filesystem::create_symlink("closed/list.oml", File("ombrelix.oml"));
    std::filesystem::create_symlink("ombrelix.omt", File("ombrelix.omt"));
    {
        const ScopedModesHold modes;
        ASSERT_TRUE(modes.Held());
        main->FormShow();
    }
    const std::string left = "\nIt is left as it is and not overwritten.";
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Load Settings|Can't read the file:\n" + File("ombrelix.oml") + "\nPermission denied" + left,
                           "Load Settings|Can't read the file:\n" + File("ombrelix.omt") +
                               "\nToo many levels of symbolic links" + left,
                       }));
    EXPECT_FALSE(HoldsOwnList());
    EXPECT_TRUE(main->close());
    EXPECT_EQ(messages.boxes().size(), 2u);
    ASSERT_EQ(::chmod(File("closed").c_str(), 0700), 0);
    EXPECT_EQ(std::filesystem::read_symlink(File("ombrelix.oml")), "closed/list.oml");
    EXPECT_EQ(std::filesystem::read_symlink(File("ombrelix.omt")), "ombrelix.omt");
    EXPECT_EQ(Read(File("closed/list.oml")), kOwnList);
    EXPECT_FALSE(Exists(File("ombrelix.oml.bad")));
}

// Settings the user may not read are still theirs: they are kept aside under
// a free name, told with the reason, and fresh files take their names at exit.
TEST_F(StartupShutdown, SettingsFilesThatMayNotBeReadAreToldWhyAndKeptAside)
{
    const std::string settings = "<OB_settings><Graph VertSize=\"170\" /></OB_settings>";
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.oml"), kOwnList));
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.omt"), settings));
    for (const char* name : {"ombrelix.oml", "ombrelix.omt"}) ASSERT_EQ(::chmod(File(name).c_str(), 0), 0);
    {
        const ScopedModesHold modes;
        ASSERT_TRUE(modes.Held());
        main->FormShow();
    }
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Load Settings|Can't read the file:\n" + File("ombrelix.oml") +
                               "\nPermission denied\nIt is kept as:\n" + File("ombrelix.oml.bad"),
                           "Load Settings|Can't read the file:\n" + File("ombrelix.omt") +
                               "\nPermission denied\nIt is kept as:\n" + File("ombrelix.omt.bad"),
                       }));
    EXPECT_FALSE(HoldsOwnList());
    EXPECT_EQ(Settings.VertSize, 150);

    EXPECT_TRUE(main->close());
    EXPECT_EQ(messages.boxes().size(), 2u);
    for (const char* name : {"ombrelix.oml.bad", "ombrelix.omt.bad"}) ASSERT_EQ(::chmod(File(name).c_str(), 0600), 0);
    EXPECT_EQ(Read(File("ombrelix.oml.bad")), kOwnList);
    EXPECT_EQ(Read(File("ombrelix.omt.bad")), settings);
    CXMLNode fresh("OB_settings");
    EXPECT_TRUE(fresh.LoadFromFile(File("ombrelix.omt")));
    EXPECT_TRUE(ExchangeSettingsList(kSettingsLoad, File("ombrelix.oml")));
}

TEST_F(StartupShutdown, AnUnreadableFileThatCannotBeMovedIsNeverOverwritten)
{
    TakeEveryNameAside(File("ombrelix.omt"));
    ASSERT_TRUE(WriteFileReplacing(File("ombrelix.omt"), "garbage"));

    main->FormShow();
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Can't read the file, or wrong file format:\n" + File("ombrelix.omt") +
                                            "\nIt is left as it is and not overwritten.");
    EXPECT_TRUE(main->close());
    // Kept on purpose: the exit says nothing more about it.
    EXPECT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(Read(File("ombrelix.omt")), "garbage");
    EXPECT_TRUE(Exists(File("ombrelix.oml")));
}

TEST_F(StartupShutdown, SettingsThatCannotBeWrittenAtExitAreReportedAndTheProgramStillEnds)
{
    main->FormShow();
    {
        const FileSizeLimit limit(64);
        EXPECT_TRUE(main->close());
    }
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Save Settings|Can't save the file:\n" + File("ombrelix.oml") + "\nFile too large",
                           "Save Settings|Can't save the file:\n" + File("ombrelix.omt") + "\nFile too large",
                       }));
    EXPECT_FALSE(Exists(File("ombrelix.oml")));
    EXPECT_FALSE(Exists(File("ombrelix.omt")));
}

bool IsPipe(const std::string& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// A named pipe in place of a settings file would keep the start-up waiting
// for a writer, and a folder is no one's settings: neither is read, moved
// aside or replaced at exit, and the user is told why.
TEST_F(StartupShutdown, SettingsFilesThatAreNotFilesAreToldWhyAndLeftAlone)
{
    ASSERT_EQ(::mkfifo(File("ombrelix.oml").c_str(), 0600), 0);
    std::filesystem::create_directory(File("ombrelix.omt"));
    main->FormShow();
    const std::string left = "\nIt is left as it is and not overwritten.";
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Load Settings|Can't read the file:\n" + File("ombrelix.oml") + "\nNot a regular file" + left,
                           "Load Settings|Can't read the file:\n" + File("ombrelix.omt") + "\nIs a directory" + left,
                       }));
    EXPECT_EQ(SettingsList.size(), 2u);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(messages.boxes().size(), 2u);
    EXPECT_TRUE(IsPipe(File("ombrelix.oml")));
    EXPECT_TRUE(std::filesystem::is_directory(File("ombrelix.omt")));
    EXPECT_TRUE(std::filesystem::is_empty(File("ombrelix.omt")));
    EXPECT_FALSE(Exists(File("ombrelix.oml.bad")));
    EXPECT_FALSE(Exists(File("ombrelix.omt.bad")));
}

TEST_F(StartupShutdown, ABusyWindowStopsTheShutDownAndNothingIsWritten)
{
    main->FormShow();
    main->CreateView("Noname1").Busy = true;
    EXPECT_FALSE(main->close());
    EXPECT_EQ(main->Views().size(), 1);
    EXPECT_FALSE(Exists(File("ombrelix.omt")));
    EXPECT_FALSE(Exists(File("ombrelix.oml")));
    EXPECT_TRUE(messages.boxes().empty());
}

TEST_F(StartupShutdown, EveryWindowIsAskedOnceAndACancelKeepsThemAll)
{
    main->FormShow();
    TViewForm& first = main->CreateView("Noname1");
    TViewForm& second = main->CreateView("Noname2");
    first.Modified = true;
    second.Modified = true;

    messages.Answer(MessageAnswer::No);
    messages.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(main->close());
    DeleteClosedWindows();
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[0].text, "Do you want to save the changes you made to Noname1 ?");
    EXPECT_EQ(messages.boxes()[1].text, "Do you want to save the changes you made to Noname2 ?");
    EXPECT_EQ(main->Views().size(), 2);
    EXPECT_FALSE(Exists(File("ombrelix.omt")));

    messages.Answer(MessageAnswer::No);
    messages.Answer(MessageAnswer::No);
    EXPECT_TRUE(main->close());
    DeleteClosedWindows();
    EXPECT_EQ(messages.boxes().size(), 4u);
    EXPECT_TRUE(main->Views().isEmpty());
    EXPECT_EQ(main->ActiveView(), nullptr);
    EXPECT_TRUE(Exists(File("ombrelix.omt")));
}

TEST_F(StartupShutdown, TheActiveViewChangesOnlyWithActivationAndClosing)
{
    main->show();
    main->FormShow();
    TViewForm& first = main->CreateView("Noname1");
    EXPECT_EQ(main->ActiveView(), &first);
    TViewForm& second = main->CreateView("Noname2");
    EXPECT_EQ(main->ActiveView(), &second);
    EXPECT_EQ(second.windowTitle(), "Noname2");
    EXPECT_TRUE(control().PageControl->isTabVisible(control().PageControl->indexOf(control().GraphTabSheet)));

    // The frame losing the focus is no reason to forget the active window.
    main->MdiArea->setActiveSubWindow(nullptr);
    EXPECT_EQ(main->ActiveView(), &second);

    main->MdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first.parentWidget()));
    EXPECT_EQ(main->ActiveView(), &first);
    ASSERT_TRUE(first.parentWidget()->close());
    DeleteClosedWindows();
    ASSERT_TRUE(second.parentWidget()->close());
    DeleteClosedWindows();
    EXPECT_EQ(main->ActiveView(), nullptr);

    QTabWidget* pages = control().PageControl;
    for (QWidget* sheet : {control().GraphTabSheet, control().TracesTabSheet, control().ScreenTabSheet,
                           control().DataTabSheet}) {
        EXPECT_FALSE(pages->isTabVisible(pages->indexOf(sheet))) << sheet->objectName().toStdString();
    }
    EXPECT_TRUE(pages->isTabVisible(pages->indexOf(control().RunTabSheet)));
}

TEST_F(StartupShutdown, AMinimisedWindowIsStoredWithItsNormalPlace)
{
    main->FormShow();
    main->setGeometry(100, 120, 900, 650);
    main->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(main->ExchangeSettingsFile(kSettingsSave, File("min.omt")));
    EXPECT_NE(Read(File("min.omt")).find("<Main State=\"0\" Top=\"120\" Left=\"100\" Width=\"900\" Height=\"650\" />"),
              std::string::npos);

    main->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(main->ExchangeSettingsFile(kSettingsSave, File("max.omt")));
    EXPECT_NE(Read(File("max.omt")).find("<Main State=\"2\" />"), std::string::npos);

    ASSERT_TRUE(main->ExchangeSettingsFile(kSettingsLoad, File("min.omt")));
    EXPECT_EQ(main->windowState(), Qt::WindowNoState);
    EXPECT_EQ(main->geometry(), QRect(100, 120, 900, 650));
    ASSERT_TRUE(main->ExchangeSettingsFile(kSettingsLoad, File("max.omt")));
    EXPECT_TRUE(main->isMaximized());
}

} // namespace
