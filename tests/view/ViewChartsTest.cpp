// The document window around its charts, headless: the point list, the
// cursor table, the run increment, the image export, the space bar and the
// wheel.

#include "CanvasTestSupport.h"
#include "ChartTestTraces.h"
#include "RecordingMessageSink.h"
#include "RecordingViewHost.h"
#include "SettingsSnapshot.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/ChartPaintBox.h"
#include "view/CursorTable.h"
#include "view/chart/CurveScale.h"
#include "view/DataGridModel.h"
#include "view/canvas/DrawLimits.h"
#include "view/ReplayLimit.h"
#include "view/View.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartIncrements.h"
#include "view/chart/RunScreenPace.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

QStringList Header(const QAbstractItemModel& model)
{
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c) header << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return header;
}

QString Cell(const QAbstractItemModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

class ViewCharts : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        Settings.CurrentScheme = kSchemeWhite;
        view_ = std::make_unique<TViewForm>(host_);
    }

    void ShowChart(int kind)
    {
        view_->show();
        view_->GraphTabSet->setCurrentIndex(kind);
        QApplication::processEvents();
    }

    const QAbstractItemModel& Grid() const { return *view_->DataStringGrid->model(); }
    const QAbstractItemModel& Table() const { return *view_->TableGrid->model(); }

    SettingsSnapshot snapshot_;
    ScopedMessageRecorder boxes_;
    RecordingViewHost host_;
    std::unique_ptr<TViewForm> view_;
};

TEST_F(ViewCharts, ThePointListSaysWhyItIsEmpty)
{
    view_->FillDataGrid();
    EXPECT_EQ(view_->DataInfoPanel->text(), "No trace selected");
    EXPECT_FALSE(view_->DataInfoPanel->isHidden());
    EXPECT_EQ(Header(Grid()), (QStringList{"N", "f(MHz)", "R", "X"}));
    EXPECT_EQ(Grid().rowCount(), 1);
    EXPECT_EQ(Cell(Grid(), 0, 0), "");

    AddTrace(*view_, Sweep(3));
    AddTrace(*view_, Sweep(3));
    view_->FillDataGrid();
    EXPECT_EQ(view_->DataInfoPanel->text(), "More than 1 trace selected");

    view_->Traces.Get(1)->Selected = false;
    view_->FillDataGrid();
    EXPECT_EQ(view_->DataInfoPanel->text(), "");
    EXPECT_TRUE(view_->DataInfoPanel->isHidden());
    EXPECT_EQ(Grid().rowCount(), 3);
}

TEST_F(ViewCharts, ThePointListHasTheColumnsOfTheTracesFlags)
{
    CTrace& trace = AddTrace(*view_, {{12.5, 50, -7.25, 0.004, 1.5, 0.25, 30}});
    Settings.TableDataDigits = 4;
    view_->FillDataGrid();
    EXPECT_EQ(Header(Grid()), (QStringList{"N", "f(MHz)", "R", "X", "t(s)", "V", "I", "Phase"}));
    EXPECT_EQ(Cell(Grid(), 0, 0), "1");
    EXPECT_EQ(Cell(Grid(), 0, 1).toStdString(), FormatEng(4, 12.5));
    EXPECT_EQ(Cell(Grid(), 0, 3).toStdString(), FormatEng(4, -7.25));
    EXPECT_EQ(Cell(Grid(), 0, 4), "0.00");
    EXPECT_EQ(Cell(Grid(), 0, 7).toStdString(), FormatEng(4, 30));

    trace.Vip = false;
    view_->FillDataGrid();
    EXPECT_EQ(Header(Grid()), (QStringList{"N", "f(MHz)", "R", "X", "t(s)"}));
    trace.Time = false;
    trace.Vip = true;
    view_->FillDataGrid();
    EXPECT_EQ(Header(Grid()), (QStringList{"N", "f(MHz)", "R", "X", "V", "I", "Phase"}));

    view_->OffsetUse = true; // R and X as displayed
    view_->OffsetR = 10;
    EXPECT_EQ(Cell(Grid(), 0, 2).toStdString(), FormatEng(4, 40));
}

TEST_F(ViewCharts, AMillionPointsAreListedAtOnceAndOnlyUpToAReplayPosition)
{
    AddTrace(*view_, Sweep(1'000'000));
    view_->FillDataGrid();
    EXPECT_EQ(Grid().rowCount(), 1'000'000);
    EXPECT_EQ(Cell(Grid(), 999'999, 0), "1000000");

    InstallReplaySampleLimit([](const CTrace&) { return 10; });
    view_->FillDataGrid();
    InstallReplaySampleLimit({});
    EXPECT_EQ(Grid().rowCount(), 10);
}

TEST_F(ViewCharts, ARunIncrementAddsOneRowAndTheNewestSegment)
{
    view_->ShowDataPoints = false;
    view_->HorLeft[kHorF] = 0;
    view_->HorRight[kHorF] = 100;
    CTrace& trace = AddTrace(*view_, {{10, 20, 0, 0, 0, 0, 0}, {30, 40, 0, 0, 0, 0, 0}});
    view_->FillDataGrid();
    ShowChart(kGraphRX);
    const QImage before = view_->PaintBox->Bitmap().copy();
    std::vector<std::pair<int, int>> inserted;
    QObject::connect(&Grid(), &QAbstractItemModel::rowsInserted,
                     [&inserted](const QModelIndex&, int first, int last) { inserted.emplace_back(first, last); });

    trace.Data.Append(60, -30, 50);
    view_->DrawRunIncrement();
    EXPECT_EQ(inserted, (std::vector<std::pair<int, int>>{{2, 2}}));
    EXPECT_EQ(Cell(Grid(), 2, 2).toStdString(), FormatEng(Settings.TableDataDigits, -30));

    // Every changed pixel lies on the segment of R or of X from the second
    // point to the third.
    std::vector<std::pair<TPoint, TPoint>> segments;
    const TRect chart = view_->PaintBoxRect();
    for (const auto& [curve, from, to] : {std::tuple{0, 40.0, -30.0}, std::tuple{1, 0.0, 50.0}}) {
        const std::optional<CurveScale> scale = CurveScale::For(*view_, curve, chart, view_->RowHeight);
        ASSERT_TRUE(scale);
        segments.emplace_back(*PixelPoint(scale->Column(30), scale->Row(from)),
                              *PixelPoint(scale->Column(60), scale->Row(to)));
    }
    const auto onASegment = [&segments](int x, int y) {
        for (const auto& [a, b] : segments) {
            const double length = double(b.x - a.x) * (b.x - a.x) + double(b.y - a.y) * (b.y - a.y);
            const double t = std::clamp(((x - a.x) * double(b.x - a.x) + (y - a.y) * double(b.y - a.y)) / length, 0.0, 1.0);
            const double dx = a.x + t * (b.x - a.x) - x;
            const double dy = a.y + t * (b.y - a.y) - y;
            if (dx * dx + dy * dy <= 1) return true;
        }
        return false;
    };
    const QImage& after = view_->PaintBox->Bitmap();
    int changed = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y)) continue;
            ++changed;
            EXPECT_TRUE(onASegment(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 200);
}

TEST_F(ViewCharts, ARunsRowsReachTheListInBatchesAndAllOfThemAtTheEnd)
{
    CTrace& trace = AddTrace(*view_, Sweep(3));
    view_->FillDataGrid();
    ShowChart(kGraphData);
    int inserted = 0;
    QObject::connect(&Grid(), &QAbstractItemModel::rowsInserted,
                     [&inserted](const QModelIndex&, int first, int last) { inserted += last - first + 1; });
    for (const PointRecord& p : Noise(400, 5)) {
        trace.Data.Append(p.f + 100, p.R, p.X, p.t);
        view_->DrawRunIncrement();
    }
    view_->ShowRunIncrements();
    EXPECT_EQ(inserted, 400);
    ASSERT_EQ(Grid().rowCount(), 403);
    QStringList grown;
    for (int row = 0; row < 403; ++row) grown << Cell(Grid(), row, 0) + Cell(Grid(), row, 1) + Cell(Grid(), row, 2);
    view_->FillDataGrid(); // the list filled at once, as after the run
    ASSERT_EQ(Grid().rowCount(), 403);
    for (int row = 0; row < 403; ++row) {
        ASSERT_EQ(grown[row], Cell(Grid(), row, 0) + Cell(Grid(), row, 1) + Cell(Grid(), row, 2)) << row;
    }
}

// Every pixel a run's segment changes lies in the area it reports, so that
// showing that area shows the whole change.
TEST_F(ViewCharts, ARunSegmentReportsEveryPixelItChanged)
{
    view_->HorLeft[kHorF] = 0;
    view_->HorRight[kHorF] = 110;
    CTrace& trace = AddTrace(*view_, Noise(20, 8));
    trace.Vip = true;
    for (const int kind : {kGraphRX, kGraphSmith, kGraphVip}) {
        for (const int width : {1, 3}) {
            for (const bool symbols : {false, true}) {
                Settings.LineWidth = width;
                view_->ShowDataPoints = symbols;
                ShowChart(kind);
                view_->FormPaint();
                const std::vector<PointRecord> more = Noise(30, static_cast<unsigned>(kind * 7 + width), 300);
                for (const PointRecord& p : more) {
                    trace.Data.Append(p.f + 5, p.R, p.X, p.t, p.V, p.I, p.phase);
                    QImage& bitmap = view_->PaintBox->Bitmap();
                    const QImage before = bitmap.copy();
                    TRect area;
                    {
                        CCanvas canvas(bitmap);
                        area = DrawRunSegments(*view_, canvas, view_->PaintBoxRect());
                    }
                    int outside = 0;
                    for (int y = 0; y < bitmap.height(); ++y) {
                        for (int x = 0; x < bitmap.width(); ++x) {
                            const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                            outside += !inside && bitmap.pixel(x, y) != before.pixel(x, y);
                        }
                    }
                    ASSERT_EQ(outside, 0) << ChartKindNames[kind] << " width " << width << (symbols ? " symbols" : "");
                }
            }
        }
    }
}

TEST(RunScreenPace, GathersTheDrawnAreaAndIsDueOncePerInterval)
{
    RunScreenPace pace;
    const RunScreenPace::Clock::time_point start{};
    EXPECT_TRUE(pace.Due(start)) << "the first point is shown at once";
    EXPECT_EQ(pace.TakeArea(), TRect{});
    pace.Drawn({10, 20, 30, 40});
    pace.Drawn({});
    pace.Drawn({5, 25, 12, 50});
    EXPECT_FALSE(pace.Due(start + RunScreenPace::kInterval / 2));
    EXPECT_TRUE(pace.Due(start + RunScreenPace::kInterval));
    EXPECT_EQ(pace.TakeArea(), (TRect{5, 20, 30, 50}));
    EXPECT_EQ(pace.TakeArea(), TRect{});
    EXPECT_FALSE(pace.Due(start + RunScreenPace::kInterval * 3 / 2)) << "a due moment starts the next interval";
}

TEST_F(ViewCharts, ARunIntoAnUnselectedTraceDrawsNothing)
{
    CTrace& trace = AddTrace(*view_, Sweep(5));
    trace.Selected = false;
    view_->FillDataGrid();
    ShowChart(kGraphRX);
    const QImage before = view_->PaintBox->Bitmap().copy();
    trace.Data.Append(90, 10, 10);
    view_->DrawRunIncrement();
    EXPECT_EQ(view_->PaintBox->Bitmap(), before);
    EXPECT_EQ(Grid().rowCount(), 1);
}

TEST_F(ViewCharts, TheCursorTableShowsEachTracesValuesAtTheCursor)
{
    view_->TableVisible = true;
    AddTrace(*view_, {{10, 20, 0, 0, 0, 0, 0}, {30, 40, 10, 0, 0, 0, 0}}, "near");
    AddTrace(*view_, {{80, 20, 0, 0, 0, 0, 0}, {90, 40, 10, 0, 0, 0, 0}}, "far").Selected = false;
    view_->CursorX = 20;
    view_->UpdateTableRows();
    view_->UpdateTableValues();
    EXPECT_EQ(Table().rowCount(), 2);
    EXPECT_EQ(Header(Table()), (QStringList{QString::fromStdString(FormatEng(6, 20)), "R", "X"}));
    EXPECT_EQ(Cell(Table(), 0, 0), "near");
    EXPECT_EQ(Cell(Table(), 0, 1).toStdString(), FormatEng(Settings.TableDataDigits, 30));
    EXPECT_EQ(Cell(Table(), 0, 2).toStdString(), FormatEng(Settings.TableDataDigits, 5));
    EXPECT_EQ(Cell(Table(), 1, 0), "far"); // the cursor lies before its points
    EXPECT_EQ(Cell(Table(), 1, 1), "");
    EXPECT_EQ(Table().data(Table().index(0, 1), Qt::BackgroundRole).value<QColor>(), QColor(221, 238, 255));
    EXPECT_EQ(Table().data(Table().index(1, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));

    view_->Traces.Clear();
    view_->UpdateTableRows(); // one empty row without traces
    EXPECT_EQ(Table().rowCount(), 1);
    EXPECT_EQ(Cell(Table(), 0, 0), "");
}

TEST_F(ViewCharts, TheExportedImageHoldsTheChartAndTheTableInAFrame)
{
    view_->TableVisible = true;
    ShowChart(kGraphRX);
    view_->ArrangeControls();
    QApplication::processEvents();
    QImage image;
    view_->RenderToBitmap(image);
    EXPECT_EQ(image.width(), view_->PaintBox->width());
    EXPECT_EQ(image.height(), view_->PaintBox->height() + view_->TableGrid->height());
    for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                                QPoint(image.width() - 1, image.height() - 1), QPoint(image.width() / 2, 0)}) {
        EXPECT_EQ(image.pixel(corner), qRgb(0, 0, 0));
    }
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255)); // the chart's white background inside the frame

    view_->TableVisible = false;
    view_->RenderToBitmap(image);
    EXPECT_EQ(image.height(), view_->PaintBox->height());
}

TEST_F(ViewCharts, TheSpaceBarSwitchesTheMouseToolOnCharts)
{
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(view_.get(), &space);
    EXPECT_EQ(view_->HandTool, 0); // "Data" has no mouse tool
    ShowChart(kGraphRX);
    QApplication::sendEvent(view_->TableGrid, &space);
    EXPECT_EQ(view_->HandTool, 1);
    QApplication::sendEvent(view_.get(), &space);
    EXPECT_EQ(view_->HandTool, 0);
    // The Smith chart's track bar takes the focus at a press on the chart;
    // it leaves the space bar to the window, which switches the tool once.
    ShowChart(kGraphSmith);
    QApplication::sendEvent(view_->SmithTrackBar, &space);
    EXPECT_EQ(view_->HandTool, 1);
    view_->SetTool(0);

    EXPECT_TRUE(view_->SetTool(-1));
    EXPECT_EQ(view_->HandTool, 1);
    view_->SetTool(0);
    EXPECT_EQ(view_->HandTool, 0);
}

TEST_F(ViewCharts, TheWheelOverTheChartZoomsAndShowsTheNewScales)
{
    ShowChart(kGraphRX);
    // A wheel turned over the chart reaches the window when the chart leaves
    // it; an event the test makes goes straight to its receiver.
    const QPointF middle = view_->PaintBox->mapTo(view_.get(), QPointF(view_->PaintBox->width() / 2.0, 100));
    QWheelEvent wheel(middle, view_->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view_.get(), &wheel);
    EXPECT_TRUE(wheel.isAccepted());
    EXPECT_NEAR(view_->HorLeft[kHorF], 1 + 0.2 * 49.5, 0.2);
    EXPECT_EQ(view_->ScaleUndoCount, 1);
    EXPECT_EQ(host_.screenValueRefreshes, 1);
}

TEST_F(ViewCharts, TheCursorTableKeepsStillUnderTheWheelUntilARowIsChosen)
{
    view_->TableVisible = true;
    for (int i = 0; i < 40; ++i) AddTrace(*view_, Sweep(2));
    ShowChart(kGraphRX);
    view_->ArrangeControls();
    view_->UpdateTableRows();
    QApplication::processEvents();
    QWidget* viewport = view_->TableGrid->viewport();
    const QPointF inside(10, 10);
    QWheelEvent wheel(inside, viewport->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(view_->TableGrid->verticalScrollBar()->value(), 0);

    view_->TableGrid->selectRow(0);
    QWheelEvent again(inside, viewport->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &again);
    EXPECT_GT(view_->TableGrid->verticalScrollBar()->value(), 0);
}

} // namespace

namespace {

TEST_F(ViewCharts, TheSmithTrackBarMovesTheCursorButARepaintLeavesTheCursorAlone)
{
    AddTrace(*view_, Sweep(100));
    view_->TableVisible = true;
    ShowChart(kGraphSmith);
    view_->ArrangeControls();
    view_->CursorX = 37.123456789;
    view_->FormPaint();
    EXPECT_EQ(view_->CursorX, 37.123456789);
    const int position = view_->SmithTrackBar->value();
    EXPECT_NEAR(position, (37.123456789 - 1) / (1 + 99 * 0.99 - 1) * 10000, 1);

    const QImage before = view_->PaintBox->Bitmap().copy();
    view_->SmithTrackBar->setValue(10000);
    EXPECT_DOUBLE_EQ(view_->CursorX, 1 + 99 * 0.99);
    EXPECT_NE(view_->PaintBox->Bitmap(), before); // the markers moved
    EXPECT_EQ(Header(Table())[0].toStdString(), FormatEng(6, view_->CursorX));
    view_->SmithTrackBar->setValue(position);
    EXPECT_NEAR(view_->CursorX, 37.123456789, 0.01);
    EXPECT_EQ(view_->PaintBox->Bitmap(), before); // back where they were drawn

    view_->TrackBarGuard = true;
    view_->SmithTrackBar->setValue(0);
    EXPECT_NEAR(view_->CursorX, 37.123456789, 0.01);
}

} // namespace
