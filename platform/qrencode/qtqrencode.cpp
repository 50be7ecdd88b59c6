#include "qtqrencode.h"

#include <qrencode.h>

#include <QColor>

#include <memory>

namespace {

struct QrCodeDeleter
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};
using QrCodePtr = std::unique_ptr<QRcode, QrCodeDeleter>;

// Version 0 lets the library pick the smallest symbol that holds the text;
// the 8-bit hint with case sensitivity keeps the UTF-8 bytes as they are.
QrCodePtr encode(const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    const QByteArray utf8 = text.toUtf8();
    return QrCodePtr(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
}

} // namespace

QtQrEncode::QtQrEncode(QObject *parent) : QObject(parent) {}

QtQrEncode::~QtQrEncode() = default;

void QtQrEncode::setString(const QString &text)
{
    m_text = text;
}

QString QtQrEncode::string() const
{
    return m_text;
}

int QtQrEncode::symbolWidth() const
{
    const QrCodePtr code = encode(m_text);
    return code ? code->width : 0;
}

QImage QtQrEncode::getQRCode(int size) const
{
    const QrCodePtr code = encode(m_text);
    if (!code)
        return QImage();
    const int modules = code->width + 2 * QuietZone;
    const int scale = size / modules;
    if (scale < 1)
        return QImage();

    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    // The pixels left over by the whole-pixel scale are shared out on both
    // sides, so the symbol stays centred.
    const int origin = (size - modules * scale) / 2 + QuietZone * scale;
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // Bit 0 of each byte is the module's colour; the other bits only
            // say how the library placed it.
            if ((code->data[y * code->width + x] & 1) == 0)
                continue;
            for (int py = 0; py < scale; ++py) {
                QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(origin + y * scale + py));
                for (int px = 0; px < scale; ++px)
                    line[origin + x * scale + px] = black;
            }
        }
    }
    return image;
}
