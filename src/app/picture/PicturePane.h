#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

// The preview beside the file list of the picture save dialog: the picture
// of the file pointed at, scaled to fit the pane, and its size in pixels;
// empty for anything that is not a picture. The picture follows the pane's
// size, redrawn once the resizing pauses.
class PicturePane final : public QWidget {
    Q_OBJECT

public:
    explicit PicturePane(QWidget* parent);

    void ShowFile(const QString& path);

    QLabel* Picture;
    QLabel* PixelSize; // "640 x 480 pixels"

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refresh();

    QString path_;
    QTimer resized_;
};
