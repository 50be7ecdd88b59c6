// The QR images are compared module by module with the matrix that
// libqrencode itself gives for the same text and parameters.

#include "qtqrencode.h"

#include <qrencode.h>

#include <QtTest>

#include <memory>

namespace {

struct QrCodeDeleter
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};
using QrCodePtr = std::unique_ptr<QRcode, QrCodeDeleter>;

QrCodePtr reference(const QString &text)
{
    return QrCodePtr(QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
}

// A key request as the reset dialog exports it: 600 characters of Base64.
QString keyRequestText()
{
    QString text;
    const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    for (int i = 0; i < 600; ++i)
        text.append(alphabet.at((i * 37 + i / 7) % alphabet.size()));
    return text;
}

enum class SizeKind {
    OnePixel,     // exactly one pixel per module
    ThreePixels,  // exactly three pixels per module
    WithLeftover, // four pixels per module and three pixels to spare
};

// The QR standard asks for four modules of white border.
constexpr int kQuietZone = 4;

} // namespace

Q_DECLARE_METATYPE(SizeKind)

class TestQtQrEncode : public QObject
{
    Q_OBJECT

private slots:
    void rendersLibraryMatrix_data();
    void rendersLibraryMatrix();
    void tooSmallIsEmpty_data();
    void tooSmallIsEmpty();
    void emptyTextIsEmpty_data();
    void emptyTextIsEmpty();
    void textIsReplaced();
};

void TestQtQrEncode::rendersLibraryMatrix_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SizeKind>("sizeKind");

    const QList<QPair<QByteArray, QString>> texts = {
        {"ascii", QStringLiteral("TARN")},
        {"key request", keyRequestText()},
        {"chinese", QStringLiteral("重置密码：请扫描此二维码")},
    };
    const QList<QPair<QByteArray, SizeKind>> sizes = {
        {"1 px", SizeKind::OnePixel},
        {"3 px", SizeKind::ThreePixels},
        {"4 px + 3", SizeKind::WithLeftover},
    };
    for (const auto &text : texts) {
        for (const auto &size : sizes)
            QTest::newRow((text.first + ", " + size.first).constData()) << text.second << size.second;
    }
}

void TestQtQrEncode::rendersLibraryMatrix()
{
    QFETCH(QString, text);
    QFETCH(SizeKind, sizeKind);

    const QrCodePtr code = reference(text);
    QVERIFY(code);
    const int width = code->width;
    const int modules = width + 2 * kQuietZone;

    int scale = 1;
    int leftover = 0;
    switch (sizeKind) {
    case SizeKind::OnePixel:
        scale = 1;
        break;
    case SizeKind::ThreePixels:
        scale = 3;
        break;
    case SizeKind::WithLeftover:
        scale = 4;
        leftover = 3;
        break;
    }
    const int size = modules * scale + leftover;

    QtQrEncode encoder(nullptr);
    encoder.setString(text);
    QCOMPARE(encoder.symbolWidth(), width);
    const QImage image = encoder.getQRCode(size);
    QCOMPARE(image.size(), QSize(size, size));

    // The symbol and its quiet zone start leftover / 2 pixels in.
    const int origin = leftover / 2;
    int blackModules = 0;
    for (int my = 0; my < modules; ++my) {
        for (int mx = 0; mx < modules; ++mx) {
            const int sy = my - kQuietZone;
            const int sx = mx - kQuietZone;
            const bool inSymbol = sx >= 0 && sy >= 0 && sx < width && sy < width;
            const bool expectBlack = inSymbol && (code->data[sy * width + sx] & 1);
            const QPoint centre(origin + mx * scale + scale / 2, origin + my * scale + scale / 2);
            const QRgb pixel = image.pixel(centre);
            if (pixel != (expectBlack ? qRgb(0, 0, 0) : qRgb(255, 255, 255)))
                QFAIL(qPrintable(QStringLiteral("module (%1, %2) at pixel (%3, %4) is %5")
                                     .arg(mx).arg(my).arg(centre.x()).arg(centre.y())
                                     .arg(pixel, 8, 16, QLatin1Char('0'))));
            blackModules += expectBlack ? 1 : 0;
        }
    }
    QVERIFY(blackModules > width);

    // Every pixel of a module has the colour of its centre: whole-pixel
    // modules; the spare pixels around the quiet zone stay white.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int mx = (x - origin) / scale;
            const int my = (y - origin) / scale;
            QRgb expected = qRgb(255, 255, 255);
            if (x >= origin && y >= origin && mx < modules && my < modules)
                expected = image.pixel(origin + mx * scale + scale / 2, origin + my * scale + scale / 2);
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs from its module").arg(x).arg(y)));
        }
    }
}

void TestQtQrEncode::tooSmallIsEmpty_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("missing");

    QTest::newRow("ascii, one pixel short") << QStringLiteral("TARN") << 1;
    QTest::newRow("key request, one pixel short") << keyRequestText() << 1;
    QTest::newRow("chinese, half the size") << QStringLiteral("重置密码") << -2;
    QTest::newRow("ascii, zero") << QStringLiteral("TARN") << 0;
    QTest::newRow("ascii, negative") << QStringLiteral("TARN") << -1;
}

void TestQtQrEncode::tooSmallIsEmpty()
{
    QFETCH(QString, text);
    QFETCH(int, missing);

    const QrCodePtr code = reference(text);
    QVERIFY(code);
    const int modules = code->width + 2 * kQuietZone;
    // missing > 0: that many pixels short of one pixel per module;
    // -2: half the modules; 0 and -1: sizes 0 and -1.
    int size = 0;
    if (missing > 0)
        size = modules - missing;
    else if (missing == -2)
        size = modules / 2;
    else
        size = missing;

    QtQrEncode encoder(nullptr);
    encoder.setString(text);
    QVERIFY(encoder.getQRCode(size).isNull());
    // One pixel more than too small is drawn.
    QCOMPARE(encoder.getQRCode(modules).size(), QSize(modules, modules));
}

void TestQtQrEncode::emptyTextIsEmpty_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small") << 29;
    QTest::newRow("large") << 400;
}

void TestQtQrEncode::emptyTextIsEmpty()
{
    QFETCH(int, size);
    QtQrEncode encoder(nullptr);
    QVERIFY(encoder.getQRCode(size).isNull());
    encoder.setString(QString());
    QVERIFY(encoder.getQRCode(size).isNull());
    QCOMPARE(encoder.symbolWidth(), 0);
}

void TestQtQrEncode::textIsReplaced()
{
    QtQrEncode encoder(nullptr);
    encoder.setString(keyRequestText());
    const int longWidth = encoder.symbolWidth();
    encoder.setString(QStringLiteral("TARN"));
    QCOMPARE(encoder.string(), QStringLiteral("TARN"));
    const QrCodePtr code = reference(QStringLiteral("TARN"));
    QCOMPARE(encoder.symbolWidth(), code->width);
    QVERIFY(longWidth > code->width);
    // A text too long for any QR symbol fails to encode.
    encoder.setString(QString(8000, QLatin1Char('x')));
    QCOMPARE(encoder.symbolWidth(), 0);
    QVERIFY(encoder.getQRCode(2000).isNull());
}

QTEST_GUILESS_MAIN(TestQtQrEncode)
#include "tst_qtqrencode.moc"
