#include "recoveryfilenames.h"

namespace TarnTool {

namespace {

QString baseName(const QString &strDirectory, const QString &strDeviceKey, const QDateTime &when)
{
    return RecoveryFileNames::directoryWithSeparator(strDirectory)
           + RecoveryFileNames::fileSafeDeviceKey(strDeviceKey) + QLatin1Char('-')
           + when.toString(QStringLiteral("yyyyMMddhhmm"));
}

} // namespace

QString RecoveryFileNames::fileSafeDeviceKey(const QString &strDeviceKey)
{
    QString key = strDeviceKey;
    key.replace(QLatin1Char('\\'), QLatin1Char('_'));
    key.replace(QLatin1Char('/'), QLatin1Char('_'));
    return key;
}

QString RecoveryFileNames::directoryWithSeparator(const QString &strDirectory)
{
    if (strDirectory.endsWith(QLatin1Char('/')))
        return strDirectory;
    return strDirectory + QLatin1Char('/');
}

QString RecoveryFileNames::keyRequestFilePath(const QString &strDirectory,
                                              const QString &strDeviceKey, const QDateTime &when)
{
    return baseName(strDirectory, strDeviceKey, when) + QStringLiteral(".xml");
}

QString RecoveryFileNames::emailQrTextFilePath(const QString &strDirectory,
                                               const QString &strDeviceKey, const QDateTime &when)
{
    // The same separator rule as the key request: a directory that already
    // ends with "/" does not get a second one.
    return baseName(strDirectory, strDeviceKey, when) + QStringLiteral(".xml");
}

QString RecoveryFileNames::emailQrImageFilePath(const QString &strDirectory,
                                                const QString &strDeviceKey, const QDateTime &when)
{
    return baseName(strDirectory, strDeviceKey, when) + QStringLiteral(".BMP");
}

} // namespace TarnTool
