// The columns of the batch result list and the set-up of every flow that
// shows it: headers by product variant, widths, what each cell shows, which
// results count as failures, and the texts, hidden columns and sizes per flow.

#include "modifyresultcolumns.h"
#include "modifyresultflow.h"

#include <QtTest>

using namespace TarnTool;

Q_DECLARE_METATYPE(TarnTool::ModifyResultFlow)

namespace {

const QString okIcon = QStringLiteral(
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_ok.png");
const QString partIcon = QStringLiteral(
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_info.png");
const QString errorIcon = QStringLiteral(
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_error.png");

DeviceInfo sampleDevice()
{
    DeviceInfo device;
    device.strId = QStringLiteral("002");
    device.strDeviceType = QStringLiteral("DS-2CD2043");
    device.strIPv4Address = QStringLiteral("10.0.0.2");
    device.strSerialNumber = QStringLiteral("DS-2CD2043-0001");
    device.strMac = QStringLiteral("aa:bb:cc:dd:ee:02");
    device.strResult = QStringLiteral("Succeed");
    device.strWifiResult = QStringLiteral("Not Support.");
    device.strGuidState = QStringLiteral("Not Exported");
    device.strChannelPasswordResult = QStringLiteral("Succeed");
    device.strEmailState = QStringLiteral("Not Set");
    return device;
}

} // namespace

class ModifyResultColumnsTest : public QObject
{
    Q_OBJECT

private slots:
    void headers_data();
    void headers();
    void widths();
    void cloudStatus_data();
    void cloudStatus();
    void resultColumn_data();
    void resultColumn();
    void cells_data();
    void cells();
    void flows_data();
    void flows();
    void cloudOffConfiguration_data();
    void cloudOffConfiguration();
};

void ModifyResultColumnsTest::headers_data()
{
    QTest::addColumn<int>("versionType");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("cloud");

    QTest::newRow("Pellaris") << 1 << 0 << "Enable Pellaris";
    QTest::newRow("Pellaris whatever the type") << 2 << 1 << "Enable Pellaris";
    QTest::newRow("Orbelo") << 0 << 1 << "Enable Orbelo service";
    QTest::newRow("Skyvane") << 0 << 0 << "Enable Skyvane service";
}

void ModifyResultColumnsTest::headers()
{
    QFETCH(int, versionType);
    QFETCH(int, type);
    QFETCH(QString, cloud);
    QCOMPARE(cloudServiceHeader(versionType, type), cloud);
    const QStringList expected = {"ID",           "Device Type", "IPv4 Address", "Serial Number",
                                  "Modification", "Export GUID", cloud,          "Wifi Set",
                                  "Channel Password", "Reserved Email"};
    QCOMPARE(resultColumnHeaders(versionType, type), expected);
}

void ModifyResultColumnsTest::widths()
{
    const QList<int> expected = {50, 120, 120, 175, 175, 175, 175, 175, 175, 175};
    QList<int> widths;
    for (int column = 0; column < ResultColumnCount; ++column)
        widths.append(resultColumnWidth(column));
    QCOMPARE(widths, expected);
}

void ModifyResultColumnsTest::cloudStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("on") << 1 << "ON";
    QTest::newRow("off") << 2 << "OFF";
    QTest::newRow("unknown") << 0 << "N/A";
    QTest::newRow("other value") << 3 << "N/A";
    QTest::newRow("negative") << -1 << "N/A";
}

void ModifyResultColumnsTest::cloudStatus()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(cloudStatusText(status), text);
    QCOMPARE(resultCell(sampleDevice(), ResultColumnCloud, status).text, text);
}

void ModifyResultColumnsTest::resultColumn_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("failed");

    QTest::newRow("succeed") << "Succeed" << "" << okIcon << false;
    QTest::newRow("part succeed") << "Part Succeed" << "" << partIcon << false;
    QTest::newRow("refused") << "Error2009:device deny" << "Error2009:device deny" << errorIcon
                             << true;
    QTest::newRow("other error") << "Error7:others" << "Error7:others" << errorIcon << true;
    QTest::newRow("locked") << "Locked." << "Locked." << errorIcon << true;
    QTest::newRow("no result") << "" << "" << errorIcon << true;
    QTest::newRow("different case") << "succeed" << "succeed" << errorIcon << true;
}

void ModifyResultColumnsTest::resultColumn()
{
    QFETCH(QString, result);
    QFETCH(QString, text);
    QFETCH(QString, icon);
    QFETCH(bool, failed);

    DeviceInfo device = sampleDevice();
    device.strResult = result;
    const ResultCell cell = resultCell(device, ResultColumnResult, 0);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.iconPath, icon);
    QCOMPARE(resultIconPath(result), icon);
    QCOMPARE(isFailedResult(result), failed);
}

void ModifyResultColumnsTest::cells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");

    QTest::newRow("id") << int(ResultColumnId) << "002";
    QTest::newRow("device type") << int(ResultColumnDeviceType) << "DS-2CD2043";
    QTest::newRow("address") << int(ResultColumnIPv4Address) << "10.0.0.2";
    QTest::newRow("serial number") << int(ResultColumnSerialNumber) << "DS-2CD2043-0001";
    QTest::newRow("guid") << int(ResultColumnGuid) << "Not Exported";
    QTest::newRow("cloud") << int(ResultColumnCloud) << "OFF";
    QTest::newRow("wifi") << int(ResultColumnWifi) << "Not Support.";
    QTest::newRow("channel password") << int(ResultColumnChannelPassword) << "Succeed";
    QTest::newRow("email") << int(ResultColumnEmail) << "Not Set";
    QTest::newRow("past the last column") << int(ResultColumnCount) << "";
}

void ModifyResultColumnsTest::cells()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    const ResultCell cell = resultCell(sampleDevice(), column, 2);
    QCOMPARE(cell.text, text);
    // Only the result column has an icon.
    QVERIFY(cell.iconPath.isEmpty());
}

void ModifyResultColumnsTest::flows_data()
{
    QTest::addColumn<ModifyResultFlow>("flow");
    QTest::addColumn<bool>("cloudOff");
    QTest::addColumn<bool>("wifiSent");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("failed");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("wifiRows");

    const QSize narrow(700, 500);
    const QSize wide(1165, 500);
    QTest::newRow("batch modification") << ModifyResultFlow::BatchModifyStatic << false << false
                                        << "" << "" << "" << QList<int>{5, 6, 7} << narrow
                                        << false;
    QTest::newRow("batch modification with DHCP")
        << ModifyResultFlow::BatchModifyDhcp << false << false << "" << "" << ""
        << QList<int>{5, 6, 7, 8} << narrow << false;
    QTest::newRow("batch activation without Wi-Fi")
        << ModifyResultFlow::BatchActivation << false << false << "Activation"
        << "Batch activate devices" << "Activate fail numbers" << QList<int>{7} << narrow << false;
    QTest::newRow("batch activation with Wi-Fi")
        << ModifyResultFlow::BatchActivation << false << true << "Activation"
        << "Batch activate devices" << "Activate fail numbers" << QList<int>{} << wide << false;
    QTest::newRow("batch activation, cloud off")
        << ModifyResultFlow::BatchActivation << true << false << "Activation"
        << "Batch activate devices" << "Activate fail numbers" << QList<int>{6, 7} << narrow
        << false;
    QTest::newRow("batch activation, cloud off, with Wi-Fi")
        << ModifyResultFlow::BatchActivation << true << true << "Activation"
        << "Batch activate devices" << "Activate fail numbers" << QList<int>{6} << wide << false;
    QTest::newRow("activation with channel password")
        << ModifyResultFlow::ChannelPasswordActivation << false << false << "Activation" << ""
        << "" << QList<int>{5, 6, 7} << narrow << false;
    QTest::newRow("Wi-Fi commands") << ModifyResultFlow::WifiCommands << false << false << "" << ""
                                    << "" << QList<int>{2, 3, 4, 5, 6, 7, 8, 9} << wide << true;
}

void ModifyResultColumnsTest::flows()
{
    QFETCH(ModifyResultFlow, flow);
    QFETCH(bool, cloudOff);
    QFETCH(bool, wifiSent);
    QFETCH(QString, header);
    QFETCH(QString, total);
    QFETCH(QString, failed);
    QFETCH(QList<int>, hidden);
    QFETCH(QSize, size);
    QFETCH(bool, wifiRows);

    const ModifyResultSetup setup = modifyResultSetup(flow, cloudOff, wifiSent);
    QCOMPARE(setup.resultHeader, header);
    QCOMPARE(setup.totalCaption, total);
    QCOMPARE(setup.failedCaption, failed);
    QCOMPARE(setup.hiddenColumns, hidden);
    QCOMPARE(setup.size, size);
    QCOMPARE(setup.wifiRows, wifiRows);
}

void ModifyResultColumnsTest::cloudOffConfiguration_data()
{
    QTest::addColumn<int>("versionType");
    QTest::addColumn<uint>("translator");
    QTest::addColumn<bool>("cloudOff");
    QTest::newRow("version 1, translator 1") << 1 << 1u << true;
    QTest::newRow("version 1, translator 0") << 1 << 0u << false;
    QTest::newRow("version 0, translator 1") << 0 << 1u << false;
    QTest::newRow("version 2, translator 1") << 2 << 1u << false;
}

void ModifyResultColumnsTest::cloudOffConfiguration()
{
    QFETCH(int, versionType);
    QFETCH(uint, translator);
    QFETCH(bool, cloudOff);
    QCOMPARE(isCloudOffConfiguration(versionType, translator), cloudOff);
}

QTEST_GUILESS_MAIN(ModifyResultColumnsTest)
#include "tst_modifyresultcolumns.moc"
