#ifndef TEXTCODEC_H
#define TEXTCODEC_H

// Conversion between Qt strings and the 8-bit code page that the device
// libraries expect for passwords, network names and file contents.
//
// The toolkit's free functions live in the global namespace (its classes in
// namespace MirelGUIToolkit), so that callers use them unqualified.

#include <QByteArray>
#include <QString>

class QTextCodec;

// Sets the codec of every later conversion that names no codec of its own.
// A null codec returns to the default, the locale's codec
// (QTextCodec::codecForLocale()). Meant to be called once at start-up.
void InitGuiTextCodec(QTextCodec *codec);

// The codec that conversions without a codec of their own use.
QTextCodec *GuiTextCodec();

// Converts with the given codec (a QTextCodec*), or with the codec set by
// InitGuiTextCodec when codec is null. Characters the code page lacks become
// the codec's replacement character.
QByteArray ConvertFromUnicode(const QString &text, void *codec = nullptr);

// The reverse of ConvertFromUnicode, with the same choice of codec.
QString ConvertToUnicode(const QByteArray &bytes, void *codec = nullptr);

#endif // TEXTCODEC_H
