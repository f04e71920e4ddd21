// The document window's grids: the point list of "Data" and the cursor table
// under the charts, with the Smith chart's track bar that moves the cursor.

#include "model/Settings.h"
#include "view/ChartPaintBox.h"
#include "view/CursorTable.h"
#include "view/DataGridModel.h"
#include "view/ReplayLimit.h"
#include "view/ScaleCommands.h"
#include "view/TrackBarPosition.h"
#include "view/View.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartFigures.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QTableView>

#include <algorithm>
#include <cstdlib>

namespace {

// The pixel height of a font of `size` points on a screen of 96 dots per
// inch, as the settings' fonts are made.
int FontPixelHeight(int size) { return (std::abs(size) * 96 + 36) / 72; }

QFont TableQFont()
{
    QFont font(QString::fromStdString(Settings.TableFont.Name));
    font.setPixelSize(std::max(1, FontPixelHeight(Settings.TableFont.Size)));
    font.setBold(Settings.TableFont.Bold);
    font.setItalic(Settings.TableFont.Italic);
    return font;
}

// Wide enough for the widest number the tables write with `digits`
// significant digits, in the font the table draws with.
int NumberColumnWidth(const QFontMetrics& metrics, int digits)
{
    constexpr int kCellMargins = 10;
    return metrics.horizontalAdvance("-" + QString(std::max(1, digits), '8') + ".e-300") + kCellMargins;
}

} // namespace

void TViewForm::FillDataGrid()
{
    bool several = false;
    CTrace* trace = Traces.GetSelected(&several);
    const bool gridShown = !DataStringGrid->isHidden();
    DataInfoPanel->clear();
    if (gridShown) DataInfoPanel->hide();
    if (!trace) {
        DataGrid->Show(nullptr, 0);
        DataInfoPanel->setText(several ? "More than 1 trace selected" : "No trace selected");
        if (gridShown) DataInfoPanel->show();
        return;
    }
    DataGrid->Show(trace, ReplaySampleLimit(*trace));
    const int width = NumberColumnWidth(DataStringGrid->fontMetrics(), Settings.TableDataDigits);
    for (int column = 1; column < DataGrid->columnCount(); ++column) DataStringGrid->setColumnWidth(column, width);
}

void TViewForm::SizeTableColumns()
{
    const int width = NumberColumnWidth(QFontMetrics(TableQFont()), Settings.TableDataDigits);
    for (int column = 1; column < CursorTable->columnCount(); ++column) TableGrid->setColumnWidth(column, width);
}

void TViewForm::UpdateTableRows()
{
    if (!TableVisible) return;
    const QFont font = TableQFont();
    TableGrid->setFont(font);
    TableGrid->horizontalHeader()->setFont(font);
    const int rowHeight = static_cast<int>(FontPixelHeight(Settings.TableFont.Size) * 1.2 + 6);
    TableGrid->verticalHeader()->setMinimumSectionSize(1);
    TableGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
    TableGrid->horizontalHeader()->setFixedHeight(rowHeight);
    CursorTable->SetRows(Traces.Count());
    TableGrid->clearSelection();
    TableGrid->setCurrentIndex({});
}

void TViewForm::UpdateTableValues() { CursorTable->Refresh(); }

void TViewForm::SetTrackBarFrequency(double value)
{
    SmithTrackBar->setValue(TrackBarPosition(*this, value, SmithTrackBar->minimum(), SmithTrackBar->maximum()));
}

void TViewForm::SmithTrackBarChange()
{
    if (TrackBarGuard || !(DrawnExtents[kExtentMinX] < DrawnExtents[kExtentMaxX])) return;
    QImage& bitmap = PaintBox->Bitmap();
    const double x = TrackBarFrequency(*this, SmithTrackBar->value(), SmithTrackBar->minimum(), SmithTrackBar->maximum());
    if (bitmap.isNull()) {
        CursorX = x;
    } else {
        CCanvas canvas(bitmap);
        // Drawn again where they are, the XOR markers vanish.
        DrawCursorMarkers(*this, canvas, false, 0);
        CursorX = x;
        DrawCursorMarkers(*this, canvas, true, CursorX);
    }
    PaintBox->update();
    UpdateTableValues();
}
