#include "cipstandarditem.h"
#include "columnconfig.h"
#include "configpaths.h"
#include "configuremanager.h"
#include "deviceinfomodel.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QtTest>

#include <cstring>

using TarnTool::DeviceInfoModel;


namespace {

template <std::size_t N>
void setText(char (&field)[N], const char *text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, qMin(std::strlen(text), N));
}

TarnDeviceInfo device(int n, const char *ip = "192.168.1.64")
{
    TarnDeviceInfo record;
    setText(record.serialNumber, QByteArray("SN" + QByteArray::number(n)).constData());
    setText(record.macAddress, QByteArray("00-11-22-33-44-" + QByteArray::number(n)).constData());
    setText(record.ipv4Address, ip);
    setText(record.ipv4SubnetMask, "255.255.255.0");
    setText(record.ipv4Gateway, "192.168.1.1");
    setText(record.ipv6Address, "fe80::1");
    setText(record.ipv6Gateway, "fe80::fe");
    setText(record.deviceType, "TN-2000");
    record.ipv6PrefixLength = 64;
    record.addressInfoFlag = 1;
    record.port = 8000;
    record.httpPort = 80;
    record.enhancedSdkPort = 8443;
    return record;
}

QString cellText(const DeviceInfoModel &model, int row, int id)
{
    return model.index(row, model.columnPosition(id)).data().toString();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestDeviceInfoModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void modelTester();
    void headerData();
    void variantHeaders_data();
    void variantHeaders();
    void displayRules_data();
    void displayRules();
    void newRowCells();
    void activationAfterUpdate();
    void updateKeepsOtherRows();
    void removeRenumbers();
    void sortsAddresses_data();
    void sortsAddresses();
    void columnPosition();
    void customColumnOrder();
    void badColumnConfigFallsBack_data();
    void badColumnConfigFallsBack();
    void moveSavesToUserFolder();
    void manyDevices();

private:
    QTemporaryDir m_dir;
};

void TestDeviceInfoModel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestDeviceInfoModel::init()
{
    QFile::remove(apt::ConfigPaths::userFolder() + "ColumnConfig.xml");
    apt::ConfigureManager::instance()->load(m_dir.filePath("no-setup.xml"));
}

void TestDeviceInfoModel::modelTester()
{
    DeviceInfoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.addDevice(device(1, "10.0.0.10"));
    model.appendDevices({device(2, "10.0.0.9"), device(3, "9.1.1.1")});
    TarnDeviceInfo changed = device(2, "10.0.0.8");
    changed.activationState = 1;
    model.updateDevice(changed);
    model.setSortRole(aptui::CIpStandardItem::IpSortRole);
    model.sort(model.columnPosition(DeviceInfoModel::ColumnIPv4Address));
    model.removeDevice(device(1));
    QCOMPARE(model.rowCount(), 2);
    model.removeAllDevices();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 25);
}

void TestDeviceInfoModel::headerData()
{
    DeviceInfoModel model;
    QCOMPARE(model.rowCount(), 0);
    for (int section = 0; section < 25; ++section)
        QCOMPARE(model.headerData(section, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(model.headerData(0, Qt::Horizontal, DeviceInfoModel::CheckSectionRole), QVariant(true));
    QVERIFY(model.headerData(0, Qt::Horizontal, Qt::CheckStateRole).isValid());
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("ID"));
    QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QString("Enhanced SDK Service Port"));
    QCOMPARE(model.headerData(22, Qt::Horizontal).toString(), QString("IPv4 DHCP"));
}

void TestDeviceInfoModel::variantHeaders_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("support");
    QTest::addColumn<QString>("status");
    QTest::newRow("no settings") << QByteArray() << "Support Pellaris" << "Pellaris Status";
    QTest::newRow("version 1") << QByteArray("<VersionType><Value>1</Value></VersionType>")
                               << "Support Pellaris" << "Pellaris Status";
    QTest::newRow("version 0, no type") << QByteArray("<VersionType><Value>0</Value></VersionType>")
                                        << "Support Orbelo" << "Orbelo Status";
    QTest::newRow("version 0, type 1")
        << QByteArray("<VersionType><Value>0</Value></VersionType><Type><Value>1</Value></Type>")
        << "Support Orbelo" << "Orbelo Status";
    QTest::newRow("version 0, type 0")
        << QByteArray("<VersionType><Value>0</Value></VersionType><Type><Value>0</Value></Type>")
        << "Support Skyvane" << "Skyvane Status";
}

void TestDeviceInfoModel::variantHeaders()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, support);
    QFETCH(QString, status);
    const QString path = m_dir.filePath("Setup.xml");
    writeFile(path, "<?xml version=\"1.0\"?><Setup>" + settings + "</Setup>");
    QVERIFY(apt::ConfigureManager::instance()->load(path));
    DeviceInfoModel model;
    QCOMPARE(model.headerData(23, Qt::Horizontal).toString(), support);
    QCOMPARE(model.headerData(24, Qt::Horizontal).toString(), status);
}

void TestDeviceInfoModel::displayRules_data()
{
    QTest::addColumn<TarnDeviceInfo>("record");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");

    auto with = [](auto change) {
        TarnDeviceInfo record = device(1);
        change(record);
        return record;
    };
    QTest::newRow("sdk 1999") << with([](TarnDeviceInfo &r) { r.enhancedSdkPort = 1999; })
                              << int(DeviceInfoModel::ColumnEnhancedSdkPort) << "N/A";
    QTest::newRow("sdk 2000") << with([](TarnDeviceInfo &r) { r.enhancedSdkPort = 2000; })
                              << int(DeviceInfoModel::ColumnEnhancedSdkPort) << "2000";
    QTest::newRow("sdk 65535") << with([](TarnDeviceInfo &r) { r.enhancedSdkPort = 65535; })
                               << int(DeviceInfoModel::ColumnEnhancedSdkPort) << "65535";
    QTest::newRow("sdk 65536") << with([](TarnDeviceInfo &r) { r.enhancedSdkPort = 65536; })
                               << int(DeviceInfoModel::ColumnEnhancedSdkPort) << "N/A";
    QTest::newRow("http 0") << with([](TarnDeviceInfo &r) { r.httpPort = 0; })
                            << int(DeviceInfoModel::ColumnHttpPort) << "N/A";
    QTest::newRow("http 65535") << with([](TarnDeviceInfo &r) { r.httpPort = 65535; })
                                << int(DeviceInfoModel::ColumnHttpPort) << "65535";
    QTest::newRow("port 80") << with([](TarnDeviceInfo &r) { r.port = 80; })
                             << int(DeviceInfoModel::ColumnPort) << "   80";
    QTest::newRow("channels 4") << with([](TarnDeviceInfo &r) { r.channelCount = 4; })
                                << int(DeviceInfoModel::ColumnChannelCount) << " 4";
    for (int id : {DeviceInfoModel::ColumnIPv4Gateway, DeviceInfoModel::ColumnIPv6Address,
                   DeviceInfoModel::ColumnIPv6Gateway, DeviceInfoModel::ColumnIPv6PrefixLength})
        QTest::addRow("no address info, id %d", id)
            << with([](TarnDeviceInfo &r) { r.addressInfoFlag = 0; }) << id << "";
    QTest::newRow("gateway") << device(1) << int(DeviceInfoModel::ColumnIPv4Gateway) << "192.168.1.1";
    QTest::newRow("ipv6") << device(1) << int(DeviceInfoModel::ColumnIPv6Address) << "fe80::1";
    QTest::newRow("prefix") << device(1) << int(DeviceInfoModel::ColumnIPv6PrefixLength) << "64";
    QTest::newRow("ipv6 unsupported") << with([](TarnDeviceInfo &r) { r.abilityFlags = 0; })
                                      << int(DeviceInfoModel::ColumnSupportIPv6) << "No";
    QTest::newRow("ipv6 supported") << with([](TarnDeviceInfo &r) { r.abilityFlags = 1; })
                                    << int(DeviceInfoModel::ColumnSupportIPv6) << "Yes";
    QTest::newRow("ipv6 supported, no info")
        << with([](TarnDeviceInfo &r) { r.abilityFlags = 1; r.addressInfoFlag = 0; })
        << int(DeviceInfoModel::ColumnSupportIPv6) << "";
    QTest::newRow("mod ipv6") << with([](TarnDeviceInfo &r) { r.abilityFlags = 2; })
                              << int(DeviceInfoModel::ColumnSupportModIPv6) << "Yes";
    QTest::newRow("no mod ipv6") << device(1) << int(DeviceInfoModel::ColumnSupportModIPv6) << "No";
    QTest::newRow("dhcp ability") << with([](TarnDeviceInfo &r) { r.abilityFlags = 4; })
                                  << int(DeviceInfoModel::ColumnSupportDhcp) << "Yes";
    QTest::newRow("dhcp on") << with([](TarnDeviceInfo &r) { r.dhcpEnabled = 1; })
                             << int(DeviceInfoModel::ColumnIPv4Dhcp) << "ON";
    QTest::newRow("dhcp off") << with([](TarnDeviceInfo &r) { r.dhcpEnabled = 2; })
                              << int(DeviceInfoModel::ColumnIPv4Dhcp) << "OFF";
    const char *support[] = {"N/A", "Yes", "No", ""};
    const char *status[] = {"N/A", "ON", "OFF", ""};
    for (int value = 0; value < 4; ++value) {
        const auto cloud = [value](TarnDeviceInfo &r) {
            r.cloudSupport = uint8_t(value);
            r.cloudStatus = uint8_t(value);
        };
        QTest::addRow("cloud support %d", value)
            << with(cloud) << int(DeviceInfoModel::ColumnCloudSupport) << support[value];
        QTest::addRow("cloud status %d", value)
            << with(cloud) << int(DeviceInfoModel::ColumnCloudStatus) << status[value];
    }
    QTest::newRow("activated") << device(1) << int(DeviceInfoModel::ColumnActivate) << "Activated";
    QTest::newRow("not activated") << with([](TarnDeviceInfo &r) { r.activationState = 1; })
                                   << int(DeviceInfoModel::ColumnActivate) << "Not activated";
    QTest::newRow("full serial array")
        << with([](TarnDeviceInfo &r) { std::memset(r.serialNumber, 'S', sizeof r.serialNumber); })
        << int(DeviceInfoModel::ColumnSerialNumber) << QString(48, QLatin1Char('S'));
}

void TestDeviceInfoModel::displayRules()
{
    QFETCH(TarnDeviceInfo, record);
    QFETCH(int, id);
    QFETCH(QString, text);
    DeviceInfoModel model;
    model.addDevice(record);
    QCOMPARE(cellText(model, 0, id), text);
    // An update of an unchanged record writes the same texts.
    model.updateDevice(record);
    QCOMPARE(cellText(model, 0, id), text);
}

void TestDeviceInfoModel::newRowCells()
{
    DeviceInfoModel model;
    model.addDevice(device(1));
    model.addDevice(device(2));
    const QModelIndex check = model.index(1, model.columnPosition(DeviceInfoModel::ColumnCheck));
    QVERIFY(model.flags(check) & Qt::ItemIsUserCheckable);
    QCOMPARE(check.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(cellText(model, 0, DeviceInfoModel::ColumnId_), QString("001"));
    QCOMPARE(cellText(model, 1, DeviceInfoModel::ColumnId_), QString("002"));
    for (int id = 0; id < 25; ++id)
        QCOMPARE(model.index(0, model.columnPosition(id)).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor("#666666"));
    for (int id : {DeviceInfoModel::ColumnIPv4Address, DeviceInfoModel::ColumnIPv4Mask,
                   DeviceInfoModel::ColumnIPv4Gateway}) {
        const QModelIndex address = model.index(0, model.columnPosition(id));
        QCOMPARE(address.data(aptui::CIpStandardItem::IpSortRole).toString().size(), 12);
    }
}

void TestDeviceInfoModel::activationAfterUpdate()
{
    DeviceInfoModel model;
    TarnDeviceInfo record = device(1);
    record.activationState = 1;
    model.addDevice(record);
    const int column = model.columnPosition(DeviceInfoModel::ColumnActivate);
    QCOMPARE(model.index(0, column).data().toString(), QString("Not activated"));
    QCOMPARE(model.index(0, column).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    record.activationState = 0;
    model.updateDevice(record);
    QCOMPARE(model.index(0, column).data().toString(), QString("Activated"));
    QCOMPARE(model.index(0, column).data(Qt::ForegroundRole).value<QBrush>().color(), QColor("#666666"));
}

void TestDeviceInfoModel::updateKeepsOtherRows()
{
    DeviceInfoModel model;
    model.appendDevices({device(1, "10.0.0.1"), device(2, "10.0.0.2"), device(3, "10.0.0.3")});
    const int checkColumn = model.columnPosition(DeviceInfoModel::ColumnCheck);
    model.setData(model.index(1, checkColumn), Qt::Checked, Qt::CheckStateRole);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

    TarnDeviceInfo record = device(2, "10.0.0.200");
    model.updateDevice(record);
    QCOMPARE(cellText(model, 1, DeviceInfoModel::ColumnIPv4Address), QString("10.0.0.200"));
    QCOMPARE(model.index(1, model.columnPosition(DeviceInfoModel::ColumnIPv4Address))
                 .data(aptui::CIpStandardItem::IpSortRole).toString(),
             QString("010000000200"));
    QCOMPARE(model.index(1, checkColumn).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(cellText(model, 1, DeviceInfoModel::ColumnId_), QString("002"));
    for (const QList<QVariant> &change : changes) {
        QCOMPARE(change.at(0).toModelIndex().row(), 1);
        QCOMPARE(change.at(1).toModelIndex().row(), 1);
    }

    // Unknown device: nothing changes.
    changes.clear();
    model.updateDevice(device(9));
    QCOMPARE(changes.count(), 0);
    // Same serial number, other MAC: another device.
    TarnDeviceInfo other = device(3, "1.1.1.1");
    setText(other.macAddress, "FF-FF-FF-FF-FF-FF");
    model.updateDevice(other);
    QCOMPARE(cellText(model, 2, DeviceInfoModel::ColumnIPv4Address), QString("10.0.0.3"));
}

void TestDeviceInfoModel::removeRenumbers()
{
    DeviceInfoModel model;
    model.appendDevices({device(1), device(2), device(3)});
    model.removeDevice(device(2));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(cellText(model, 0, DeviceInfoModel::ColumnId_), QString("001"));
    QCOMPARE(cellText(model, 1, DeviceInfoModel::ColumnId_), QString("002"));
    QCOMPARE(cellText(model, 1, DeviceInfoModel::ColumnSerialNumber), QString("SN3"));
    model.removeDevice(device(7));
    QCOMPARE(model.rowCount(), 2);
}

void TestDeviceInfoModel::sortsAddresses_data()
{
    QTest::addColumn<int>("sortRole");
    QTest::newRow("by item order") << int(Qt::DisplayRole);
    QTest::newRow("by key role") << int(aptui::CIpStandardItem::IpSortRole);
}

void TestDeviceInfoModel::sortsAddresses()
{
    QFETCH(int, sortRole);
    DeviceInfoModel model;
    model.appendDevices({device(1, "192.168.1.2"), device(2, "10.0.0.10"), device(3, "10.0.0.9"),
                         device(4, "9.0.0.1")});
    model.setSortRole(sortRole);
    model.sort(model.columnPosition(DeviceInfoModel::ColumnIPv4Address));
    QStringList order;
    for (int row = 0; row < model.rowCount(); ++row)
        order << cellText(model, row, DeviceInfoModel::ColumnIPv4Address);
    QCOMPARE(order, (QStringList{"9.0.0.1", "10.0.0.9", "10.0.0.10", "192.168.1.2"}));
}

void TestDeviceInfoModel::columnPosition()
{
    DeviceInfoModel model;
    QCOMPARE(model.columnPosition(-1), -1);
    QCOMPARE(model.columnPosition(25), -1);
    for (int id = 0; id < 25; ++id)
        QCOMPARE(model.columnPosition(id), id);
}

void TestDeviceInfoModel::customColumnOrder()
{
    TarnTool::ColumnConfig config;
    config.move(5, 2);  // Port (id 5) now stands in model column 2
    QVERIFY(config.save(apt::ConfigPaths::writePath("ColumnConfig.xml")));
    DeviceInfoModel model;
    QCOMPARE(model.columnPosition(DeviceInfoModel::ColumnPort), 2);
    QCOMPARE(model.columnPosition(DeviceInfoModel::ColumnDeviceType), 3);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Port"));
    model.addDevice(device(1));
    QCOMPARE(model.index(0, 2).data().toString(), QString(" 8000"));
    QCOMPARE(model.index(0, 3).data().toString(), QString("TN-2000"));
}

void TestDeviceInfoModel::badColumnConfigFallsBack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("short") << QByteArray("<R><C><IndexValue>1</IndexValue></C><C><IndexValue>0</IndexValue></C></R>");
    QTest::newRow("broken") << QByteArray("<R><C>");
}

void TestDeviceInfoModel::badColumnConfigFallsBack()
{
    QFETCH(QByteArray, content);
    writeFile(apt::ConfigPaths::writePath("ColumnConfig.xml"), content);
    DeviceInfoModel model;
    for (int id = 0; id < 25; ++id)
        QCOMPARE(model.columnPosition(id), id);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("ID"));
}

void TestDeviceInfoModel::moveSavesToUserFolder()
{
    DeviceInfoModel model;
    QVERIFY(model.moveColumnConfig(0, 5, 2));
    // The order applies from the next model on.
    QCOMPARE(model.columnPosition(DeviceInfoModel::ColumnPort), 5);
    const QString saved = apt::ConfigPaths::userFolder() + "ColumnConfig.xml";
    QVERIFY(QFileInfo::exists(saved));
    TarnTool::ColumnConfig config;
    QVERIFY(config.load(saved));
    QCOMPARE(config.positions().mid(2, 4), (QVector<int>{3, 4, 5, 2}));
    DeviceInfoModel next;
    QCOMPARE(next.columnPosition(DeviceInfoModel::ColumnPort), 2);
}

void TestDeviceInfoModel::manyDevices()
{
    QVector<TarnDeviceInfo> records;
    for (int i = 0; i < 10000; ++i) {
        const QByteArray ip = "10." + QByteArray::number((i * 7919) % 256) + "." + QByteArray::number(i % 256) + ".1";
        records.append(device(i, ip.constData()));
    }
    DeviceInfoModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QElapsedTimer timer;
    timer.start();
    model.appendDevices(records);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.rowCount(), 10000);
    QCOMPARE(cellText(model, 9999, DeviceInfoModel::ColumnId_), QString("10000"));
    const qint64 appendMs = timer.restart();
    model.setSortRole(aptui::CIpStandardItem::IpSortRole);
    model.sort(model.columnPosition(DeviceInfoModel::ColumnIPv4Address));
    const qint64 sortMs = timer.restart();
    model.removeAllDevices();
    const qint64 clearMs = timer.elapsed();
    qInfo("append %lld ms, sort %lld ms, clear %lld ms", appendMs, sortMs, clearMs);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 25);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("ID"));
    QVERIFY2(clearMs < 2000, qPrintable(QString::number(clearMs)));
}

QTEST_MAIN(TestDeviceInfoModel)
#include "tst_deviceinfomodel.moc"
