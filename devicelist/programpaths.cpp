#include "programpaths.h"

#include <QCoreApplication>
#include <QDir>

QString programDirectory()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString pathBesideProgram(const QString &name)
{
    return pathInDirectory(programDirectory(), name);
}

QString pathInDirectory(const QString &directory, const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return name;
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}
