#include "app/picture/PicturePane.h"

#include "app/picture/PicturePreview.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int kResizePauseMs = 100;

QString PixelSizeText(QSize pixels) { return QString("%1 x %2 pixels").arg(pixels.width()).arg(pixels.height()); }

} // namespace

PicturePane::PicturePane(QWidget* parent) : QWidget(parent), Picture(new QLabel(this)), PixelSize(new QLabel(this))
{
    setObjectName("PicturePane");
    Picture->setObjectName("Picture");
    PixelSize->setObjectName("PixelSize");
    Picture->setFrameShape(QFrame::StyledPanel);
    Picture->setAlignment(Qt::AlignCenter);
    // The label neither asks for the picture's size nor keeps the pane from
    // shrinking: the picture is made to fit the label, not the other way.
    Picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Picture->setMinimumSize(200, 200);
    PixelSize->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Picture, 1);
    layout->addWidget(PixelSize);
    resized_.setSingleShot(true);
    resized_.setInterval(kResizePauseMs);
    connect(&resized_, &QTimer::timeout, this, &PicturePane::Refresh);
}

void PicturePane::ShowFile(const QString& path)
{
    path_ = path;
    Refresh();
}

void PicturePane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resized_.start();
}

void PicturePane::Refresh()
{
    const std::optional<PicturePreview> preview = PreviewPicture(path_, Picture->contentsRect().size());
    Picture->setPixmap(preview ? QPixmap::fromImage(preview->image) : QPixmap());
    PixelSize->setText(preview ? PixelSizeText(preview->pixels) : QString());
}
