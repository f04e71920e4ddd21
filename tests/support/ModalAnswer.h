#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

// A modal box waits in its own event loop: queue the press of one of its
// buttons so that it happens as soon as the box is up.
inline void PressWhenShown(QMessageBox::StandardButton button)
{
    QMetaObject::invokeMethod(
        qApp,
        [button] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) box->button(button)->click();
            }
        },
        Qt::QueuedConnection);
}
