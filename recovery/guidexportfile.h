#ifndef GUIDEXPORTFILE_H
#define GUIDEXPORTFILE_H

// The GUID file that the recovery set-up exports for one device and that a
// later GUID reset imports: its name (the chosen folder, the serial number
// made safe for a file name, the local date and time to the minute) and its
// content, the first bytes of the device's export kept exactly as they came.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace TarnTool {

class GuidExportFile
{
public:
    // directory + "/" (only when missing) + SERIAL-yyyyMMddhhmm.xml, with
    // every "\" and "/" of the serial number replaced by "_".
    static QString filePath(const QString &strDirectory, const QString &strSerialNumber,
                            const QDateTime &when);

    // The bytes the file holds: the first TarnGuidFileSize bytes of the
    // export's data area, zeros included.
    static QByteArray content(const char *data, int dataSize);

    // Creates or truncates the file and writes the content; false when the
    // file cannot be opened or not be written completely.
    static bool write(const QString &strPath, const QByteArray &content);
};

} // namespace TarnTool

#endif // GUIDEXPORTFILE_H
