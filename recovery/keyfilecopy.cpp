#include "keyfilecopy.h"

#include "configpaths.h"

#include <QFile>

namespace TarnTool {

QString KeyFileCopy::copyFileName()
{
    return QStringLiteral("copy.xml");
}

QString KeyFileCopy::defaultCopyPath()
{
    return apt::ConfigPaths::writePath(copyFileName());
}

QByteArray KeyFileCopy::copyText(const QByteArray &content)
{
    QByteArray text = content;
    text.replace("\r\n", "\n");
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == '\n' || text.at(end - 1) == '\r'))
        --end;
    text.truncate(end);
    return text;
}

QString KeyFileCopy::make(const QString &keyFilePath, const QString &copyPath)
{
    if (QFile::exists(copyPath))
        QFile::remove(copyPath);

    QFile keyFile(keyFilePath);
    if (!keyFile.open(QIODevice::ReadOnly))
        return copyPath;
    const QByteArray text = copyText(keyFile.readAll());
    keyFile.close();

    QFile copy(copyPath);
    if (!copy.open(QIODevice::ReadWrite | QIODevice::Truncate))
        return QString();
    const bool written = copy.write(text) == text.size();
    copy.close();
    // A copy that holds only part of the key would be refused by the device
    // with a misleading error; better no copy at all.
    if (!written) {
        QFile::remove(copyPath);
        return QString();
    }
    return copyPath;
}

} // namespace TarnTool
