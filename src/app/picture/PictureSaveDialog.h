#pragma once

#include <QFileDialog>

#include <string>

class PicturePane;

// The save dialog of the image export: Qt's own file dialog (the system's
// cannot hold a pane of ours) with a preview of the picture file pointed at
// beside the file list. It asks before replacing a file, adds the default
// suffix to a name typed without one, is sizable, and keeps the title Qt
// gives a save dialog.
class PictureSaveDialog final : public QFileDialog {
    Q_OBJECT

public:
    // filter as "PNG Image File (*.png);;All files (*)", suffix as "png".
    PictureSaveDialog(QWidget* parent, const QString& filter, const QString& suffix, const QString& folder);

    PicturePane* Preview;
};

// The folder the dialog opens in: lastFolder (that of the last image
// export) while it exists, else the user's Pictures folder if there is one,
// else the home folder.
QString PictureStartFolder(const std::string& lastFolder);
