#include "guidexportfile.h"

#include "recoveryfilenames.h"
#include "tarnrecoveryrecords.h"

#include <QFile>

namespace TarnTool {

QString GuidExportFile::filePath(const QString &strDirectory, const QString &strSerialNumber,
                                 const QDateTime &when)
{
    return RecoveryFileNames::directoryWithSeparator(strDirectory)
           + RecoveryFileNames::fileSafeDeviceKey(strSerialNumber) + QLatin1Char('-')
           + when.toString(QStringLiteral("yyyyMMddhhmm")) + QStringLiteral(".xml");
}

QByteArray GuidExportFile::content(const char *data, int dataSize)
{
    return QByteArray(data, qMin(dataSize, TarnGuidFileSize));
}

bool GuidExportFile::write(const QString &strPath, const QByteArray &content)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(content) == content.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace TarnTool
