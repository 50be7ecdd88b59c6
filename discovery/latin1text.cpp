#include "latin1text.h"

#include <QList>
#include <QStringView>

#include <cstring>

QLatin1String latin1View(const char *data, std::size_t capacity)
{
    if (data == nullptr)
        return QLatin1String();
    const void *terminator = std::memchr(data, '\0', capacity);
    const std::size_t length = terminator != nullptr
            ? static_cast<std::size_t>(static_cast<const char *>(terminator) - data)
            : capacity;
    return QLatin1String(data, static_cast<qsizetype>(length));
}

QByteArray toLatin1Bytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const QList<uint> codePoints = QStringView(text).toUcs4();
    for (const uint codePoint : codePoints)
        bytes.append(codePoint <= 0xFF ? static_cast<char>(codePoint) : '?');
    return bytes;
}
