// The record built from the single network form: every value at its offset
// of the 440-byte layout, zeros everywhere else, texts cut at their field
// size without a terminator, and the HTTP port falling back to 80.

#include "netparambuilder.h"

#include <QtTest>

#include <cstring>

using namespace TarnTool;

namespace {

QByteArray bytesOf(const TarnNetParam &param)
{
    return QByteArray(reinterpret_cast<const char *>(&param), sizeof param);
}

// The text at offset, up to the first zero or size bytes.
QByteArray textAt(const QByteArray &raw, int offset, int size)
{
    const QByteArray field = raw.mid(offset, size);
    const int zero = field.indexOf('\0');
    return zero < 0 ? field : field.left(zero);
}

quint32 numberAt(const QByteArray &raw, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(raw.at(offset + i));
    return value;
}

NetParaSingleForm sampleForm()
{
    NetParaSingleForm form;
    form.ipAddress = QStringLiteral(" 192.168.1.64 ");
    form.port = QStringLiteral("8000");
    form.servicePort = QStringLiteral("8443");
    form.subnetMask = QStringLiteral("255.255.255.0");
    form.gateway = QStringLiteral("192.168.1.1 ");
    form.ipv6Address = QStringLiteral(" fe80::1");
    form.ipv6Gateway = QStringLiteral("fe80::fffe");
    form.prefixLength = QStringLiteral("64");
    form.httpPort = QStringLiteral("8080");
    form.servicePortShown = true;
    return form;
}

} // namespace

class NetParamBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void values_data();
    void values();
    void fullTextsCarryNoTerminator();
};

void NetParamBuilderTest::layout()
{
    const QByteArray raw = bytesOf(buildNetParamFromForm(sampleForm()));
    QCOMPARE(raw.size(), 440);
    QCOMPARE(textAt(raw, 0, 16), QByteArray("192.168.1.64"));
    QCOMPARE(textAt(raw, 16, 16), QByteArray("255.255.255.0"));
    QCOMPARE(textAt(raw, 32, 16), QByteArray("192.168.1.1"));
    QCOMPARE(textAt(raw, 48, 128), QByteArray("fe80::1"));
    QCOMPARE(textAt(raw, 176, 128), QByteArray("fe80::fffe"));
    QCOMPARE(numberAt(raw, 304, 2), 8000u);
    QCOMPARE(numberAt(raw, 306, 1), 64u);
    QCOMPARE(numberAt(raw, 307, 1), 0u);
    QCOMPARE(numberAt(raw, 308, 2), 8080u);
    QCOMPARE(numberAt(raw, 310, 2), 0u);
    QCOMPARE(numberAt(raw, 312, 4), 8443u);
    QCOMPARE(raw.mid(316), QByteArray(124, '\0'));
    // Nothing but the texts themselves in the text fields.
    QCOMPARE(raw.mid(12, 4), QByteArray(4, '\0'));
    QCOMPARE(raw.mid(48 + 7, 128 - 7), QByteArray(128 - 7, '\0'));
}

void NetParamBuilderTest::values_data()
{
    QTest::addColumn<QString>("httpPort");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<bool>("servicePortShown");
    QTest::addColumn<QString>("port");
    QTest::addColumn<quint32>("expectedHttp");
    QTest::addColumn<quint32>("expectedDhcp");
    QTest::addColumn<quint32>("expectedService");
    QTest::addColumn<quint32>("expectedPort");

    QTest::newRow("as typed") << "8080" << false << true << "8000" << 8080u << 0u << 8443u << 8000u;
    QTest::newRow("HTTP port 0 gives 80") << "0" << false << true << "8000" << 80u << 0u << 8443u
                                          << 8000u;
    QTest::newRow("empty HTTP port gives 80") << "" << false << true << "8000" << 80u << 0u << 8443u
                                              << 8000u;
    QTest::newRow("dhcp ticked") << "80" << true << true << "8000" << 80u << 1u << 8443u << 8000u;
    QTest::newRow("hidden service port gives 0") << "80" << false << false << "8000" << 80u << 0u
                                                 << 0u << 8000u;
    QTest::newRow("empty port gives 0") << "80" << false << true << "" << 80u << 0u << 8443u << 0u;
    QTest::newRow("largest port") << "65535" << false << true << "65535" << 65535u << 0u << 8443u
                                  << 65535u;
}

void NetParamBuilderTest::values()
{
    QFETCH(QString, httpPort);
    QFETCH(bool, dhcp);
    QFETCH(bool, servicePortShown);
    QFETCH(QString, port);
    QFETCH(quint32, expectedHttp);
    QFETCH(quint32, expectedDhcp);
    QFETCH(quint32, expectedService);
    QFETCH(quint32, expectedPort);

    NetParaSingleForm form = sampleForm();
    form.httpPort = httpPort;
    form.dhcp = dhcp;
    form.servicePortShown = servicePortShown;
    form.port = port;
    const TarnNetParam param = buildNetParamFromForm(form);
    QCOMPARE(quint32(param.httpPort), expectedHttp);
    QCOMPARE(quint32(param.dhcpEnabled), expectedDhcp);
    QCOMPARE(quint32(param.sdkServicePort), expectedService);
    QCOMPARE(quint32(param.port), expectedPort);
    // Addresses go into the record whether or not DHCP is ticked.
    QCOMPARE(QByteArray(param.ipv4Address), QByteArray("192.168.1.64"));
}

void NetParamBuilderTest::fullTextsCarryNoTerminator()
{
    NetParaSingleForm form = sampleForm();
    form.ipAddress = QStringLiteral("123.123.123.1234567");   // 19 characters
    form.ipv6Address = QString(130, QLatin1Char('a'));
    const QByteArray raw = bytesOf(buildNetParamFromForm(form));
    QCOMPARE(raw.mid(0, 16), QByteArray("123.123.123.1234"));
    // The mask that follows starts right after the full field.
    QCOMPARE(textAt(raw, 16, 16), QByteArray("255.255.255.0"));
    QCOMPARE(raw.mid(48, 128), QByteArray(128, 'a'));
    QCOMPARE(textAt(raw, 176, 128), QByteArray("fe80::fffe"));

    char field[4];
    std::memset(field, 'x', sizeof field);
    writeNetParamText(field, QStringLiteral("ab"));
    QCOMPARE(QByteArray(field, 4), QByteArray("ab\0\0", 4));
}

QTEST_GUILESS_MAIN(NetParamBuilderTest)
#include "tst_netparambuilder.moc"
