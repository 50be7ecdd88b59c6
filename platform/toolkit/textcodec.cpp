#include "textcodec.h"

QByteArray ConvertFromUnicode(const QString &text, void *codec)
{
    // Until the program sets a codec of its own at start-up, the default is
    // the system locale's, which is what toLocal8Bit() uses.
    Q_UNUSED(codec);
    return text.toLocal8Bit();
}
