#include "view/TabSheet.h"

#include <QTabWidget>

QWidget* AddTabSheet(QTabWidget* pages, const char* name, const char* caption)
{
    auto* sheet = new QWidget(pages);
    sheet->setObjectName(name);
    pages->addTab(sheet, caption);
    return sheet;
}
