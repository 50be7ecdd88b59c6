#include "cipstandarditem.h"
#include "iptofullstring.h"

#include <QtTest>

class TestIpToFullString : public QObject
{
    Q_OBJECT

private slots:
    void key_data();
    void key();
    void keyOrderIsAddressOrder();
    void itemOrder_data();
    void itemOrder();
};

void TestIpToFullString::key_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << "192.168.1.64" << "192168001064";
    QTest::newRow("small parts") << "9.0.0.1" << "009000000001";
    QTest::newRow("empty") << "" << "000000000000";
    QTest::newRow("missing parts") << "10.1" << "010001000000";
    QTest::newRow("trailing text") << "10a.2b.c.4" << "010002000004";
    QTest::newRow("fifth part ignored") << "1.2.3.4.5" << "001002003004";
    QTest::newRow("huge part clamps") << "99999999999.0.0.1" << "999000000001";
}

void TestIpToFullString::key()
{
    QFETCH(QString, address);
    QFETCH(QString, key);
    QCOMPARE(aptui::IPToFullString(address), key);
}

void TestIpToFullString::keyOrderIsAddressOrder()
{
    const QStringList ordered{"0.0.0.0", "9.0.0.1", "10.0.0.2", "10.0.0.9", "10.0.0.10",
                              "192.168.1.2", "192.168.1.64", "255.255.255.255"};
    for (int i = 1; i < ordered.size(); ++i)
        QVERIFY2(aptui::IPToFullString(ordered.at(i - 1)) < aptui::IPToFullString(ordered.at(i)),
                 qPrintable(ordered.at(i)));
}

void TestIpToFullString::itemOrder_data()
{
    QTest::addColumn<QString>("smaller");
    QTest::addColumn<QString>("larger");
    QTest::newRow("last part") << "10.0.0.9" << "10.0.0.10";
    QTest::newRow("first part") << "9.0.0.1" << "10.0.0.2";
    QTest::newRow("class") << "10.0.0.10" << "192.168.1.2";
}

void TestIpToFullString::itemOrder()
{
    QFETCH(QString, smaller);
    QFETCH(QString, larger);
    const aptui::CIpStandardItem a(smaller);
    const aptui::CIpStandardItem b(larger);
    QVERIFY(a < b);
    QVERIFY(!(b < a));
    QCOMPARE(a.data(aptui::CIpStandardItem::IpSortRole).toString(), aptui::IPToFullString(smaller));
}

QTEST_GUILESS_MAIN(TestIpToFullString)
#include "tst_iptofullstring.moc"
