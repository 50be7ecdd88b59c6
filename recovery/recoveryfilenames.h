#ifndef RECOVERYFILENAMES_H
#define RECOVERYFILENAMES_H

// Names of the files the reset dialog writes for the manufacturer: the key
// request file and the e-mail reset QR as text file and as image. Each name
// is the device key made safe for a file name, "-", the local date and time
// to the minute, and the extension, so that requests of several devices, or
// of one device at different times, never overwrite each other.

#include <QDateTime>
#include <QString>

namespace TarnTool {

class RecoveryFileNames
{
public:
    // The device key with every "\" and "/" replaced by "_".
    static QString fileSafeDeviceKey(const QString &strDeviceKey);

    // The directory with a trailing "/" (not doubled when it has one).
    static QString directoryWithSeparator(const QString &strDirectory);

    // directory/KEY-yyyyMMddhhmm.xml
    static QString keyRequestFilePath(const QString &strDirectory, const QString &strDeviceKey,
                                      const QDateTime &when);

    // directory/KEY-yyyyMMddhhmm.xml, holding the e-mail QR text.
    static QString emailQrTextFilePath(const QString &strDirectory, const QString &strDeviceKey,
                                       const QDateTime &when);

    // directory/KEY-yyyyMMddhhmm.BMP, holding the e-mail QR image.
    static QString emailQrImageFilePath(const QString &strDirectory, const QString &strDeviceKey,
                                        const QDateTime &when);
};

} // namespace TarnTool

#endif // RECOVERYFILENAMES_H
