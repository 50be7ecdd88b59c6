// The identity of a selected device, read from its table row.

#include "configpaths.h"
#include "deviceinfomodel.h"
#include "deviceinforow.h"

#include <QAbstractItemModelTester>
#include <QStandardPaths>
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

TarnDeviceInfo device(const char *serial, const char *mac, const char *ip, const char *type)
{
    TarnDeviceInfo record;
    setText(record.serialNumber, serial);
    setText(record.macAddress, mac);
    setText(record.ipv4Address, ip);
    setText(record.ipv4SubnetMask, "255.255.0.0");
    setText(record.deviceType, type);
    return record;
}

} // namespace

class TstDeviceInfoRow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(apt::ConfigPaths::userFolder() + "ColumnConfig.xml");
    }
    void identityTexts_data();
    void identityTexts();
};

void TstDeviceInfoRow::identityTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("texts");   // id, type, address, serial, MAC

    QTest::newRow("first row") << 0 << QStringList{"001", "TC-2140-IR", "10.1.0.2", "SERIAL-A", "02-54-41-00-00-0a"};
    QTest::newRow("second row") << 1 << QStringList{"002", "TN-7616-NVR", "192.168.1.64", "SERIAL-B", "02-54-41-00-00-0b"};
    QTest::newRow("past the end") << 2 << QStringList{"", "", "", "", ""};
    QTest::newRow("negative") << -1 << QStringList{"", "", "", "", ""};
}

void TstDeviceInfoRow::identityTexts()
{
    QFETCH(int, row);
    QFETCH(QStringList, texts);

    DeviceInfoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.appendDevices({device("SERIAL-A", "02-54-41-00-00-0a", "10.1.0.2", "TC-2140-IR"),
                         device("SERIAL-B", "02-54-41-00-00-0b", "192.168.1.64", "TN-7616-NVR")});
    const DeviceInfo info = TarnTool::deviceInfoFromRow(model, row);
    QCOMPARE((QStringList{info.strId, info.strDeviceType, info.strIPv4Address, info.strSerialNumber, info.strMac}),
             texts);
    for (const QString &result : {info.strResult, info.strWifiResult, info.strGuidState,
                                  info.strChannelPasswordResult, info.strEmailState})
        QVERIFY(result.isEmpty());
}

QTEST_GUILESS_MAIN(TstDeviceInfoRow)
#include "tst_deviceinforow.moc"
