#include "targetpath.h"

#include <QCoreApplication>

QString GetTargetPath()
{
    QString path = QCoreApplication::applicationDirPath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString GetTargetPathFile(const QString &fileName)
{
    QString name = fileName;
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return GetTargetPath() + name;
}
