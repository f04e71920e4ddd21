#include "app/MainForm.h"

#include "app/ChartCommands.h"
#include "app/CommandActions.h"
#include "app/Desktop.h"
#include "app/DocumentWindowLayout.h"
#include "app/EditMenu.h"
#include "app/FileCommands.h"
#include "app/HelpMenu.h"
#include "app/MainToolBar.h"
#include "app/control/ViewControl.h"
#include "app/WindowArrangement.h"
#include "app/WindowMenu.h"
#include "model/Correction.h"
#include "model/SaveFailure.h"
#include "model/Settings.h"
#include "tools/Tools.h"
#include "view/canvas/DrawLimits.h"
#include "view/chart/SmithGridTable.h"
#include "view/ProgramIcons.h"
#include "view/View.h"
#include "view/document/RunInProgress.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int kStatusPanelWidths[] = {120, 120, 120, 50};
constexpr const char* kKeptFileReason = "It could not be read at start-up and is kept as it is, not overwritten.";

// The user's changes to the settings are lost when the file is not written;
// they hear of it before the program ends.
void ReportExitSave(const std::string& fileName, const WriteResult& saved)
{
    if (!saved) ShowSaveFailure("Save Settings", SettingsFilePath(fileName), saved);
}

} // namespace

TMainForm::TMainForm(const std::string& settingsFolder)
{
    setObjectName("MainForm");
    setWindowIcon(ProgramIcon());
    resize(1024, 700);
    SettingsFilesFolder = settingsFolder;
    CurrentSettingsFile = settingsFolder + "ombrelix.omt";
    DefaultSettingsFile = settingsFolder + "ombrelix.omt";
    SettingsListFile = settingsFolder + "ombrelix.oml";
    DrawLimits = DrawLimitsForDesktop(VirtualDesktop());
    SmithGridTable();
    MRUList.clear();
    // Shown by the settings list editor and saved at exit as long as no
    // settings list file replaces them.
    SettingsList = {{"aaa", "bbb"}, {"ccc", "ddd"}};

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName("MdiArea");
    // A document window left partly outside the area, once the main window
    // was made smaller or the window was dragged there, stays within reach;
    // the scroll bars show only while one is.
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);
    BuildActions();
    BuildMenus();
    BuildStatusBar();
    viewControlForm_ = new TViewControlForm(*this);
    toolsForm_ = new TToolsForm(this, [this] { return activeView_; });

    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TMainForm::UpdateActions);
}

TMainForm::~TMainForm()
{
    // The document windows go first, while the windows they report to are
    // still whole.
    delete MdiArea;
    activeView_ = nullptr;
}

void TMainForm::BuildActions()
{
    const auto makeAction = [this](const char* name, const char* caption, const QKeySequence& shortcut,
                                   const QString& hint, const char* icon) {
        auto* action = new QAction(CommandIcon(icon), caption, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        // A hint's short part is the tool tip, the rest the status bar text.
        action->setToolTip(hint.section('|', 0, 0));
        action->setStatusTip(hint.section('|', 1));
        return action;
    };
    FileNew1 = makeAction("FileNew1", "&New", QKeySequence("Ctrl+N"), "New|Create a new file", "new");
    FileOpen1 = makeAction("FileOpen1", "&Open", QKeySequence("Ctrl+O"), "Open|Open a file", "open");
    FileSave1 = makeAction("FileSave1", "&Save", QKeySequence("Ctrl+S"), "Save|Save current file", "save");
    FileSaveAs1 = makeAction("FileSaveAs1", "Save &As...", QKeySequence(),
                             "Save As|Save current file with different name", "");
    FileExit1 = makeAction("FileExit1", "E&xit", QKeySequence(), "Exit|Exit application", "");
    connect(FileNew1, &QAction::triggered, this, &TMainForm::FileNew1Execute);
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);

    commands_ = std::make_unique<CommandActions>(this);
    ConnectChartCommands(*commands_, *this);
}

// The menu bar from left to right; each menu is built by its own file.
void TMainForm::BuildMenus()
{
    BuildFileMenu();
    BuildEditMenu(*menuBar(), *commands_, *this, this);
    BuildWindowMenu(*menuBar(), *commands_, *this);
    BuildHelpMenu(*menuBar(), *commands_, this);

    MainToolBar = addToolBar("Main");
    MainToolBar->setObjectName("MainToolBar");
    FillMainToolBar(*MainToolBar, {FileNew1, FileOpen1, FileSave1}, *commands_);
}

void TMainForm::BuildFileMenu()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("FileMenu");
    file->addActions({FileNew1, FileOpen1, FileSave1, FileSaveAs1});
    file->addSeparator();
    file->addAction(FileExit1);
    Files = new FileCommands(*this, *file);
}

void TMainForm::BuildStatusBar()
{
    statusBar()->setObjectName("StatusBar");
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i] = new QLabel(this);
        StatusPanels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        StatusPanels[i]->setFixedWidth(kStatusPanelWidths[i]);
        statusBar()->addWidget(StatusPanels[i]);
    }
}

void TMainForm::FormShow()
{
    setWindowTitle("Ombrelix");
    SetDefaults(Settings);
    LoadAtStartup(ExchangeSettingsList(kSettingsLoad, SettingsListFile), SettingsListFile);
    CurrentSettingsFile = DefaultSettingsFile;
    if (StartupFromList) ShowSettingsSelection();
    LoadAtStartup(ExchangeSettingsFile(kSettingsLoad, CurrentSettingsFile), CurrentSettingsFile);
    LoadCorrection(false);
    LoadReference(false);
    viewControlForm_->RefreshControlForm();
    viewControlForm_->show();
    RefreshToolsWindow();
    UpdateMRUMenu();
}

void TMainForm::LoadAtStartup(bool loaded, const std::string& fileName)
{
    if (!loaded && !SetAsideUnreadableFile(fileName)) keptFiles_.push_back(SettingsFilePath(fileName));
}

// Compared as files, so that a name as written and the same file chosen by
// its full path are one.
bool TMainForm::MayOverwrite(const std::string& fileName) const
{
    return std::find(keptFiles_.begin(), keptFiles_.end(), SettingsFilePath(fileName)) == keptFiles_.end();
}

void TMainForm::RefreshToolsWindow()
{
    if (toolsForm_) toolsForm_->RefreshForView();
}

void TMainForm::UpdateMRUMenu() { Files->UpdateMRUMenu(); }

void TMainForm::AddToMRU(const std::string& fileName) { Files->AddToMRU(fileName); }

bool TMainForm::SaveViewAs(TViewForm& view) { return Files->SaveViewAs(view); }

TViewForm& TMainForm::CreateView(const std::string& name)
{
    auto* view = new TViewForm(*this);
    activeView_ = view;
    view->DocumentName = name;
    const QSize size = view->size();
    QMdiSubWindow* frame = MdiArea->addSubWindow(view, TViewForm::kSubWindowFlags);
    frame->show();
    // The frame starts at its smallest; the window keeps its own size in it,
    // as far as the frame's area lets it be seen whole.
    const QSize wanted = frame->size() - view->size() + size;
    PlaceFrame(*frame, KeptInside(QRect(frame->pos(), wanted), MdiArea->viewport()->rect()));
    frame->setWindowIcon(ProgramIcon());
    SetActiveView(true, view);
    view->UpdateCaption();
    return *view;
}

QList<TViewForm*> TMainForm::Views() const
{
    QList<TViewForm*> views;
    for (QMdiSubWindow* frame : MdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* view = qobject_cast<TViewForm*>(frame->widget())) views.append(view);
    }
    return views;
}

void TMainForm::SetActiveView(bool active, TViewForm* view)
{
    // Only the window that closes gives up being the active one; a frame
    // that merely lost the focus keeps it.
    if (active) activeView_ = view;
    else if (view == activeView_) activeView_ = nullptr;
    if (activeView_ != readoutView_) {
        readoutView_ = activeView_;
        ShowPointerReadout({});
    }
    viewControlForm_->RefreshControlForm();
    RefreshToolsWindow();
    // The commands follow the active window at once, not only when the
    // program next waits for events: a run never waits, and an idle window
    // made active during it must offer its file commands.
    UpdateActions();
}

void TMainForm::RepaintAllViews()
{
    for (TViewForm* view : Views()) {
        view->UpdateTableRows();
        view->UpdateTableValues();
        view->FormPaint();
    }
}

void TMainForm::GraphListFromView() { viewControlForm_->GraphListFromView(); }

void TMainForm::ScreenEditsFromView() { viewControlForm_->ScreenEditsFromView(); }

void TMainForm::ScreenValuesFromView() { viewControlForm_->ScreenValuesFromView(); }

void TMainForm::ShowPointerReadout(const std::array<std::string, 3>& panels)
{
    for (size_t i = 0; i < panels.size(); ++i) StatusPanels[i]->setText(QString::fromStdString(panels[i]));
}

bool TMainForm::ToolsWindowShown() const { return toolsForm_->isVisible(); }

void TMainForm::SetMatchPoint(double R, double X) { toolsForm_->SetMatchPoint(R, X); }

void TMainForm::UpdateActions()
{
    const TViewForm* view = activeView_;
    const bool idle = !view || !RunIsFilling(*view);
    FileNew1->setEnabled(idle);
    FileOpen1->setEnabled(idle);
    FileExit1->setEnabled(idle);
    FileSave1->setEnabled(view && idle);
    FileSaveAs1->setEnabled(view && idle);
    Files->UpdateActions(view);
    UpdateCommands();
}

void TMainForm::FileNew1Execute()
{
    ++NonameCounter;
    CreateView("Noname" + std::to_string(NonameCounter));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    toolsForm_->StopReplay();
    const QList<TViewForm*> views = Views();
    for (TViewForm* view : views) {
        if (!view->FormCloseQuery()) {
            event->ignore();
            return;
        }
    }
    FormClose();
    // Every window has answered its close question already; removing the
    // frames closes them without asking again.
    for (TViewForm* view : views) {
        view->FormClose();
        view->parentWidget()->deleteLater();
    }
    event->accept();
}

void TMainForm::FormClose()
{
    // A file kept unwritten on purpose is left alone without a word.
    if (MayOverwrite(SettingsListFile)) ReportExitSave(SettingsListFile, SaveSettingsList(SettingsListFile));
    if (MayOverwrite(CurrentSettingsFile)) ReportExitSave(CurrentSettingsFile, SaveSettingsFile(CurrentSettingsFile));
}

bool TMainForm::ExchangeSettingsList(int mode, const std::string& fileName)
{
    return ::ExchangeSettingsList(mode, fileName);
}

SettingsFileWindows TMainForm::SettingsWindows()
{
    SettingsFileWindows windows;
    windows.main = Placement();
    windows.desktop = VirtualDesktop();
    windows.exchangeControlWindow = [this](CXMLNode* element) { viewControlForm_->RestoreFormPosition(element); };
    return windows;
}

WriteResult TMainForm::SaveSettingsList(const std::string& fileName)
{
    if (!MayOverwrite(fileName)) return WriteResult::Refused(kKeptFileReason);
    return ::SaveSettingsList(fileName);
}

WriteResult TMainForm::SaveSettingsFile(const std::string& fileName)
{
    if (!MayOverwrite(fileName)) return WriteResult::Refused(kKeptFileReason);
    SettingsFileWindows windows = SettingsWindows();
    return ::SaveSettingsFile(fileName, windows);
}

bool TMainForm::ExchangeSettingsFile(int mode, const std::string& fileName)
{
    SettingsFileWindows windows = SettingsWindows();
    const WindowPlacement before = windows.main;
    const bool done = ::ExchangeSettingsFile(mode, fileName, windows);
    if (done && mode == kSettingsLoad && windows.main != before) ApplyPlacement(windows.main);
    // A loaded settings file brings its own recent files.
    if (done && mode == kSettingsLoad) UpdateMRUMenu();
    return done;
}

WindowPlacement TMainForm::Placement() const
{
    const int state = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    // A window that is not shown normally is stored with its normal place.
    const QRect place = state == 0 ? geometry() : normalGeometry();
    return {state, place.top(), place.left(), place.width(), place.height()};
}

void TMainForm::ApplyPlacement(const WindowPlacement& placement)
{
    if (placement.State == 2) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    setWindowState(Qt::WindowNoState);
    setGeometry(placement.Left, placement.Top, placement.Width, placement.Height);
}
