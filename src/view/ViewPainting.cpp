// The document window's pictures: the off-screen painting of the chart, the
// image export, and what a run or a replay draws between two repaints.

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartDrawing.h"
#include "view/chart/ChartIncrements.h"
#include "view/ChartPaintBox.h"
#include "view/canvas/ColorConversion.h"
#include "view/DataGridModel.h"
#include "view/View.h"

#include <QFrame>
#include <QPainter>
#include <QSplitter>
#include <QTableView>

#include <array>
#include <exception>

void TViewForm::TableSplitterMoved()
{
    if (!TablePanel->isHidden()) TableHeight = TableSplitter->sizes().value(1, TableHeight);
    ArrangeControls();
    FormPaint();
}

void TViewForm::FormPaint()
{
    if (GraphKind == kGraphData) return;
    QPalette background = PaintBox->palette();
    background.setColor(QPalette::Window, ToQColor(SchemeColor(kColorBackground)));
    PaintBox->setPalette(background);

    const TRect rect = PaintBoxRect();
    QImage bitmap;
    if (rect.Width() > 0 && rect.Height() > 0) {
        bitmap = QImage(rect.Width(), rect.Height(), QImage::Format_RGB32);
        // Without memory for a bitmap the last picture stays.
        if (bitmap.isNull()) return;
        try {
            CCanvas canvas(bitmap);
            DrawChart(canvas, rect);
        } catch (const std::exception&) {
            // A failing computation ends the drawing; what was drawn is shown.
        }
    }
    PaintBox->ShowBitmap(bitmap);
    RedrawDragFigure();
}

void TViewForm::DrawChart(CCanvas& canvas, const TRect& rect)
{
    DrawChartContent(*this, canvas, rect);
    if (!TableVisible || GraphKind == kGraphData) return;
    if (GraphKind == kGraphSmith) {
        // The track bar follows the cursor; its change must neither snap
        // CursorX to a track-bar step nor draw markers into the old picture.
        TrackBarGuard = true;
        SetTrackBarFrequency(CursorX);
        TrackBarGuard = false;
    }
    UpdateTableValues();
}

void TViewForm::RenderToBitmap(QImage& bitmap)
{
    const TRect rect = PaintBoxRect();
    const int tableHeight = TableVisible ? TableGrid->height() : 0;
    bitmap = QImage(rect.Width(), rect.Height() + tableHeight, QImage::Format_RGB32);
    if (bitmap.isNull()) return;
    bitmap.fill(Qt::white);
    try {
        CCanvas canvas(bitmap);
        DrawChart(canvas, rect);
    } catch (const std::exception&) {
        // As on the screen: what was drawn is kept.
    }
    if (TableVisible) {
        QPainter painter(&bitmap);
        TableGrid->render(&painter, QPoint(0, rect.Height()));
    }
    CCanvas canvas(bitmap);
    canvas.SetPen({0, 1, PenStyle::Solid, PenMode::Copy});
    const int right = bitmap.width() - 1;
    const int bottom = bitmap.height() - 1;
    const std::array<TPoint, 5> frame = {{{0, 0}, {right, 0}, {right, bottom}, {0, bottom}, {0, 0}}};
    canvas.Polyline(frame);
}

void TViewForm::DrawRunIncrement()
{
    const int count = Traces.Count();
    if (count == 0 || !Traces.Get(count - 1)->Selected) return;
    QImage& bitmap = PaintBox->Bitmap();
    if (!bitmap.isNull()) {
        CCanvas canvas(bitmap);
        runPace_.Drawn(DrawRunSegments(*this, canvas, PaintBoxRect()));
    }
    if (runPace_.Due(RunScreenPace::Clock::now())) ShowRunIncrements();
}

void TViewForm::ShowRunIncrements()
{
    const int count = Traces.Count();
    if (count == 0 || !Traces.Get(count - 1)->Selected) return;
    CTrace* trace = Traces.Get(count - 1);
    DataGrid->Grow(trace, trace->Data.Count());
    const TRect area = runPace_.TakeArea();
    if (area.Width() > 0 && area.Height() > 0) PaintBox->update(area.left, area.top, area.Width(), area.Height());
}

void TViewForm::DrawReplayMarkers(CTrace* replayed, int index)
{
    QImage& bitmap = PaintBox->Bitmap();
    if (bitmap.isNull()) return;
    {
        CCanvas canvas(bitmap);
        DrawReplaySegments(*this, replayed, index, canvas, PaintBoxRect());
    }
    PaintBox->update();
}
