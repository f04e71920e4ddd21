#include "MainFormFixture.h"
#include "app/AboutBox.h"
#include "app/OpenVmdForm.h"
#include "app/ParseTraceForm.h"
#include "app/QtMessageSink.h"
#include "app/RenameForm.h"
#include "app/preferences/EditSettingsForm.h"
#include "app/preferences/FileDialogRequest.h"
#include "tools/Tools.h"
#include "view/ColorDialog.h"
#include "view/DialogFrame.h"
#include "view/LabelDialog.h"
#include "view/View.h"
#include "view/LabelCommands.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <map>

namespace {

bool OnTop(const QWidget& window) { return window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }

// What a modal dialog looked like while it was up, and whether the tool
// windows still stayed on top meanwhile.
struct SeenDialog {
    Qt::WindowFlags flags;
    bool fixedSize = false;
    bool toolWindowsOnTop = true;
    bool parented = false;
};

class DialogFrames : public MainFormFixture {
protected:
    DialogFrames()
    {
        LetToolWindowsStepBackForModalWindows();
        main->FormShow();
        main->show();
        main->findChild<QAction*>("ShowToolsWindow")->trigger();
    }

    // Opens a dialog by `open` and closes it as soon as it is up.
    SeenDialog Look(const std::function<void()>& open)
    {
        // Message boxes and the file and colour dialogs belong to the active
        // window; offscreen no window becomes active again by itself.
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
        SeenDialog seen;
        QTimer::singleShot(0, main.get(), [this, &seen] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = {dialog->windowFlags(), dialog->minimumSize() == dialog->maximumSize(),
                    OnTop(control()) || OnTop(main->ToolsForm()), dialog->parentWidget() != nullptr};
            dialog->done(QDialog::Rejected);
        });
        open();
        return seen;
    }
};

TEST_F(DialogFrames, EveryDialogIsFramedAboveTheToolWindowsWhichStepBackMeanwhile)
{
    for (const QWidget* window : {static_cast<QWidget*>(&control()), static_cast<QWidget*>(&main->ToolsForm())}) {
        EXPECT_EQ(window->parentWidget(), main.get());
        EXPECT_EQ(window->windowType(), Qt::Tool);
        EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(OnTop(*window));
    }
    EXPECT_FALSE(control().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(main->ToolsForm().windowFlags() & Qt::WindowCloseButtonHint);

    TViewForm& view = main->CreateView("a");
    auto trace = std::make_unique<CTrace>();
    trace->Data.Append(1, 50, 0, 0, 10, 1, 0);
    trace->Time = trace->Vip = true;
    view.Traces.Add(std::move(trace));
    view.HasVipTraces = true;
    control().RefreshControlForm();
    control().TracesListBox->selectionModel()->select(control().TracesListBox->model()->index(0, 0), QItemSelectionModel::Select);
    LabelEdit label;
    TOpenVmdForm frequencies(main.get());
    TEditSettingsForm settingsList(main.get());

    // Name, how it is opened, and whether it keeps its size and its close box.
    struct Case {
        const char* name;
        std::function<void()> open;
        bool fixed;
        bool closeBox;
    };
    const Case cases[] = {
        {"settings", [&] { main->EditPreferences(); }, false, true},
        {"settings list", [&] { settingsList.exec(); }, true, true},
        {"about", [&] { main->findChild<QAction*>("HelpAbout1")->trigger(); }, true, true},
        {"save question", [] { BuildMessageBox(MessageKind::SaveQuestion, "Ombrelix", "Save?")->exec(); }, true, true},
        {"file", [] { QtFileDialog({}); }, false, true},
        {"rename", [&] { control().RenameTrace->trigger(); }, true, true},
        {"bursts", [&] { control().ParseData->trigger(); }, true, false},
        {"frequency", [&] { frequencies.Ask({"Import Bird", false, {{"1", "1", "1"}}}); }, true, true},
        {"label", [&] { EditLabelDialog(main.get(), label); }, true, false},
        {"colour", [] { RunColorDialog(0, ""); }, true, true},
    };
    for (const Case& dialog : cases) {
        const SeenDialog seen = Look(dialog.open);
        EXPECT_EQ(seen.flags & Qt::WindowType_Mask, Qt::Dialog) << dialog.name;
        EXPECT_TRUE(seen.flags & Qt::WindowStaysOnTopHint) << dialog.name;
        EXPECT_FALSE(seen.flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << dialog.name;
        EXPECT_EQ(bool(seen.flags & Qt::WindowCloseButtonHint), dialog.closeBox) << dialog.name;
        EXPECT_EQ(seen.fixedSize, dialog.fixed) << dialog.name;
        EXPECT_FALSE(seen.toolWindowsOnTop) << dialog.name;
        EXPECT_TRUE(seen.parented) << dialog.name;
        EXPECT_TRUE(OnTop(control()) && OnTop(main->ToolsForm())) << dialog.name;
    }
    // The tool windows keep their own flags throughout.
    EXPECT_TRUE(control().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main->ToolsForm().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(DialogFrames, TheRenameDialogIsWideEnoughForItsCaptionUpToHalfTheScreen)
{
    TViewForm& view = main->CreateView("a");
    view.Traces.Add(std::make_unique<CTrace>());
    control().RefreshControlForm();
    control().TracesListBox->selectionModel()->select(control().TracesListBox->model()->index(0, 0), QItemSelectionModel::Select);
    const auto widthFor = [&](const std::string& name) {
        view.Traces.Get(0)->Name = name;
        int width = 0;
        QTimer::singleShot(0, main.get(), [&width] {
            auto* dialog = qobject_cast<TRenameForm*>(QApplication::activeModalWidget());
            if (!dialog) return;
            width = dialog->width();
            dialog->reject();
        });
        control().RenameTrace->trigger();
        return width;
    };
    QFont bold = main->font();
    bold.setBold(true);
    const int halfScreen = main->screen()->availableGeometry().width() / 2;
    const std::string forty(40, 'i');
    const int fortyWide = widthFor(forty);
    EXPECT_EQ(widthFor("t1"), 238);
    EXPECT_GT(fortyWide, QFontMetrics(bold).horizontalAdvance(QString::fromStdString("Rename " + forty)));
    ASSERT_GT(fortyWide, 238);
    ASSERT_LT(fortyWide, halfScreen);
    EXPECT_EQ(widthFor(forty + forty), fortyWide);
    EXPECT_EQ(widthFor(std::string(200, 'W')), halfScreen);
    EXPECT_EQ(widthFor("t1"), 238);
}

using SettingsPicker = MainFormFixture;

TEST_F(SettingsPicker, OpensCentredOnTheMainWindowOrOnTheScreenBeforeThatIsPlaced)
{
    StartupFromList = true;
    const auto pickerCentre = [&] {
        QPoint centre;
        QTimer::singleShot(0, main.get(), [&centre] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            centre = dialog->frameGeometry().center();
            dialog->reject();
        });
        main->FormShow();
        return centre;
    };
    EXPECT_LE((pickerCentre() - main->screen()->availableGeometry().center()).manhattanLength(), 2);
    main->setGeometry(20, 30, 500, 300);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    EXPECT_LE((pickerCentre() - main->frameGeometry().center()).manhattanLength(), 2);
}

} // namespace
