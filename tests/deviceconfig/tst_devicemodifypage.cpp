// The configuration panel against a simulated fleet on loopback, through the
// real discovery handler: the forms it shows for each kind of selection,
// activation of one device, of a batch and with a channel password, the
// Wi-Fi settings that follow, network changes for one device and for a
// batch, the error texts built from the reply buffer, and the input rules of
// its password and Wi-Fi fields.

#include "batchprogressdialog.h"
#include "ccheckbox.h"
#include "ccombobox.h"
#include "configuremanager.h"
#include "devicemodifypage.h"
#include "devicemodifyresultpage.h"
#include "devsimprocess.h"
#include "storefeeder.h"
#include "latin1text.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "recoverysetuplauncher.h"
#include "resultpagerunner.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <QTreeView>

using TARN::TarnHandler;
using TarnTool::DeviceModifyPage;

namespace {

// Serial numbers of this suite: "DMP" and a short tag.
QString serialOf(const char *tag)
{
    return QStringLiteral("TC425020240101DMP%1").arg(QLatin1String(tag));
}

const QByteArray Fleet = R"([
  {"serial": "TC425020240101DMPS1", "mac": "02-54-41-00-60-01", "model": "TC-4250-W", "deviceClass": 8245,
   "activated": false, "abilityFlags": 4, "recoveryFlags": 13, "extraAbilityFlags": 6,
   "wifiRegionMask": 63, "wifiRegion": 1, "wifiNetworks": {"Office": "office-wifi-1"}},
  {"serial": "TC425020240101DMPB1", "mac": "02-54-41-00-60-02", "deviceClass": 8241, "activated": false,
   "abilityFlags": 4, "recoveryFlags": 0, "extraAbilityFlags": 0, "wifiRegionMask": 0},
  {"serial": "TC425020240101DMPB2", "mac": "02-54-41-00-60-03", "deviceClass": 8241, "activated": false,
   "abilityFlags": 4, "recoveryFlags": 0, "extraAbilityFlags": 0, "wifiRegionMask": 0,
   "refuse": {"activate": 2009}},
  {"serial": "TC425020240101DMPB3", "mac": "02-54-41-00-60-04", "deviceClass": 8241, "activated": false,
   "abilityFlags": 4, "recoveryFlags": 4, "extraAbilityFlags": 0, "wifiRegionMask": 0,
   "refuse": {"activate": 2021}},
  {"serial": "TC425020240101DMPC1", "mac": "02-54-41-00-60-05", "model": "TN-7616-NVR", "deviceClass": 12560,
   "activated": false, "abilityFlags": 4, "recoveryFlags": 0, "extraAbilityFlags": 1, "wifiRegionMask": 0},
  {"serial": "TC425020240101DMPR1", "mac": "02-54-41-00-60-06", "deviceClass": 8245, "activated": false,
   "abilityFlags": 4, "recoveryFlags": 0, "extraAbilityFlags": 0, "wifiRegionMask": 63, "wifiRegion": 2},
  {"serial": "TC425020240101DMPR2", "mac": "02-54-41-00-60-07", "deviceClass": 8245, "activated": false,
   "abilityFlags": 4, "recoveryFlags": 0, "extraAbilityFlags": 0, "wifiRegionMask": 3, "wifiRegion": 1},
  {"serial": "TC425020240101DMPN1", "mac": "02-54-41-00-60-08", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.60.0.5", "mask": "255.255.0.0", "gateway": "10.60.0.1", "sdkPort": 0},
  {"serial": "TC425020240101DMPL1", "mac": "02-54-41-00-60-09", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.60.0.6", "mask": "255.255.0.0", "gateway": "10.60.0.1", "sdkPort": 0,
   "password": "Right1234", "maxRetries": 2, "lockSeconds": 120},
  {"serial": "TC425020240101DMPE1", "mac": "02-54-41-00-60-0a", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.60.0.7", "mask": "255.255.0.0", "gateway": "10.60.0.1", "sdkPort": 0,
   "refuse": {"set-net": 2018}},
  {"serial": "TC425020240101DMPE2", "mac": "02-54-41-00-60-0b", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.60.0.8", "mask": "255.255.0.0", "gateway": "10.60.0.1", "sdkPort": 0,
   "refuse": {"set-net": 2026}},
  {"serial": "TC425020240101DMPE3", "mac": "02-54-41-00-60-0c", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.60.0.9", "mask": "255.255.0.0", "gateway": "10.60.0.1", "sdkPort": 0,
   "refuse": {"set-net": 2009}},
  {"serial": "TC425020240101DMPM1", "mac": "02-54-41-00-60-0d", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.61.0.2", "mask": "255.255.0.0", "gateway": "10.61.0.1", "sdkPort": 0},
  {"serial": "TC425020240101DMPM2", "mac": "02-54-41-00-60-0e", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.61.0.3", "mask": "255.255.0.0", "gateway": "10.61.0.1", "sdkPort": 0},
  {"serial": "TC425020240101DMPM3", "mac": "02-54-41-00-60-0f", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.61.0.4", "mask": "255.255.0.0", "gateway": "10.61.0.1", "sdkPort": 0},
  {"serial": "TC425020240101DMPT1", "mac": "02-54-41-00-60-10", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.62.0.2", "mask": "255.255.0.0", "gateway": "10.62.0.1", "sdkPort": 0, "silent": true},
  {"serial": "TC425020240101DMPT2", "mac": "02-54-41-00-60-11", "deviceClass": 8241, "abilityFlags": 4,
   "ipv4": "10.62.0.3", "mask": "255.255.0.0", "gateway": "10.62.0.1", "sdkPort": 0},
  {"serial": "TC425020240101DMPW1", "mac": "02-54-41-00-60-12", "deviceClass": 8245, "activated": false,
   "abilityFlags": 4, "recoveryFlags": 128, "extraAbilityFlags": 0, "wifiRegionMask": 0}
])";
constexpr int FleetSize = 18;

struct Message
{
    TarnTool::MessageKind kind;
    QString text;
};

struct CapturedPage
{
    QString total;
    QString failed;
    QStringList headers;
    QVector<QStringList> rows;
    QList<int> hidden;
    QSize size;
};

struct RecoveryCall
{
    bool guid = false;
    bool questions = false;
    bool email = false;
    QVector<DeviceInfo> devices;
    QString password;
};

DeviceInfo deviceInfo(const QString &serial)
{
    const TarnDeviceInfo record = StoreFeeder::stored(serial);
    DeviceInfo info;
    info.strId = QStringLiteral("1");
    info.strDeviceType = latin1String(record.deviceType);
    info.strIPv4Address = latin1String(record.ipv4Address);
    info.strSerialNumber = latin1String(record.serialNumber);
    info.strMac = latin1String(record.macAddress);
    return info;
}

QVector<DeviceInfo> devicesOf(const QStringList &tags)
{
    QVector<DeviceInfo> devices;
    for (const QString &tag : tags)
        devices.append(deviceInfo(serialOf(qPrintable(tag))));
    return devices;
}

} // namespace

class TstDeviceModifyPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void statesOfTheSelection_data();
    void statesOfTheSelection();
    void emptySelectionModify();
    void emptyAdministratorPassword();
    void singleActivationThenWifiNetwork();
    void batchActivationWithRefusals();
    void channelPasswordActivation();
    void wifiRegionWithDifferentMasks();
    void wifiEnhancementControl();
    void singleNetworkChange();
    void wrongPasswordThenLockout();
    void singleModificationErrors_data();
    void singleModificationErrors();
    void batchModification_data();
    void batchModification();
    void longBatchShowsProgress();
    void pasteShortcutIsSwallowed_data();
    void pasteShortcutIsSwallowed();
    void wifiNetworkFormChecks_data();
    void wifiNetworkFormChecks();

private:
    template <typename T>
    T *child(const char *name) const
    {
        T *widget = m_panel->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    void select(ModifyPage kind, const QStringList &tags) { m_panel->onCurrentSelectionChange(kind, devicesOf(tags)); }
    void typeNewPassword(const QString &password);
    bool waitForAnnouncement(const QString &serial, const std::function<bool(const TarnDeviceInfo &)> &test);
    void useTranslator(int translator);

    DevsimProcess m_sim;
    std::unique_ptr<StoreFeeder> m_feeder;
    QTemporaryDir m_configDir;
    std::unique_ptr<DeviceModifyPage> m_panel;
    QVector<Message> m_messages;
    QVector<CapturedPage> m_pages;
    QVector<RecoveryCall> m_recoveries;
    QVector<TarnDeviceInfo> m_updates;
};

void TstDeviceModifyPage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    // The hung device of the progress test should not hold the suite for long.
    qputenv("TARN_TIMEOUT_MS", "1500");
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    qRegisterMetaType<DeviceInfo>("DeviceInfo");
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(Fleet)}));

    // The store is kept as the device list keeps it.
    TarnHandler *handler = TarnHandler::Instance();
    m_feeder = std::make_unique<StoreFeeder>(handler);
    connect(handler, &TarnHandler::signalDeviceUpdate, this, [this](const TarnDeviceInfo &info) {
        TarnDeviceInfoManager::Instance()->updateDeviceInfo(info);
        m_updates.append(info);
    });
    QVERIFY(handler->start());
    QVERIFY(StoreFeeder::waitForDevices(FleetSize, 15000));

    TarnTool::setMessageHook([this](TarnTool::MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
    });
    TarnTool::ResultPageRunner::setHook([this](TarnTool::DeviceModifyResultPage &page) {
        CapturedPage captured;
        captured.total = page.findChild<QLabel *>("m_labelDeviceAll")->text();
        captured.failed = page.findChild<QLabel *>("m_labelDeviceFail")->text();
        const QStandardItemModel *model = page.resultModel();
        for (int column = 0; column < model->columnCount(); ++column)
            captured.headers.append(model->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            captured.rows.append(cells);
        }
        const auto *view = page.findChild<QTreeView *>("m_tableViewResult");
        for (int column = 0; column < model->columnCount(); ++column) {
            if (view->isColumnHidden(column))
                captured.hidden.append(column);
        }
        captured.size = page.size();
        m_pages.append(captured);
    });
    TarnTool::RecoverySetupLauncher::setHook(
        [this](bool guid, bool questions, bool email, const QVector<DeviceInfo> &devices,
               const QString &password) {
            m_recoveries.append({guid, questions, email, devices, password});
            return devices;
        });
}

void TstDeviceModifyPage::cleanupTestCase()
{
    TarnTool::setMessageHook({});
    TarnTool::ResultPageRunner::setHook({});
    TarnTool::RecoverySetupLauncher::setHook({});
    TarnTool::BatchProgressDialog::setObserver({});
    TarnHandler::Instance()->stop();
    QVERIFY(m_sim.stop());
}

void TstDeviceModifyPage::init()
{
    useTranslator(0);
    m_panel = std::make_unique<DeviceModifyPage>();
    m_panel->resize(DeviceModifyPage::PanelWidth, 700);
    m_panel->show();
    m_messages.clear();
    m_pages.clear();
    m_recoveries.clear();
    m_updates.clear();
}

void TstDeviceModifyPage::cleanup()
{
    m_panel.reset();
}

void TstDeviceModifyPage::useTranslator(int translator)
{
    const QString path = m_configDir.filePath(QStringLiteral("Setup.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("<Setup><Translator><Value>%1</Value></Translator></Setup>")
                   .arg(translator)
                   .toUtf8());
    file.close();
    QVERIFY(apt::ConfigureManager::instance()->load(path));
}

void TstDeviceModifyPage::typeNewPassword(const QString &password)
{
    child<QLineEdit>("m_lineEditNewPassword")->setText(password);
    child<QLineEdit>("m_lineEditConfirmPassword")->setText(password);
}

bool TstDeviceModifyPage::waitForAnnouncement(const QString &serial,
                                              const std::function<bool(const TarnDeviceInfo &)> &test)
{
    return QTest::qWaitFor([&] {
        for (const TarnDeviceInfo &info : std::as_const(m_updates)) {
            if (latin1String(info.serialNumber) == serial && test(info))
                return true;
        }
        return false;
    }, 5000);
}

void TstDeviceModifyPage::statesOfTheSelection_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("activationForm");
    QTest::addColumn<bool>("modifyForm");
    QTest::addColumn<bool>("lostPassword");
    QTest::addColumn<bool>("channelRow");
    QTest::addColumn<bool>("ssidButton");
    QTest::addColumn<QString>("title");

    QTest::newRow("nothing selected") << int(SingleActivated) << QStringList() << 0 << false << true << true
                                      << false << false << "";
    QTest::newRow("one activated") << int(SingleActivated) << QStringList{"N1"} << 0 << false << true << true
                                   << false << false << "";
    QTest::newRow("activated batch") << int(BatchActivated) << QStringList{"M1", "M2"} << 0 << false << true
                                     << false << false << false << "";
    QTest::newRow("one inactive, plain") << int(SingleInactive) << QStringList{"B1"} << 1 << true << false
                                         << false << false << false << "Device active";
    QTest::newRow("one inactive, channels and Wi-Fi network")
        << int(SingleInactive) << QStringList{"S1"} << 1 << true << false << false << false << true
        << "Device active";
    QTest::newRow("one inactive recorder") << int(SingleInactive) << QStringList{"C1"} << 1 << true << false
                                           << false << true << false << "Device active";
    QTest::newRow("inactive batch, one with channels")
        << int(BatchInactive) << QStringList{"B1", "C1", "S1"} << 1 << true << false << false << true << true
        << "Batch devices active";
    QTest::newRow("mixed") << int(BatchMixed) << QStringList{"N1", "B1"} << 1 << false << false << false
                           << false << false << "Batch devices network parameters";
}

void TstDeviceModifyPage::statesOfTheSelection()
{
    QFETCH(int, kind);
    QFETCH(QStringList, tags);
    QFETCH(int, page);
    QFETCH(bool, activationForm);
    QFETCH(bool, modifyForm);
    QFETCH(bool, lostPassword);
    QFETCH(bool, channelRow);
    QFETCH(bool, ssidButton);
    QFETCH(QString, title);

    select(ModifyPage(kind), tags);
    QCOMPARE(m_panel->currentKind(), ModifyPage(kind));
    QCOMPARE(m_panel->currentSelection().size(), tags.size());
    QCOMPARE(child<QStackedWidget>("m_stackedWidget")->currentIndex(), page);
    QCOMPARE(child<QWidget>("m_frameActive")->isVisible(), activationForm);
    QCOMPARE(child<QWidget>("m_frameModifyPara")->isVisible(), modifyForm);
    if (modifyForm) {
        QCOMPARE(child<QWidget>("m_btnLostPassword")->isVisible(), lostPassword);
        const bool enabled = !tags.isEmpty();
        QCOMPARE(child<QWidget>("m_btnModify")->isEnabled(), enabled);
        QCOMPARE(child<QWidget>("m_lineEditAdminPassword")->isEnabled(), enabled);
    }
    if (activationForm) {
        QCOMPARE(child<QWidget>("channelPasswordEdit")->isVisible(), channelRow);
        QCOMPARE(child<QWidget>("channelPasswordLabel")->isVisible(), channelRow);
        QCOMPARE(child<QWidget>("transferToSetSsidBtn")->isVisible(), ssidButton);
        QVERIFY(child<QLineEdit>("m_lineEditNewPassword")->text().isEmpty());
        QVERIFY(child<QLabel>("m_labelLevel")->text().isEmpty());
        QCOMPARE(child<QLineEdit>("m_lineEditNewPassword")->maxLength(), 16);
        QCOMPARE(child<QLineEdit>("channelPasswordEdit")->maxLength(), 16);
        QCOMPARE(child<QLineEdit>("wifiPasswordLineEdit")->maxLength(), 64);
    }
    if (page == 1) {
        QVERIFY(child<QLabel>("m_labelNetPara")->text().contains(title));
        const bool mixed = kind == BatchMixed;
        QCOMPARE(child<QLabel>("m_labelWord2")->isVisible(), mixed);
        QCOMPARE(child<QWidget>("m_labelActiveNow")->isVisible(), !mixed);
        if (mixed) {
            QVERIFY(child<QLabel>("m_labelWord1")->text().contains(
                "Sorry,the devices you have chosen has not activated devices"));
            QVERIFY(child<QLabel>("m_labelWord2")->text().contains("font-weight:600"));
            QVERIFY(!child<QWidget>("m_lineEditNewPassword")->isVisible());
        }
    }
    QVERIFY(m_messages.isEmpty());
}

void TstDeviceModifyPage::emptySelectionModify()
{
    select(SingleActivated, {});
    QSignalSpy modified(m_panel.get(), &DeviceModifyPage::signalModifyResult);
    m_panel->onModifyNetParas();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.first().text, QStringLiteral("Sorry, please select the equipment."));
    QCOMPARE(modified.count(), 0);
    QVERIFY(m_pages.isEmpty());
}

void TstDeviceModifyPage::emptyAdministratorPassword()
{
    select(SingleActivated, {"N1"});
    QSignalSpy modified(m_panel.get(), &DeviceModifyPage::signalModifyResult);
    m_panel->onModifyNetParas();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().text, QStringLiteral("Sorry, please enter the administrator password."));
    auto *admin = child<aptui::MultiStateLineEdit>("m_lineEditAdminPassword");
    QCOMPARE(admin->lineEditState(), aptui::MultiStateLineEdit::ERROR);
    QCOMPARE(modified.count(), 0);

    // A press in the field takes the mark away, the hint's icon with it (the
    // skin's icons are not loaded here, so the test gives the hint one).
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    child<QLabel>("m_labelHintAdimaPassword")->setPixmap(icon);
    QTest::mouseClick(admin, Qt::LeftButton);
    QCOMPARE(admin->lineEditState(), aptui::MultiStateLineEdit::NORMAL);
    QVERIFY(child<QLabel>("m_labelHintAdimaPassword")->pixmap().isNull());
}

void TstDeviceModifyPage::singleActivationThenWifiNetwork()
{
    const QString serial = serialOf("S1");
    select(SingleInactive, {"S1"});
    // A new device takes its Wi-Fi network before it is activated.
    m_panel->transferToSetSsidWidget();
    child<QLineEdit>("ssidLineEdit")->setText(QStringLiteral("Office"));
    child<QLineEdit>("wifiPasswordLineEdit")->setText(QStringLiteral("office-wifi-1"));
    m_panel->checkWifiSSID();
    m_panel->setWifiSSID();
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.at(0).text, QStringLiteral("Succeed"));
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Succeed"));
    m_messages.clear();
    m_panel->backToActiveWidget();
    // Region mode: the device's own regions, its current one selected.
    auto *combo = child<MirelGUIToolkit::CComboBox>("m_comboBoxWifi");
    QVERIFY(combo->isVisible());
    QVERIFY(combo->isEnabled());
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->currentData().toInt(), 1);
    combo->setCurrentIndex(combo->findData(4));

    QSignalSpy activated(m_panel.get(), &DeviceModifyPage::signalActiveResult);
    typeNewPassword(QStringLiteral("Abcd1234"));
    QCOMPARE(child<QLabel>("m_labelLevel")->text(), QStringLiteral("Strong"));
    m_panel->onActiveDevices();

    QCOMPARE(activated.count(), 1);
    const auto result = activated.first().first().value<QVector<DeviceInfo>>();
    QCOMPARE(result.size(), 1);
    QCOMPARE(result.first().strResult, QStringLiteral("Succeed"));
    QCOMPARE(StoreFeeder::stored(serial).activationState, quint8(0));
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.at(0).text, QStringLiteral("Activate Succeed."));
    QCOMPARE(m_messages.at(1).kind, TarnTool::MessageKind::Ok);
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Set wifi region succeed."));
    // A fresh announcement shows the device activated, in its new region.
    QVERIFY(waitForAnnouncement(serial, [](const TarnDeviceInfo &info) {
        return info.activationState == 0 && info.wifiParam == 4;
    }));
    // The recovery set-up is offered with what the device supports.
    QCOMPARE(m_recoveries.size(), 1);
    QVERIFY(m_recoveries.first().guid);
    QVERIFY(m_recoveries.first().questions);
    QVERIFY(m_recoveries.first().email);
    QCOMPARE(m_recoveries.first().password, QStringLiteral("Abcd1234"));
    QCOMPARE(m_recoveries.first().devices.size(), 1);
    QCOMPARE(m_recoveries.first().devices.first().strSerialNumber, serial);
    QCOMPARE(m_recoveries.first().devices.first().strGuidState, QStringLiteral("Not Exported"));
    QCOMPARE(m_recoveries.first().devices.first().strEmailState, QStringLiteral("Not Set"));

    // The Wi-Fi network form of the same device, which now trusts the program.
    m_messages.clear();
    m_panel->transferToSetSsidWidget();
    QCOMPARE(child<QStackedWidget>("inActivedSetWidget")->currentIndex(), 1);
    QVERIFY(child<QWidget>("passwordConfigureWidget")->isHidden());
    child<QLineEdit>("ssidLineEdit")->setText(QStringLiteral("  Office "));
    child<QLineEdit>("wifiPasswordLineEdit")->setText(QStringLiteral("office-wifi-1"));
    m_panel->checkWifiSSID();
    m_panel->setWifiSSID();
    child<QLineEdit>("wifiPasswordLineEdit")->setText(QStringLiteral("office-wifi-2"));
    m_panel->checkWifiSSID();
    QCOMPARE(m_messages.size(), 3);
    QCOMPARE(m_messages.at(0).kind, TarnTool::MessageKind::Ok);
    QCOMPARE(m_messages.at(0).text, QStringLiteral("Succeed"));
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Succeed"));
    QCOMPARE(m_messages.at(2).kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.at(2).text, QStringLiteral("Check Failed.Error2024:Incorrect password."));
    m_panel->backToActiveWidget();
    QCOMPARE(child<QStackedWidget>("inActivedSetWidget")->currentIndex(), 0);
    QVERIFY(!child<QWidget>("passwordConfigureWidget")->isHidden());
}

void TstDeviceModifyPage::batchActivationWithRefusals()
{
    select(BatchInactive, {"B1", "B2", "B3"});
    QSignalSpy activated(m_panel.get(), &DeviceModifyPage::signalActiveResult);
    typeNewPassword(QStringLiteral("Batch1234"));
    m_panel->onActiveDevices();

    QCOMPARE(activated.count(), 1);
    const auto result = activated.first().first().value<QVector<DeviceInfo>>();
    QCOMPARE(result.size(), 3);
    QCOMPARE(result.at(0).strResult, QStringLiteral("Succeed"));
    QCOMPARE(result.at(1).strResult, QStringLiteral("Error2009:Device deny."));
    QCOMPARE(result.at(2).strResult, QStringLiteral("Error2021:reactive"));
    QCOMPARE(StoreFeeder::stored(serialOf("B1")).activationState, quint8(0));
    QCOMPARE(StoreFeeder::stored(serialOf("B2")).activationState, quint8(1));

    // Only the last device offers GUID export; the offer goes to all three.
    QCOMPARE(m_recoveries.size(), 1);
    QVERIFY(m_recoveries.first().guid);
    QVERIFY(!m_recoveries.first().questions);
    QVERIFY(!m_recoveries.first().email);
    QCOMPARE(m_recoveries.first().devices.size(), 3);

    QCOMPARE(m_pages.size(), 1);
    const CapturedPage &page = m_pages.first();
    QCOMPARE(page.headers.at(4), QStringLiteral("Activation"));
    QCOMPARE(page.total, QStringLiteral("Batch activate devices 3"));
    QCOMPARE(page.failed, QStringLiteral("Activate fail numbers 2"));
    QCOMPARE(page.rows.at(1).at(4), QStringLiteral("Error2009:Device deny."));
    QCOMPARE(page.rows.at(2).at(4), QStringLiteral("Error2021:reactive"));
    // No Wi-Fi setting was sent: no Wi-Fi column, the narrow size.
    QVERIFY(page.hidden.contains(7));
    QCOMPARE(page.size, QSize(700, 500));
    QVERIFY(m_messages.isEmpty());
    QVERIFY(waitForAnnouncement(serialOf("B1"), [](const TarnDeviceInfo &info) { return info.activationState == 0; }));
}

void TstDeviceModifyPage::channelPasswordActivation()
{
    select(SingleInactive, {"C1"});
    QVERIFY(child<QWidget>("channelPasswordEdit")->isVisible());
    QSignalSpy activated(m_panel.get(), &DeviceModifyPage::signalActiveResult);
    typeNewPassword(QStringLiteral("Record1234"));
    child<QLineEdit>("channelPasswordEdit")->setText(QStringLiteral("Chan12345"));
    m_panel->onActiveDevices();

    QCOMPARE(activated.count(), 1);
    const auto result = activated.first().first().value<QVector<DeviceInfo>>();
    QCOMPARE(result.size(), 1);
    QCOMPARE(result.first().strResult, QStringLiteral("Succeed"));
    QCOMPARE(result.first().strChannelPasswordResult, QStringLiteral("Succeed"));
    QVERIFY(child<QWidget>("channelPasswordEdit")->isHidden());
    // The result list is shown for a single device too.
    QCOMPARE(m_pages.size(), 1);
    QCOMPARE(m_pages.first().rows.size(), 1);
    QCOMPARE(m_pages.first().headers.at(4), QStringLiteral("Activation"));
    QCOMPARE(m_pages.first().rows.first().at(8), QStringLiteral("Succeed"));
    QCOMPARE(m_pages.first().hidden, (QList<int>{5, 6, 7}));
    QCOMPARE(m_pages.first().size, QSize(700, 500));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(StoreFeeder::stored(serialOf("C1")).activationState, quint8(0));
}

void TstDeviceModifyPage::wifiRegionWithDifferentMasks()
{
    const quint8 regionBefore = StoreFeeder::stored(serialOf("R1")).wifiParam;
    QCOMPARE(regionBefore, quint8(2));
    select(BatchInactive, {"R1", "R2"});
    auto *combo = child<MirelGUIToolkit::CComboBox>("m_comboBoxWifi");
    QVERIFY(combo->isVisible());
    QVERIFY(!combo->isEnabled());
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->currentData().toInt(), 2);
    QCOMPARE(m_panel->wifiSettingFromForm().type, DeviceModifyPage::WifiSettingNone);

    typeNewPassword(QStringLiteral("Region1234"));
    m_panel->onActiveDevices();
    QCOMPARE(m_pages.size(), 1);
    QVERIFY(m_pages.first().hidden.contains(7));
    // Both devices announce their activation with the regions they had.
    QVERIFY(waitForAnnouncement(serialOf("R1"), [](const TarnDeviceInfo &info) {
        return info.activationState == 0;
    }));
    QVERIFY(waitForAnnouncement(serialOf("R2"), [](const TarnDeviceInfo &info) {
        return info.activationState == 0;
    }));
    QCOMPARE(StoreFeeder::stored(serialOf("R1")).wifiParam, quint8(2));
    QCOMPARE(StoreFeeder::stored(serialOf("R2")).wifiParam, quint8(1));
}

void TstDeviceModifyPage::wifiEnhancementControl()
{
    useTranslator(1);
    // All support it: shown and enabled.
    select(SingleInactive, {"W1"});
    auto *box = child<MirelGUIToolkit::CCheckBox>("m_checkBoxWifi");
    QVERIFY(box->isVisible());
    QVERIFY(box->isEnabled());
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QVERIFY(child<QWidget>("m_comboBoxWifi")->isHidden());
    box->setCheckState(Qt::Checked);
    QCOMPARE(m_panel->wifiSettingFromForm().type, DeviceModifyPage::WifiSettingEnhancement);
    QCOMPARE(m_panel->wifiSettingFromForm().value, int(Qt::Checked));

    // Only some support it: shown, disabled, partly ticked, nothing sent.
    select(BatchInactive, {"W1", "B1"});
    QVERIFY(box->isVisible());
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->checkState(), Qt::PartiallyChecked);
    QCOMPARE(m_panel->wifiSettingFromForm().type, DeviceModifyPage::WifiSettingNone);

    // None does: hidden.
    select(SingleInactive, {"B2"});
    QVERIFY(box->isHidden());
    QCOMPARE(m_panel->wifiSettingFromForm().type, DeviceModifyPage::WifiSettingNone);

    // Activation with the switch on sends the enhancement.
    select(SingleInactive, {"W1"});
    box->setCheckState(Qt::Checked);
    typeNewPassword(QStringLiteral("Enhance123"));
    m_panel->onActiveDevices();
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Set wifi enhancement succeed."));
    QVERIFY(waitForAnnouncement(serialOf("W1"), [](const TarnDeviceInfo &info) {
        return info.wifiEnhancementOn == 1;
    }));
}

void TstDeviceModifyPage::singleNetworkChange()
{
    const QString serial = serialOf("N1");
    select(SingleActivated, {"N1"});
    auto *address = m_panel->findChild<QLineEdit *>("m_lineEditIpAddress");
    QVERIFY(address);
    QCOMPARE(address->text(), QStringLiteral("10.60.0.5"));
    address->setText(QStringLiteral("10.60.0.77"));
    child<QLineEdit>("m_lineEditAdminPassword")->setText(QStringLiteral("Admin12345"));
    QSignalSpy modified(m_panel.get(), &DeviceModifyPage::signalModifyResult);
    m_panel->onModifyNetParas();

    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().kind, TarnTool::MessageKind::Ok);
    QCOMPARE(m_messages.first().text, QStringLiteral("Modify network parameters succeed."));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.first().first().value<QVector<DeviceInfo>>().first().strResult, QStringLiteral("Succeed"));
    TarnNetParam param{};
    QVERIFY(TarnDeviceInfoManager::Instance()->getNetParam(serial, deviceInfo(serial).strMac, param));
    QCOMPARE(latin1String(param.ipv4Address), QStringLiteral("10.60.0.77"));
    QVERIFY(waitForAnnouncement(serial, [](const TarnDeviceInfo &info) {
        return latin1String(info.ipv4Address) == QLatin1String("10.60.0.77");
    }));
}

void TstDeviceModifyPage::wrongPasswordThenLockout()
{
    select(SingleActivated, {"L1"});
    QSignalSpy modified(m_panel.get(), &DeviceModifyPage::signalModifyResult);
    child<QLineEdit>("m_lineEditAdminPassword")->setText(QStringLiteral("Wrong1234"));
    m_panel->onModifyNetParas();
    m_panel->onModifyNetParas();
    // Locked now: even the right password is refused.
    child<QLineEdit>("m_lineEditAdminPassword")->setText(QStringLiteral("Right1234"));
    m_panel->onModifyNetParas();

    QCOMPARE(m_messages.size(), 3);
    for (const Message &message : std::as_const(m_messages))
        QCOMPARE(message.kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.at(0).text, QStringLiteral("Error password, retry times:1"));
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Locked,lock time:2minutes"));
    QCOMPARE(m_messages.at(2).text, QStringLiteral("Locked,lock time:2minutes"));
    QCOMPARE(modified.count(), 0);
    // These texts are messages only; the device keeps its result.
    QVERIFY(m_panel->currentSelection().first().strResult.isEmpty());
}

void TstDeviceModifyPage::singleModificationErrors_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("kept");  // whether the device keeps the text as its result

    QTest::newRow("locked without minutes") << "E1" << "Locked." << false;
    QTest::newRow("unknown code") << "E2" << "Error2026:others" << true;
    QTest::newRow("refused") << "E3" << "Device deny." << false;
}

void TstDeviceModifyPage::singleModificationErrors()
{
    QFETCH(QString, tag);
    QFETCH(QString, text);
    QFETCH(bool, kept);

    select(SingleActivated, {tag});
    child<QLineEdit>("m_lineEditAdminPassword")->setText(QStringLiteral("Admin12345"));
    QSignalSpy modified(m_panel.get(), &DeviceModifyPage::signalModifyResult);
    m_panel->onModifyNetParas();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.first().text, text);
    QCOMPARE(modified.count(), 0);
    QCOMPARE(m_panel->currentSelection().first().strResult, kept ? text : QString());
}

void TstDeviceModifyPage::batchModification_data()
{
    QTest::addColumn<bool>("dhcp");
    QTest::newRow("consecutive addresses") << false;
    QTest::newRow("batch DHCP") << true;
}

void TstDeviceModifyPage::batchModification()
{
    QFETCH(bool, dhcp);
    const QStringList tags{"M1", "M2", "M3"};
    QStringList before;
    for (const QString &tag : tags)
        before.append(deviceInfo(serialOf(qPrintable(tag))).strIPv4Address);

    select(BatchActivated, tags);
    child<QLineEdit>("m_lineEditStartIp")->setText(QStringLiteral("10.63.0.10"));
    child<QLineEdit>("m_lineEditSubnetMask")->setText(QStringLiteral("255.255.0.0"));
    child<QLineEdit>("m_lineEditGateway")->setText(QStringLiteral("10.63.0.1"));
    child<QLineEdit>("m_lineEditPort")->setText(QStringLiteral("8000"));
    child<QLineEdit>("m_lineEditHttpPort")->setText(QStringLiteral("80"));
    if (dhcp) {
        child<QCheckBox>("m_checkBoxBatchDHCP")->setChecked(true);
        QVERIFY(!child<QWidget>("m_lineEditStartIp")->isEnabled());
    }
    child<QLineEdit>("m_lineEditAdminPassword")->setText(QStringLiteral("Admin12345"));
    QSignalSpy modified(m_panel.get(), &DeviceModifyPage::signalModifyResult);
    m_panel->onModifyNetParas();

    QVERIFY2(m_messages.isEmpty(), m_messages.isEmpty() ? "" : qPrintable(m_messages.first().text));
    QCOMPARE(modified.count(), 1);
    const auto result = modified.first().first().value<QVector<DeviceInfo>>();
    QCOMPARE(result.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString serial = serialOf(qPrintable(tags.at(i)));
        QCOMPARE(result.at(i).strResult, QStringLiteral("Succeed"));
        const QString expected = dhcp ? before.at(i) : QStringLiteral("10.63.0.%1").arg(10 + i);
        QCOMPARE(result.at(i).strIPv4Address, expected);
        QVERIFY(waitForAnnouncement(serial, [&](const TarnDeviceInfo &info) {
            return latin1String(info.ipv4Address) == expected && info.dhcpEnabled == (dhcp ? 1 : 0);
        }));
    }
    QCOMPARE(m_pages.size(), 1);
    QCOMPARE(m_pages.first().total, QStringLiteral("Devices Number: 3"));
    QCOMPARE(m_pages.first().failed, QStringLiteral("Failed Number: 0"));
    QCOMPARE(m_pages.first().hidden, dhcp ? (QList<int>{5, 6, 7, 8}) : (QList<int>{5, 6, 7}));
    QCOMPARE(m_pages.first().size, QSize(700, 500));
}

void TstDeviceModifyPage::longBatchShowsProgress()
{
    struct Step
    {
        int position;
        int total;
        QString device;
    };
    QVector<Step> steps;
    TarnTool::BatchProgressDialog::setObserver([&](int position, int total, const QString &device) {
        steps.append({position, total, device});
    });
    // The first device never answers, so the batch lasts past half a second.
    select(BatchActivated, {"T1", "T2"});
    child<QLineEdit>("m_lineEditStartIp")->setText(QStringLiteral("10.64.0.10"));
    child<QLineEdit>("m_lineEditSubnetMask")->setText(QStringLiteral("255.255.0.0"));
    child<QLineEdit>("m_lineEditGateway")->setText(QStringLiteral("10.64.0.1"));
    child<QLineEdit>("m_lineEditPort")->setText(QStringLiteral("8000"));
    child<QLineEdit>("m_lineEditHttpPort")->setText(QStringLiteral("80"));
    child<QLineEdit>("m_lineEditAdminPassword")->setText(QStringLiteral("Admin12345"));
    m_panel->onModifyNetParas();
    TarnTool::BatchProgressDialog::setObserver({});

    QCOMPARE(steps.size(), 1);
    QCOMPARE(steps.first().position, 2);
    QCOMPARE(steps.first().total, 2);
    QCOMPARE(steps.first().device, serialOf("T2"));
    QCOMPARE(m_pages.size(), 1);
    QCOMPARE(m_pages.first().rows.at(0).at(4), QStringLiteral("Error2011:time out"));
    QCOMPARE(m_pages.first().failed, QStringLiteral("Failed Number: 1"));
    QVERIFY(m_panel->findChildren<TarnTool::BatchProgressDialog *>().isEmpty());
}

void TstDeviceModifyPage::pasteShortcutIsSwallowed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("kind");
    QTest::newRow("administrator") << "m_lineEditAdminPassword" << int(SingleActivated);
    QTest::newRow("new") << "m_lineEditNewPassword" << int(SingleInactive);
    QTest::newRow("confirmation") << "m_lineEditConfirmPassword" << int(SingleInactive);
    QTest::newRow("channel") << "channelPasswordEdit" << int(SingleInactive);
    QTest::newRow("Wi-Fi") << "wifiPasswordLineEdit" << int(SingleInactive);
}

void TstDeviceModifyPage::pasteShortcutIsSwallowed()
{
    QFETCH(QString, field);
    QFETCH(int, kind);
    select(ModifyPage(kind), {kind == SingleActivated ? "N1" : "C1"});
    QApplication::clipboard()->setText(QStringLiteral("Pasted123"));
    // The clipboard works: a plain field takes the text.
    QLineEdit plain;
    QTest::keySequence(&plain, QKeySequence::Paste);
    QCOMPARE(plain.text(), QStringLiteral("Pasted123"));

    auto *edit = m_panel->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QCOMPARE(edit->contextMenuPolicy(), Qt::NoContextMenu);
    edit->setText(QStringLiteral("Kept"));
    QTest::keySequence(edit, QKeySequence::Paste);
    QTest::keySequence(edit, QKeySequence::Cut);
    QCOMPARE(edit->text(), QStringLiteral("Kept"));
    QTest::keyClicks(edit, QStringLiteral("9"));
    QCOMPARE(edit->text(), QStringLiteral("Kept9"));
}

void TstDeviceModifyPage::wifiNetworkFormChecks_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty network name") << "   " << "office-wifi-1" << "The ssid can not be empty.";
    QTest::newRow("empty password") << "Office" << "" << "The WiFi password can not be empty.";
    QTest::newRow("seven characters") << "Office" << "1234567" << "Valid password range [8-64].";
    // Past the checks: the recorder has no Wi-Fi, which is reported, not skipped.
    QTest::newRow("eight characters") << "Office" << "12345678" << "Not Support.";
    QTest::newRow("64 characters") << "Office" << QString(64, QLatin1Char('p')) << "Not Support.";
}

void TstDeviceModifyPage::wifiNetworkFormChecks()
{
    QFETCH(QString, ssid);
    QFETCH(QString, password);
    QFETCH(QString, text);

    select(SingleInactive, {"C1"});
    m_panel->transferToSetSsidWidget();
    auto *passwordField = child<QLineEdit>("wifiPasswordLineEdit");
    child<QLineEdit>("ssidLineEdit")->setText(ssid);
    passwordField->setText(password);
    m_panel->setWifiSSID();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.first().text, text);

    // Typing past 64 characters is not possible.
    passwordField->setText(QString(65, QLatin1Char('x')));
    QCOMPARE(passwordField->text().size(), 64);
}

QTEST_MAIN(TstDeviceModifyPage)
#include "tst_devicemodifypage.moc"
