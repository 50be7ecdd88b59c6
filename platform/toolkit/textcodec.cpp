#include "textcodec.h"

#include <QTextCodec>

#include <atomic>

namespace {

// Device commands convert on the GUI thread, but nothing stops a library
// callback from converting too; an atomic pointer keeps that safe. Codecs are
// owned by Qt and live until the program ends.
std::atomic<QTextCodec *> s_guiCodec{nullptr};

QTextCodec *chooseCodec(void *codec)
{
    return codec != nullptr ? static_cast<QTextCodec *>(codec) : GuiTextCodec();
}

} // namespace

void InitGuiTextCodec(QTextCodec *codec)
{
    s_guiCodec.store(codec, std::memory_order_release);
}

QTextCodec *GuiTextCodec()
{
    QTextCodec *codec = s_guiCodec.load(std::memory_order_acquire);
    return codec != nullptr ? codec : QTextCodec::codecForLocale();
}

QByteArray ConvertFromUnicode(const QString &text, void *codec)
{
    return chooseCodec(codec)->fromUnicode(text);
}

QString ConvertToUnicode(const QByteArray &bytes, void *codec)
{
    return chooseCodec(codec)->toUnicode(bytes);
}
