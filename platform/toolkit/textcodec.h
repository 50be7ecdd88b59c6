#ifndef TEXTCODEC_H
#define TEXTCODEC_H

// Conversion of texts into the 8-bit code page that the device libraries
// expect for passwords and network names.

#include <QByteArray>
#include <QString>

// Converts with the given codec, or with the program's default one when
// codec is null.
QByteArray ConvertFromUnicode(const QString &text, void *codec = nullptr);

#endif // TEXTCODEC_H
