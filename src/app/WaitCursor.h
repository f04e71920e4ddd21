#pragma once

#include <QApplication>
#include <QCursor>

// Shows the wait cursor while a long open, import or save runs; the cursor
// comes back however the work ends. Dialogs shown meanwhile get the normal
// arrow through ArrowCursor.
class WaitCursor {
public:
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor) { QApplication::setOverrideCursor(QCursor(shape)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

class ArrowCursor : public WaitCursor {
public:
    ArrowCursor() : WaitCursor(Qt::ArrowCursor) {}
};
