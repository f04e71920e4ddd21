#include "view/ProgramIcons.h"

#include <QFile>
#include <QString>

QIcon ProgramIcon() { return CommandIcon("ombrelix"); }

QIcon CommandIcon(std::string_view name)
{
    const QString path = QString(":/icons/%1.svg").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!QFile::exists(path)) return {};
    return QIcon(path);
}
