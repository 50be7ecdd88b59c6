#ifndef DEVICECSVWRITER_H
#define DEVICECSVWRITER_H

// Turns an export table into comma-separated text and writes it as a new
// file. Columns can be left out and header texts replaced, both chosen by
// header text. The bytes are in the platform locale's encoding, without a
// byte-order mark, every line ending in a single LF. A file is only ever
// created: an existing one is never overwritten, and a failed write leaves
// no file behind.

#include "deviceexporttable.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

namespace TarnTool {

class DeviceCsvWriter
{
public:
    enum class WriteResult {
        Written,
        FileExists,
        Failed,
    };

    DeviceCsvWriter();

    // Columns whose header equals one of these texts are left out of the
    // header line and of every data line.
    void setExcludedHeaders(const QSet<QString> &headers);
    // Header texts written in place of others (key: model text).
    void setHeaderRenames(const QHash<QString, QString> &renames);

    QString csvText(const DeviceExportTable &table) const;
    QByteArray csvBytes(const DeviceExportTable &table) const;

    // Creates the file at path with the table's bytes. FileExists when
    // anything already stands at path; it stays as it was.
    WriteResult writeNewFile(const QString &path, const DeviceExportTable &table) const;

    // A field as written: enclosed in double quotes, with inner quotes
    // doubled, when it holds a comma, a double quote or a line break; a text
    // that a spreadsheet would take for a formula starts with an apostrophe.
    static QString csvField(const QString &text);

private:
    QSet<QString> m_excludedHeaders;
    QHash<QString, QString> m_headerRenames;
};

} // namespace TarnTool

#endif // DEVICECSVWRITER_H
