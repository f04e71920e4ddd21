#pragma once

#include "model/Color.h"
#include "view/document/PixelTypes.h"

#include <QStyledItemDelegate>

#include <string>

class CCanvas;
class QListWidget;

// List items that show a colour: the colour list of the preferences and the
// trace list of the control window. An item carries its TColor in
// kColorItemRole; the value kHatchedColor stands for "no colour of its own"
// and is shown as a white, hatched swatch.
constexpr int kColorItemRole = Qt::UserRole;
constexpr TColor kHatchedColor = 0x0FFFFFFF;

// One item in the rectangle: filled with the canvas's brush (the caller sets
// it for the item's selected state), a swatch of the colour at the left with
// a black and a white outline, and the text beside it in the canvas font.
void DrawColorItem(CCanvas& canvas, const TRect& item, const std::string& text, TColor color);

// Draws the items of a list with DrawColorItem.
class ColorItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The colour dialog for the selected item of the list; on confirmation the
// item takes the chosen colour and the list is repainted. False when
// cancelled or when no item is selected.
bool ChooseItemColor(QListWidget& list);

// The colour dialog for one colour; on confirmation the colour takes the
// choice (-1, "no colour", becomes black) and the dialog's custom colours
// are kept in the settings. False when cancelled.
bool ChooseColor(TColor& color);
