#include "app/SettingsFolder.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

std::string SettingsFolder(const std::string& programFolder)
{
    if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK) == 0) return programFolder;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).absolutePath().toStdString() + "/";
}
