#include "app/Desktop.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

DesktopArea VirtualDesktop()
{
    QRect united;
    for (const QScreen* screen : QGuiApplication::screens()) united = united.united(screen->geometry());
    return {united.left(), united.top(), united.width(), united.height()};
}

PixelLimits DrawLimitsForDesktop(const DesktopArea& desktop)
{
    return {desktop.Top - desktop.Height, desktop.Top + 2 * desktop.Height, desktop.Left - desktop.Width,
            desktop.Left + 2 * desktop.Width};
}
