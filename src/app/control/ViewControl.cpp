#include "app/control/ViewControl.h"

#include "app/Desktop.h"
#include "app/GraphChecks.h"
#include "app/MainForm.h"
#include "model/Correction.h"
#include "view/TabSheet.h"
#include "view/View.h"
#include "view/document/ScaleUndo.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A tool window without border icons that stays on top.
constexpr Qt::WindowFlags kControlWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;

// The tab widget hands out its tab bar only to its own kind; the control
// window locks single tabs while a run goes on.
class CPageControl final : public QTabWidget {
public:
    using QTabWidget::QTabWidget;
    using QTabWidget::tabBar;
};

} // namespace

TViewControlForm::TViewControlForm(TMainForm& main) : QWidget(&main, kControlWindowFlags), main_(main)
{
    setObjectName("ViewControlForm");
    setWindowTitle("Control");
    setMinimumSize(200, 300);
    resize(246, 415);
    MoveToDesktopEdge();

    PageControl = new CPageControl(this);
    PageControl->setObjectName("PageControl");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
    GraphTabSheet = AddTabSheet(PageControl, "GraphTabSheet", "Graphs");
    TracesTabSheet = AddTabSheet(PageControl, "TracesTabSheet", "Traces");
    ScreenTabSheet = AddTabSheet(PageControl, "ScreenTabSheet", "Screen");
    DataTabSheet = AddTabSheet(PageControl, "DataTabSheet", "Data");
    RunTabSheet = AddTabSheet(PageControl, "RunTabSheet", "Run");

    BuildGraphTab();
    BuildTracesTab();
    BuildScreenTab();
    BuildDataTab();
    BuildRunTab();
}

// The place the window takes until the settings file gives one: at the right
// edge of the screen's free area, as far down as the frame allows.
void TViewControlForm::MoveToDesktopEdge()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.x() + std::max(0, area.width() - width()), area.y() + std::max(0, std::min(231, area.height() - height())));
}

void TViewControlForm::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous()) event->ignore();
    else QWidget::closeEvent(event);
}

TViewControlForm::~TViewControlForm() = default;

void TViewControlForm::BuildGraphTab()
{
    GraphCheckListBox = new QListWidget(GraphTabSheet);
    GraphCheckListBox->setObjectName("GraphCheckListBox");
    auto* layout = new QVBoxLayout(GraphTabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(GraphCheckListBox);
    for (const std::string_view name : ChartKindNames) {
        auto* item = new QListWidgetItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        GraphCheckListBox->addItem(item);
    }
    connect(GraphCheckListBox, &QListWidget::itemChanged, this, &TViewControlForm::GraphCheckListBoxClickCheck);
    connect(GraphCheckListBox, &QListWidget::itemClicked, this, &TViewControlForm::GraphCheckListBoxClick);
}

QTabBar* TViewControlForm::PageTabs() const { return static_cast<CPageControl*>(PageControl)->tabBar(); }

bool TViewControlForm::RestoreFormPosition(CXMLNode* node)
{
    const QRect frame = frameGeometry();
    WindowPlacement place{0, frame.top(), frame.left(), frame.width(), frame.height()};
    if (!ExchangeWindowPosition(node, place, VirtualDesktop())) return false;
    move(place.Left, place.Top);
    return true;
}

void TViewControlForm::RefreshControlForm()
{
    GraphListFromView();
    FillTracesList();
    ScreenEditsFromView();
}

void TViewControlForm::GraphListFromView()
{
    const TViewForm* view = main_.ActiveView();
    SetTabShown(GraphTabSheet, view != nullptr);
    if (!view) return;
    const QSignalBlocker quiet(GraphCheckListBox);
    for (int kind = 0; kind < kGraphKindCount; ++kind) {
        GraphCheckListBox->item(kind)->setCheckState(view->Graphs[kind].Visible ? Qt::Checked : Qt::Unchecked);
    }
    GraphCheckListBox->setCurrentRow(view->GraphKind);
}

void TViewControlForm::ScreenEditsFromView()
{
    const QWidget* current = PageControl->currentWidget();
    const bool scalesShown = current == ScreenTabSheet || current == DataTabSheet;
    const TViewForm* view = main_.ActiveView();
    if (!view) {
        SetTabShown(ScreenTabSheet, false);
        SetTabShown(DataTabSheet, false);
        return;
    }
    // The Data kind has no scales: its points take the place of the Screen tab.
    const bool data = view->GraphKind == kGraphData;
    QWidget* const needed = data ? DataTabSheet : ScreenTabSheet;
    SetTabShown(needed, true);
    if (scalesShown) PageControl->setCurrentWidget(needed);
    SetTabShown(data ? ScreenTabSheet : DataTabSheet, false);
    if (data) return;
    ShowScreenLayout(ScreenLayoutFor(view->GraphKind, view->HorMode));
    ScreenValuesFromView();
}

void TViewControlForm::SetTabShown(QWidget* sheet, bool shown)
{
    PageControl->setTabVisible(PageControl->indexOf(sheet), shown);
}

void TViewControlForm::GraphCheckListBoxClickCheck()
{
    TViewForm* view = main_.ActiveView();
    GraphChecks checks{};
    for (int kind = 0; kind < kGraphKindCount; ++kind) checks[kind] = GraphCheckListBox->item(kind)->checkState() == Qt::Checked;
    if (view) EnforceGraphChecks(checks, view->HasVipTraces);
    else checks.fill(false);
    {
        const QSignalBlocker quiet(GraphCheckListBox);
        for (int kind = 0; kind < kGraphKindCount; ++kind) {
            GraphCheckListBox->item(kind)->setCheckState(checks[kind] ? Qt::Checked : Qt::Unchecked);
        }
    }
    if (!view) return;

    const int kind = FirstChangedKind(checks, *view);
    if (kind < 0) return;
    view->Graphs[kind].Visible = checks[kind];
    view->FillGraphTabs();
    if (checks[kind]) {
        ShowGraphKind(*view, kind);
    } else {
        const QSignalBlocker quiet(GraphCheckListBox);
        GraphCheckListBox->setCurrentRow(view->GraphKind);
    }
}

void TViewControlForm::GraphCheckListBoxClick(QListWidgetItem* item)
{
    TViewForm* view = main_.ActiveView();
    if (!view) return;
    if (item->checkState() == Qt::Checked) {
        ShowGraphKind(*view, GraphCheckListBox->row(item));
    } else {
        const QSignalBlocker quiet(GraphCheckListBox);
        GraphCheckListBox->setCurrentRow(view->GraphKind);
    }
}

void TViewControlForm::ShowGraphKind(TViewForm& view, int kind)
{
    view.GraphKind = kind;
    ResetScaleUndo(view);
    view.ArrangeControls();
    view.FormPaint();
    view.SelectGraphTab();
}

// While a run goes on, every tab but the current one is locked, so the user
// stays where the run was started from.
void TViewControlForm::SetRunning(bool running)
{
    QTabBar* const tabs = PageTabs();
    for (int i = 0; i < tabs->count(); ++i) tabs->setTabEnabled(i, !running || i == tabs->currentIndex());
    RunSettingsPanel->setEnabled(!running);
    UpdateTraceActions();
    UpdateDataButtons();
}
