#include "view/View.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/ChartPaintBox.h"
#include "view/CloseQuestion.h"
#include "view/canvas/ColorConversion.h"
#include "view/CursorTable.h"
#include "view/DataGridModel.h"
#include "view/DisplayText.h"
#include "view/GraphTabs.h"
#include "view/document/ScaleUndo.h"
#include "view/ViewHost.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

constexpr int kRowHeight = 16;
constexpr int kChartMinimumHeight = 50;

QVBoxLayout* StackedLayout(QWidget* widget)
{
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// A grid of rows of the same height without row headers, whose columns the
// user can size. Every row is as high as the others, so a list of a million
// points costs no more to show than a screenful.
QTableView* MakeGrid(QWidget* parent, const char* name, QAbstractItemModel* model, int columnWidth)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    grid->setWordWrap(false);
    return grid;
}

} // namespace

TViewForm::TViewForm(CViewHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A click on the chart, on the tabs or on the title gives the window the
    // keys: nothing else in it takes the focus while a chart is shown, and
    // the space bar must reach FormKeyDown.
    setFocusPolicy(Qt::ClickFocus);
    resize(818, 723);
    setMinimumSize(150, 150);
    BuildControls();
    SmithRect = PaintBoxRect();
    FillGraphTabs();
    UpdateCaption();
    FollowSubWindowActivation();
}

TViewForm::~TViewForm()
{
    // The grids' models read the view state, which is destroyed before the
    // QWidget base: once hidden here, no grid asks for its header's sizes
    // while the window is taken down.
    hide();
}

void TViewForm::BuildControls()
{
    QVBoxLayout* layout = StackedLayout(this);

    DataInfoPanel = new QLabel(this);
    DataInfoPanel->setObjectName("DataInfoPanel");
    DataInfoPanel->setFixedHeight(41);
    DataInfoPanel->setAutoFillBackground(true);
    DataInfoPanel->setBackgroundRole(QPalette::Base);
    QFont infoFont("Tahoma");
    infoFont.setPixelSize(21);
    DataInfoPanel->setFont(infoFont);
    layout->addWidget(DataInfoPanel);

    TableSplitter = new QSplitter(Qt::Vertical, this);
    TableSplitter->setObjectName("TableSplitter");
    TableSplitter->setHandleWidth(6);
    TableSplitter->setChildrenCollapsible(false);
    layout->addWidget(TableSplitter, 1);

    auto* chartArea = new QWidget(TableSplitter);
    // The cursor table leaves the chart this much of the window.
    chartArea->setMinimumHeight(kChartMinimumHeight);
    QVBoxLayout* chartLayout = StackedLayout(chartArea);
    PaintBox = new ChartPaintBox(chartArea);
    PaintBox->setObjectName("PaintBox");
    PaintBox->setAutoFillBackground(true);
    PaintBox->setMouseTracking(true);
    chartLayout->addWidget(PaintBox, 1);
    DataGrid = new DataGridModel(Traces, this);
    DataStringGrid = MakeGrid(chartArea, "DataStringGrid", DataGrid, 80);
    DataStringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    chartLayout->addWidget(DataStringGrid, 1);
    SmithPanel = new QFrame(chartArea);
    SmithPanel->setObjectName("SmithPanel");
    SmithPanel->setFixedHeight(22);
    SmithTrackBar = new QSlider(Qt::Horizontal, SmithPanel);
    SmithTrackBar->setObjectName("SmithTrackBar");
    SmithTrackBar->setRange(0, 10000);
    SmithTrackBar->setTickPosition(QSlider::NoTicks);
    StackedLayout(SmithPanel)->addWidget(SmithTrackBar);
    connect(SmithTrackBar, &QSlider::valueChanged, this, &TViewForm::SmithTrackBarChange);
    chartLayout->addWidget(SmithPanel);

    TablePanel = new QFrame(TableSplitter);
    TablePanel->setObjectName("TablePanel");
    TablePanel->setMinimumHeight(28);
    CursorTable = new CursorTableModel(*this, this);
    TableGrid = MakeGrid(TablePanel, "TableGrid", CursorTable, 64);
    SizeTableColumns();
    TableGrid->setItemDelegate(new CursorTableDelegate(TableGrid));
    TableGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TableGrid->horizontalHeader()->setStyleSheet("QHeaderView::section { background-color: rgb(238, 238, 238); }");
    StackedLayout(TablePanel)->addWidget(TableGrid);
    TableSplitter->setStretchFactor(0, 1);
    TableSplitter->setStretchFactor(1, 0);
    TableSplitter->setSizes({height() - TableHeight, TableHeight});

    GraphTabSet = new QTabBar(this);
    GraphTabSet->setObjectName("GraphTabSet");
    GraphTabSet->setShape(QTabBar::RoundedSouth);
    GraphTabSet->setExpanding(false);
    GraphTabSet->setMinimumWidth(100);
    layout->addWidget(GraphTabSet);

    LabelsPopUpMenu = new QMenu(this);
    LabelsPopUpMenu->setObjectName("LabelsPopUpMenu");
    const auto addItem = [this](const char* name, const char* caption) {
        LabelsPopUpMenu->addAction(caption)->setObjectName(name);
    };
    addItem("EditLabelMenuItem", "Edit label");
    addItem("RemoveLabelMenuItem", "Remove label");
    addItem("AddLabelMenuItem", "Add label");
    addItem("DeleteLabelsMenuItem", "Delete all labels");
    LabelsPopUpMenu->addSeparator();
    addItem("HideLabelMenuItem", "Hide label");
    addItem("ShowHiddenMenuItem", "Show hidden labels");
    LabelsPopUpMenu->addSeparator();
    addItem("AddMatchPointMenuItem", "Add match point");

    connect(GraphTabSet, &QTabBar::currentChanged, this, &TViewForm::GraphTabSetChange);
    connect(PaintBox, &ChartPaintBox::Resized, this, &TViewForm::FormPaint);
    connect(TableSplitter, &QSplitter::splitterMoved, this, &TViewForm::TableSplitterMoved);
    DataGrid->Show(nullptr, 0);
    // The space bar reaches the window from its grids too, which keep it to
    // themselves (the track bar passes it on, so the window sees it once),
    // and the cursor table keeps still under the wheel until a row is chosen.
    for (QObject* child : {static_cast<QObject*>(DataStringGrid), static_cast<QObject*>(TableGrid),
                           static_cast<QObject*>(TableGrid->viewport())}) {
        child->installEventFilter(this);
    }
    PaintBox->installEventFilter(this);
    ConnectLabelMenu();
}

void TViewForm::UpdateCaption() { setWindowTitle(DisplayText(DocumentName)); }

bool TViewForm::FormCloseQuery()
{
    return MayCloseDocument(*this, [this] { return host_.SaveViewAs(*this); });
}

// The readout belongs to the window's chart: it goes with the window.
void TViewForm::FormClose()
{
    ClearPointInfo();
    host_.SetActiveView(false, this);
}

void TViewForm::FormActivate()
{
    host_.SetActiveView(true, this);
    if (!DataEditPending && !DataGrid->Edits().Changed()) FillDataGrid();
    FormPaint();
    UpdateTableRows();
    UpdateTableValues();
}

void TViewForm::FillGraphTabs()
{
    const int tab = TabToSelect(*this);
    {
        const QSignalBlocker quiet(GraphTabSet);
        while (GraphTabSet->count() > 0) GraphTabSet->removeTab(0);
        for (const int kind : TabbedKinds(*this)) {
            const std::string_view name = ChartKindNames[kind];
            GraphTabSet->addTab(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        }
        GraphTabSet->setCurrentIndex(tab);
    }
    // Selecting a tab is a tab change, also when Qt already had it current.
    if (tab >= 0) GraphTabSetChange(tab);
}

void TViewForm::SelectGraphTab()
{
    const int tab = TabOfKind(*this, GraphKind);
    if (tab < 0) return;
    GraphTabSet->setCurrentIndex(tab);
    FormPaint();
    host_.GraphListFromView();
    host_.ScreenEditsFromView();
}

void TViewForm::GraphTabSetChange(int newTab)
{
    const int kind = KindOfTab(*this, newTab);
    if (kind < 0) return;
    GraphKind = kind;
    ResetScaleUndo(*this);
    ArrangeControls();
    FormPaint();
    host_.GraphListFromView();
    host_.ScreenEditsFromView();
    ClearPointInfo();
}

void TViewForm::ArrangeControls()
{
    const bool chart = GraphKind != kGraphData;
    PaintBox->setVisible(chart);
    DataStringGrid->setVisible(!chart);
    // The track bar belongs to the cursor table.
    SmithPanel->setVisible(chart && GraphKind == kGraphSmith && TableVisible);
    TablePanel->setVisible(chart && TableVisible);
    DataInfoPanel->setVisible(!chart && !DataInfoPanel->text().isEmpty());
    layout()->activate();
    ShowTableHeight();
}

// The splitter keeps the table at this height as the window grows and
// shrinks, lower only while the chart needs the room for its minimum.
void TViewForm::ShowTableHeight()
{
    if (TablePanel->isHidden()) return;
    TableSplitter->setSizes({std::max(1, TableSplitter->height() - TableHeight), TableHeight});
}

void TViewForm::ClearPointInfo() { host_.ShowPointerReadout({}); }

TRect TViewForm::PaintBoxRect() const { return {0, 0, PaintBox->width(), PaintBox->height()}; }

bool TViewForm::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) FollowSubWindowActivation();
    return QWidget::event(event);
}

void TViewForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

// The multiple-document area activates the frame around the window, not the
// window itself; the window follows the frame it is shown in.
void TViewForm::FollowSubWindowActivation()
{
    disconnect(activation_);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        activation_ = connect(frame, &QMdiSubWindow::aboutToActivate, this, &TViewForm::FormActivate);
    }
}
