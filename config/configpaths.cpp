#include "configpaths.h"

#include "targetpath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace apt {

QString ConfigPaths::programFolder()
{
    return GetTargetPath();
}

QString ConfigPaths::userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/');
}

QString ConfigPaths::readPath(const QString &strName)
{
    const QString userCopy = userFolder() + strName;
    if (QFileInfo(userCopy).isFile())
        return userCopy;
    return programFolder() + strName;
}

QString ConfigPaths::writePath(const QString &strName)
{
    const QString folder = userFolder();
    QDir().mkpath(folder);
    return folder + strName;
}

} // namespace apt
