#include "view/DialogFrame.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Holds a dialog at the size it is shown with, so that the window manager
// offers no resizing and no maximise box, and releases it on hiding so that
// the next showing may come with another size.
class FixedSizeWhileShown final : public QObject {
public:
    explicit FixedSizeWhileShown(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &dialog_) return false;
        if (event->type() == QEvent::Show) Fix();
        else if (event->type() == QEvent::Hide) Release();
        return false;
    }

private:
    void Fix()
    {
        minimum_ = dialog_.minimumSize();
        maximum_ = dialog_.maximumSize();
        dialog_.setFixedSize(dialog_.size());
    }

    void Release()
    {
        dialog_.setMinimumSize(minimum_);
        dialog_.setMaximumSize(maximum_);
    }

    QDialog& dialog_;
    QSize minimum_;
    QSize maximum_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
};

bool IsModalWindow(const QWidget& widget) { return widget.isWindow() && widget.isModal(); }

bool StaysOnTopAsToolWindow(const QWidget& widget)
{
    return widget.windowType() == Qt::Tool && widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool AnyModalWindowShown()
{
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && IsModalWindow(*widget)) return true;
    }
    return false;
}

// Only the native window loses the hint: the widget keeps it, so that it
// can be given back as it was.
void SetToolWindowsOnTop(bool onTop)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QWindow* window = widget->windowHandle();
        if (!window || !StaysOnTopAsToolWindow(*widget)) continue;
        window->setFlags(onTop ? widget->windowFlags() : widget->windowFlags() & ~Qt::WindowStaysOnTopHint);
    }
}

// A widget gets its show event before its window is mapped and its hide
// event once it is no longer visible, so the tool windows step back before
// the dialog appears and come forward after the last one has gone.
class ModalWindowWatch final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget && IsModalWindow(*widget)) SetToolWindowsOnTop(!AnyModalWindowShown());
        return false;
    }
};

} // namespace

void SetDialogFrame(QDialog& dialog, DialogBorder border)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
    if (border != DialogBorder::FixedWithoutCloseBox) flags |= Qt::WindowCloseButtonHint;
    if (border != DialogBorder::Sizable) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
        dialog.installEventFilter(new FixedSizeWhileShown(dialog));
    }
    dialog.setWindowFlags(flags);
}

void LetToolWindowsStepBackForModalWindows()
{
    static bool installed = false;
    if (installed) return;
    qApp->installEventFilter(new ModalWindowWatch(qApp));
    installed = true;
}
