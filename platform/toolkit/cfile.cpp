#include "cfile.h"

#include <QDir>
#include <QFile>

namespace MirelGUIToolkit {

QString CFile::ReadAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString CFile::ReadAll(const QStringList &fileNames, const QString &folder)
{
    const QDir dir(folder);
    QString text;
    for (const QString &name : fileNames) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        text += QString::fromUtf8(file.readAll());
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace MirelGUIToolkit
