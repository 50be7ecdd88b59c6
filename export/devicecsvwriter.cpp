#include "devicecsvwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryFile>

#include <algorithm>
#include <utility>

namespace TarnTool {

DeviceCsvWriter::DeviceCsvWriter() = default;

void DeviceCsvWriter::setExcludedHeaders(const QSet<QString> &headers)
{
    m_excludedHeaders = headers;
}

void DeviceCsvWriter::setHeaderRenames(const QHash<QString, QString> &renames)
{
    m_headerRenames = renames;
}

QString DeviceCsvWriter::csvField(const QString &cellText)
{
    // Texts come from devices on the segment, which anyone can make announce
    // anything: a leading =, +, -, @ or tab would make a spreadsheet run the
    // cell as a formula, so such a cell starts with an apostrophe, which the
    // spreadsheet shows as text.
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    const QString text = !cellText.isEmpty() && formulaStart.contains(cellText.front())
        ? QLatin1Char('\'') + cellText : cellText;
    static const QString special = QStringLiteral(",\"\r\n");
    const bool needsQuotes = std::any_of(text.cbegin(), text.cend(),
                                         [](QChar c) { return special.contains(c); });
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DeviceCsvWriter::csvText(const DeviceExportTable &table) const
{
    QList<int> columns;
    QStringList headerFields;
    for (int column = 0; column < table.headers.size(); ++column) {
        const QString &header = table.headers.at(column);
        if (m_excludedHeaders.contains(header))
            continue;
        columns.append(column);
        // Headers are quoted like cells: an unquoted comma in a header would
        // shift every column after it.
        headerFields.append(csvField(m_headerRenames.value(header, header)));
    }

    QString text = headerFields.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const QStringList &row : table.rows) {
        QStringList fields;
        for (const int column : std::as_const(columns))
            fields.append(csvField(row.value(column)));
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray DeviceCsvWriter::csvBytes(const DeviceExportTable &table) const
{
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(csvText(table));
}

DeviceCsvWriter::WriteResult DeviceCsvWriter::writeNewFile(const QString &path,
                                                           const DeviceExportTable &table) const
{
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink())
        return WriteResult::FileExists;
    if (!target.absoluteDir().exists())
        return WriteResult::Failed;

    // Written beside the target and renamed into place, so that a failed
    // write never leaves a half file and the rename never replaces a file
    // that appeared meanwhile.
    QTemporaryFile file(target.absoluteDir().filePath(QStringLiteral(".tarnexport-XXXXXX")));
    if (!file.open())
        return WriteResult::Failed;
    const QByteArray bytes = csvBytes(table);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return WriteResult::Failed;
    // A temporary file is private to its owner; an export is an ordinary file.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                        | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (!file.rename(path))
        return QFileInfo::exists(path) ? WriteResult::FileExists : WriteResult::Failed;
    // The file now carries the export's name and must outlive this object.
    file.setAutoRemove(false);
    return WriteResult::Written;
}

} // namespace TarnTool
