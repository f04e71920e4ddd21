#include "view/DialogFrame.h"

#include <QDialog>

void SetDialogFrame(QDialog& dialog, DialogBorder border)
{
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;
    if (border == DialogBorder::Fixed) flags |= Qt::MSWindowsFixedSizeDialogHint;
    dialog.setWindowFlags(flags);
}
