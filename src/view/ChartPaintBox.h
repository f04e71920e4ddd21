#pragma once

#include <QImage>
#include <QWidget>

// The chart surface of a document window. The chart is painted into an
// off-screen bitmap, which this widget only copies to the screen; figures
// that move without a repaint are drawn into the same bitmap.
class ChartPaintBox final : public QWidget {
    Q_OBJECT

public:
    explicit ChartPaintBox(QWidget* parent = nullptr);

    QImage& Bitmap() { return bitmap_; }
    // Takes a freshly painted bitmap in place of the current one and shows it.
    void ShowBitmap(QImage& fresh);

signals:
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage bitmap_;
};
