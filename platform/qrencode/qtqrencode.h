#ifndef QTQRENCODE_H
#define QTQRENCODE_H

// QR code images of a text (the key request, the e-mail reset data). The text
// is encoded as UTF-8 with error correction level M and drawn black on white
// with a quiet zone of four modules, every module a whole number of pixels
// wide so that a scanner never sees blurred edges. An image that cannot be
// drawn is returned empty: callers treat an empty image as a failed render.

#include <QImage>
#include <QObject>
#include <QString>

class QtQrEncode : public QObject
{
    Q_OBJECT

public:
    // Modules of white border on each side, as the QR standard asks for.
    static constexpr int QuietZone = 4;

    explicit QtQrEncode(QObject *parent = nullptr);
    ~QtQrEncode() override;

    void setString(const QString &text);
    QString string() const;

    // A size × size image holding the symbol and its quiet zone, centred.
    // Empty when the text is empty, cannot be encoded, or when size is
    // smaller than one pixel per module of symbol and quiet zone.
    QImage getQRCode(int size) const;

    // Modules on a side of the symbol without the quiet zone; 0 when the text
    // is empty or cannot be encoded.
    int symbolWidth() const;

private:
    QString m_text;
};

#endif // QTQRENCODE_H
