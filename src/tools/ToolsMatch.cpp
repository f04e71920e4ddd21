// The Match tab of the tools window: the five match points of the selected
// trace ("Points") and the transitions between them ("Transition").

#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "tools/MatchPoints.h"
#include "tools/MatchTransitions.h"
#include "tools/ToolNumber.h"
#include "tools/Tools.h"
#include "view/View.h"
#include "view/chart/SmithMatches.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace {

constexpr const char* kMatchNames[kMatchPointCount] = {"R_min", "X_min", "R_max", "X_max", "Center"};

QTableWidget* MakeGrid(QWidget* parent, const char* name, const QStringList& header, int rows,
                       std::initializer_list<int> widths)
{
    auto* grid = new QTableWidget(rows, header.size(), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(header);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    int column = 0;
    for (const int width : widths) grid->setColumnWidth(column++, width);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) grid->setItem(row, column, item = new QTableWidgetItem);
    item->setText(text);
}

std::string CellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

QString TableNumber(double value) { return QString::fromStdString(FormatToolValue(Settings.TableDataDigits, value)); }

} // namespace

void TToolsForm::BuildMatchTab()
{
    PageControl1 = new QTabWidget(MatchTabSheet);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    auto* layout = new QVBoxLayout(MatchTabSheet);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PageControl1);
    auto* points = new QWidget(PageControl1);
    points->setObjectName("MatchPointsTabSheet");
    PageControl1->addTab(points, "Points");
    auto* time = new QWidget(PageControl1);
    time->setObjectName("MatchTimeTabSheet");
    PageControl1->addTab(time, "Transition");
    BuildMatchPointsPage(points);
    BuildMatchTimePage(time);
}

void TToolsForm::BuildMatchPointsPage(QWidget* page)
{
    MatchStringGrid = MakeGrid(page, "MatchStringGrid", {"N", "Point", "R", "X"}, kMatchPointCount, {28, 78, 100, 100});
    MatchCalcBtn = new QPushButton("Find", page);
    MatchClearBtn = new QPushButton("Clear", page);
    MatchCursorBtn = new QPushButton("Cursor ->", page);
    MatchAcceptBtn = new QPushButton("Accept changes", page);
    ShowMatchNumbersCheckBox = new QCheckBox("Show match numbers", page);
    ShowMatchNumbersCheckBox->setChecked(true);
    MatchCalcBtn->setObjectName("MatchCalcBtn");
    MatchClearBtn->setObjectName("MatchClearBtn");
    MatchCursorBtn->setObjectName("MatchCursorBtn");
    MatchAcceptBtn->setObjectName("MatchAcceptBtn");
    ShowMatchNumbersCheckBox->setObjectName("ShowMatchNumbersCheckBox");

    auto* layout = new QGridLayout(page);
    layout->addWidget(MatchStringGrid, 0, 0, 1, 4);
    layout->addWidget(MatchCalcBtn, 1, 0);
    layout->addWidget(MatchClearBtn, 1, 1);
    layout->addWidget(MatchCursorBtn, 1, 2);
    layout->addWidget(MatchAcceptBtn, 1, 3);
    layout->addWidget(ShowMatchNumbersCheckBox, 2, 0, 1, 4);
    ResetMatchGrid();

    connect(MatchCalcBtn, &QPushButton::clicked, this, &TToolsForm::MatchCalcBtnClick);
    connect(MatchClearBtn, &QPushButton::clicked, this, &TToolsForm::MatchClearBtnClick);
    connect(MatchCursorBtn, &QPushButton::clicked, this, &TToolsForm::MatchCursorBtnClick);
    connect(MatchAcceptBtn, &QPushButton::clicked, this, &TToolsForm::MatchAcceptBtnClick);
    connect(ShowMatchNumbersCheckBox, &QCheckBox::clicked, this, &TToolsForm::ShowMatchNumbersCheckBoxClick);
}

void TToolsForm::BuildMatchTimePage(QWidget* page)
{
    MatchTimeStringGrid = MakeGrid(page, "MatchTimeStringGrid", {"From", "To", "Time(s)", ""}, kTransitionCount,
                                   {50, 47, 100, 100});
    MatchTimeCalcBtn = new QPushButton("Find", page);
    MatchTimeClearBtn = new QPushButton("Clear", page);
    MatchTimeAcceptBtn = new QPushButton("Accept changes", page);
    MatchTimeAcceptBtn->setEnabled(false);
    MatchTimeGammaEdit = new QLineEdit(".01", page);
    ShowMatchTimeCheckBox = new QCheckBox("Show trajectories", page);
    ShowMatchTimeCheckBox->setChecked(true);
    MatchSmoothingCheckBox = new QCheckBox("Smoothing", page);
    MatchSmoothingCheckBox->setChecked(true);
    MatchSmoothingCheckBox->setVisible(false);
    MatchTimeCalcBtn->setObjectName("MatchTimeCalcBtn");
    MatchTimeClearBtn->setObjectName("MatchTimeClearBtn");
    MatchTimeAcceptBtn->setObjectName("MatchTimeAcceptBtn");
    MatchTimeGammaEdit->setObjectName("MatchTimeGammaEdit");
    ShowMatchTimeCheckBox->setObjectName("ShowMatchTimeCheckBox");
    MatchSmoothingCheckBox->setObjectName("MatchSmoothingCheckBox");

    auto* layout = new QGridLayout(page);
    layout->addWidget(MatchTimeStringGrid, 0, 0, 1, 3);
    layout->addWidget(MatchTimeCalcBtn, 1, 0);
    layout->addWidget(MatchTimeClearBtn, 1, 1);
    layout->addWidget(MatchTimeAcceptBtn, 1, 2);
    layout->addWidget(new QLabel("Gamma tolerance", page), 2, 0);
    layout->addWidget(MatchTimeGammaEdit, 2, 1);
    layout->addWidget(ShowMatchTimeCheckBox, 3, 0, 1, 2);
    layout->addWidget(MatchSmoothingCheckBox, 3, 2);
    ResetTransitionGrid();

    connect(MatchTimeCalcBtn, &QPushButton::clicked, this, &TToolsForm::MatchTimeCalcBtnClick);
    connect(MatchTimeClearBtn, &QPushButton::clicked, this, &TToolsForm::MatchTimeClearBtnClick);
    connect(ShowMatchTimeCheckBox, &QCheckBox::clicked, this, &TToolsForm::ShowMatchTimeCheckBoxClick);
    connect(MatchSmoothingCheckBox, &QCheckBox::clicked, this, &TToolsForm::MatchSmoothingCheckBoxClick);
}

void TToolsForm::ResetMatchGrid()
{
    for (int k = 0; k < kMatchPointCount; ++k) {
        SetCell(MatchStringGrid, k, 0, QString::number(k + 1));
        SetCell(MatchStringGrid, k, 1, kMatchNames[k]);
        SetCell(MatchStringGrid, k, 2, "");
        SetCell(MatchStringGrid, k, 3, "");
    }
}

void TToolsForm::ResetMatchPoints()
{
    ResetMatchGrid();
    if (CData* data = CurrentTraceData(false)) ResetMatchSlots(*data);
}

void TToolsForm::ShowMatchPoints()
{
    if (const TViewForm* view = activeView_()) {
        ShowMatchNumbersCheckBox->setChecked(view->ShowMatchNumbers);
        MatchSmoothingCheckBox->setChecked(view->MatchSmoothing);
    }
    CData* data = CurrentTraceData(false);
    if (data) UpdateMatchCentre(*data);
    for (int k = 0; k < kMatchPointCount; ++k) {
        if (data && MatchSlotShown(data->MatchPoints[k])) {
            WriteMatchRow(k);
        } else {
            SetCell(MatchStringGrid, k, 2, "");
            SetCell(MatchStringGrid, k, 3, "");
        }
    }
}

void TToolsForm::WriteMatchRow(int slot)
{
    const MatchPoint& point = CurrentTraceData(false)->MatchPoints[slot];
    SetCell(MatchStringGrid, slot, 2, TableNumber(point.R));
    SetCell(MatchStringGrid, slot, 3, TableNumber(point.X));
}

void TToolsForm::MatchCalcBtnClick()
{
    ResetMatchPoints();
    ClearTransitions();
    CData* data = CurrentTraceData(false);
    if (!data) return;
    FindMatchPoints(*data);
    ShowMatchPoints();
    RepaintView();
}

void TToolsForm::MatchClearBtnClick()
{
    ResetMatchPoints();
    RepaintView();
}

void TToolsForm::MatchCursorBtnClick()
{
    CData* data = CurrentTraceData(false);
    const TViewForm* view = activeView_();
    double R = 0, X = 0;
    if (!data || !MatchPointAtCursor(*data, view->HorMode, view->CursorX, R, X)) return;
    SetMatchPoint(R, X);
}

void TToolsForm::SetMatchPoint(double R, double X)
{
    CData* data = CurrentTraceData(false);
    const QList<QTableWidgetSelectionRange> ranges = MatchStringGrid->selectedRanges();
    const int row = ranges.isEmpty() ? MatchStringGrid->currentRow() : ranges.front().topRow();
    // Grid rows count from the header row, which the table keeps apart.
    if (!data || !SetMatchSlot(*data, row + 1, R, X)) return;
    WriteMatchRow(row);
    ShowMatchPoints();
    RepaintView();
}

void TToolsForm::MatchAcceptBtnClick()
{
    CData* data = CurrentTraceData(false);
    if (!data || ActiveViewFilling()) return;
    MatchCells cells;
    for (int k = 0; k < 4; ++k) {
        cells.R[k] = CellText(MatchStringGrid, k, 2);
        cells.X[k] = CellText(MatchStringGrid, k, 3);
    }
    if (const auto error = AcceptMatchCells(*data, cells)) {
        ShowWarning("", *error);
        return;
    }
    ShowMatchPoints();
    RepaintView();
    activeView_()->Modified = true;
}

void TToolsForm::ShowMatchNumbersCheckBoxClick()
{
    TViewForm* view = activeView_();
    if (!view) return;
    view->ShowMatchNumbers = ShowMatchNumbersCheckBox->isChecked();
    view->MatchSmoothing = MatchSmoothingCheckBox->isChecked();
    view->FormPaint();
}

void TToolsForm::ShowMatchTimeCheckBoxClick()
{
    if (TViewForm* view = activeView_()) view->ShowMatchTime = ShowMatchTimeCheckBox->isChecked();
}

void TToolsForm::MatchSmoothingCheckBoxClick()
{
    if (TViewForm* view = activeView_()) view->MatchSmoothing = MatchSmoothingCheckBox->isChecked();
}

void TToolsForm::ResetTransitionGrid()
{
    for (int j = 0; j < kTransitionCount; ++j) {
        for (int column = 0; column < 3; ++column) SetCell(MatchTimeStringGrid, j, column, "");
    }
}

void TToolsForm::ClearTransitions()
{
    ResetTransitionGrid();
    if (CData* data = CurrentTraceData(true)) ClearTransitionSlots(*data);
}

void TToolsForm::ShowTransitions()
{
    if (const TViewForm* view = activeView_()) ShowMatchTimeCheckBox->setChecked(view->ShowMatchTime);
    // Rows of another trace's transitions must not stay behind.
    ResetTransitionGrid();
    const CData* data = CurrentTraceData(true);
    if (!data) return;
    // The slots come from the document as they were stored: only those the
    // Smith chart draws name real match points, and a second end that is
    // none shows as 0.
    for (const ShownTransition& shown : ShownTransitions(*data)) {
        const MatchTransition& tr = data->Transitions[shown.slot];
        SetCell(MatchTimeStringGrid, shown.slot, 0, QString::number(tr.from + 1));
        SetCell(MatchTimeStringGrid, shown.slot, 1, QString::number(shown.bothEnds ? tr.to + 1 : 0));
        SetCell(MatchTimeStringGrid, shown.slot, 2, TableNumber(tr.t));
    }
}

void TToolsForm::MatchTimeCalcBtnClick()
{
    ClearTransitions();
    const TViewForm* view = activeView_();
    CData* data = CurrentTraceData(true);
    if (!view || !data) return;
    FindTransitions(*data, view->Z0Re, view->Z0Im, TextToDouble(MatchTimeGammaEdit->text().toStdString()));
    ShowTransitions();
    RepaintView();
}

void TToolsForm::MatchTimeClearBtnClick()
{
    ClearTransitions();
    RepaintView();
}
