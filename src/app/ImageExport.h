#pragma once

#include "model/WriteResult.h"

#include <string>

class QImage;
class QWidget;

// The image commands' modes, equal to the Tag of each command.
enum ImageExportMode { kImageClipboard = 0, kImageBmp = 1, kImageJpeg = 2, kImagePng = 3 };

// Where the image export asks for the name of the file to write.
class CImageFileChooser {
public:
    // The file to write the image of `mode` (1 to 3) to, after any question
    // about overwriting it; empty when the user cancelled.
    virtual std::string ChooseImageFile(int mode) = 0;

protected:
    ~CImageFileChooser() = default;
};

// The program's picture save dialogs, one per format, each opened with an
// empty file name in the folder of the last export (lastFolder, which the
// three share and which a choice updates). A name typed without an
// extension gets the format's one, and the question about overwriting is
// asked for the name that will be written.
class ImageSaveDialogs final : public CImageFileChooser {
public:
    ImageSaveDialogs(QWidget* parent, std::string& lastFolder) : parent_(parent), lastFolder_(lastFolder) {}
    std::string ChooseImageFile(int mode) override;

private:
    QWidget* parent_;
    std::string& lastFolder_;
};

// Sends a rendered chart to the clipboard (mode 0, followed by a note that it
// is there) or into a BMP, JPEG or PNG file (modes 1 to 3) chosen through the
// chooser; other modes do nothing. A cancelled choice writes nothing and says
// nothing. The file is replaced in one piece or not at all; a failure is
// reported with the file's name and the reason, and a picture without pixels
// (a chart without area) is refused with a warning.
void ExportImage(int mode, const QImage& bitmap, CImageFileChooser& chooser);

// The bytes of the file format of mode 1 to 3 written to fileName; the
// reason when the image could not be encoded or the file written.
WriteResult WriteImageFile(int mode, const QImage& bitmap, const std::string& fileName);
