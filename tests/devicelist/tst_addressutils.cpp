// The address checks of the network parameter forms.

#include "addressutils.h"
#include "programpaths.h"

#include <QCoreApplication>
#include <QTest>

namespace {

using Check = bool (*)(const QString &);

} // namespace

Q_DECLARE_METATYPE(Check)

class AddressUtilsTest : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void pathBesideProgram_data();
    void pathBesideProgram();
};

void AddressUtilsTest::checks_data()
{
    QTest::addColumn<Check>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    const auto row = [](const char *kind, Check check, const QString &text, bool valid) {
        QTest::addRow("%s \"%s\"", kind, qPrintable(text)) << check << text << valid;
    };

    const Check ipv4 = &isValidIPv4Address;
    row("ipv4", ipv4, "192.168.1.64", true);
    row("ipv4", ipv4, "0.0.0.1", true);
    row("ipv4", ipv4, "255.255.255.255", true);
    row("ipv4", ipv4, "10.0.0.010", true);
    row("ipv4", ipv4, "192.168.1.0", false);
    row("ipv4", ipv4, "192.168.1.256", false);
    row("ipv4", ipv4, "192.168.1", false);
    row("ipv4", ipv4, "192.168..1", false);
    row("ipv4", ipv4, "1.2.3.4.5", false);
    row("ipv4", ipv4, "1.2.3.4.", false);
    row("ipv4", ipv4, "", false);
    row("ipv4", ipv4, "a.b.c.d", false);
    row("ipv4", ipv4, "1000.1.1.1", false);
    row("ipv4", ipv4, "0001.1.1.1", false);
    row("ipv4", ipv4, " 192.168.1.64", false);
    row("ipv4", ipv4, "192.168. 1.64", false);
    row("ipv4", ipv4, "+192.168.1.64", false);
    row("ipv4", ipv4, "192.168.1.-4", false);
    row("ipv4", ipv4, "0x1.2.3.4", false);
    row("ipv4", ipv4, QStringLiteral("１.２.３.４"), false);

    const Check gateway = &isValidIPv4Gateway;
    row("gateway", gateway, "0.0.0.0", true);
    row("gateway", gateway, "192.168.1.1", true);
    row("gateway", gateway, "192.168.1.254", true);
    row("gateway", gateway, "192.168.1.255", false);
    row("gateway", gateway, "192.168.1.0", false);
    row("gateway", gateway, "00.0.0.0", false);
    row("gateway", gateway, "0.0.0.0 ", false);
    row("gateway", gateway, "256.1.1.1", false);
    row("gateway", gateway, "192.168.1", false);
    row("gateway", gateway, "", false);

    const Check mask = &isValidSubnetMask;
    row("mask", mask, "255.255.255.0", true);
    row("mask", mask, "0.0.0.0", true);
    row("mask", mask, "128.0.0.0", true);
    row("mask", mask, "255.255.252.0", true);
    row("mask", mask, "255.255.255.254", true);
    row("mask", mask, "255.255.255.255", false);
    row("mask", mask, "255.255.0.255", false);
    row("mask", mask, "255.0.255.0", false);
    row("mask", mask, "255.255.253.0", false);
    row("mask", mask, "255.255.255.00", false);
    row("mask", mask, "255.255.255.0 ", false);
    row("mask", mask, "255.255.255", false);
    row("mask", mask, "", false);

    const Check ipv6 = &isValidIPv6Address;
    row("ipv6", ipv6, "::", true);
    row("ipv6", ipv6, "::1", true);
    row("ipv6", ipv6, "1::", true);
    row("ipv6", ipv6, "fe80::1%4", true);
    row("ipv6", ipv6, "fe80::1%eth0", true);
    row("ipv6", ipv6, "2001:db8::1", true);
    row("ipv6", ipv6, "2001:DB8:0:0:8:800:200C:417A", true);
    row("ipv6", ipv6, "1:2:3:4:5:6:7:8", true);
    row("ipv6", ipv6, "::ffff:192.168.1.64", true);
    row("ipv6", ipv6, "1:2:3:4:5:6:192.168.1.64", true);
    row("ipv6", ipv6, "1:2:3:4:5:6:7::", true);
    row("ipv6", ipv6, "::2:3:4:5:6:7:8", true);
    row("ipv6", ipv6, "1:2:3:4:5:6:7", false);
    row("ipv6", ipv6, "::ffff:192.168.1.0", false);
    row("ipv6", ipv6, "1::2::3", false);
    row("ipv6", ipv6, "12345::1", false);
    row("ipv6", ipv6, "00001::1", false);
    row("ipv6", ipv6, ":::", false);
    row("ipv6", ipv6, "1:::2", false);
    row("ipv6", ipv6, ":1::2", false);
    row("ipv6", ipv6, "1::2:", false);
    row("ipv6", ipv6, ":1:2:3:4:5:6:7", false);
    row("ipv6", ipv6, "1:2:3:4:5:6:7:8:9", false);
    row("ipv6", ipv6, "1:2:3:4:5:6:7:8::", false);
    row("ipv6", ipv6, "1:2:3:4:5:6:7:192.168.1.64", false);
    row("ipv6", ipv6, "192.168.1.64::1", false);
    row("ipv6", ipv6, "192.168.1.64", false);
    row("ipv6", ipv6, "0x12::1", false);
    row("ipv6", ipv6, "g::1", false);
    row("ipv6", ipv6, " ::1", false);
    row("ipv6", ipv6, "::1 ", false);
    row("ipv6", ipv6, "fe80::1%", false);
    row("ipv6", ipv6, "fe80::1%4 4", false);
    row("ipv6", ipv6, "%4", false);
    row("ipv6", ipv6, "", false);
    row("ipv6", ipv6, ":", false);
}

void AddressUtilsTest::checks()
{
    QFETCH(Check, check);
    QFETCH(QString, text);
    QTEST(check(text), "valid");
}

void AddressUtilsTest::pathBesideProgram_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("relative") << "C:/Tool/" << "Setup.xml" << "C:/Tool/Setup.xml";
    QTest::newRow("folder without slash") << "C:/Tool" << "Setup.xml" << "C:/Tool/Setup.xml";
    QTest::newRow("relative subfolder") << "/opt/tarn/" << "translations/tarntool_zh.qm"
                                        << "/opt/tarn/translations/tarntool_zh.qm";
    QTest::newRow("absolute") << "/opt/tarn/" << "/etc/Setup.xml" << "/etc/Setup.xml";
}

void AddressUtilsTest::pathBesideProgram()
{
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QTEST(pathInDirectory(directory, name), "path");
    // The program's own directory follows the same rule.
    QCOMPARE(programDirectory(), QCoreApplication::applicationDirPath() + "/");
    QCOMPARE(::pathBesideProgram(name), pathInDirectory(QCoreApplication::applicationDirPath(), name));
}

QTEST_GUILESS_MAIN(AddressUtilsTest)
#include "tst_addressutils.moc"
