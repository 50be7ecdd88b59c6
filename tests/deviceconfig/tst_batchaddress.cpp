// Consecutive batch addresses: the fourth number counts up, carries into the
// third past 255, never repeats an address, and a batch that would run past
// 255.255.255.254 is refused.

#include "addressutils.h"
#include "batchaddress.h"

#include <QSet>
#include <QtTest>

using TarnTool::batchAddressesFit;
using TarnTool::batchIPv4Address;

class BatchAddressTest : public QObject
{
    Q_OBJECT

private slots:
    void address_data();
    void address();
    void fits_data();
    void fits();
    void carriedBatchIsDistinctAndValid();
};

void BatchAddressTest::address_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first device keeps the start") << "10.0.0.1" << 0 << "10.0.0.1";
    QTest::newRow("second device") << "10.0.0.1" << 1 << "10.0.0.2";
    QTest::newRow("third device") << "10.0.0.1" << 2 << "10.0.0.3";
    QTest::newRow("start is trimmed") << "  192.168.1.10 " << 5 << "192.168.1.15";
    QTest::newRow("fourth reaches 255") << "10.0.0.254" << 1 << "10.0.0.255";
    QTest::newRow("carry skips fourth 0") << "10.0.0.254" << 2 << "10.0.1.1";
    QTest::newRow("after the carry") << "10.0.0.254" << 3 << "10.0.1.2";
    QTest::newRow("start at 255 carries at once") << "10.0.0.255" << 1 << "10.0.1.1";
    QTest::newRow("a whole third number further") << "10.0.0.1" << 255 << "10.0.1.1";
    QTest::newRow("carry over two numbers") << "10.0.255.255" << 1 << "10.1.0.1";
    QTest::newRow("carry into the first number") << "9.255.255.200" << 60 << "10.0.0.5";
    QTest::newRow("last address") << "255.255.255.250" << 4 << "255.255.255.254";
    QTest::newRow("past the last address") << "255.255.255.250" << 5 << "";
    QTest::newRow("broadcast start") << "255.255.255.255" << 0 << "";
    QTest::newRow("negative index") << "10.0.0.1" << -1 << "";
    QTest::newRow("empty start") << "" << 0 << "";
    QTest::newRow("start not an address") << "10.0.0" << 0 << "";
    QTest::newRow("start with fourth 0") << "10.0.0.0" << 1 << "";
    QTest::newRow("start with a number over 255") << "10.0.256.1" << 0 << "";
}

void BatchAddressTest::address()
{
    QFETCH(QString, start);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const QString address = batchIPv4Address(start, index);
    QCOMPARE(address, expected);
    if (!expected.isEmpty())
        QVERIFY(isValidIPv4Address(address));
}

void BatchAddressTest::fits_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fits");

    QTest::newRow("no devices") << "255.255.255.254" << 0 << true;
    QTest::newRow("ordinary batch") << "10.0.0.1" << 3 << true;
    QTest::newRow("batch ending at the last address") << "255.255.255.250" << 5 << true;
    QTest::newRow("batch one past the last address") << "255.255.255.250" << 6 << false;
    QTest::newRow("single device at the last address") << "255.255.255.254" << 1 << true;
    QTest::newRow("two devices from the last address") << "255.255.255.254" << 2 << false;
    QTest::newRow("carry within range") << "255.255.254.254" << 3 << true;
    QTest::newRow("invalid start") << "abc" << 1 << false;
}

void BatchAddressTest::fits()
{
    QFETCH(QString, start);
    QFETCH(int, count);
    QFETCH(bool, fits);
    QCOMPARE(batchAddressesFit(start, count), fits);
}

void BatchAddressTest::carriedBatchIsDistinctAndValid()
{
    const int count = 600;
    QSet<QString> seen;
    for (int i = 0; i < count; ++i) {
        const QString address = batchIPv4Address(QStringLiteral("172.16.3.200"), i);
        QVERIFY2(isValidIPv4Address(address), qPrintable(address));
        QVERIFY2(!seen.contains(address), qPrintable(address));
        seen.insert(address);
    }
    QCOMPARE(seen.size(), count);
    QCOMPARE(batchIPv4Address(QStringLiteral("172.16.3.200"), count - 1),
             QStringLiteral("172.16.6.34"));
}

QTEST_GUILESS_MAIN(BatchAddressTest)
#include "tst_batchaddress.moc"
