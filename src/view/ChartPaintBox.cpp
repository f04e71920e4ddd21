#include "view/ChartPaintBox.h"

#include <QPainter>

ChartPaintBox::ChartPaintBox(QWidget* parent) : QWidget(parent) {}

void ChartPaintBox::ShowBitmap(QImage& fresh)
{
    bitmap_.swap(fresh);
    update();
}

void ChartPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap_);
}

void ChartPaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}
