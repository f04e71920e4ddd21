#include "view/ColorItems.h"

#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ColorConversion.h"
#include "view/ColorDialog.h"
#include "view/canvas/DrawingHelpers.h"

#include <QFontInfo>
#include <QImage>
#include <QListWidget>
#include <QPainter>

#include <array>

namespace {

constexpr TColor kBlack = 0;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kNoColor = 0xFFFFFFFF;

void Hatch(CCanvas& canvas, const TRect& item)
{
    const int x0 = item.left + 2;
    const int y0 = item.top + 1;
    const int h = item.bottom - item.top - 3;
    const std::array<std::array<TPoint, 2>, 4> lines = {{
        {{{x0, y0 + h - 5}, {x0 + h - 5, y0}}},
        {{{x0 + 3, y0 + h}, {x0 + h + 3, y0}}},
        {{{x0 + 11, y0 + h}, {x0 + h + 11, y0}}},
        {{{x0 + 19, y0 + h}, {x0 + 24, y0 + h - 5}}},
    }};
    for (const auto& line : lines) {
        canvas.MoveTo(line[0].x, line[0].y);
        canvas.LineTo(line[1].x, line[1].y);
    }
}

} // namespace

void DrawColorItem(CCanvas& canvas, const TRect& item, const std::string& text, TColor color)
{
    canvas.FillRect(item);
    const TRect swatch{item.left + 2, item.top + 2, item.left + 25, item.bottom - 2};
    canvas.TextOut(swatch.right + 5, item.top + 1, text);

    const CanvasStateGuard keep(canvas);
    canvas.SetPen({kBlack, 1, PenStyle::Solid, PenMode::Copy});
    if (color == kHatchedColor) {
        canvas.SetBrushColor(kWhite);
        canvas.FillRect(swatch);
        Hatch(canvas, item);
    } else {
        canvas.SetBrushColor(color);
        canvas.FillRect(swatch);
    }
    canvas.SetPenColor(kBlack);
    DrawFrame(canvas, {swatch.left - 1, swatch.top - 1, swatch.right, swatch.bottom});
    canvas.SetPenColor(kWhite);
    DrawFrame(canvas, {swatch.left - 2, swatch.top - 2, swatch.right + 1, swatch.bottom + 1});
}

void ColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (option.rect.isEmpty()) return;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    QImage image(option.rect.size(), QImage::Format_RGB32);
    {
        CCanvas canvas(image);
        canvas.SetBrushColor(FromQColor(option.palette.color(selected ? QPalette::Highlight : QPalette::Base)));
        CFont font;
        font.Name = option.font.family().toStdString();
        font.Height = QFontInfo(option.font).pixelSize();
        font.Bold = option.font.bold();
        font.Italic = option.font.italic();
        font.Color = FromQColor(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        canvas.SetFont(font);
        DrawColorItem(canvas, {0, 0, image.width(), image.height()}, index.data(Qt::DisplayRole).toString().toStdString(),
                      index.data(kColorItemRole).toUInt());
    }
    painter->drawImage(option.rect.topLeft(), image);
}

bool ChooseItemColor(QListWidget& list)
{
    QListWidgetItem* item = list.currentItem();
    if (!item) return false;
    TColor color = item->data(kColorItemRole).toUInt();
    if (!ChooseColor(color)) return false;
    item->setData(kColorItemRole, color);
    list.viewport()->update();
    return true;
}

bool ChooseColor(TColor& color)
{
    const std::optional<ColorDialogChoice> choice = RunColorDialog(color, Settings.CustomColors);
    if (!choice) return false;
    color = choice->Color == kNoColor ? kBlack : choice->Color;
    Settings.CustomColors = choice->CustomColors;
    return true;
}
