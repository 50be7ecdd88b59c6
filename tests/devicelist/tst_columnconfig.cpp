#include "columnconfig.h"

#include <QtTest>

using TarnTool::ColumnConfig;

namespace {

QByteArray configFile(const QVector<int> &values)
{
    QByteArray xml = "<?xml version=\"1.0\"?><ColumnConfig>";
    for (int value : values)
        xml += "<C><IndexValue>" + QByteArray::number(value) + "</IndexValue></C>";
    return xml + "</ColumnConfig>";
}

QVector<int> customOrder()
{
    QVector<int> order = ColumnConfig::identityOrder();
    std::reverse(order.begin(), order.end());
    return order;
}

} // namespace

class TestColumnConfig : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void missingFile();
    void move_data();
    void move();
    void saveAndReload();
    void shippedDefaultIsIdentity();
};

void TestColumnConfig::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVector<int>>("positions");
    const QVector<int> identity = ColumnConfig::identityOrder();
    QTest::newRow("identity") << configFile(identity) << true << identity;
    QTest::newRow("custom order") << configFile(customOrder()) << true << customOrder();
    QTest::newRow("short") << configFile(identity.mid(0, 24)) << false << identity;
    QVector<int> duplicate = identity;
    duplicate[3] = 4;
    QTest::newRow("duplicate value") << configFile(duplicate) << false << identity;
    QVector<int> outOfRange = identity;
    outOfRange[24] = 25;
    QTest::newRow("value out of range") << configFile(outOfRange) << false << identity;
    QTest::newRow("not xml") << QByteArray("<ColumnConfig><C>") << false << identity;
    QTest::newRow("empty") << QByteArray() << false << identity;
}

void TestColumnConfig::load()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QFETCH(QVector<int>, positions);
    QTemporaryDir dir;
    const QString path = dir.filePath("ColumnConfig.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    ColumnConfig config;
    QCOMPARE(config.load(path), accepted);
    QCOMPARE(config.positions(), positions);
    QCOMPARE(config.entries(), positions);
}

void TestColumnConfig::missingFile()
{
    QTemporaryDir dir;
    ColumnConfig config;
    QVERIFY(!config.load(dir.filePath("none.xml")));
    QCOMPARE(config.positions(), ColumnConfig::identityOrder());
    // A directory cannot be read as a file.
    QVERIFY(!config.load(dir.path()));
    QCOMPARE(config.positions(), ColumnConfig::identityOrder());
}

void TestColumnConfig::move_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QVector<int>>("changedIds");
    QTest::addColumn<QVector<int>>("changedValues");
    QTest::newRow("5 to 2") << 5 << 2 << QVector<int>{2, 3, 4, 5} << QVector<int>{3, 4, 5, 2};
    QTest::newRow("2 to 5") << 2 << 5 << QVector<int>{2, 3, 4, 5} << QVector<int>{5, 2, 3, 4};
    QTest::newRow("same") << 7 << 7 << QVector<int>{} << QVector<int>{};
    QTest::newRow("outside") << 3 << 25 << QVector<int>{} << QVector<int>{};
}

void TestColumnConfig::move()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QVector<int>, changedIds);
    QFETCH(QVector<int>, changedValues);
    ColumnConfig config;
    config.move(from, to);
    QVector<int> expected = ColumnConfig::identityOrder();
    for (int i = 0; i < changedIds.size(); ++i)
        expected[changedIds.at(i)] = changedValues.at(i);
    QCOMPARE(config.entries(), expected);
    // The loaded order stays until the next load.
    QCOMPARE(config.positions(), ColumnConfig::identityOrder());
}

void TestColumnConfig::saveAndReload()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ColumnConfig.xml");
    ColumnConfig config;
    config.move(5, 2);
    QVERIFY(config.save(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("GB2312"));
    QVERIFY(!bytes.contains("\n "));

    ColumnConfig reloaded;
    QVERIFY(reloaded.load(path));
    QCOMPARE(reloaded.positions(), config.entries());
    QVERIFY(!config.save(dir.filePath("missing/folder/ColumnConfig.xml")));
}

void TestColumnConfig::shippedDefaultIsIdentity()
{
    ColumnConfig config;
    QVERIFY(config.load(QStringLiteral(TARN_SOURCE_DIR "/resources/ColumnConfig.xml")));
    QCOMPARE(config.positions(), ColumnConfig::identityOrder());
}

QTEST_GUILESS_MAIN(TestColumnConfig)
#include "tst_columnconfig.moc"
