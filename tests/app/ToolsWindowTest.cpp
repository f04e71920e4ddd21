#include "MainFormFixture.h"
#include "app/FileCommands.h"
#include "tools/Tools.h"
#include "view/View.h"

#include <QAction>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

namespace {

using ToolsWindowInProgram = MainFormFixture;

TEST_F(ToolsWindowInProgram, TheWindowFollowsTheActiveViewAndShutDownEndsAReplay)
{
    main->FormShow();
    TToolsForm& tools = main->ToolsForm();
    main->findChild<QAction*>("ShowToolsWindow")->trigger();
    ASSERT_TRUE(tools.isVisible());
    EXPECT_EQ(tools.windowTitle(), "Tools");

    TViewForm& view = main->CreateView("/data/antenna.csv");
    EXPECT_EQ(tools.windowTitle(), "Tools - antenna.csv");
    auto trace = std::make_unique<CTrace>();
    for (int i = 0; i < 50; ++i) trace->Data.Append(i + 1, 50, i);
    trace->Selected = true;
    view.Traces.Add(std::move(trace));
    control().RefreshControlForm();

    tools.PageControl->setCurrentWidget(tools.ReplayTabSheet);
    tools.ReplaySpeedTrackBar->setValue(0);
    tools.ReplayScrollBar->setValue(3);
    tools.UpdateToolActions();
    tools.ReplayRunAction->trigger();
    ASSERT_TRUE(tools.ReplayRunning());

    EXPECT_TRUE(main->close());
    EXPECT_FALSE(tools.ReplayRunning());
    DeleteClosedWindows();
}

// Save As names the document anew: the caption follows, the tools' state
// (here the replay's position) stays as it was.
TEST_F(ToolsWindowInProgram, SaveAsRenamesTheCaptionAndKeepsTheToolsState)
{
    main->FormShow();
    TToolsForm& tools = main->ToolsForm();
    main->findChild<QAction*>("ShowToolsWindow")->trigger();
    TViewForm& view = main->CreateView("Noname1");
    auto trace = std::make_unique<CTrace>();
    for (int i = 0; i < 50; ++i) trace->Data.Append(i + 1, 50, i);
    trace->Selected = true;
    view.Traces.Add(std::move(trace));
    control().RefreshControlForm();
    tools.ReplayScrollBar->setValue(7);
    EXPECT_EQ(tools.windowTitle(), "Tools - Noname1");

    main->Files->RunFileDialog = [this](const FileDialogRequest&) { return File("renamed.csv"); };
    ASSERT_TRUE(main->SaveViewAs(view));
    EXPECT_EQ(tools.windowTitle(), "Tools - renamed.csv");
    EXPECT_EQ(tools.ReplayScrollBar->value(), 7);
}

} // namespace
