// The batch result page: its frame, the full list with counts, icons and the
// store's cloud state, the Wi-Fi form, the headers by product variant, and
// the columns and captions of every flow that shows it.

#include "basetitle.h"
#include "configuremanager.h"
#include "ctableview.h"
#include "devicemodifyresultpage.h"
#include "modifyresultcolumns.h"
#include "tarndeviceinfomanager.h"
#include "treeviewwithleftpixmapdelegate.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cstring>

using namespace TarnTool;

Q_DECLARE_METATYPE(TarnTool::ModifyResultFlow)

namespace {

const QString okIcon = QStringLiteral(
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_ok.png");
const QString partIcon = QStringLiteral(
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_info.png");
const QString errorIcon = QStringLiteral(
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_error.png");
constexpr int pixmapRole = aptui::TreeViewWithLeftPixmapDelegate::LeftPixmapRole;

DeviceInfo row(const QString &id, const QString &serial, const QString &result)
{
    DeviceInfo device;
    device.strId = id;
    device.strDeviceType = QStringLiteral("DS-2CD2043");
    device.strIPv4Address = QStringLiteral("10.0.0.") + QString::number(id.toInt());
    device.strSerialNumber = serial;
    device.strMac = QStringLiteral("aa:bb:cc:dd:ee:0") + QString::number(id.toInt());
    device.strResult = result;
    device.strGuidState = QStringLiteral("Not Exported");
    device.strWifiResult = QStringLiteral("Succeed");
    device.strChannelPasswordResult = QStringLiteral("Succeed");
    device.strEmailState = QStringLiteral("Not Set");
    return device;
}

void storeDevice(const DeviceInfo &device, uint8_t cloudStatus)
{
    TarnDeviceInfo info;
    const QByteArray serial = device.strSerialNumber.toLatin1();
    const QByteArray mac = device.strMac.toLatin1();
    std::memcpy(info.serialNumber, serial.constData(),
                std::min<std::size_t>(serial.size(), sizeof info.serialNumber));
    std::memcpy(info.macAddress, mac.constData(),
                std::min<std::size_t>(mac.size(), sizeof info.macAddress));
    info.cloudStatus = cloudStatus;
    TarnDeviceInfoManager::Instance()->addDeviceInfo(info);
}

// Three devices: one succeeded (cloud on), one refused (not in the store),
// one partly succeeded (cloud off).
QVector<DeviceInfo> sampleBatch()
{
    return {row(QStringLiteral("001"), QStringLiteral("SN-001"), QStringLiteral("Succeed")),
            row(QStringLiteral("002"), QStringLiteral("SN-002"),
                QStringLiteral("Error2009:device deny")),
            row(QStringLiteral("003"), QStringLiteral("SN-003"), QStringLiteral("Part Succeed"))};
}

} // namespace

class DeviceModifyResultPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void frame();
    void resultRows();
    void failedRowCountsAndShowsText();
    void longHeaderWidensItsColumn();
    void wifiRows();
    void variantHeaders_data();
    void variantHeaders();
    void flows_data();
    void flows();
    void captionsAndHeaderBeforeRows();
    void confirmAndCloseEnd_data();
    void confirmAndCloseEnd();

private:
    void loadSetup(const QByteArray &settings);
    static QLabel *label(const DeviceModifyResultPage &page, const char *name);
    static MirelGUIToolkit::CTableView *table(const DeviceModifyResultPage &page);

    QTemporaryDir m_dir;
};

void DeviceModifyResultPageTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void DeviceModifyResultPageTest::init()
{
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
    loadSetup("<VersionType><Value>0</Value></VersionType><Type><Value>0</Value></Type>");
}

void DeviceModifyResultPageTest::cleanup()
{
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
}

void DeviceModifyResultPageTest::loadSetup(const QByteArray &settings)
{
    const QString path = m_dir.filePath(QStringLiteral("Setup.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<?xml version=\"1.0\"?><Setup>" + settings + "</Setup>");
    file.close();
    QVERIFY(apt::ConfigureManager::instance()->load(path));
}

QLabel *DeviceModifyResultPageTest::label(const DeviceModifyResultPage &page, const char *name)
{
    return page.findChild<QLabel *>(QLatin1String(name));
}

MirelGUIToolkit::CTableView *DeviceModifyResultPageTest::table(const DeviceModifyResultPage &page)
{
    return page.findChild<MirelGUIToolkit::CTableView *>(QStringLiteral("m_tableViewResult"));
}

void DeviceModifyResultPageTest::frame()
{
    DeviceModifyResultPage page;
    QCOMPARE(page.windowTitle(), QStringLiteral("Confirmation List"));
    QCOMPARE(page.titleBar()->title(), QStringLiteral("Confirmation List"));
    QCOMPARE(page.size(), QSize(1165, 500));
    QVERIFY(!page.confirmButton()->isHidden());
    QVERIFY(page.cancelButton()->isHidden());
    const QStringList hiddenButtons = {"btnApp", "btnOption", "btnMin", "btnMax"};
    for (const QString &name : hiddenButtons)
        QVERIFY2(page.titleBar()->findChild<QToolButton *>(name)->isHidden(), qPrintable(name));
    QVERIFY(!page.titleBar()->findChild<QToolButton *>("btnClose")->isHidden());

    QCOMPARE(label(page, "m_labelDeviceAll")->text(), QStringLiteral("Devices Number:"));
    QCOMPARE(label(page, "m_labelDeviceFail")->text(), QStringLiteral("Failed Number:"));
    QVERIFY(label(page, "m_labelPic"));
    QVERIFY(label(page, "m_ResultSplit"));

    MirelGUIToolkit::CTableView *view = table(page);
    QVERIFY(view);
    QVERIFY(view->alternatingRowColors());
    QVERIFY(!view->IsGridLineShown());
    QVERIFY(qobject_cast<aptui::TreeViewWithLeftPixmapDelegate *>(view->itemDelegate()));
    QCOMPARE(view->model(), page.resultModel());
    QCOMPARE(page.resultModel()->columnCount(), 10);
    QCOMPARE(page.resultModel()->rowCount(), 0);
    for (int column = 0; column < 10; ++column) {
        QCOMPARE(page.resultModel()
                     ->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                     .value<Qt::Alignment>(),
                 Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(!view->isColumnHidden(column));
    }
}

void DeviceModifyResultPageTest::resultRows()
{
    const QVector<DeviceInfo> batch = sampleBatch();
    storeDevice(batch.at(0), 1);
    storeDevice(batch.at(2), 2);

    DeviceModifyResultPage page;
    QAbstractItemModelTester tester(page.resultModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    page.setResultRows(batch);

    QStandardItemModel *model = page.resultModel();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(label(page, "m_labelDeviceAll")->text(), QStringLiteral("Devices Number: 3"));
    QCOMPARE(label(page, "m_labelDeviceFail")->text(), QStringLiteral("Failed Number: 1"));
    QCOMPARE(page.failedCount(), 1);

    const QStringList first = {"001", "DS-2CD2043", "10.0.0.1", "SN-001", "", "Not Exported",
                               "ON",  "Succeed",    "Succeed",  "Not Set"};
    for (int column = 0; column < 10; ++column) {
        const QModelIndex index = model->index(0, column);
        QCOMPARE(index.data().toString(), first.at(column));
        QCOMPARE(index.data(Qt::ForegroundRole).value<QBrush>().color(), QColor("#666666"));
        QVERIFY(!(index.flags() & Qt::ItemIsEditable));
    }
    QCOMPARE(model->index(0, ResultColumnResult).data(pixmapRole).toString(), okIcon);
    QCOMPARE(model->index(1, ResultColumnResult).data(pixmapRole).toString(), errorIcon);
    // Part success shows the information icon and is not a failure.
    QCOMPARE(model->index(2, ResultColumnResult).data().toString(), QString());
    QCOMPARE(model->index(2, ResultColumnResult).data(pixmapRole).toString(), partIcon);
    // A device the store does not know has no cloud state.
    QCOMPARE(model->index(1, ResultColumnCloud).data().toString(), QStringLiteral("N/A"));
    QCOMPARE(model->index(2, ResultColumnCloud).data().toString(), QStringLiteral("OFF"));
    // Only the result column carries an icon.
    QVERIFY(!model->index(0, ResultColumnId).data(pixmapRole).isValid());

    const QList<int> widths = {50, 120, 120, 175, 175, 175, 175, 175, 175, 175};
    for (int column = 0; column < 10; ++column)
        QCOMPARE(table(page)->columnWidth(column), widths.at(column));
}

void DeviceModifyResultPageTest::longHeaderWidensItsColumn()
{
    // A translation longer than the English header widens its column
    // instead of being cut off; the others keep their widths.
    DeviceModifyResultPage page;
    page.resultModel()->setHeaderData(ResultColumnId, Qt::Horizontal, QStringLiteral("Sequence number"));
    page.setResultRows(sampleBatch());
    const QFontMetrics metrics(table(page)->font());
    QVERIFY(table(page)->columnWidth(ResultColumnId) > metrics.horizontalAdvance(QStringLiteral("Sequence number")));
    QCOMPARE(table(page)->columnWidth(ResultColumnDeviceType), 120);
}

void DeviceModifyResultPageTest::failedRowCountsAndShowsText()
{
    QVector<DeviceInfo> batch = sampleBatch();
    batch[1].strResult = QStringLiteral("Error7:others");
    DeviceModifyResultPage page;
    page.setResultRows(batch);
    QCOMPARE(label(page, "m_labelDeviceAll")->text(), QStringLiteral("Devices Number: 3"));
    QCOMPARE(label(page, "m_labelDeviceFail")->text(), QStringLiteral("Failed Number: 1"));
    const QModelIndex failed = page.resultModel()->index(1, ResultColumnResult);
    QCOMPARE(failed.data().toString(), QStringLiteral("Error7:others"));
    QCOMPARE(failed.data(pixmapRole).toString(), errorIcon);
}

void DeviceModifyResultPageTest::wifiRows()
{
    QVector<DeviceInfo> batch = sampleBatch();
    batch[0].strResult = QStringLiteral("Succeed");
    batch[1].strResult = QStringLiteral("Not Support.");
    batch[2].strResult = QStringLiteral("Part Succeed");

    DeviceModifyResultPage page;
    QAbstractItemModelTester tester(page.resultModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    page.setWifiResultRows(batch);

    QStandardItemModel *model = page.resultModel();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Result"));
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("002"));
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Not Support."));
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Succeed"));
    QVERIFY(!model->index(0, 1).data(pixmapRole).isValid());
    QCOMPARE(label(page, "m_labelDeviceAll")->text(), QStringLiteral("Devices Number: 3"));
    // Anything but "Succeed" fails here, part success included.
    QCOMPARE(label(page, "m_labelDeviceFail")->text(), QStringLiteral("Failed Number: 2"));
    for (int column = 0; column < 10; ++column)
        QCOMPARE(table(page)->isColumnHidden(column), column >= 2);
}

void DeviceModifyResultPageTest::variantHeaders_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("cloud");
    QTest::newRow("no settings") << QByteArray() << "Enable Pellaris";
    QTest::newRow("version 1") << QByteArray("<VersionType><Value>1</Value></VersionType>")
                               << "Enable Pellaris";
    QTest::newRow("version 0, type 1")
        << QByteArray("<VersionType><Value>0</Value></VersionType><Type><Value>1</Value></Type>")
        << "Enable Orbelo service";
    QTest::newRow("version 0, type 0")
        << QByteArray("<VersionType><Value>0</Value></VersionType><Type><Value>0</Value></Type>")
        << "Enable Skyvane service";
}

void DeviceModifyResultPageTest::variantHeaders()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, cloud);
    loadSetup(settings);
    DeviceModifyResultPage page;
    const QStringList expected = {"ID",           "Device Type", "IPv4 Address", "Serial Number",
                                  "Modification", "Export GUID", cloud,          "Wifi Set",
                                  "Channel Password", "Reserved Email"};
    for (int column = 0; column < 10; ++column)
        QCOMPARE(page.resultModel()->headerData(column, Qt::Horizontal).toString(),
                 expected.at(column));
}

void DeviceModifyResultPageTest::flows_data()
{
    QTest::addColumn<ModifyResultFlow>("flow");
    QTest::addColumn<bool>("cloudOff");
    QTest::addColumn<bool>("wifiSent");
    QTest::addColumn<QString>("header4");
    QTest::addColumn<QString>("header1");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("failed");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QSize>("size");

    const QSize narrow(700, 500);
    const QSize wide(1165, 500);
    QTest::newRow("batch modification")
        << ModifyResultFlow::BatchModifyStatic << false << false << "Modification"
        << "Device Type" << "Devices Number: 3" << "Failed Number: 1" << QList<int>{5, 6, 7}
        << narrow;
    QTest::newRow("batch modification with DHCP")
        << ModifyResultFlow::BatchModifyDhcp << false << false << "Modification" << "Device Type"
        << "Devices Number: 3" << "Failed Number: 1" << QList<int>{5, 6, 7, 8} << narrow;
    QTest::newRow("batch activation")
        << ModifyResultFlow::BatchActivation << false << false << "Activation" << "Device Type"
        << "Batch activate devices 3" << "Activate fail numbers 1" << QList<int>{7} << narrow;
    QTest::newRow("batch activation with Wi-Fi, cloud off")
        << ModifyResultFlow::BatchActivation << true << true << "Activation" << "Device Type"
        << "Batch activate devices 3" << "Activate fail numbers 1" << QList<int>{6} << wide;
    QTest::newRow("activation with channel password")
        << ModifyResultFlow::ChannelPasswordActivation << false << false << "Activation"
        << "Device Type" << "Devices Number: 3" << "Failed Number: 1" << QList<int>{5, 6, 7}
        << narrow;
    QTest::newRow("Wi-Fi commands")
        << ModifyResultFlow::WifiCommands << false << false << "Modification" << "Result"
        << "Devices Number: 3" << "Failed Number: 2" << QList<int>{2, 3, 4, 5, 6, 7, 8, 9} << wide;
}

void DeviceModifyResultPageTest::flows()
{
    QFETCH(ModifyResultFlow, flow);
    QFETCH(bool, cloudOff);
    QFETCH(bool, wifiSent);
    QFETCH(QString, header4);
    QFETCH(QString, header1);
    QFETCH(QString, total);
    QFETCH(QString, failed);
    QFETCH(QList<int>, hidden);
    QFETCH(QSize, size);

    DeviceModifyResultPage page;
    QAbstractItemModelTester tester(page.resultModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    page.showFlowResults(modifyResultSetup(flow, cloudOff, wifiSent), sampleBatch());

    QCOMPARE(page.resultModel()->headerData(4, Qt::Horizontal).toString(), header4);
    QCOMPARE(page.resultModel()->headerData(1, Qt::Horizontal).toString(), header1);
    QCOMPARE(label(page, "m_labelDeviceAll")->text(), total);
    QCOMPARE(label(page, "m_labelDeviceFail")->text(), failed);
    QCOMPARE(page.size(), size);
    QList<int> hiddenNow;
    for (int column = 0; column < 10; ++column) {
        if (table(page)->isColumnHidden(column))
            hiddenNow.append(column);
    }
    QCOMPARE(hiddenNow, hidden);
    QCOMPARE(page.resultModel()->rowCount(), 3);
}

void DeviceModifyResultPageTest::captionsAndHeaderBeforeRows()
{
    DeviceModifyResultPage page;
    page.setTotalCaption(QStringLiteral("Batch activate devices"));
    page.setFailedCaption(QStringLiteral("Activate fail numbers"));
    page.setColumnHeader(ResultColumnResult, QStringLiteral("Activation"));
    page.hideColumn(ResultColumnCloud);
    page.setDialogFixedSize(700, 500);
    page.setResultRows(sampleBatch());
    QCOMPARE(label(page, "m_labelDeviceAll")->text(), QStringLiteral("Batch activate devices 3"));
    QCOMPARE(label(page, "m_labelDeviceFail")->text(), QStringLiteral("Activate fail numbers 1"));
    QCOMPARE(page.resultModel()->headerData(ResultColumnResult, Qt::Horizontal).toString(),
             QStringLiteral("Activation"));
    QVERIFY(table(page)->isColumnHidden(ResultColumnCloud));
    QCOMPARE(page.size(), QSize(700, 500));

    // A second filling replaces the rows.
    page.setTotalCaption(QStringLiteral("Devices Number:"));
    page.setResultRows(sampleBatch().mid(0, 1));
    QCOMPARE(page.resultModel()->rowCount(), 1);
    QCOMPARE(label(page, "m_labelDeviceAll")->text(), QStringLiteral("Devices Number: 1"));
}

void DeviceModifyResultPageTest::confirmAndCloseEnd_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirm") << true;
    QTest::newRow("close") << false;
}

void DeviceModifyResultPageTest::confirmAndCloseEnd()
{
    QFETCH(bool, confirm);
    DeviceModifyResultPage page;
    page.setResultRows(sampleBatch());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy finished(&page, &QDialog::finished);
    if (confirm)
        page.confirmButton()->click();
    else
        page.titleBar()->findChild<QToolButton *>("btnClose")->click();
    QTRY_VERIFY(!page.isVisible());
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(DeviceModifyResultPageTest)
#include "tst_devicemodifyresultpage.moc"
