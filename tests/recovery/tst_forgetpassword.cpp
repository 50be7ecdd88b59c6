// "Forget Password" of the configuration panel against a simulated fleet:
// a device with the newer reset ability opens the reset dialog with the
// abilities and account of its record, an older one the restore dialog,
// both between the panel's cover signals; without a selection the panel
// only asks for one. The installed recovery dialogs are the real ones.

#include "devicemodifypage.h"
#include "devsimprocess.h"
#include "storefeeder.h"
#include "latin1text.h"
#include "messagebox.h"
#include "passwordrecoverydialogs.h"
#include "passwordrecoverylauncher.h"
#include "resetpassworddialog.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"

#include <QApplication>
#include <QComboBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <QTimer>

using TARN::TarnHandler;
using TarnTool::DeviceModifyPage;
using TarnTool::PasswordRecoveryLauncher;
using TarnTool::PasswordResetTarget;

namespace {

const QByteArray Fleet = R"([
  {"serial": "TC425020240101FGPNEW1", "mac": "02-54-41-00-71-01", "model": "TC-4250-W", "deviceClass": 8245,
   "abilityFlags": 199, "recoveryFlags": 15, "extraAbilityFlags": 2, "emailTipMode": 2,
   "userKind": 1, "userName": "operator", "ipv4": "10.71.0.2", "mask": "255.255.0.0", "gateway": "10.71.0.1"},
  {"serial": "TC425020240101FGPNEW2", "mac": "02-54-41-00-71-02", "model": "TC-2140-IR", "deviceClass": 8241,
   "abilityFlags": 64, "recoveryFlags": 0, "extraAbilityFlags": 0, "emailTipMode": 0,
   "userKind": 0, "ipv4": "10.71.0.3", "mask": "255.255.0.0", "gateway": "10.71.0.1"},
  {"serial": "TC112020240101FGPOLD1", "mac": "02-54-41-00-71-03", "model": "TC-1120-B", "deviceClass": 8193,
   "abilityFlags": 4, "recoveryFlags": 1, "extraAbilityFlags": 0,
   "ipv4": "10.71.0.4", "mask": "255.255.0.0", "gateway": "10.71.0.1"}
])";
constexpr int FleetSize = 3;

QVector<DeviceInfo> selectionOf(const QString &serial)
{
    const TarnDeviceInfo record = StoreFeeder::stored(serial);
    DeviceInfo info;
    info.strId = QStringLiteral("1");
    info.strSerialNumber = latin1String(record.serialNumber);
    info.strMac = latin1String(record.macAddress);
    info.strIPv4Address = latin1String(record.ipv4Address);
    return {info};
}

// Runs action on the first shown T once the modal run has shown it; the timer dies with the action or after ten seconds.
template <typename T>
void whenShown(std::function<void(T *)> action)
{
    auto *timer = new QTimer;
    auto *elapsed = new int(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, elapsed, action] {
        for (QWidget *widget : QApplication::allWidgets()) {
            if (auto *found = qobject_cast<T *>(widget); found && !found->isHidden()) {
                delete elapsed;
                timer->deleteLater();
                timer->stop();
                action(found);
                return;
            }
        }
        if (++*elapsed > 1000) {
            // Not found: close whatever runs modally so that the test fails
            // instead of hanging.
            delete elapsed;
            timer->deleteLater();
            timer->stop();
            for (QWidget *widget : QApplication::allWidgets()) {
                if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && !dialog->isHidden())
                    dialog->reject();
            }
        }
    });
    timer->start(10);
}

} // namespace

class TstForgetPassword : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void noSelection();
    void choosesTheDialog_data();
    void choosesTheDialog();
    void opensTheRealResetDialog();

private:
    DevsimProcess m_sim;
    std::unique_ptr<StoreFeeder> m_feeder;
    std::unique_ptr<DeviceModifyPage> m_panel;
    QStringList m_messages;
    QStringList m_events;
    QVector<PasswordResetTarget> m_resets;
};

void TstForgetPassword::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(Fleet)}));
    TarnHandler *handler = TarnHandler::Instance();
    m_feeder = std::make_unique<StoreFeeder>(handler);
    QVERIFY(handler->start());
    QVERIFY(StoreFeeder::waitForDevices(FleetSize, 15000));
    TarnTool::setMessageHook([this](TarnTool::MessageKind, const QString &text) { m_messages.append(text); });
}

void TstForgetPassword::cleanupTestCase()
{
    TarnTool::setMessageHook({});
    PasswordRecoveryLauncher::setResetHook({});
    PasswordRecoveryLauncher::setRestoreHook({});
    TarnHandler::Instance()->stop();
    QVERIFY(m_sim.stop());
}

void TstForgetPassword::init()
{
    m_messages.clear();
    m_events.clear();
    m_resets.clear();
    m_panel = std::make_unique<DeviceModifyPage>();
    m_panel->resize(DeviceModifyPage::PanelWidth, 700);
    connect(m_panel.get(), &DeviceModifyPage::signalCoverMainPage, this, [this] { m_events.append("cover"); });
    connect(m_panel.get(), &DeviceModifyPage::signalDisCoverMainPage, this,
            [this] { m_events.append("uncover"); });
    PasswordRecoveryLauncher::setResetHook([this](QWidget *parent, const PasswordResetTarget &target) {
        QCOMPARE(parent, m_panel.get());
        m_events.append("reset " + target.strSerialNumber);
        m_resets.append(target);
    });
    PasswordRecoveryLauncher::setRestoreHook([this](QWidget *parent, const QString &serial) {
        QCOMPARE(parent, m_panel.get());
        m_events.append("restore " + serial);
    });
}

void TstForgetPassword::cleanup()
{
    m_panel.reset();
}

void TstForgetPassword::noSelection()
{
    m_panel->onForgetPassword();
    QCOMPARE(m_messages, QStringList{"Please select a device."});
    QVERIFY(m_events.isEmpty());
}

void TstForgetPassword::choosesTheDialog_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("opened");
    QTest::newRow("newer reset ability, every method") << "TC425020240101FGPNEW1" << "reset";
    QTest::newRow("newer reset ability, key only") << "TC425020240101FGPNEW2" << "reset";
    QTest::newRow("older device") << "TC112020240101FGPOLD1" << "restore";
}

void TstForgetPassword::choosesTheDialog()
{
    QFETCH(QString, serial);
    QFETCH(QString, opened);
    m_panel->onCurrentSelectionChange(SingleActivated, selectionOf(serial));
    m_panel->onForgetPassword();
    QCOMPARE(m_events, (QStringList{"cover", opened + " " + serial, "uncover"}));
    QVERIFY(m_messages.isEmpty());
    if (serial == QLatin1String("TC425020240101FGPNEW1")) {
        const PasswordResetTarget &t = m_resets.constFirst();
        QVERIFY(t.qrAndManualKey);
        QVERIFY(t.channelReset);
        QVERIFY(t.guid);
        QVERIFY(t.questions);
        QVERIFY(t.recoveryBit1);
        QVERIFY(t.reservedEmail);
        QCOMPARE(t.emailTipMode, 2);
        QCOMPARE(t.userKind, 1);
        QCOMPARE(t.userName, QStringLiteral("operator"));
    } else if (serial == QLatin1String("TC425020240101FGPNEW2")) {
        const PasswordResetTarget &t = m_resets.constFirst();
        QVERIFY(!t.qrAndManualKey);
        QVERIFY(!t.channelReset);
        QVERIFY(!t.guid);
        QVERIFY(!t.questions);
        QVERIFY(!t.recoveryBit1);
        QVERIFY(!t.reservedEmail);
        QCOMPARE(t.emailTipMode, 0);
        QCOMPARE(t.userKind, 0);
        QVERIFY(t.userName.isEmpty());
    }
}

void TstForgetPassword::opensTheRealResetDialog()
{
    TarnTool::PasswordRecoveryDialogs::install();
    m_panel->onCurrentSelectionChange(SingleActivated, selectionOf(QStringLiteral("TC425020240101FGPNEW1")));
    QStringList seen;
    whenShown<TarnTool::ResetPasswordDialog>([&seen](TarnTool::ResetPasswordDialog *dialog) {
        seen.append(dialog->windowTitle());
        seen.append(QString::number(dialog->findChild<QComboBox *>("m_cmbSecurityMode")->count()));
        seen.append(dialog->isAdminAccount() ? "admin" : "named");
        // Its own window over the panel, not a widget drawn inside it.
        seen.append(dialog->isWindow() ? "window" : "child");
        dialog->reject();
    });
    m_panel->onForgetPassword();
    QCOMPARE(seen, (QStringList{"Reset Password", "4", "named", "window"}));
    QCOMPARE(m_events, (QStringList{"cover", "uncover"}));

    // An older device gets the restore dialog of the default password.
    m_events.clear();
    seen.clear();
    m_panel->onCurrentSelectionChange(SingleActivated, selectionOf(QStringLiteral("TC112020240101FGPOLD1")));
    whenShown<QDialog>([&seen](QDialog *dialog) {
        seen.append(dialog->metaObject()->className());
        dialog->reject();
    });
    m_panel->onForgetPassword();
    QCOMPARE(seen, QStringList{"TarnTool::RestorePasswordDialog"});
    QCOMPARE(m_events, (QStringList{"cover", "uncover"}));
}

QTEST_MAIN(TstForgetPassword)
#include "tst_forgetpassword.moc"
