#ifndef LATIN1TEXT_H
#define LATIN1TEXT_H

// Latin-1 texts in both directions: fixed-size record arrays, which carry no
// terminator when full, read as bounded texts; and program texts turned into
// the NUL-terminated 8-bit bytes that the discovery library takes for serial
// numbers and MAC addresses.

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <cstddef>

// The text of a fixed array: up to the first zero byte, never beyond
// capacity. A view, for comparing without a copy; valid while the array is.
QLatin1String latin1View(const char *data, std::size_t capacity);

template <std::size_t N>
QLatin1String latin1View(const char (&array)[N])
{
    return latin1View(array, N);
}

template <std::size_t N>
QString latin1String(const char (&array)[N])
{
    return QString(latin1View(array, N));
}

// One byte per character; a character without a Latin-1 form (including one
// outside the basic plane, which takes two UTF-16 units) becomes one "?".
QByteArray toLatin1Bytes(const QString &text);

#endif // LATIN1TEXT_H
