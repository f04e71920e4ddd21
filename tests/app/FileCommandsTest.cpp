#include "FileSizeLimit.h"
#include "MainFormFixture.h"
#include "ScopedModesHold.h"
#include "app/DocumentOpen.h"
#include "app/DocumentSave.h"
#include "app/FileCommands.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

class FileCommandsTest : public MainFormFixture {
protected:
    FileCommandsTest()
    {
        main->FormShow();
        files().RunFileDialog = [this](const FileDialogRequest& request) {
            requests.push_back(request);
            if (dialogAnswers.empty()) return std::string();
            const std::string answer = dialogAnswers.front();
            dialogAnswers.pop_front();
            return answer;
        };
        files().ChooseFrequency = [](const FrequencyQuestion&) { return FrequencyAnswer{true, 0, "0", "1e+99"}; };
    }

    FileCommands& files() const { return *main->Files; }

    // A window holding one trace, saved under `name`.
    TViewForm& SavedView(const std::string& name)
    {
        TViewForm& view = main->CreateView("Noname1");
        auto trace = std::make_unique<CTrace>();
        trace->Name = "antenna";
        trace->Data.Append(14, 50, 0);
        trace->Data.Append(14.1, 52, 3);
        view.Traces.Add(std::move(trace));
        view.Modified = true;
        dialogAnswers.push_back(File(name));
        EXPECT_TRUE(main->SaveViewAs(view));
        return view;
    }

    std::vector<std::string> MenuCaptions() const
    {
        std::vector<std::string> captions;
        for (QAction* item : files().MRUItems) {
            if (item->isVisible()) captions.push_back(item->text().toStdString());
        }
        return captions;
    }

    std::deque<std::string> dialogAnswers;
    std::vector<FileDialogRequest> requests;
};

TEST_F(FileCommandsTest, SavedDocumentsOpenFromTheOpenCommandAndTheRecentFiles)
{
    TViewForm& saved = SavedView("antenna");
    EXPECT_EQ(saved.FileName, File("antenna.csv"));
    EXPECT_FALSE(saved.Modified);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Save Noname1 As");
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].defaultSuffix, "csv");
    // A document without a file starts beside the program's settings files.
    EXPECT_EQ(requests[0].start, Folder());
    EXPECT_EQ(MenuCaptions(), std::vector<std::string>{File("antenna.csv")});
    EXPECT_TRUE(files().MRUSeparator->isVisible());

    dialogAnswers.push_back(File("antenna.csv"));
    files().FileOpen1Execute();
    TViewForm* opened = main->ActiveView();
    ASSERT_NE(opened, &saved);
    EXPECT_EQ(requests.back().title, "Open");
    EXPECT_EQ(requests.back().filter, "CSV files (*.csv);;Varnet files (*.vmd);;All files (*)");
    EXPECT_TRUE(requests.back().mayNotExist);
    EXPECT_EQ(opened->FileName, File("antenna.csv"));
    EXPECT_EQ(opened->windowTitle().toStdString(), File("antenna.csv"));
    ASSERT_EQ(opened->Traces.Count(), 1);
    EXPECT_EQ(opened->Traces.Get(0)->Name, "antenna");
    EXPECT_EQ(opened->Traces.Get(0)->Data.Count(), 2);
    EXPECT_FALSE(opened->Modified);

    // A recent file opens in a window of its own too.
    files().MRUItems[0]->trigger();
    EXPECT_EQ(main->Views().size(), 3);
    EXPECT_EQ(main->ActiveView()->Traces.Count(), 1);
    EXPECT_EQ(MRUList, std::vector<std::string>{File("antenna.csv")});
    EXPECT_TRUE(messages.boxes().empty());
}

// The widths the user gave the cursor table's columns come back with the
// document, and showing the table again leaves them alone.
TEST_F(FileCommandsTest, TheCursorTableOpensWithTheColumnWidthsItWasSavedWith)
{
    TViewForm& view = main->CreateView("Noname1");
    view.TableVisible = true;
    view.TableGrid->setColumnWidth(1, 150);
    view.TableGrid->setColumnWidth(2, 130);
    dialogAnswers.push_back(File("widths"));
    ASSERT_TRUE(main->SaveViewAs(view));
    dialogAnswers.push_back(File("widths.csv"));
    files().FileOpen1Execute();
    TViewForm* opened = main->ActiveView();
    ASSERT_NE(opened, &view);
    ASSERT_TRUE(opened->TableVisible);
    opened->UpdateTableRows();
    EXPECT_EQ(opened->TableGrid->columnWidth(1), 150);
    EXPECT_EQ(opened->TableGrid->columnWidth(2), 130);
}

// The cursor table's height is the window's: what the user gave it by the
// divider comes back with the document, also when the table was hidden or
// the "Data" tab shown at the save, and a new window writes its 200.
TEST_F(FileCommandsTest, TheCursorTableOpensAtTheHeightItWasSavedWith)
{
    main->resize(1000, 800);
    main->show();
    TViewForm& view = main->CreateView("Noname1");
    dialogAnswers.push_back(File("new"));
    ASSERT_TRUE(main->SaveViewAs(view));
    EXPECT_NE(Read(File("new.csv")).find("<Table visible=\"false\" height=\"200\""), std::string::npos);

    view.GraphTabSet->setCurrentIndex(kGraphRX);
    view.TableVisible = true;
    view.ArrangeControls();
    const QList<int> sizes = view.TableSplitter->sizes();
    view.TableSplitter->setSizes({sizes[0] + sizes[1] - 160, 160});
    emit view.TableSplitter->splitterMoved(sizes[0] + sizes[1] - 160, 1); // as a drag of the divider reports
    ASSERT_EQ(view.TablePanel->height(), 160);
    view.TableVisible = false;
    view.ArrangeControls();
    dialogAnswers.push_back(File("hidden"));
    ASSERT_TRUE(main->SaveViewAs(view));
    view.TableVisible = true;
    view.GraphTabSet->setCurrentIndex(kGraphData);
    dialogAnswers.push_back(File("data"));
    ASSERT_TRUE(main->SaveViewAs(view));

    for (const char* name : {"hidden.csv", "data.csv"}) {
        dialogAnswers.push_back(File(name));
        files().FileOpen1Execute();
        TViewForm* opened = main->ActiveView();
        ASSERT_NE(opened, &view);
        EXPECT_EQ(opened->TableHeight, 160) << name;
        opened->TableVisible = true;
        opened->GraphTabSet->setCurrentIndex(kGraphSmith);
        QApplication::processEvents();
        EXPECT_EQ(opened->TablePanel->height(), 160) << name;
    }
}

// A window saved maximised, with its table shown, opens maximised with the
// table as high as it was, not shrunk to a row.
TEST_F(FileCommandsTest, AMaximisedWindowOpensWithItsTableHeight)
{
    main->resize(1000, 800);
    main->show();
    std::ofstream(File("max.csv")) << "<?xml version=\"1.0\"?>\n<Ombrelix><Window state=\"2\" />"
                                      "<Screen graph=\"2\" /><Table visible=\"true\" height=\"180\" /></Ombrelix>\n";
    dialogAnswers.push_back(File("max.csv"));
    files().FileOpen1Execute();
    TViewForm* opened = main->ActiveView();
    ASSERT_NE(opened, nullptr);
    QApplication::processEvents();
    ASSERT_TRUE(opened->parentWidget()->isMaximized());
    EXPECT_EQ(opened->TablePanel->height(), 180);
    EXPECT_GE(opened->PaintBox->height(), 50);
}

// A document saved in a larger main window opens wholly inside this one's
// document area, where its tabs can be reached.
TEST_F(FileCommandsTest, AWindowLargerThanTheAreaOpensInsideIt)
{
    main->resize(1000, 700);
    main->show();
    std::ofstream(File("large.csv")) << "<?xml version=\"1.0\"?>\n<Ombrelix><Window state=\"0\" top=\"120\" "
                                        "left=\"300\" width=\"1900\" height=\"1150\" /></Ombrelix>\n";
    dialogAnswers.push_back(File("large.csv"));
    files().FileOpen1Execute();
    TViewForm* opened = main->ActiveView();
    ASSERT_NE(opened, nullptr);
    QApplication::processEvents();
    const auto expectWhollyShown = [this](const TViewForm& view) {
        QWidget* const viewport = main->MdiArea->viewport();
        EXPECT_EQ(view.parentWidget()->geometry(), viewport->rect());
        EXPECT_TRUE(viewport->rect().contains(view.GraphTabSet->mapTo(viewport, view.GraphTabSet->rect().bottomRight())));
    };
    expectWhollyShown(*opened);

    // Also while a scroll bar takes part of the area, for a window that lies
    // partly outside it.
    opened->parentWidget()->move(main->MdiArea->viewport()->width() / 2, 0);
    QApplication::processEvents();
    ASSERT_TRUE(main->MdiArea->horizontalScrollBar()->isVisible());
    dialogAnswers.push_back(File("large.csv"));
    files().FileOpen1Execute();
    ASSERT_NE(main->ActiveView(), opened);
    QApplication::processEvents();
    EXPECT_TRUE(main->MdiArea->horizontalScrollBar()->isVisible());
    expectWhollyShown(*main->ActiveView());
}

TEST_F(FileCommandsTest, MissingAndUnreadableFilesAreToldAndKeptOffTheRecentFiles)
{
    MRUList = {File("a.csv"), File("gone.csv"), File("c.csv")};
    std::ofstream(File("a.csv")) << "1,50,0\n";
    main->ExchangeSettingsFile(kSettingsSave, File("with-mru.omt"));
    MRUList.clear();
    ASSERT_TRUE(main->ExchangeSettingsFile(kSettingsLoad, File("with-mru.omt")));
    // Loading settings rebuilds the menu.
    EXPECT_EQ(MenuCaptions().size(), 3u);

    files().FileMRUItemClick(1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Open|File not found:\n" + File("gone.csv")});
    EXPECT_EQ(MRUList, (std::vector<std::string>{File("a.csv"), File("c.csv")}));
    EXPECT_EQ(MenuCaptions(), MRUList);
    EXPECT_EQ(main->ActiveView()->DocumentName, File("gone.csv"));
    const int windows = main->Views().size();
    files().FileMRUItemClick(7);
    EXPECT_EQ(main->Views().size(), windows);

    dialogAnswers.push_back(File("nothing.csv"));
    files().FileOpen1Execute();
    EXPECT_EQ(Boxes().back(), "Open|File not found:\n" + File("nothing.csv"));
    dialogAnswers.push_back(Folder());
    files().FileOpen1Execute();
    EXPECT_EQ(Boxes().back(), "Open|Can't read the file:\n" + Folder() + "\nIs a directory");
    // A named pipe would wait for a writer for ever, a device may never end.
    ASSERT_EQ(::mkfifo(File("pipe.csv").c_str(), 0600), 0);
    for (const std::string& name : {File("pipe.csv"), std::string("/dev/null")}) {
        dialogAnswers.push_back(name);
        files().FileOpen1Execute();
        EXPECT_EQ(Boxes().back(), "Open|Can't read the file:\n" + name + "\nNot a regular file");
    }
    std::ofstream(File("locked.csv")) << "1,50,0\n";
    ::chmod(File("locked.csv").c_str(), 0);
    {
        const ScopedModesHold modes;
        ASSERT_TRUE(modes.Held());
        dialogAnswers.push_back(File("locked.csv"));
        files().FileOpen1Execute();
    }
    EXPECT_EQ(Boxes().back(), "Open|Can't read the file:\n" + File("locked.csv") + "\nPermission denied");
    EXPECT_EQ(MRUList, (std::vector<std::string>{File("a.csv"), File("c.csv")}));
}

// A path that cannot even be examined is a file that cannot be read, from
// the Open command and from the recent files alike, and ends nothing.
TEST_F(FileCommandsTest, PathsThatCannotBeExaminedAreUnreadableFiles)
{
    std::error_code error;
    std::filesystem::create_symlink("loop.csv", File("loop.csv"), error);
    ASSERT_FALSE(error);
    const std::string tooLong = File(std::string(300, 'n') + ".csv");
    const std::pair<std::string, std::string> paths[] = {{File("loop.csv"), "Too many levels of symbolic links"},
                                                         {tooLong, "File name too long"}};
    for (const auto& [name, reason] : paths) {
        dialogAnswers.push_back(name);
        files().FileOpen1Execute();
        ASSERT_FALSE(Boxes().empty());
        EXPECT_EQ(Boxes().back(), "Open|Can't read the file:\n" + name + "\n" + reason);
        EXPECT_EQ(main->ActiveView()->DocumentName, name);
        EXPECT_EQ(main->ActiveView()->Traces.Count(), 0);
    }
    EXPECT_TRUE(MRUList.empty());

    MRUList = {File("loop.csv"), tooLong};
    const size_t boxes = Boxes().size();
    files().FileMRUItemClick(0);
    files().FileMRUItemClick(1);
    EXPECT_EQ(Boxes().size(), boxes + 2);
    EXPECT_EQ(MRUList, (std::vector<std::string>{File("loop.csv"), tooLong}));
}

// Every file whose bytes were read opens a window named after it and goes
// to the top of the recent files, also when it shows nothing: bytes that
// are no measurement, an empty file, a damaged document, another program's
// markup. Each but the empty file says why it shows nothing.
TEST_F(FileCommandsTest, FilesThatShowNothingAreToldAndStillGoToTheRecentFiles)
{
    std::string garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919 + i / 13) % 256);
    std::ofstream(File("garbage.bin"), std::ios::binary) << garbage;
    std::ofstream(File("empty.csv")).flush();
    std::ofstream(File("damaged.csv")) << "<?xml version=\"1.0\"?>\r\n<Ombrelix>\r\n<Traces>\r\n";
    // Its numbers would read as a trace if it were taken for CSV text.
    std::ofstream(File("other.xml")) << "<foo>\n1,50,0\n</foo>\n";
    const std::string wrongFormat = "Open|Can't read the file, or wrong file format:\n" + File("other.xml");
    const std::pair<std::string, std::vector<std::string>> opens[] = {
        {"other.xml", {wrongFormat}},
        {"garbage.bin", {"Open|No points could be read from the file:\n" + File("garbage.bin")}},
        {"empty.csv", {}},
        {"damaged.csv", {"Open|The document is damaged and cannot be read:\n" + File("damaged.csv")}}};
    std::vector<std::string> recent;
    for (const auto& [name, told] : opens) {
        messages.log().boxes.clear();
        dialogAnswers.push_back(File(name));
        files().FileOpen1Execute();
        EXPECT_EQ(Boxes(), told) << name;
        EXPECT_EQ(main->ActiveView()->Traces.Count(), 0) << name;
        EXPECT_EQ(main->ActiveView()->windowTitle().toStdString(), File(name));
        EXPECT_TRUE(main->ActiveView()->FileName.empty()) << name;
        recent.insert(recent.begin(), File(name));
        EXPECT_EQ(MRUList, recent) << name;
    }
    EXPECT_EQ(MenuCaptions(), recent);

    // Opened again from the recent files, such a file stays there and moves up.
    messages.log().boxes.clear();
    files().MRUItems[3]->trigger();
    EXPECT_EQ(Boxes(), std::vector<std::string>{wrongFormat});
    EXPECT_EQ(MRUList, (std::vector<std::string>{File("other.xml"), File("damaged.csv"), File("empty.csv"),
                                                 File("garbage.bin")}));
}

TEST_F(FileCommandsTest, AFailedSaveChangesNothingAndKeepsTheWindowOpen)
{
    TViewForm& view = SavedView("antenna.csv");
    const std::string before = Read(File("antenna.csv"));
    view.Modified = true;
    MRUList.clear();
    {
        const FileSizeLimit limit(64);
        dialogAnswers.push_back(File("other.csv"));
        EXPECT_FALSE(main->SaveViewAs(view));
        files().FileSave1Execute();
    }
    const std::string tooLarge = "\nFile too large";
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Save|Can't save the file:\n" + File("other.csv") + tooLarge,
                                                 "Save|Can't save the file:\n" + File("antenna.csv") + tooLarge}));
    EXPECT_EQ(Read(File("antenna.csv")), before);
    EXPECT_FALSE(std::filesystem::exists(File("other.csv")));
    EXPECT_EQ(view.FileName, File("antenna.csv"));
    EXPECT_EQ(view.DocumentName, File("antenna.csv"));
    EXPECT_TRUE(view.Modified);
    EXPECT_TRUE(MRUList.empty());

    // The close question's Yes saves through Save As; a failed save keeps the window.
    {
        const FileSizeLimit limit(64);
        messages.Answer(MessageAnswer::Yes);
        dialogAnswers.push_back(File("other.csv"));
        EXPECT_FALSE(view.parentWidget()->close());
    }
    DeleteClosedWindows();
    EXPECT_EQ(main->Views().size(), 1);
    messages.Answer(MessageAnswer::Yes);
    dialogAnswers.push_back(File("other.csv"));
    EXPECT_TRUE(view.parentWidget()->close());
    DeleteClosedWindows();
    EXPECT_TRUE(std::filesystem::exists(File("other.csv")));
}

TEST_F(FileCommandsTest, TheVarnetExportLeavesTheDocumentAsItWas)
{
    TViewForm& view = SavedView("antenna.csv");
    auto trace = std::make_unique<CTrace>();
    trace->Time = trace->Vip = true;
    trace->Data.Append(13.56, 0, 0, 0.5, 1, 0.02, 30);
    view.Traces.Add(std::move(trace));
    view.Modified = true;
    dialogAnswers.push_back(File("export"));
    files().FileSaveAsVmdExecute();
    EXPECT_EQ(requests.back().title, "Save " + File("antenna.csv") + " As vmd");
    EXPECT_EQ(requests.back().start, File("antenna.csv"));
    EXPECT_EQ(view.FileName, File("antenna.csv"));
    EXPECT_TRUE(view.Modified);
    EXPECT_EQ(MRUList.front(), File("export.vmd"));
    EXPECT_NE(Read(File("export.vmd")).find("\r\n500,1,1.356e+07,0.02,0,30,0\r\n"), std::string::npos);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Save|1 trace(s) without V, I and phase were written as zeros."});

    // The export opens as a Varnet import at the chosen frequency.
    files().FileMRUItemClick(0);
    TViewForm* imported = main->ActiveView();
    EXPECT_TRUE(imported->FileName.empty());
    EXPECT_EQ(control().PageControl->currentWidget(), control().TracesTabSheet);
    EXPECT_EQ(imported->DocumentName, File("export.vmd"));
    EXPECT_EQ(imported->HarmonicFrequency, 13.56);
    // The saved trace without V, I and phase comes back with R = X = 0.
    ASSERT_EQ(imported->Traces.Count(), 2);
    EXPECT_EQ(imported->Traces.Get(0)->Data.GetRecord(0)->R, 0);
    EXPECT_DOUBLE_EQ(imported->Traces.Get(1)->Data.GetRecord(0)->phase, 30);
    EXPECT_TRUE(imported->Graphs[kGraphVip].Visible);
    EXPECT_TRUE(imported->Graphs[kGraphPower].Visible);

    {
        const FileSizeLimit limit(16);
        dialogAnswers.push_back(File("failed.vmd"));
        EXPECT_FALSE(files().SaveViewAsVarnet(view));
    }
    EXPECT_EQ(Boxes().back(), "Save|Can't save the file:\n" + File("failed.vmd") + "\nFile too large");
    EXPECT_EQ(MRUList.front(), File("export.vmd"));
}

// A Varnet file has no place for R and X: a document of measured sweeps
// alone would go out as zeros, so it is refused before anything is asked.
TEST_F(FileCommandsTest, TheVarnetExportRefusesDocumentsWithoutVIAndPhase)
{
    TViewForm& view = SavedView("sweeps.csv");
    view.Traces.Add(std::make_unique<CTrace>());
    const size_t asked = requests.size();
    dialogAnswers.push_back(File("sweeps.vmd"));
    EXPECT_FALSE(files().SaveViewAsVarnet(view));
    EXPECT_EQ(Boxes(), std::vector<std::string>{
                           "Save|A Varnet file holds V, I and phase; no trace of this document has them."});
    EXPECT_EQ(requests.size(), asked);
    EXPECT_FALSE(std::filesystem::exists(File("sweeps.vmd")));

    // Without traces there is nothing to lose: the export runs as ever.
    TViewForm& empty = main->CreateView("Noname2");
    EXPECT_TRUE(files().SaveViewAsVarnet(empty));
    EXPECT_TRUE(std::filesystem::exists(File("sweeps.vmd")));
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(FileCommandsTest, CommandsWaitWhileARunFillsTheActiveWindow)
{
    QMenu* file = main->menuBar()->findChild<QMenu*>("FileMenu");
    ASSERT_NE(file, nullptr);
    const QList<QAction*> items = file->actions();
    EXPECT_EQ(items.indexOf(files().FileSaveAsVmd), items.indexOf(main->FileSaveAs1) + 1);
    EXPECT_EQ(items.indexOf(files().MRUSeparator), items.indexOf(files().FileSaveAsVmd) + 1);
    EXPECT_EQ(items.indexOf(files().MRUItems[9]) + 2, items.indexOf(main->FileExit1));
    EXPECT_EQ(files().FileSaveAsVmd->statusTip(), "Save .in vmd format");
    EXPECT_FALSE(files().MRUSeparator->isVisible());

    main->UpdateActions();
    EXPECT_FALSE(files().FileSaveAsVmd->isEnabled());
    TViewForm& view = main->CreateView("Noname1");
    main->UpdateActions();
    EXPECT_TRUE(files().FileSaveAsVmd->isEnabled());
    RunInProgressScope running(view);
    main->UpdateActions();
    EXPECT_FALSE(files().FileSaveAsVmd->isEnabled());
    EXPECT_FALSE(main->FileOpen1->isEnabled());
    files().FileSaveAs1Execute();
    files().FileOpen1Execute();
    EXPECT_TRUE(requests.empty());
}

} // namespace
