// The device list page: discovery events from the simulator become rows
// through the real handler, the checked rows become selections of the right
// kind, address columns sort by number, the first two columns stay in place,
// a double-click opens the device's web page and Export runs the dialog.

#include "cipstandarditem.h"
#include "columnconfig.h"
#include "configpaths.h"
#include "cheaderview.h"
#include "ctableview.h"
#include "desktopservices.h"
#include "devicedisplaypage.h"
#include "deviceinfomodel.h"
#include "devicesinfosavepage.h"
#include "devsimprocess.h"
#include "latin1text.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QHoverEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <memory>

using TarnTool::DeviceDisplayPage;
using TarnTool::DeviceInfoModel;
using TARN::TarnHandler;

namespace {

template <std::size_t N>
void setText(char (&field)[N], const QByteArray &text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), qMin(std::size_t(text.size()), N));
}

// A device of the page tests that never meets the simulator.
TarnDeviceInfo record(int n, const QByteArray &ip = "10.0.0.1", int activationState = 0, int httpPort = 80)
{
    TarnDeviceInfo info;
    setText(info.serialNumber, "DDPSN" + QByteArray::number(n));
    setText(info.macAddress, "02-00-00-00-00-" + QByteArray::number(n).rightJustified(2, '0'));
    setText(info.ipv4Address, ip);
    setText(info.ipv4SubnetMask, "255.255.255.0");
    setText(info.ipv4Gateway, "10.0.0.254");
    setText(info.deviceType, "TC-2140-IR");
    info.addressInfoFlag = 1;
    info.port = 8000;
    info.httpPort = uint16_t(httpPort);
    info.activationState = uint8_t(activationState);
    info.messageType = TarnMessageAppeared;
    return info;
}

struct Report
{
    ModifyPage kind;
    QVector<DeviceInfo> devices;
    // Every device named its row's texts when the report was made.
    bool matchesRows;
};

int storeCount()
{
    QVector<TarnDeviceInfo> all;
    TarnDeviceInfoManager::Instance()->getAllDeviceInfo(all);
    return int(all.size());
}

} // namespace

class TstDeviceDisplayPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAndInitialState();
    void simulatorFleetAppearsChangesAndLeaves();
    void announcementsJoinInBatchesInOrder();
    void duplicateMacKeepsFirstAddressUntilUpdate();
    void offlineOfUnknownDeviceChangesNothing();
    void selection_data();
    void selection();
    void operationResultsRefreshRows_data();
    void operationResultsRefreshRows();
    void addressColumnSortsByNumber();
    void checkColumnSortsById();
    void columnDrag_data();
    void columnDrag();
    void doubleClickOpensWebPage_data();
    void doubleClickOpensWebPage();
    void pointingHandOverAddressColumn();
    void exportRunsDialogBetweenCoverSignals();

private:
    void makePage();
    void addDevices(const QVector<TarnDeviceInfo> &records);
    QString cell(int row, int id) const;
    QString countText() const;
    void clickHeader(int logical);

    std::unique_ptr<DeviceDisplayPage> m_page;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QList<Report> m_reports;
    QList<QUrl> m_opened;
    QList<QString> m_messages;
};

void TstDeviceDisplayPage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QString("127.0.0.1"));
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    qRegisterMetaType<DeviceInfo>("DeviceInfo");
}

void TstDeviceDisplayPage::init()
{
    QFile::remove(apt::ConfigPaths::userFolder() + "ColumnConfig.xml");
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
    m_reports.clear();
    m_opened.clear();
    m_messages.clear();
    aptui::setUrlOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
    TarnTool::setMessageHook([this](TarnTool::MessageKind, const QString &text) { m_messages.append(text); });
    makePage();
}

void TstDeviceDisplayPage::cleanup()
{
    TarnHandler::Instance()->disconnect(m_page.get());
    TarnHandler::Instance()->stop();
    m_tester.reset();
    m_page.reset();
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
    aptui::setUrlOpener({});
    TarnTool::setMessageHook({});
    QFile::remove(apt::ConfigPaths::userFolder() + "ColumnConfig.xml");
}

void TstDeviceDisplayPage::makePage()
{
    m_tester.reset();
    m_page = std::make_unique<DeviceDisplayPage>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_page->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    connect(m_page.get(), &DeviceDisplayPage::signalCurrentSelectionModelChange, this,
            [this](ModifyPage kind, const QVector<DeviceInfo> &devices) {
                bool matches = true;
                int previous = -1;
                for (const DeviceInfo &info : devices) {
                    const int row = m_page->model()->findRow(info.strSerialNumber, info.strMac);
                    matches = matches && row > previous && info.strId == cell(row, DeviceInfoModel::ColumnId_)
                        && info.strIPv4Address == cell(row, DeviceInfoModel::ColumnIPv4Address)
                        && info.strDeviceType == "TC-2140-IR" && info.strResult.isEmpty();
                    previous = row;
                }
                m_reports.append({kind, devices, matches});
            });
    m_page->show();
}

void TstDeviceDisplayPage::addDevices(const QVector<TarnDeviceInfo> &records)
{
    for (const TarnDeviceInfo &info : records)
        m_page->onDeviceLogin(info);
    m_page->flushPendingDevices();
}

QString TstDeviceDisplayPage::cell(int row, int id) const
{
    const DeviceInfoModel *model = m_page->model();
    return model->index(row, model->columnPosition(id)).data().toString();
}

QString TstDeviceDisplayPage::countText() const
{
    return m_page->findChild<QLabel *>("m_labelDeviceCountValue")->text();
}

void TstDeviceDisplayPage::clickHeader(int logical)
{
    QHeaderView *header = m_page->tableView()->header();
    const QPoint at(header->sectionViewportPosition(logical) + header->sectionSize(logical) - 4,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void TstDeviceDisplayPage::formAndInitialState()
{
    QCOMPARE(m_page->objectName(), QString("DeviceDisplayPage"));
    auto *exportButton = m_page->findChild<QPushButton *>("m_btnExportDeviceInfo");
    auto *refresh = m_page->findChild<QPushButton *>("m_btnRefreshDeviceInfo");
    QVERIFY(exportButton && refresh);
    QVERIFY(!exportButton->isEnabled());
    QCOMPARE(exportButton->text(), QString("Export"));
    QCOMPARE(refresh->text(), QString("Refresh"));
    QCOMPARE(m_page->findChild<QLabel *>("m_labelDeiceCount")->text(), QString("Total number of online devices:"));
    QCOMPARE(m_page->findChild<QFrame *>("m_frameDeviceCount")->height(), 62);
    QCOMPARE(countText(), QString("0"));
    MirelGUIToolkit::CTableView *table = m_page->tableView();
    QCOMPARE(table->objectName(), QString("m_tableViewTarn"));
    QVERIFY(table->isSortingEnabled());
    QCOMPARE(table->header()->sortIndicatorSection(), m_page->model()->columnPosition(DeviceInfoModel::ColumnId_));
    QCOMPARE(table->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!table->IsGridLineShown());
    QVERIFY(table->hasMouseTracking());
    QCOMPARE(table->columnWidth(m_page->model()->columnPosition(DeviceInfoModel::ColumnSerialNumber)), 230);
    QCOMPARE(table->columnWidth(m_page->model()->columnPosition(DeviceInfoModel::ColumnCheck)), 30);
}

void TstDeviceDisplayPage::simulatorFleetAppearsChangesAndLeaves()
{
    const QByteArray fleet = R"([
      {"serial": "TC2140IR20240301DDP0000000001", "mac": "02-54-41-00-31-01", "ipv4": "10.31.0.1"},
      {"serial": "TC2140IR20240301DDP0000000002", "mac": "02-54-41-00-31-02", "ipv4": "10.31.0.2",
       "password": "Right1234"},
      {"serial": "TC2140IR20240301DDP0000000003", "mac": "02-54-41-00-31-03", "ipv4": "10.31.0.3"},
      {"serial": "TC2140IR20240301DDP0000000004", "mac": "02-54-41-00-31-04", "activated": false},
      {"serial": "TC2140IR20240301DDP0000000005", "mac": "02-54-41-00-31-05", "ipv4": "10.31.0.5"}
    ])";
    DevsimProcess sim;
    QVERIFY(sim.start({"--fleet", sim.writeFleetFile(fleet)}));
    TarnHandler *handler = TarnHandler::Instance();
    connect(handler, &TarnHandler::signalDeviceOnline, m_page.get(), &DeviceDisplayPage::onDeviceLogin);
    connect(handler, &TarnHandler::signalDeviceOffline, m_page.get(), &DeviceDisplayPage::onDeviceLogout);
    connect(handler, &TarnHandler::signalDeviceUpdate, m_page.get(), &DeviceDisplayPage::onDeviceUpdate);
    QVERIFY(handler->start());
    DeviceInfoModel *model = m_page->model();
    QVERIFY(QTest::qWaitFor([&] { return model->rowCount() == 5; }, 15000));
    QCOMPARE(countText(), QString("5"));
    QCOMPARE(storeCount(), 5);

    // A network change reaches the row through the update event.
    const QString mac = "02-54-41-00-31-02";
    const int changed = model->findRow("TC2140IR20240301DDP0000000002", mac);
    QVERIFY(changed >= 0);
    TarnNetParam net{};
    QVERIFY(TarnDeviceInfoManager::Instance()->getNetParam("TC2140IR20240301DDP0000000002", mac, net));
    qstrcpy(net.ipv4Address, "10.31.7.9");
    char reply[TarnHandler::ReplyLength] = {};
    QVERIFY(handler->modifyDeviceNetParamV40(mac, "Right1234", net, reply, sizeof reply));
    QVERIFY(QTest::qWaitFor([&] { return cell(changed, DeviceInfoModel::ColumnIPv4Address) == "10.31.7.9"; }, 5000));
    QCOMPARE(model->rowCount(), 5);

    // Refresh: empty at once, then the answers to the inquiry fill it again.
    m_reports.clear();
    QTest::mouseClick(m_page->findChild<QPushButton *>("m_btnRefreshDeviceInfo"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(countText(), QString("0"));
    QCOMPARE(storeCount(), 0);
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(m_reports.first().devices.isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return model->rowCount() == 5; }, 15000));
    QCOMPARE(countText(), QString("5"));
    const int moved = model->findRow("TC2140IR20240301DDP0000000002", mac);
    QVERIFY(moved >= 0);
    QCOMPARE(cell(moved, DeviceInfoModel::ColumnIPv4Address), QString("10.31.7.9"));

    // One device leaving: its row goes and the IDs after it close up.
    const int leaving = 1;
    TarnDeviceInfo gone{};
    QVERIFY(TarnDeviceInfoManager::Instance()->getDeviceInfo(cell(leaving, DeviceInfoModel::ColumnSerialNumber),
                                                             cell(leaving, DeviceInfoModel::ColumnMac), gone));
    const QString after = cell(leaving + 1, DeviceInfoModel::ColumnSerialNumber);
    m_page->onDeviceLogout(gone);
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(countText(), QString("4"));
    QCOMPARE(storeCount(), 4);
    QCOMPARE(cell(leaving, DeviceInfoModel::ColumnSerialNumber), after);
    for (int row = 0; row < 4; ++row)
        QCOMPARE(cell(row, DeviceInfoModel::ColumnId_), QString::number(row + 1).rightJustified(3, '0'));

    // The whole fleet stops: every departure arrives as an offline event.
    QVERIFY(sim.stop());
    QVERIFY(QTest::qWaitFor([&] { return model->rowCount() == 0; }, 10000));
    QCOMPARE(countText(), QString("0"));
    QCOMPARE(storeCount(), 0);
}

void TstDeviceDisplayPage::announcementsJoinInBatchesInOrder()
{
    DeviceInfoModel *model = m_page->model();
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    for (int n = 1; n <= 4; ++n)
        m_page->onDeviceLogin(record(n));
    // In the store at once, in the table with the batch.
    QCOMPARE(storeCount(), 4);
    QCOMPARE(model->rowCount(), 0);
    QVERIFY(QTest::qWaitFor([&] { return model->rowCount() == 4; }, 2000));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(countText(), QString("4"));

    // A departure right after an announcement still finds the new row.
    m_page->onDeviceLogin(record(5));
    m_page->onDeviceLogout(record(5));
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(countText(), QString("4"));
    QCOMPARE(storeCount(), 4);
    QCOMPARE(model->findRow("DDPSN5", "02-00-00-00-00-05"), -1);
}

void TstDeviceDisplayPage::duplicateMacKeepsFirstAddressUntilUpdate()
{
    TarnDeviceInfo second = record(1, "10.9.9.9");
    setText(second.serialNumber, "DDPSN1");
    m_page->onDeviceLogin(record(1, "10.1.1.1"));
    m_page->onDeviceLogin(second);   // same MAC, before the batch reached the table
    m_page->flushPendingDevices();
    m_page->onDeviceLogin(second);   // and after it
    m_page->flushPendingDevices();
    QCOMPARE(m_page->model()->rowCount(), 1);
    QCOMPARE(storeCount(), 1);
    QCOMPARE(cell(0, DeviceInfoModel::ColumnIPv4Address), QString("10.1.1.1"));

    second.messageType = TarnMessageChanged;
    m_page->onDeviceUpdate(second);
    QCOMPARE(m_page->model()->rowCount(), 1);
    QCOMPARE(cell(0, DeviceInfoModel::ColumnIPv4Address), QString("10.9.9.9"));
    TarnDeviceInfo stored{};
    QVERIFY(TarnDeviceInfoManager::Instance()->getDeviceInfo("DDPSN1", "02-00-00-00-00-01", stored));
    QCOMPARE(latin1String(stored.ipv4Address), QString("10.9.9.9"));
}

void TstDeviceDisplayPage::offlineOfUnknownDeviceChangesNothing()
{
    addDevices({record(1), record(2), record(3)});
    QSignalSpy removed(m_page->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(m_page->model(), &QAbstractItemModel::dataChanged);
    m_page->onDeviceLogout(record(9));
    QCOMPARE(removed.count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_page->model()->rowCount(), 3);
    QCOMPARE(countText(), QString("3"));
    QCOMPARE(storeCount(), 3);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(cell(row, DeviceInfoModel::ColumnId_), QString::number(row + 1).rightJustified(3, '0'));
        QCOMPARE(cell(row, DeviceInfoModel::ColumnSerialNumber), "DDPSN" + QString::number(row + 1));
    }
}

void TstDeviceDisplayPage::selection_data()
{
    // states: activationState of each device, in row order. steps: +r checks
    // row r, -r unchecks it, R presses Refresh, all / none set the header's
    // check box.
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<bool>("exportEnabled");
    QTest::addColumn<int>("rows");

    QTest::newRow("check three: single, batch, batch")
        << QList<int>{0, 0, 0} << QStringList{"+0", "+1", "+2"}
        << QList<int>{SingleActivated, BatchActivated, BatchActivated} << QList<int>{1, 2, 3} << true << 3;
    QTest::newRow("uncheck three: batch, single, nothing")
        << QList<int>{0, 0, 0} << QStringList{"+0", "+1", "+2", "-2", "-1", "-0"}
        << QList<int>{SingleActivated, BatchActivated, BatchActivated, BatchActivated, SingleActivated,
                      SingleActivated}
        << QList<int>{1, 2, 3, 2, 1, 0} << false << 3;
    QTest::newRow("activated and inactive: mixed")
        << QList<int>{0, 1} << QStringList{"+0", "+1"}
        << QList<int>{SingleActivated, BatchMixed} << QList<int>{1, 2} << true << 2;
    QTest::newRow("inactive ones")
        << QList<int>{1, 0, 1} << QStringList{"+0", "+2"}
        << QList<int>{SingleInactive, BatchInactive} << QList<int>{1, 2} << true << 3;
    QTest::newRow("unknown state reports nothing for a single row")
        << QList<int>{2, 0} << QStringList{"+0", "+1"}
        << QList<int>{BatchActivated} << QList<int>{2} << true << 2;
    QTest::newRow("refresh with rows checked")
        << QList<int>{0, 1, 0} << QStringList{"+0", "+1", "R"}
        << QList<int>{SingleActivated, BatchMixed, SingleActivated} << QList<int>{1, 2, 0} << false << 0;
    QTest::newRow("refresh, then a new check counts from zero")
        << QList<int>{0, 0} << QStringList{"+0", "+1", "R", "add", "+0"}
        << QList<int>{SingleActivated, BatchActivated, SingleActivated, SingleActivated}
        << QList<int>{1, 2, 0, 1} << true << 1;
    QTest::newRow("header check box: one report for the whole column")
        << QList<int>{0, 0, 1} << QStringList{"all", "none"}
        << QList<int>{BatchMixed, SingleActivated} << QList<int>{3, 0} << false << 3;
    QTest::newRow("header check box after one row")
        << QList<int>{0, 0, 0} << QStringList{"+1", "all"}
        << QList<int>{SingleActivated, BatchActivated} << QList<int>{1, 3} << true << 3;
}

void TstDeviceDisplayPage::selection()
{
    QFETCH(QList<int>, states);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, sizes);
    QFETCH(bool, exportEnabled);
    QFETCH(int, rows);

    QVector<TarnDeviceInfo> devices;
    for (int i = 0; i < states.size(); ++i)
        devices.append(record(i + 1, "10.0.0." + QByteArray::number(i + 1), states.at(i)));
    addDevices(devices);
    DeviceInfoModel *model = m_page->model();
    const int checkColumn = model->columnPosition(DeviceInfoModel::ColumnCheck);
    for (const QString &step : steps) {
        if (step == "R") {
            QTest::mouseClick(m_page->findChild<QPushButton *>("m_btnRefreshDeviceInfo"), Qt::LeftButton);
        } else if (step == "add") {
            addDevices({record(7)});
        } else if (step == "all" || step == "none") {
            auto *header = qobject_cast<MirelGUIToolkit::CHeaderView *>(m_page->tableView()->header());
            QVERIFY(header);
            header->setSectionCheckState(checkColumn, step == "all" ? Qt::Checked : Qt::Unchecked);
        } else {
            const int row = step.mid(1).toInt();
            model->item(row, checkColumn)->setCheckState(step.startsWith('+') ? Qt::Checked : Qt::Unchecked);
        }
    }

    QCOMPARE(m_reports.size(), kinds.size());
    for (int i = 0; i < kinds.size(); ++i) {
        QCOMPARE(int(m_reports.at(i).kind), kinds.at(i));
        QCOMPARE(int(m_reports.at(i).devices.size()), sizes.at(i));
        // The selection is in row order and names the checked rows.
        QVERIFY(m_reports.at(i).matchesRows);
    }
    QCOMPARE(m_page->findChild<QPushButton *>("m_btnExportDeviceInfo")->isEnabled(), exportEnabled);
    QCOMPARE(model->rowCount(), rows);
    QCOMPARE(countText(), QString::number(rows));
}

void TstDeviceDisplayPage::operationResultsRefreshRows_data()
{
    QTest::addColumn<bool>("activation");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("refreshed");

    QTest::newRow("activation succeeded") << true << QString("Succeed") << true;
    QTest::newRow("activation failed") << true << QString("Error2024") << false;
    QTest::newRow("network change succeeded") << false << QString("Succeed") << true;
    QTest::newRow("network change partly done") << false << QString("Part Succeed") << false;
}

void TstDeviceDisplayPage::operationResultsRefreshRows()
{
    QFETCH(bool, activation);
    QFETCH(QString, result);
    QFETCH(bool, refreshed);

    addDevices({record(1, "10.0.0.1", 1), record(2, "10.0.0.2", 1)});
    DeviceInfoModel *model = m_page->model();
    model->item(1, model->columnPosition(DeviceInfoModel::ColumnCheck))->setCheckState(Qt::Checked);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(m_reports.last().kind, SingleInactive);

    // The panel writes the new state into the store, then reports.
    TarnDeviceInfo changed = record(2, "10.0.5.2", 0);
    TarnDeviceInfoManager::Instance()->updateDeviceInfo(changed);
    DeviceInfo info = m_reports.last().devices.first();
    info.strResult = result;
    if (activation)
        m_page->onDevicesActiveResult({info});
    else
        m_page->onDevicesModifyResult({info});

    QCOMPARE(cell(1, DeviceInfoModel::ColumnIPv4Address), refreshed ? QString("10.0.5.2") : QString("10.0.0.2"));
    QCOMPARE(cell(1, DeviceInfoModel::ColumnActivate), refreshed ? QString("Activated") : QString("Not activated"));
    QCOMPARE(cell(0, DeviceInfoModel::ColumnIPv4Address), QString("10.0.0.1"));
    // Only activation results report the selection again, read from the store.
    QCOMPARE(m_reports.size(), activation ? 2 : 1);
    if (activation)
        QCOMPARE(m_reports.last().kind, SingleActivated);
}

void TstDeviceDisplayPage::addressColumnSortsByNumber()
{
    const QList<QByteArray> addresses{"10.0.0.10", "10.0.0.9", "9.200.1.1", "10.0.0.100", "192.168.1.2", "10.0.1.1"};
    QVector<TarnDeviceInfo> devices;
    for (int i = 0; i < addresses.size(); ++i)
        devices.append(record(i + 1, addresses.at(i)));
    addDevices(devices);
    DeviceInfoModel *model = m_page->model();
    const int column = model->columnPosition(DeviceInfoModel::ColumnIPv4Address);
    QStringList ascending{"9.200.1.1", "10.0.0.9", "10.0.0.10", "10.0.0.100", "10.0.1.1", "192.168.1.2"};

    QSignalSpy sorted(model, &QAbstractItemModel::layoutChanged);
    clickHeader(column);
    QCOMPARE(sorted.count(), 1);   // one sort per click, with the address key
    QCOMPARE(model->sortRole(), int(aptui::CIpStandardItem::IpSortRole));
    QHeaderView *header = m_page->tableView()->header();
    QCOMPARE(header->sortIndicatorSection(), column);
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown << cell(row, DeviceInfoModel::ColumnIPv4Address);
    QStringList expected = ascending;
    if (header->sortIndicatorOrder() == Qt::DescendingOrder)
        std::reverse(expected.begin(), expected.end());
    QCOMPARE(shown, expected);

    clickHeader(column);
    QCOMPARE(sorted.count(), 2);
    shown.clear();
    for (int row = 0; row < model->rowCount(); ++row)
        shown << cell(row, DeviceInfoModel::ColumnIPv4Address);
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(shown, expected);

    // Another column sorts by its text again.
    clickHeader(model->columnPosition(DeviceInfoModel::ColumnSerialNumber));
    QCOMPARE(model->sortRole(), int(Qt::DisplayRole));

    // Devices announced while the table is sorted join at the end, in one batch.
    m_page->onDeviceLogin(record(20, "1.1.1.1"));
    QVERIFY(QTest::qWaitFor([&] { return model->rowCount() == 7; }, 2000));
    QCOMPARE(cell(6, DeviceInfoModel::ColumnIPv4Address), QString("1.1.1.1"));
    QCOMPARE(countText(), QString("7"));
}

void TstDeviceDisplayPage::checkColumnSortsById()
{
    addDevices({record(1, "10.0.0.3"), record(2, "10.0.0.1"), record(3, "10.0.0.2")});
    DeviceInfoModel *model = m_page->model();
    QHeaderView *header = m_page->tableView()->header();
    clickHeader(model->columnPosition(DeviceInfoModel::ColumnIPv4Address));
    header->setSortIndicator(model->columnPosition(DeviceInfoModel::ColumnCheck), Qt::DescendingOrder);
    m_page->onSortTable(model->columnPosition(DeviceInfoModel::ColumnCheck));
    QCOMPARE(model->sortRole(), int(Qt::DisplayRole));
    QCOMPARE(cell(0, DeviceInfoModel::ColumnId_), QString("003"));
    QCOMPARE(cell(1, DeviceInfoModel::ColumnId_), QString("002"));
    QCOMPARE(cell(2, DeviceInfoModel::ColumnId_), QString("001"));
    QCOMPARE(cell(0, DeviceInfoModel::ColumnSerialNumber), QString("DDPSN3"));
}

void TstDeviceDisplayPage::columnDrag_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("kept");

    QTest::newRow("column 7 to position 3 is kept") << int(DeviceInfoModel::ColumnSoftVersion) << 3 << true;
    QTest::newRow("column 5 to position 1 is undone") << int(DeviceInfoModel::ColumnPort) << 1 << false;
    QTest::newRow("column 9 to position 0 is undone") << int(DeviceInfoModel::ColumnHttpPort) << 0 << false;
    QTest::newRow("the ID column cannot leave") << int(DeviceInfoModel::ColumnId_) << 4 << false;
}

void TstDeviceDisplayPage::columnDrag()
{
    QFETCH(int, id);
    QFETCH(int, to);
    QFETCH(bool, kept);

    addDevices({record(1)});
    QHeaderView *header = m_page->tableView()->header();
    const int logical = m_page->model()->columnPosition(id);
    const int from = header->visualIndex(logical);
    const QString saved = apt::ConfigPaths::userFolder() + "ColumnConfig.xml";

    emit header->sectionPressed(logical);
    QCOMPARE(header->sectionsMovable(), id > DeviceInfoModel::ColumnId_);
    header->moveSection(from, to);

    QCOMPARE(header->visualIndex(logical), kept ? to : from);
    QCOMPARE(header->logicalIndex(0), m_page->model()->columnPosition(DeviceInfoModel::ColumnCheck));
    QCOMPARE(header->logicalIndex(1), m_page->model()->columnPosition(DeviceInfoModel::ColumnId_));
    QCOMPARE(QFile::exists(saved), kept);
    if (kept) {
        TarnTool::ColumnConfig config;
        QVERIFY(config.load(saved));
        QCOMPARE(config.positions().at(id), to);
        QCOMPARE(config.positions().at(DeviceInfoModel::ColumnActivate), 4);
    }
}

void TstDeviceDisplayPage::doubleClickOpensWebPage_data()
{
    QTest::addColumn<int>("httpPort");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("url");

    QTest::newRow("port N/A opens 80") << 0 << int(DeviceInfoModel::ColumnIPv4Address) << "http://127.0.0.5:80";
    QTest::newRow("own HTTP port") << 8080 << int(DeviceInfoModel::ColumnIPv4Address) << "http://127.0.0.5:8080";
    QTest::newRow("other column opens nothing") << 80 << int(DeviceInfoModel::ColumnMac) << QString();
}

void TstDeviceDisplayPage::doubleClickOpensWebPage()
{
    QFETCH(int, httpPort);
    QFETCH(int, id);
    QFETCH(QString, url);

    addDevices({record(1, "127.0.0.5", 0, httpPort)});
    MirelGUIToolkit::CTableView *table = m_page->tableView();
    const QModelIndex index = m_page->model()->index(0, m_page->model()->columnPosition(id));
    table->scrollTo(index);
    const QPoint at = table->visualRect(index).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    if (url.isEmpty()) {
        QVERIFY(m_opened.isEmpty());
    } else {
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first(), QUrl(url));
    }
}

void TstDeviceDisplayPage::pointingHandOverAddressColumn()
{
    addDevices({record(1)});
    MirelGUIToolkit::CTableView *table = m_page->tableView();
    QWidget *viewport = table->viewport();
    auto hoverAt = [&](int id) {
        const QModelIndex index = m_page->model()->index(0, m_page->model()->columnPosition(id));
        table->scrollTo(index);
        const QPointF at = table->visualRect(index).center();
        QHoverEvent move(QEvent::HoverMove, at, viewport->mapToGlobal(at), at);
        QCoreApplication::sendEvent(viewport, &move);
        return viewport->cursor().shape();
    };
    QCOMPARE(hoverAt(DeviceInfoModel::ColumnIPv4Address), Qt::PointingHandCursor);
    QCOMPARE(hoverAt(DeviceInfoModel::ColumnDeviceType), Qt::ArrowCursor);
    QCOMPARE(hoverAt(DeviceInfoModel::ColumnIPv4Address), Qt::PointingHandCursor);
}

void TstDeviceDisplayPage::exportRunsDialogBetweenCoverSignals()
{
    addDevices({record(1, "10.0.0.1"), record(2, "10.0.0.2"), record(3, "10.0.0.3")});
    DeviceInfoModel *model = m_page->model();
    const int checkColumn = model->columnPosition(DeviceInfoModel::ColumnCheck);
    model->item(2, checkColumn)->setCheckState(Qt::Checked);
    model->item(0, checkColumn)->setCheckState(Qt::Checked);
    auto *exportButton = m_page->findChild<QPushButton *>("m_btnExportDeviceInfo");
    QVERIFY(exportButton->isEnabled());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList events;
    connect(m_page.get(), &DeviceDisplayPage::signalCoverMainPage, this, [&] { events << "cover"; });
    connect(m_page.get(), &DeviceDisplayPage::signalDisCoverMainPage, this, [&] { events << "uncover"; });

    // Fills the modal dialog once it runs, and saves.
    bool filled = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<TarnTool::DevicesInfoSavePage *>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        poll.stop();
        events << "dialog";
        dialog->findChild<aptui::MultiStateLineEdit *>("m_lineEditFilename")->setText("devices");
        dialog->findChild<aptui::MultiStateLineEdit *>("m_lineEditFilepath")->setText(dir.path());
        filled = true;
        dialog->onSaveDevicesInfoToCSV();
    });
    poll.start();
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QVERIFY(filled);
    QCOMPARE(events, (QStringList{"cover", "dialog", "uncover"}));
    QCOMPARE(m_messages, QStringList{"Saving succeed."});

    QFile file(QDir(dir.path()).filePath("devices.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 4);   // header, two rows, and the end of the last line
    QVERIFY(lines.at(0).startsWith("Index,"));
    QVERIFY(lines.at(1).startsWith("001,"));
    QVERIFY(lines.at(1).contains(",DDPSN1,"));
    QVERIFY(lines.at(2).startsWith("003,"));
    QVERIFY(lines.at(2).contains(",DDPSN3,"));
    QVERIFY(lines.at(3).isEmpty());
}

QTEST_MAIN(TstDeviceDisplayPage)
#include "tst_devicedisplaypage.moc"
