#include "app/picture/PictureSaveDialog.h"

#include "app/picture/PicturePane.h"
#include "view/DialogFrame.h"

#include <QDir>
#include <QFileInfo>
#include <QSplitter>
#include <QStandardPaths>

namespace {

// Room for the file list and a preview that shows something.
constexpr QSize kOpeningSize(900, 560);

} // namespace

PictureSaveDialog::PictureSaveDialog(QWidget* parent, const QString& filter, const QString& suffix, const QString& folder)
    : QFileDialog(parent, QString(), folder, filter), Preview(new PicturePane(this))
{
    setObjectName("PictureSaveDialog");
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(suffix);
    // Qt's dialog splits the places from the file list; the pane is a third
    // part of that split, so the user may widen it, and it takes a share of
    // any width the dialog gains.
    auto* split = findChild<QSplitter*>();
    split->addWidget(Preview);
    const int pane = split->indexOf(Preview);
    split->setCollapsible(pane, false);
    split->setStretchFactor(pane - 1, 2);
    split->setStretchFactor(pane, 1);
    connect(this, &QFileDialog::currentChanged, Preview, &PicturePane::ShowFile);
    connect(this, &QFileDialog::directoryEntered, Preview, [this] { Preview->ShowFile({}); });
    resize(sizeHint().expandedTo(kOpeningSize));
    SetDialogFrame(*this);
}

QString PictureStartFolder(const std::string& lastFolder)
{
    const QString last = QString::fromStdString(lastFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
    return QDir::homePath();
}
