#pragma once

#include "model/Color.h"

#include <QColor>

// TColor keeps red in its lowest byte, Qt in the third.
inline QRgb ToRgb(TColor color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }
inline QColor ToQColor(TColor color) { return QColor(ToRgb(color)); }
inline TColor FromQColor(const QColor& color)
{
    return RGBColor(static_cast<unsigned>(color.red()), static_cast<unsigned>(color.green()),
                    static_cast<unsigned>(color.blue()));
}
