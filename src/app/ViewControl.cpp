#include "app/ViewControl.h"

#include "app/Desktop.h"
#include "app/GraphChecks.h"
#include "app/MainForm.h"
#include "model/Correction.h"
#include "view/document/ScaleUndo.h"
#include "view/View.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

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

QWidget* AddSheet(QTabWidget* pages, const char* name, const char* caption)
{
    auto* sheet = new QWidget(pages);
    sheet->setObjectName(name);
    pages->addTab(sheet, caption);
    return sheet;
}

} // namespace

TViewControlForm::TViewControlForm(TMainForm& main) : QWidget(&main, kControlWindowFlags), main_(main)
{
    setObjectName("ViewControlForm");
    setWindowTitle("Control");
    setMinimumSize(200, 300);
    move(1200, 231);
    resize(246, 415);

    PageControl = new CPageControl(this);
    PageControl->setObjectName("PageControl");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
    GraphTabSheet = AddSheet(PageControl, "GraphTabSheet", "Graphs");
    TracesTabSheet = AddSheet(PageControl, "TracesTabSheet", "Traces");
    ScreenTabSheet = AddSheet(PageControl, "ScreenTabSheet", "Screen");
    DataTabSheet = AddSheet(PageControl, "DataTabSheet", "Data");
    RunTabSheet = AddSheet(PageControl, "RunTabSheet", "Run");

    BuildGraphTab();
    BuildRunTab();
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

// The list of traces comes with the Traces tab's own content; the tab is
// there only while a document window is active. The tools window follows
// the traces.
void TViewControlForm::FillTracesList()
{
    SetTabShown(TracesTabSheet, main_.ActiveView() != nullptr);
    main_.RefreshToolsWindow();
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
}
